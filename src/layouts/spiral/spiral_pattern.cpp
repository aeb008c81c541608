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
void DrawEndLines(FlatPatternBuilder& v, double R, double Ri, double s) {
    v.SetPen(kLayerOutline, kColorWhite, FlatRole::Outline);
    v.Line(R * ExactCosD(s), R * ExactSinD(s), Ri * ExactCosD(s), Ri * ExactSinD(s));
    v.Line(-R * ExactCosD(s), R * ExactSinD(s), -Ri * ExactCosD(s), Ri * ExactSinD(s));
}

// The ring's cut outline, counter-clockwise from the outer arc's right end.
void AddRingOutline(FlatPatternBuilder& v, const SpiralRing& g) {
    const double R = g.OuterRadius, Ri = g.InnerRadius, s = g.StartAngle, a = g.FlatAngle;
    const TDPoint origin{0, 0, 0};
    CutOutline o{"Spiral flight", 1, {}};
    o.Arc({R * ExactCosD(s), R * ExactSinD(s), 0}, origin, a);
    o.Line({-R * ExactCosD(s), R * ExactSinD(s), 0});
    o.Arc({-Ri * ExactCosD(s), Ri * ExactSinD(s), 0}, origin, -a);
    o.Line({Ri * ExactCosD(s), Ri * ExactSinD(s), 0});
    v.AddOutline(std::move(o));
}

void ApplyHalfRadiusViewHeight(FlatPatternBuilder& v, double R) {
    v.SetViewHeight(static_cast<float>(R / 2));
}

// Y: from the outer end of the ring up to the top of the outer arc, right of the ring.
void DrawHeightDimension(FlatPatternBuilder& v, const SpiralRing& g, double size) {
    const double R = g.OuterRadius;
    const double xo = R * ExactCosD(g.StartAngle), yo = R * ExactSinD(g.StartAngle);
    const double xd = xo + 1.3 * R, m = (R + yo) / 2;
    v.Line(xo, yo, xo + 1.4 * R, yo);
    v.Line(0, R, xo + 1.4 * R, R);
    v.Line(xd, yo, xd, m - R / 6);
    v.Line(xd, R, xd, m + R / 8);
    ApplyHalfRadiusViewHeight(v, R);
    DrawDimensionArrow(v, ArrowDirection::Up, xd, R, size);
    DrawDimensionArrow(v, ArrowDirection::Down, xd, yo, size);
    DrawMarkerGlyph(v, 'Y', xd, m, size);
}

// X: across the ring's full width along the x axis.
void DrawWidthDimension(FlatPatternBuilder& v, double R, double size) {
    v.Line(R, 0, R - R / 1.3, 0);
    v.Line(-R, 0, -R + R / 1.3, 0);
    DrawDimensionArrow(v, ArrowDirection::Right, R, 0, size);
    DrawDimensionArrow(v, ArrowDirection::Left, -R, 0, size);
    DrawMarkerGlyph(v, 'X', 0, 0, size);
}

void DrawBoundingBox(FlatPatternBuilder& v) {
    const FlatExtents e = v.Extents();
    const double x0 = e.MinX, y0 = e.MinY, x1 = e.MaxX, y1 = e.MaxY;
    v.SetPen(kLayerBoundingBox, kColorGrey, FlatRole::Frame);
    v.Line(x0, y0, x1, y0);
    v.Line(x1, y0, x1, y1);
    v.Line(x1, y1, x0, y1);
    v.Line(x0, y1, x0, y0);
}

} // namespace

bool DrawSpiralFlightPattern(FlatPatternBuilder& v, double od, double id, double pitch,
                             SpiralResults& results) {
    v.Clear();
    const SpiralRing g = DevelopSpiralFlight(od, id, pitch);
    results = ToResults(g);
    if (!(g.PatternWidth <= 2 * kLargestDrawableSpiral)) return false;
    const double R = g.OuterRadius, Ri = g.InnerRadius;
    v.SetPen(kLayerOutline, kColorWhite, FlatRole::Outline);
    v.Arc(0, 0, R, g.StartAngle, g.EndAngle);
    v.Arc(0, 0, Ri, g.StartAngle, g.EndAngle);
    DrawEndLines(v, R, Ri, g.StartAngle);
    AddRingOutline(v, g);
    const double size = std::min(g.PatternWidth, g.PatternHeight);
    v.SetPen(kLayerDimension, kColorCyan, FlatRole::Dimension);
    if (g.FlatAngle > 180) {
        DrawHeightDimension(v, g, size);
        DrawWidthDimension(v, R, size);
    }
    const double mid = g.InnerRadius + (g.OuterRadius - g.InnerRadius) / 2;
    DrawAngleMarker(v, mid, g.StartAngle, g.EndAngle, size);
    return true;
}

bool DrawSpiralFlightForPrint(FlatPatternBuilder& v, SpiralResults& r, INotices& notices) {
    v.Clear();
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
    return true;
}

} // namespace brevant
