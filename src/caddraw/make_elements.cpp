// Creating elements: the Make... operations, AddElement with its checks, and the extents.
#include "caddraw/cad_drawing.h"
#include "caddraw/draw_geometry.h"

#include <cmath>

namespace brevant {

namespace {

constexpr double kCoordLimit = 1e9;
// Every accepted coordinate lies within kCoordLimit, and an arc's box within twice that; the
// clamp only keeps the fit's arithmetic finite. A part as large as the layouts draw (their
// patterns stop at 1e9) is fitted whole by Zoom All.
constexpr double kExtentLimit = 2 * kCoordLimit;

bool InRange(double v) {
    return v >= -kCoordLimit && v <= kCoordLimit;
} // false for NaN

} // namespace

bool CheckElementCoords(int type, TCoords& c) {
    if (type < kElementPoint || type > kElementCircle) return true;
    for (double v : c)
        if (std::isnan(v)) return false; // NaN geometry is never drawable or comparable
    if (!InRange(c[0]) || !InRange(c[1])) return false;
    if (type != kElementPoint && !InRange(c[3])) return false;
    if (!InRange(c[2])) c[2] = 0;
    return true;
}

int TCadDrawing::AddElement(int Etype, TColor LineColor, const TCoords& coords, TColor FillColor,
                            int linetype, int Layer, int Highlight, const std::string& text,
                            int view) {
    TCoords c = coords;
    if (Etype != kElementCandle && !CheckElementCoords(Etype, c)) return 0;
    if (Etype == kElementArc && std::fabs(c[4] - c[5]) < 0.0001) {
        c[4] = 0;
        c[5] = 360;
    }
    const int index = elements_.Count();
    TElement& e = elements_.Add();
    e.Etype = Etype;
    if (Etype == kElementEmpty) return index;
    e.Coords = c;
    e.LineColor = LineColor;
    e.FillColor = FillColor;
    e.linetype = linetype;
    e.Layer = (Layer >= 1 && Layer <= 254) ? Layer : 252;
    if (Etype == kElementText) e.text = text;
    e.Highlight = Etype == kElementText ? 0 : static_cast<std::uint8_t>(Highlight);
    e.view = view < 1 ? 1 : view;
    if (linetype == kLineSolidNoExtents || linetype == kLineDottedNoExtents) {
        e.linetype = linetype == kLineSolidNoExtents ? kLineSolid : kLineDotted;
        return index;
    }
    e.Deleted = false;
    UpdateExtents(e);
    return index;
}

int TCadDrawing::MakePoint(double x, double Y, double Z) {
    const TSettings& s = settings_;
    return AddElement(kElementPoint, s.CurrentColor, {x, Y, Z, 0, 0, 0}, 0, s.current_linetype,
                      s.current_layer, 0, {}, 1);
}

int TCadDrawing::MakeLine(double x1, double y1, double z1, double x2, double y2, double z2) {
    const TSettings& s = settings_;
    return AddElement(kElementLine, s.CurrentColor, {x1, y1, z1, x2, y2, z2}, 0, s.current_linetype,
                      s.current_layer, 0, {}, 1);
}

int TCadDrawing::MakeArc(int view, double x, double Y, double Z, double radius, double StartAngle,
                         double EndAngle) {
    const TSettings& s = settings_;
    return AddElement(kElementArc, s.CurrentColor, {x, Y, Z, radius, StartAngle, EndAngle}, 0,
                      s.current_linetype, s.current_layer, 0, {}, view);
}

int TCadDrawing::MakeText(double x1, double y1, const std::string& text) {
    const TSettings& s = settings_;
    return AddElement(kElementText, s.CurrentColor, {x1, y1, 0, 0, 0, 0}, 0, s.current_linetype,
                      s.current_layer, 0, text, 1);
}

int TCadDrawing::MakeRectangle(double center_x, double center_y, double rect_width,
                               double rect_height, TColor Fillcolor, TColor LineColor) {
    const TSettings& s = settings_;
    return AddElement(kElementRectangle, LineColor,
                      {center_x, center_y, 0, rect_width, rect_height, 0}, Fillcolor,
                      s.current_linetype, s.current_layer, 0, {}, 1);
}

int TCadDrawing::MakePointX(const TDPoint& p) {
    return MakePoint(p.x, p.y, p.z);
}

int TCadDrawing::MakeLineX(const TDLine& l) {
    return MakeLine(l.Point1.x, l.Point1.y, l.Point1.z, l.Point2.x, l.Point2.y, l.Point2.z);
}

int TCadDrawing::MakeArcX(const TDArc& a) {
    return MakeArc(settings_.current_view, a.Center.x, a.Center.y, a.Center.z, a.r, a.sa, a.ea);
}

void TCadDrawing::UpdateExtents(const TElement& e) {
    TSettings& s = settings_;
    // A box with min above max holds nothing yet (the empty box runs from 9000 down to -9000):
    // the first point is the box, so a drawing wholly beyond 9000 is not stretched to it.
    auto grow = [&s](double x, double y) {
        if (s.min_x > s.max_x) s.min_x = s.max_x = x;
        if (s.min_y > s.max_y) s.min_y = s.max_y = y;
        if (x > s.max_x) s.max_x = x;
        if (y > s.max_y) s.max_y = y;
        if (x < s.min_x) s.min_x = x;
        if (y < s.min_y) s.min_y = y;
    };
    const TCoords& c = e.Coords;
    switch (e.Etype) {
    case kElementPoint:
        grow(c[0], c[1]);
        break;
    case kElementLine:
        grow(c[0], c[1]);
        grow(c[3], c[4]);
        break;
    case kElementArc:
        if (c[5] - c[4] > 180) {
            grow(c[0] - c[3], c[1] - c[3]);
            grow(c[0] + c[3], c[1] + c[3]);
        } else {
            TDPoint start{c[0], c[1], 0}, end{c[0], c[1], 0};
            drawgeo::GetArcEndPoints(e, start, end);
            grow(start.x, start.y);
            grow(end.x, end.y);
        }
        break;
    case kElementRectangle:
        grow(c[0] - c[3] / 2, c[1] - c[4] / 2);
        grow(c[0] + c[3] / 2, c[1] + c[4] / 2);
        break;
    default:
        break;
    }
    if (s.min_x < -kExtentLimit) s.min_x = -kExtentLimit;
    if (s.min_y < -kExtentLimit) s.min_y = -kExtentLimit;
    if (s.max_x > kExtentLimit) s.max_x = kExtentLimit;
    if (s.max_y > kExtentLimit) s.max_y = kExtentLimit;
}

void TCadDrawing::SetExtents() {
    TSettings& s = settings_;
    s.max_x = s.max_y = -9000;
    s.min_x = s.min_y = 9000;
    for (const TElement& e : elements_)
        if (!e.Deleted && LayerVisible(e.Layer)) UpdateExtents(e);
}

} // namespace brevant
