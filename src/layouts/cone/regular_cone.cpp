// The regular cone's dimension step, its result display and its print variant.
#include "layouts/cone/regular_cone.h"

#include "caddraw/pattern_pen.h"
#include "core/angle_units.h"
#include "core/messages.h"
#include "core/number_format.h"
#include "geometry/angles.h"
#include "geometry/arc_points.h"
#include "geometry/lines.h"
#include "layouts/cone/cone_job.h"
#include "layouts/cone/cone_solver.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brevant {

namespace {
// "####.####": at most four decimals, no leading zero before the separator.
std::string FormatHashes(double v, char separator) {
    std::string s = FormatValue(v, separator);
    if (s.rfind("0", 0) == 0 && s.size() > 1) s.erase(0, 1);
    if (s.rfind("-0", 0) == 0 && s.size() > 2) s.erase(1, 1);
    return s;
}

// The message of an unusable T, B or H: the last that applies wins.
const char* MissingDimensionMessage(double T, double B) {
    const char* msg = kMsgNotEnoughData;
    if (!(B > 0)) msg = kMsgBottomDiaZero;
    if (!(T > 0)) msg = kMsgTopDiaZero;
    return msg;
}

void StoreOverlapEdge(ConeJob& engine, double flatAngle) {
    ConeState& c = engine.Cone;
    const double o = engine.Def.Overlap;
    const double s = 90 - flatAngle / 2;
    const TDArc outer{{0, 0, 0}, c.FlatLargeRadius, s, s};
    const TDArc inner{{0, 0, 0}, c.FlatSmallRadius, s, s};
    const TDLine edge{draw::PointArcAngle(outer, s), draw::PointArcAngle(inner, s)};
    // The pick point lies o beyond the outer end, square to the edge on its outer side.
    const TDPoint pick = draw::PointArcAngle(TDArc{edge.Point1, o, 0, 0}, FixAngle(s - 90));
    LineOffset(edge, o, pick, c.OverlapEdge);
}
} // namespace

bool DevelopRegularCone(double T, double B, double H, double segmentAngle,
                        RegularConeGeometry& out) {
    const double t = std::atan(((B - T) * 0.5) / H);
    if (std::sin(t) == 0 || std::cos(t) == 0) return false;
    out.LargeRadius = B / (2 * std::sin(t));
    // R minus the frustum side H / cos t, written so that it keeps its precision for flat cones.
    out.SmallRadius = T / (2 * std::sin(t));
    double w = 2 * std::numbers::pi * std::sin(t);
    out.FullFlatAngle = w * kDegreesPerRadian;
    if (segmentAngle > 0) w = w / (360 / segmentAngle);
    out.PatternWidth =
        w < std::numbers::pi ? 2 * out.LargeRadius * std::sin(w / 2) : 2 * out.LargeRadius;
    out.FlatAngle = w * kDegreesPerRadian;
    return std::isfinite(out.LargeRadius) && std::isfinite(out.SmallRadius) &&
           std::isfinite(out.PatternWidth);
}

bool ConeDimensions(ConeJob& engine) {
    ConeDefinition& d = engine.Def;
    ConeState& c = engine.Cone;
    const double T = d.TopDiameter, B = d.BottomDiameter, H = d.ConeHeight, S = d.TopShift;
    if (!(T > 0 && B > 0 && H > 0)) {
        engine.ShowMessageDialog(MissingDimensionMessage(T, B), "");
        return false;
    }
    if (!std::isfinite(T) || !std::isfinite(B) || !std::isfinite(H) || !std::isfinite(S)) {
        engine.ShowMessageDialog(kMsgNotEnoughData, "");
        return false;
    }
    if (T > B) {
        engine.ShowStatus(kMsgTopLargerDims);
        return false;
    }
    const double f = (B - T) / 2 + S;
    d.SideAngle = ToSingle(DirectionAngle(0, 0, f, H));
    d.SideLength = ToSingle(std::sqrt(H * H + f * f));
    engine.Drv.BusyFlag = true;
    const char sep = engine.DecimalSeparator();
    engine.Form.SideAngle.text = FormatHashes(d.SideAngle, sep);
    engine.Form.SideLength.text = FormatHashes(engine.FromIn(d.SideLength), sep);
    engine.Drv.BusyFlag = false;

    RegularConeGeometry g;
    if (!DevelopRegularCone(T, B, H, 0, g)) {
        engine.ShowMessageDialog(kMsgAngleTooBig, "");
        return false;
    }
    const double segment = engine.EffectiveSegmentAngle();
    if (segment > 0) DevelopRegularCone(T, B, H, segment, g);
    ColourPrincipalEdits(engine);
    c.FlatLargeRadius = ToSingle(g.LargeRadius);
    c.FlatSmallRadius = ToSingle(g.SmallRadius);
    c.FullFlatAngle = ToSingle(g.FullFlatAngle);
    c.PatternWidth = ToSingle(g.PatternWidth);
    if (!c.IsObliqueCone) c.FlatAngle = ToSingle(g.FlatAngle);
    if (d.Overlap > 0) StoreOverlapEdge(engine, g.FlatAngle);
    return true;
}

void ShowRegularConeDimensions(ConeJob& engine) {
    FormModel& f = engine.Form;
    const ConeState& c = engine.Cone;
    f.RegularDataDisplay.visible = true;
    for (Label* l : {&f.LargeRadiusCaption, &f.SmallRadiusCaption, &f.WidthXCaption,
                     &f.HeightYCaption, &f.AngleACaption, &f.InnerCordCaption, &f.OuterCordCaption,
                     &f.SegmentAngleCaption, &f.OverlapCaption, &f.LargeRadius, &f.SmallRadius,
                     &f.WidthX, &f.HeightY, &f.AngleA, &f.InnerCord, &f.OuterCord})
        l->visible = true;
    f.SegmentAngleEdit.visible = true;
    f.Overlap.visible = true;
    f.InsideRadio.visible = f.OutsideRadio.visible = f.MiddleRadio.visible = true;
    f.Label10.text = kTitleRegularCone;
    f.LargeRadius.text = engine.FormatInches(c.FlatLargeRadius);
    f.SmallRadius.text = engine.FormatInches(c.FlatSmallRadius);
    f.AngleA.text = engine.FormatValue(c.FlatAngle);
    const bool overlap = engine.Def.Overlap > 0;
    f.WidthX.text = engine.FormatInches(overlap ? c.OverlapPatternWidth : c.PatternWidth);
    f.HeightY.text = engine.FormatInches(overlap ? c.OverlapPatternHeight : c.PatternHeight);
    f.InnerCord.text = engine.FormatInches(overlap ? c.OverlapInnerChord : c.InnerChord);
    f.OuterCord.text = engine.FormatInches(overlap ? c.OverlapOuterChord : c.OuterChord);
    RefreshBoundingBoxLabel(f, c, engine.Format);
}

void RefreshBoundingBoxLabel(FormModel& f, const ConeState& c, const DisplayFormat& format) {
    const char sep = format.DecimalSeparator;
    f.BoundingBoxLabel.text = FormatFixed(format.FromIn(c.PatternWidth), 2, sep) + " X " +
                              FormatFixed(format.FromIn(c.PatternHeight), 2, sep);
}

int PieceCount(double whole, double piece) {
    if (!(piece > 0) || !(whole > piece)) return 1;
    const double n = std::ceil(whole / piece - 1e-6);
    return std::isfinite(n) && n < 1e6 ? static_cast<int>(n) : 1;
}

double AnnotationSize(const ConeJob& engine) {
    return std::min(engine.Cone.PatternWidth, engine.Cone.PatternHeight);
}

} // namespace brevant
