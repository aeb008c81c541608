// Building a flat pattern: strokes with the drawing's checks, extents and group moves.
#include "caddraw/flat_pattern_builder.h"

#include "caddraw/cad_drawing.h"
#include "caddraw/draw_geometry.h"
#include "caddraw/flat_pattern_render.h"

#include <cmath>

namespace brevant {

namespace {

// An arc whose ends meet within a ten-thousandth of a degree is the full circle.
void NormaliseArc(TCoords& c) {
    if (std::fabs(c[4] - c[5]) < 0.0001) {
        c[4] = 0;
        c[5] = 360;
    }
}

std::optional<FlatLine> CheckedLine(TCoords c) {
    if (!CheckElementCoords(kElementLine, c)) return std::nullopt;
    return FlatLine{{c[0], c[1], c[2]}, {c[3], c[4], c[5]}};
}

std::optional<FlatArc> CheckedArc(TCoords c) {
    if (!CheckElementCoords(kElementArc, c)) return std::nullopt;
    NormaliseArc(c);
    return FlatArc{{c[0], c[1], c[2]}, c[3], c[4], c[5]};
}

// The stroke turned about the origin as a rotated copy of a drawing element is; a box has no
// rotated copy and is dropped, as are copies the drawing would refuse.
std::optional<FlatStroke> Rotated(FlatStroke s, double angle) {
    auto turn = [&](const TDPoint& p) { return drawgeo::RotateAbout(p, 0, 0, angle); };
    if (auto* l = std::get_if<FlatLine>(&s.Shape)) {
        const TDPoint a = turn(l->From), b = turn(l->To);
        const auto line = CheckedLine({a.x, a.y, a.z, b.x, b.y, b.z});
        if (!line) return std::nullopt;
        s.Shape = *line;
        return s;
    }
    if (auto* a = std::get_if<FlatArc>(&s.Shape)) {
        const TDPoint c = turn(a->Centre);
        double start = a->StartAngle + angle, end = a->EndAngle + angle;
        if (start > 360) start -= 360, end -= 360;
        const auto arc = CheckedArc({c.x, c.y, c.z, a->Radius, start, end});
        if (!arc) return std::nullopt;
        s.Shape = *arc;
        return s;
    }
    return std::nullopt;
}

std::optional<FlatStroke> Shifted(FlatStroke s, double dx, double dy) {
    if (auto* l = std::get_if<FlatLine>(&s.Shape)) {
        const auto line = CheckedLine(
            {l->From.x + dx, l->From.y + dy, l->From.z, l->To.x + dx, l->To.y + dy, l->To.z});
        if (!line) return std::nullopt;
        s.Shape = *line;
        return s;
    }
    if (auto* a = std::get_if<FlatArc>(&s.Shape)) {
        const auto arc = CheckedArc({a->Centre.x + dx, a->Centre.y + dy, a->Centre.z, a->Radius,
                                     a->StartAngle, a->EndAngle});
        if (!arc) return std::nullopt;
        s.Shape = *arc;
        return s;
    }
    return std::nullopt;
}

} // namespace

void FlatPatternBuilder::SetPen(int layer, TColor color, FlatRole role) {
    pen_ = {layer, color};
    role_ = role;
}

void FlatPatternBuilder::SetColor(TColor color, FlatRole role) {
    pen_.Color = color;
    role_ = role;
}

void FlatPatternBuilder::Line(double x1, double y1, double x2, double y2) {
    if (const auto line = CheckedLine({x1, y1, 0, x2, y2, 0}))
        pattern_.Strokes.push_back({role_, pen_, *line});
}

void FlatPatternBuilder::Arc(double cx, double cy, double radius, double startAngle,
                             double endAngle) {
    if (const auto arc = CheckedArc({cx, cy, 0, radius, startAngle, endAngle}))
        pattern_.Strokes.push_back({role_, pen_, *arc});
}

void FlatPatternBuilder::Box(double cx, double cy, double width, double height) {
    pattern_.Strokes.push_back({role_, pen_, FlatBox{{cx, cy, 0}, width, height, 0}});
}

FlatExtents FlatPatternBuilder::Extents() const {
    TCadDrawing drawing;
    RenderFlatPattern(drawing, pattern_);
    drawing.SetExtents();
    const TSettings& s = drawing.CadSettings();
    return {s.min_x, s.min_y, s.max_x, s.max_y};
}

void FlatPatternBuilder::RotateAll(double angle) {
    if (angle == 0) return;
    if (angle > 360) angle -= 360;
    std::vector<FlatStroke> turned;
    for (const FlatStroke& s : pattern_.Strokes)
        if (auto r = Rotated(s, angle)) turned.push_back(*r);
    pattern_.Strokes = std::move(turned);
    for (CutOutline& o : pattern_.Outlines)
        for (OutlineEdge& e : o.Edges) {
            e.Start = drawgeo::RotateAbout(e.Start, 0, 0, angle);
            e.Centre = drawgeo::RotateAbout(e.Centre, 0, 0, angle);
        }
    for (FlatLine& l : pattern_.HiddenTabJoins) {
        l.From = drawgeo::RotateAbout(l.From, 0, 0, angle);
        l.To = drawgeo::RotateAbout(l.To, 0, 0, angle);
    }
}

void FlatPatternBuilder::ShiftAll(double dx, double dy) {
    std::vector<FlatStroke> moved;
    for (const FlatStroke& s : pattern_.Strokes)
        if (auto m = Shifted(s, dx, dy)) moved.push_back(*m);
    pattern_.Strokes = std::move(moved);
    for (CutOutline& o : pattern_.Outlines)
        for (OutlineEdge& e : o.Edges) {
            e.Start = {e.Start.x + dx, e.Start.y + dy, e.Start.z};
            e.Centre = {e.Centre.x + dx, e.Centre.y + dy, e.Centre.z};
        }
    for (FlatLine& l : pattern_.HiddenTabJoins) {
        l.From = {l.From.x + dx, l.From.y + dy, l.From.z};
        l.To = {l.To.x + dx, l.To.y + dy, l.To.z};
    }
}

void FlatPatternBuilder::Clear() {
    pattern_.Strokes.clear();
    pattern_.Outlines.clear();
    pattern_.HiddenTabJoins.clear();
}

void FlatPatternBuilder::AddOutline(CutOutline outline) {
    pattern_.Outlines.push_back(std::move(outline));
}

void FlatPatternBuilder::AddHiddenTabJoin(const TDPoint& from, const TDPoint& to) {
    pattern_.HiddenTabJoins.push_back({from, to});
}

} // namespace brevant
