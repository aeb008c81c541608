// Drawing the spiral flight's ring, its annotations and its print variant.
#include "layouts/spiral/spiral_pattern.h"

#include "caddraw/pattern_marks.h"
#include "caddraw/pattern_pen.h"
#include "core/angle_units.h"
#include "core/messages.h"
#include "core/notices.h"
#include "geometry/single_precision.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {
void DrawEndLines(TCadDraw& v, double R, double Ri, double s) {
    SetPen(v, kLayerOutline, kColorWhite);
    FlatLine(v, R * ExactCosD(s), R * ExactSinD(s), Ri * ExactCosD(s), Ri * ExactSinD(s));
    FlatLine(v, -R * ExactCosD(s), R * ExactSinD(s), -Ri * ExactCosD(s), Ri * ExactSinD(s));
}

void ApplyHalfRadiusViewHeight(TCadDraw& v, double R) {
    v.CadSettings().view_height[1] = R / 2;
    v.SetScale(kZoomApply);
}

// Y: from the outer end of the ring up to the top of the outer arc, right of the ring.
void DrawHeightDimension(TCadDraw& v, const SpiralRing& g, double size) {
    const double R = g.OuterRadius;
    const double xo = R * ExactCosD(g.StartAngle), yo = R * ExactSinD(g.StartAngle);
    const double xd = xo + 1.3 * R, m = (R + yo) / 2;
    FlatLine(v, xo, yo, xo + 1.4 * R, yo);
    FlatLine(v, 0, R, xo + 1.4 * R, R);
    FlatLine(v, xd, yo, xd, m - R / 6);
    FlatLine(v, xd, R, xd, m + R / 8);
    ApplyHalfRadiusViewHeight(v, R);
    DrawDimensionArrow(v, ArrowDirection::Up, xd, R, size);
    DrawDimensionArrow(v, ArrowDirection::Down, xd, yo, size);
    DrawMarkerGlyph(v, 'Y', xd, m, size);
}

// X: across the ring's full width along the x axis.
void DrawWidthDimension(TCadDraw& v, double R, double size) {
    FlatLine(v, R, 0, R - R / 1.3, 0);
    FlatLine(v, -R, 0, -R + R / 1.3, 0);
    DrawDimensionArrow(v, ArrowDirection::Right, R, 0, size);
    DrawDimensionArrow(v, ArrowDirection::Left, -R, 0, size);
    DrawMarkerGlyph(v, 'X', 0, 0, size);
}

void DrawBoundingBox(TCadDraw& v) {
    v.SetExtents();
    const TSettings& st = v.CadSettings();
    const double x0 = st.min_x, y0 = st.min_y, x1 = st.max_x, y1 = st.max_y;
    SetPen(v, kLayerBoundingBox, kColorGrey);
    FlatLine(v, x0, y0, x1, y0);
    FlatLine(v, x1, y0, x1, y1);
    FlatLine(v, x1, y1, x0, y1);
    FlatLine(v, x0, y1, x0, y0);
}

void ZoomToExtents(TCadDraw& v) {
    v.SetExtents();
    v.ZoomAll();
}
} // namespace

bool DrawSpiralFlightPattern(TCadDraw& v, double od, double id, double pitch,
                             SpiralResults& results) {
    v.DeleteAllElements();
    const SpiralRing g = DevelopSpiralFlight(od, id, pitch);
    results = ToResults(g);
    if (!(g.PatternWidth <= 2 * kLargestDrawableSpiral)) return false;
    const double R = g.OuterRadius, Ri = g.InnerRadius;
    SetPen(v, kLayerOutline, kColorWhite);
    FlatArc(v, 0, 0, R, g.StartAngle, g.EndAngle);
    FlatArc(v, 0, 0, Ri, g.StartAngle, g.EndAngle);
    DrawEndLines(v, R, Ri, g.StartAngle);
    const double size = std::min(g.PatternWidth, g.PatternHeight);
    SetPen(v, kLayerDimension, kColorCyan);
    if (g.FlatAngle > 180) {
        DrawHeightDimension(v, g, size);
        DrawWidthDimension(v, R, size);
    }
    const double mid = g.InnerRadius + (g.OuterRadius - g.InnerRadius) / 2;
    DrawAngleMarker(v, mid, g.StartAngle, g.EndAngle, size);
    ZoomToExtents(v);
    return true;
}

bool DrawSpiralFlightForPrint(TCadDraw& v, SpiralResults& r, INotices& notices) {
    v.DeleteAllElements();
    const double R = r.SpiralOuterRadius, Ri = r.SpiralInnerRadius, a = r.SpiralFlatAngle;
    if (!(Ri < R)) {
        notices.ShowMessageDialog(kMsgSmallRadiusLarger, "");
        return false;
    }
    if (!(a >= 1)) {
        notices.ShowMessageDialog(kMsgFlatAngleTooSmall, "");
        return false;
    }
    const double s = 90 - a / 2, e = 90 + a / 2;
    r.SpiralInnerChord = ToSingle(2 * Ri * ExactCosD(s));
    r.SpiralOuterChord = ToSingle(2 * R * ExactCosD(s));
    DrawArcAsLines(v, R, s, e, DegreeConversion::Exact);
    DrawArcAsLines(v, Ri, s, e, DegreeConversion::Exact);
    DrawEndLines(v, R, Ri, s);
    ApplyHalfRadiusViewHeight(v, R);
    DrawBoundingBox(v);
    ZoomToExtents(v);
    return true;
}

} // namespace brevant
