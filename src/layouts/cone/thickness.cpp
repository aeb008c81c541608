// Material thickness: the diameter compensation, the thickness display, area and weight.
#include "layouts/cone/thickness.h"

#include "core/angle_units.h"
#include "core/messages.h"
#include "core/number_format.h"
#include "layouts/cone/cone_job.h"
#include "layouts/cone/cone_solver.h"

#include <cmath>
#include <numbers>

namespace brevant {

double ThicknessDiameterChange(double t, int side, double sideAngle) {
    if (!(t > 0.01) || sideAngle == 0) return 0;
    double direction = 0;
    if (side == kOutside)
        direction = sideAngle + 90;
    else if (side == kInside)
        direction = sideAngle - 90;
    else
        return 0;
    return 2 * (t / 2) * std::cos(direction / kDegreesPerRadian);
}

void ApplyThicknessCompensation(ConeDefinition& d, const MaterialInputs& m) {
    const double change = ThicknessDiameterChange(m.Thickness, m.Side, d.SideAngle);
    if (change == 0) return;
    // Only the diameters that were typed: a diameter left empty must stay "not given" for the
    // solver, or the compensation alone would turn it into a given dimension.
    if (d.TopDiameter > 0) d.TopDiameter = ToSingle(d.TopDiameter + change);
    if (d.BottomDiameter > 0) d.BottomDiameter = ToSingle(d.BottomDiameter + change);
}

double FrustumLateralArea(double T, double B, double H) {
    const double run = B / 2 - T / 2;
    return std::numbers::pi * (B / 2 + T / 2) * std::sqrt(run * run + H * H);
}

namespace {
void SetDimensionsFromVisible(FormModel& f, bool visible) {
    f.Label53.visible = visible;
    f.InsideRadio.visible = f.OutsideRadio.visible = f.MiddleRadio.visible = visible;
}
} // namespace

void ShowAreaAndWeight(ConeJob& engine) {
    FormModel& f = engine.Form;
    const ConeDefinition& d = engine.Def;
    // The displays are the cone page's; a cone calculated while another page shows leaves them.
    if (engine.OwnPageShown) {
        SetDimensionsFromVisible(f, true);
        if (f.ThicknessCheckBox.checked) f.ThicknessDisplay.visible = !engine.Cone.IsObliqueCone;
    }
    if (engine.Cone.IsObliqueCone) {
        f.WeightLabel.text = kNoValue;
        return;
    }
    const double area = FrustumLateralArea(d.TopDiameter, d.BottomDiameter, d.ConeHeight);
    const double weight = area * engine.Material.Thickness * MaterialDensity(engine.MaterialMass);
    if (!std::isfinite(area) || !std::isfinite(weight)) {
        f.WeightLabel.text = kNoValue;
        return;
    }
    f.WeightLabel.text =
        AreaWeightText(area, weight, engine.Units(), MaterialDisplayName(engine.MaterialName),
                       engine.DecimalSeparator());
}

} // namespace brevant
