// Arrowheads, glyphs, the angle marker and arcs as lines of the flat patterns.
#include "caddraw/pattern_marks.h"

#include "caddraw/pattern_pen.h"
#include "geometry/angles.h"

#include <algorithm>
#include <cmath>

namespace brevant {

void DrawDimensionArrow(TCadDraw& v, ArrowDirection direction, double x, double y,
                        double annotationSize) {
    SetPen(v, kLayerArrow, kColorCyan);
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
    FlatLine(v, x + dx1, y + dy1, x, y);
    FlatLine(v, x + dx2, y + dy2, x, y);
}

void DrawMarkerGlyph(TCadDraw& v, char letter, double x, double y, double annotationSize) {
    v.SetDrawColor(kColorCyan);
    const double g = annotationSize / 18;
    switch (letter) {
    case 'X':
        FlatLine(v, x + g, y + g, x - g, y - g);
        FlatLine(v, x - g, y + g, x + g, y - g);
        break;
    case 'Y':
        FlatLine(v, x + g, y + g, x, y);
        FlatLine(v, x - g, y + g, x, y);
        FlatLine(v, x, y, x, y - g);
        break;
    case 'A':
        FlatLine(v, x + g, y - g, x, y + g);
        FlatLine(v, x - g, y - g, x, y + g);
        FlatLine(v, x + g / 2, y, x - g / 2, y);
        break;
    default:
        break;
    }
}

void DrawAngleMarker(TCadDraw& v, double mid, double start, double end, double annotationSize) {
    SetPen(v, kLayerDimension, kColorLightGreen);
    // A piece narrower than the gap gets one arc across it (an arc from start to 85 would
    // otherwise run almost round).
    if (start < 85) {
        FlatArc(v, 0, 0, mid, start, 85);
        FlatArc(v, 0, 0, mid, 95, end);
    } else {
        FlatArc(v, 0, 0, mid, start, end);
    }
    DrawMarkerGlyph(v, 'A', 0, mid, annotationSize);
}

BoxSize DrawExtentsRectangle(TCadDraw& v) {
    v.SetExtents();
    const TSettings& st = v.CadSettings();
    const double w = st.max_x - st.min_x, h = st.max_y - st.min_y;
    SetPen(v, kLayerBoundingBox, kColorGrey);
    v.MakeRectangle((st.min_x + st.max_x) / 2, (st.min_y + st.max_y) / 2, w, h, 0, kColorGrey);
    return {w, h};
}

void DrawArcAsLines(TCadDraw& v, double radius, double startAngle, double endAngle,
                    DegreeConversion conversion) {
    constexpr double kChord = 0.2;
    constexpr double kMaxLines = 100000;
    const double count =
        std::min(std::round(GetArcLength(radius, startAngle, endAngle) / kChord), kMaxLines);
    if (!(count >= 1)) return;
    const int n = static_cast<int>(count);
    SetPen(v, kLayerOutline, kColorWhite);
    const double step = (endAngle - startAngle) / n;
    auto at = [&](int i) {
        const double a = ToRadians(startAngle + step * i, conversion);
        return TDPoint{radius * std::cos(a), radius * std::sin(a), 0};
    };
    TDPoint previous = at(0);
    for (int i = 1; i <= n; ++i) {
        const TDPoint p = at(i);
        FlatLine(v, previous.x, previous.y, p.x, p.y);
        previous = p;
    }
}

} // namespace brevant
