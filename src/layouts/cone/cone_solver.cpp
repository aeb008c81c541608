// The cone dimension solver: the rule table, elliptical ends, the cylinder test and the
// write-back of what was solved into the input edits.
#include "layouts/cone/cone_solver.h"

#include "core/angle_units.h"
#include "core/messages.h"
#include "geometry/angles.h"
#include "layouts/cone/cone_job.h"

#include <cmath>

namespace brevant {

namespace {
bool Given(float v) {
    return v > 0;
}
} // namespace

double EllipsePerimeter(double w, double d) {
    if (w == 0) return M_PI * d;
    const double a = w / 2;
    const double b = d / 2;
    return M_PI * (3 * (a + b) - std::sqrt((3 * a + b) * (a + 3 * b)));
}

double EquivalentDiameter(double w, double d) {
    return EllipsePerimeter(w, d) / M_PI;
}

ConeRuleOutcome CompleteConeDimensions(ConeDefinition& d) {
    const double T = d.TopDiameter, B = d.BottomDiameter, H = d.ConeHeight;
    const double A = d.SideAngle, L = d.SideLength, S = d.TopShift;
    const bool t = Given(d.TopDiameter), b = Given(d.BottomDiameter), h = Given(d.ConeHeight);
    const bool a = Given(d.SideAngle), l = Given(d.SideLength);
    if (t && b && h) return ConeRuleOutcome::NothingToDo;
    auto set = [](float& field, double v) { field = ToSingle(v); };
    if (a && t && h) {
        const double run = (H / SinD(A)) * CosD(A);
        set(d.BottomDiameter, T + 2 * run - 2 * S);
    } else if (a && b && h) {
        const double run = (H / SinD(A)) * CosD(A);
        set(d.TopDiameter, B - 2 * run + 2 * S);
    } else if (a && b && t) {
        set(d.ConeHeight, TanD(A) * (B / 2 - T / 2 + S));
    } else if (a && b && l) {
        const double top = B - 2 * L * CosD(A) + 2 * S;
        set(d.TopDiameter, top);
        set(d.ConeHeight, TanD(A) * ((B - top) / 2 + S));
    } else if (a && t && l) {
        const double bottom = T - 2 * S + 2 * L * CosD(A);
        set(d.BottomDiameter, bottom);
        set(d.ConeHeight, TanD(A) * ((bottom - T) / 2 + S));
    } else if (h && (b || t) && l) {
        // A side shorter than the height has no angle: leave the part unsolved, so that the
        // dimension step reports the missing diameter instead of computing with NaN.
        if (H > L) return ConeRuleOutcome::NoRule;
        const double angle = 90 - std::acos(H / L) * kDegreesPerRadian;
        set(d.SideAngle, angle);
        if (b) {
            set(d.TopDiameter, B - 2 * L * CosD(angle) + 2 * S);
        } else {
            const double x = (S - T / 2) + L * CosD(NormalizeAngle(angle + 180));
            set(d.BottomDiameter, std::fabs(2 * x));
        }
    } else if (b && t && l) {
        const double run = B / 2 - T / 2 + S;
        const double rest = L * L - run * run;
        if (rest <= 0) return ConeRuleOutcome::SideTooShort;
        set(d.ConeHeight, std::sqrt(rest));
    } else {
        return ConeRuleOutcome::NoRule;
    }
    return ConeRuleOutcome::Applied;
}

void CompleteConeDimensions(ConeJob& engine) {
    if (CompleteConeDimensions(engine.Def) == ConeRuleOutcome::SideTooShort)
        engine.ShowMessageDialog(kMsgSideTooShort, "");
}

namespace {
// Marks the three dimensions the solution starts from.
void MarkGiven(ConeDefinition& d) {
    const bool t = Given(d.TopDiameter), b = Given(d.BottomDiameter), h = Given(d.ConeHeight);
    const bool a = Given(d.SideAngle), l = Given(d.SideLength);
    bool* T = &d.TopDiameterGiven;
    bool* B = &d.BottomDiameterGiven;
    bool* H = &d.ConeHeightGiven;
    bool* A = &d.SideAngleGiven;
    bool* L = &d.SideLengthGiven;
    struct Combo {
        bool ok;
        bool* f1;
        bool* f2;
        bool* f3;
    };
    const Combo combos[] = {{a && b && t, A, B, T}, {a && b && h, A, B, H}, {a && t && h, A, T, H},
                            {a && b && l, A, B, L}, {a && t && l, A, T, L}, {h && b && l, H, B, L},
                            {h && t && l, H, T, L}, {b && t && l, B, T, L}};
    for (const Combo& c : combos) {
        if (!c.ok) continue;
        *c.f1 = *c.f2 = *c.f3 = true;
        return;
    }
}
} // namespace

bool SolveCone(ConeJob& engine) {
    ConeDefinition& d = engine.Def;
    d.TopDiameterGiven = d.BottomDiameterGiven = d.ConeHeightGiven = false;
    d.SideAngleGiven = d.SideLengthGiven = false;
    if (Given(d.ConeHeight) && Given(d.BottomDiameter) && Given(d.TopDiameter)) {
        if (d.TopDiameter > d.BottomDiameter) {
            engine.ShowStatus(kMsgTopLargerSolve);
            return false;
        }
        d.TopDiameterGiven = d.BottomDiameterGiven = d.ConeHeightGiven = true;
    } else {
        MarkGiven(d);
    }
    CompleteConeDimensions(engine);
    if (d.TopEllipseWidth != 0 || d.BottomEllipseWidth != 0) {
        if (d.TopEllipseWidth != 0 && d.TopDiameterGiven)
            d.TopDiameter = ToSingle(EquivalentDiameter(d.TopEllipseWidth, d.TopDiameter));
        if (d.BottomEllipseWidth != 0 && d.BottomDiameterGiven)
            d.BottomDiameter = ToSingle(EquivalentDiameter(d.BottomEllipseWidth, d.BottomDiameter));
        CompleteConeDimensions(engine);
    }
    d.IsCylinder = TestForCylinder(engine);
    if (d.IsCylinder) d.BottomDiameter = d.TopDiameter;
    return true;
}

bool TestForCylinder(ConeJob& engine) {
    const ConeDefinition& d = engine.Def;
    const double D = DirectionAngle(d.BottomDiameter / 2.0, 0, d.TopDiameter / 2.0, d.ConeHeight);
    const double taper = 90 - (D - 90);
    if (!(taper > 89.5 && taper < 90.5)) return false;
    engine.Drv.KeepStatusOnce = false;
    engine.ShowStatus(std::string(kMsgCylinderPrefix) + engine.FormatValue(0.5) +
                      kMsgCylinderSuffix);
    return true;
}

void WriteBackConeDimensions(ConeJob& engine) {
    ConeDefinition& d = engine.Def;
    FormModel& f = engine.Form;
    engine.Drv.BusyFlag = true;
    auto length = [&](bool given, Edit& edit, float value) {
        if (!given) edit.text = engine.FormatValue(engine.FromIn(value));
    };
    length(d.TopDiameterGiven, f.ConeTopDiameter, d.TopDiameter);
    length(d.BottomDiameterGiven, f.ConeBottomDiameter, d.BottomDiameter);
    length(d.ConeHeightGiven, f.ConeHeight, d.ConeHeight);
    // A cylinder's side is vertical. Its definition keeps 0 (no angle, so no thickness
    // compensation), as definition files have always stored it.
    if (!d.SideAngleGiven) f.SideAngle.text = engine.FormatValue(d.IsCylinder ? 90 : d.SideAngle);
    length(d.SideLengthGiven, f.SideLength, d.SideLength);
    engine.Drv.BusyFlag = false;
}

void ColourPrincipalEdits(ConeJob& engine) {
    const ConeDefinition& d = engine.Def;
    FormModel& f = engine.Form;
    auto colour = [](Edit& e, bool given) { e.fontColor = given ? kColorBlack : kColorBlue; };
    colour(f.ConeBottomDiameter, d.BottomDiameterGiven);
    colour(f.ConeTopDiameter, d.TopDiameterGiven);
    colour(f.ConeHeight, d.ConeHeightGiven);
    colour(f.SideAngle, d.SideAngleGiven);
    colour(f.SideLength, d.SideLengthGiven);
}

} // namespace brevant
