// Bend lines, seam line and side cuts of a cone or cylinder piece.
#include "caddraw/pattern_pen.h"
#include "core/angle_units.h"
#include "layouts/cone/cone_job.h"
#include "layouts/cone/cone_solver.h"
#include "layouts/cone/cylinder.h"
#include "layouts/cone/oblique_cone.h"
#include "layouts/cone/regular_cone.h"
#include "layouts/cone/side_cuts.h"

#include <cmath>

namespace brevant {

namespace {
// A radial line of the regular piece from radius r to radius R at a flat angle (degrees).
void RadialLine(ConeJob& engine, double angle) {
    const ConeState& c = engine.Cone;
    const double a = angle / kDegreesPerRadian;
    const double ca = std::cos(a), sa = std::sin(a);
    engine.Flat.Line(c.FlatSmallRadius * ca, c.FlatSmallRadius * sa, c.FlatLargeRadius * ca,
                     c.FlatLargeRadius * sa);
}

void DrawBendLines(ConeJob& engine) {
    const int n = engine.EffectiveBends();
    if (n < 4) return;
    if (engine.Def.IsCylinder) {
        DrawCylinderBendLines(engine);
        return;
    }
    if (!engine.Form.ConeBendLinesCheckBox.checked) return;
    if (engine.Cone.IsObliqueCone) {
        for (int i = 1; i <= n; ++i)
            DrawGeneratorLine(engine, kGeneratorBend, 360.0 / (n + 1) * i);
        return;
    }
    engine.Flat.SetPen(kLayerBend, kColorLime, FlatRole::Bend);
    const double a = engine.Cone.FlatAngle, s = 90 - a / 2;
    for (int i = 1; i <= n; ++i)
        RadialLine(engine, s + (a / (n + 1)) * i);
}

void DrawSeamLine(ConeJob& engine) {
    const int seam = engine.Def.SeamAngle;
    if (!engine.Form.SeamLineCheckBox.checked || engine.Def.IsCylinder || seam <= 0) return;
    if (engine.Cone.IsObliqueCone) {
        DrawGeneratorLine(engine, kGeneratorSeam, seam);
        return;
    }
    const ConeState& c = engine.Cone;
    engine.Flat.SetColor(kColorYellow, FlatRole::Seam); // on the layer that is current
    RadialLine(engine, c.FullFlatAngle * seam / 360.0 + (90 - c.FlatAngle / 2));
}
} // namespace

void DrawPatternDecorations(ConeJob& engine) {
    DrawBendLines(engine);
    DrawSeamLine(engine);
    if (SideCutsApply(engine)) {
        SideCutAngles(engine);
        DrawSideCutLines(engine);
    }
}

} // namespace brevant
