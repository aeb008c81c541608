// Editing the drawing as a whole: groups (select, rotate, shift, delete), moving the origin and
// collecting chains of connected lines and arcs.
#include "caddraw/cad_drawing.h"
#include "caddraw/draw_geometry.h"

#include <algorithm>

namespace brevant {

void TCadDrawing::AddToGroup(int Index) {
    auto choose = [this](int i) {
        TElement& e = elements_[i];
        if (!e.Deleted) e.Highlight = kHighlightGroup;
        ElementChanged(i);
    };
    if (Index == 0) {
        for (int i = 0; i < elements_.Count(); ++i)
            choose(i);
    } else if (Index >= 1 && Index < elements_.Count()) {
        choose(Index);
    }
}

void TCadDrawing::ClearGroup() {
    for (int i = 0; i < elements_.Count(); ++i) {
        if (!elements_[i].Deleted) elements_[i].Highlight = kHighlightNormal;
        ElementChanged(i);
    }
}

void TCadDrawing::DeleteGroup() {
    for (TElement& e : elements_) {
        if (!e.Deleted && e.Highlight == kHighlightGroup) {
            e.Deleted = true;
            e.Highlight = kHighlightNormal;
        }
    }
    DrawingChanged();
}

void TCadDrawing::AddRotatedCopy(const TElement& e, double angle, double cx, double cy) {
    TCoords c = e.Coords;
    auto rotate = [&](std::size_t at) {
        const TDPoint p = drawgeo::RotateAbout({c[at], c[at + 1], c[at + 2]}, cx, cy, angle);
        c[at] = p.x, c[at + 1] = p.y, c[at + 2] = p.z;
    };
    switch (e.Etype) {
    case kElementPoint:
        rotate(0);
        break;
    case kElementLine:
        rotate(0);
        rotate(3);
        break;
    case kElementArc:
        rotate(0);
        c[4] += angle;
        c[5] += angle;
        if (c[4] > 360) c[4] -= 360, c[5] -= 360;
        break;
    default:
        return;
    }
    AddElement(e.Etype, e.LineColor, c, e.FillColor, e.linetype, e.Layer, kHighlightCopy, {},
               e.view);
}

void TCadDrawing::RotateGroup(double angle, double CenterX, double CenterY, int NumberOfTimes,
                              bool leave) {
    if (NumberOfTimes == 0) NumberOfTimes = 1;
    if (angle == 0) return;
    const int count = elements_.Count();
    for (int index = 0; index < count; ++index) {
        if (elements_[index].Deleted || elements_[index].Highlight != kHighlightGroup) continue;
        const TElement source = elements_[index]; // adding copies may move the list
        for (int i = 1; i <= NumberOfTimes; ++i) {
            double a = i * angle;
            if (a > 360) a -= 360;
            AddRotatedCopy(source, a, CenterX, CenterY);
        }
        if (!leave) {
            elements_[index].Highlight = kHighlightErase;
            ElementChanged(index);
            elements_[index].Highlight = kHighlightNormal;
            elements_[index].Deleted = true;
        }
    }
}

void TCadDrawing::AddShiftedCopy(const TElement& e, double dx, double dy, double dz) {
    TCoords c = e.Coords;
    int linetype = e.linetype;
    switch (e.Etype) {
    case kElementPoint:
        linetype = 0;
        c[0] += dx, c[1] += dy, c[2] += dz;
        break;
    case kElementLine:
        c[0] += dx, c[1] += dy, c[2] += dz;
        c[3] += dx, c[4] += dy, c[5] += dz;
        break;
    case kElementArc:
        c[0] += dx, c[1] += dy, c[2] += dz;
        break;
    default:
        return;
    }
    AddElement(e.Etype, e.LineColor, c, e.FillColor, linetype, e.Layer, kHighlightCopy, {}, e.view);
}

void TCadDrawing::ShiftGroup(double X, double Y, double Z, int NumberOfTimes, bool leave) {
    for (int i = 1; i <= NumberOfTimes; ++i) {
        const int count = elements_.Count();
        for (int index = 0; index < count; ++index) {
            if (elements_[index].Deleted || elements_[index].Highlight != kHighlightGroup) continue;
            const TElement source = elements_[index];
            AddShiftedCopy(source, i * X, i * Y, i * Z);
        }
    }
    if (leave) return;
    for (TElement& e : elements_)
        if (!e.Deleted && e.Highlight == kHighlightGroup) e.Deleted = true;
}

namespace {

// Subtracts (x, y, z) from an element's coordinates by type; other types stay.
void MoveElement(TElement& e, double x, double y, double z) {
    TCoords& c = e.Coords;
    switch (e.Etype) {
    case kElementPoint:
    case kElementArc:
    case kElementArrow:
        c[0] -= x, c[1] -= y, c[2] -= z;
        break;
    case kElementLine:
    case kElementWitness:
        c[0] -= x, c[1] -= y, c[2] -= z;
        c[3] -= x, c[4] -= y, c[5] -= z;
        break;
    case kElementText:
        c[0] -= x, c[1] -= y;
        break;
    case kElementLeader:
        c[0] -= x, c[1] -= y, c[2] -= x, c[3] -= y;
        break;
    default:
        break;
    }
}

} // namespace

void TCadDrawing::NewOrigin(double x, double Y, double Z) {
    for (TElement& e : elements_)
        if (!e.Deleted) MoveElement(e, x, Y, Z);
    DrawingChanged();
}

} // namespace brevant
