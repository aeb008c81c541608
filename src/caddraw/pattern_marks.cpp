// Arrowheads, glyphs, the angle marker and arcs as lines of the flat patterns.
#include "caddraw/pattern_marks.h"

#include "caddraw/pattern_pen.h"
#include "geometry/angles.h"

#include <algorithm>
#include <cmath>

namespace brevant {

void DrawDimensionArrow(FlatPatternBuilder& v, ArrowDirection direction, double x, double y,
                        double annotationSize) {
    v.SetPen(kLayerArrow, kColorCyan, FlatRole::Dimension);
    const double h = annotationSize / 15;
    double dx1 = 0, dy1 = 0, dx2 = 0, dy2 = 0; // the two tails relative to the tip
    switch (direction) {
    case ArrowDirection::Up:
        dx1 = h, dy1 = -h, dx2 = -h, dy2 = -h;
        break;
    case ArrowDirection::Down:
        dx1 = h, dy1 = h, dx2 = -h, dy2 = h;
        break;
    case ArrowDirection::Right:
        dx1 = -h, dy1 = -h, dx2 = -h, dy2 = h;
        break;
    case ArrowDirection::Left:
        dx1 = h, dy1 = -h, dx2 = h, dy2 = h;
        break;
    }
    v.Line(x + dx1, y + dy1, x, y);
    v.Line(x + dx2, y + dy2, x, y);
}

void DrawMarkerGlyph(FlatPatternBuilder& v, char letter, double x, double y,
                     double annotationSize) {
    v.SetColor(kColorCyan, FlatRole::Dimension);
    const double g = annotationSize / 18;
    switch (letter) {
    case 'X':
        v.Line(x + g, y + g, x - g, y - g);
        v.Line(x - g, y + g, x + g, y - g);
        break;
    case 'Y':
        v.Line(x + g, y + g, x, y);
        v.Line(x - g, y + g, x, y);
        v.Line(x, y, x, y - g);
        break;
    case 'A':
        v.Line(x + g, y - g, x, y + g);
        v.Line(x - g, y - g, x, y + g);
        v.Line(x + g / 2, y, x - g / 2, y);
        break;
    default:
        break;
    }
}

void DrawAngleMarker(FlatPatternBuilder& v, double mid, double start, double end,
                     double annotationSize) {
    v.SetPen(kLayerDimension, kColorLightGreen, FlatRole::Dimension);
    // A piece narrower than the gap gets one arc across it (an arc from start to 85 would
    // otherwise run almost round).
    if (start < 85) {
        v.Arc(0, 0, mid, start, 85);
        v.Arc(0, 0, mid, 95, end);
    } else {
        v.Arc(0, 0, mid, start, end);
    }
    DrawMarkerGlyph(v, 'A', 0, mid, annotationSize);
}

BoxSize DrawExtentsRectangle(FlatPatternBuilder& v) {
    const FlatExtents e = v.Extents();
    const double w = e.MaxX - e.MinX, h = e.MaxY - e.MinY;
    v.SetPen(kLayerBoundingBox, kColorGrey, FlatRole::Frame);
    v.Box((e.MinX + e.MaxX) / 2, (e.MinY + e.MaxY) / 2, w, h);
    return {w, h};
}

void DrawArcAsLines(FlatPatternBuilder& v, double radius, double startAngle, double endAngle,
                    DegreeConversion conversion) {
    constexpr double kChord = 0.2;
    constexpr double kMaxLines = 100000;
    const double count =
        std::min(std::round(GetArcLength(radius, startAngle, endAngle) / kChord), kMaxLines);
    if (!(count >= 1)) return;
    const int n = static_cast<int>(count);
    v.SetPen(kLayerOutline, kColorWhite, FlatRole::Outline);
    const double step = (endAngle - startAngle) / n;
    auto at = [&](int i) {
        const double a = ToRadians(startAngle + step * i, conversion);
        return TDPoint{radius * std::cos(a), radius * std::sin(a), 0};
    };
    TDPoint previous = at(0);
    for (int i = 1; i <= n; ++i) {
        const TDPoint p = at(i);
        v.Line(previous.x, previous.y, p.x, p.y);
        previous = p;
    }
}

} // namespace brevant
