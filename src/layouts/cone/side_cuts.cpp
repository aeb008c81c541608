// Side cuts: widths from arc lengths, the cone angles of the cut and the cut lines.
#include "layouts/cone/side_cuts.h"

#include "caddraw/pattern_pen.h"
#include "core/angle_units.h"
#include "core/expression.h"
#include "core/messages.h"
#include "core/number_format.h"
#include "geometry/intersections.h"
#include "layouts/cone/cone_job.h"
#include "layouts/cone/cone_solver.h"
#include "layouts/cone/oblique_cone.h"

#include <cmath>

namespace brevant {

namespace {
// The edit's value in inches; a text that is not a number counts as 0, without a message.
double EditInches(ConeJob& engine, const Edit& edit) {
    const ExprResult r =
        EvaluateExpression(NormalizeDecimalSeparator(edit.text, '.'), engine.DecimalSeparator());
    return engine.ToIn(ToSingle(r.value));
}

void WidthFromArc(ConeJob& engine, const Edit& arcEdit, double D, float& width, Edit& widthEdit) {
    if (arcEdit.text.empty()) return;
    width = ToSingle(ArcLengthToChord(EditInches(engine, arcEdit), D));
    widthEdit.text = engine.FormatInches(width);
}
} // namespace

double ArcLengthToChord(double arcLength, double D) {
    if (!(D > 0)) return 0;
    return std::fabs(D * std::sin(arcLength / D));
}

double SideCutAngle(double w, double D) {
    // The cutting plane's trace y = w/2 meets the end circle on its left half.
    const TDLine trace{{0, w / 2, 0}, {1, w / 2, 0}};
    const TDArc circle{{0, 0, 0}, D / 2, 0, 0};
    TDPoint p;
    if (D > 0 && PointLineArc(trace, circle, TDPoint{-1, 1, 0}, p) == kStatusOk)
        return DirectionAngle(0, 0, p.x, p.y);
    return w >= D ? 90 : 180; // no crossing: the cut misses or grazes the circle
}

void ArcLengthToCutWidth(ConeJob& engine) {
    ConeDefinition& d = engine.Def;
    FormModel& f = engine.Form;
    WidthFromArc(engine, f.TopArcLengthEdit, d.TopDiameter, d.TopCutWidth, f.TopCutWidthEdit);
    WidthFromArc(engine, f.BottomArcLengthEdit, d.BottomDiameter, d.BottomCutWidth,
                 f.BottomCutWidthEdit);
}

bool SideCutsApply(ConeJob& engine) {
    ConeDefinition& d = engine.Def;
    FormModel& f = engine.Form;
    if (!f.SideCutsCheckBox.checked) return false;
    if (EditInches(engine, f.TopArcLengthEdit) > 0 || EditInches(engine, f.BottomArcLengthEdit) > 0)
        ArcLengthToCutWidth(engine);
    d.TopCutWidth = ToSingle(EditInches(engine, f.TopCutWidthEdit));
    d.BottomCutWidth = ToSingle(EditInches(engine, f.BottomCutWidthEdit));
    if (!(d.TopCutWidth > 0) || !(d.BottomCutWidth > 0)) return false;
    if (d.TopCutWidth < d.TopDiameter && d.BottomCutWidth < d.BottomDiameter) return true;
    engine.ShowStatus(kMsgSideCutTooBig);
    return false;
}

void SideCutAngles(ConeJob& engine) {
    const ConeDefinition& d = engine.Def;
    engine.Cone.SideCutTopAngle = ToSingle(SideCutAngle(d.TopCutWidth, d.TopDiameter));
    engine.Cone.SideCutBottomAngle = ToSingle(SideCutAngle(d.BottomCutWidth, d.BottomDiameter));
}

void DrawSideCutLines(ConeJob& engine) {
    const ConeState& c = engine.Cone;
    FlatPatternBuilder& v = engine.Flat;
    const double top = c.SideCutTopAngle, bottom = c.SideCutBottomAngle;
    if (engine.Def.IsCylinder) {
        v.SetPen(kLayerSideCut, kColorCyan, FlatRole::SideCut);
        for (double a : {top, 360 - top}) {
            const double x = c.PatternWidth * a / 360 - c.PatternWidth / 2.0;
            v.Line(x, c.CylinderBottom, x, c.CylinderTop);
        }
        return;
    }
    if (c.IsObliqueCone) {
        v.SetPen(kLayerSideCut, kColorCyan, FlatRole::SideCut);
        DrawGeneratorLine(engine, kGeneratorSideCut, top);
        DrawGeneratorLine(engine, kGeneratorSideCut, 360 - top);
        return;
    }
    v.SetPen(kLayerSideCut, kColorCyan, FlatRole::SideCut);
    const double s = 90 - c.FlatAngle / 2;
    const double r = c.FlatSmallRadius, R = c.FlatLargeRadius;
    auto line = [&](double topAngle, double bottomAngle) {
        const double ai = (s + c.FlatAngle * topAngle / 360) / kDegreesPerRadian;
        const double ao = (s + c.FlatAngle * bottomAngle / 360) / kDegreesPerRadian;
        v.Line(r * std::cos(ai), r * std::sin(ai), R * std::cos(ao), R * std::sin(ao));
    };
    line(top, bottom);
    line(360 - top, 360 - bottom);
}

} // namespace brevant
