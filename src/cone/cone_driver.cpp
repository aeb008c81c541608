// CalculateCone: the cone driver from the read inputs to the drawn pattern and the displays.
#include "cone/cone_driver.h"

#include "cone/cone_checks.h"
#include "cone/cone_messages.h"
#include "cone/cone_solver.h"
#include "cone/cylinder.h"
#include "cone/oblique_cone.h"
#include "cone/regular_cone.h"
#include "cone/thickness.h"
#include "engine/layout_engine.h"
#include "nesting/sheet_layout.h"
#include "solid/cone_model.h"

namespace brevant {

namespace {
// The drawing refuses coordinates beyond this; a larger pattern is computed but not drawn.
constexpr double kLargestDrawable = 1e9;

bool TooLargeToDraw(const ConeState& c) {
    for (double size :
         {double(c.PatternWidth), double(c.PatternHeight), 2.0 * double(c.FlatLargeRadius)})
        if (size > kLargestDrawable) return true;
    return false;
}

void DevelopCylinder(LayoutEngine& e) {
    if (!CylinderDimensions(e)) return;
    if (e.Cone.IsObliqueCone) {
        e.Def.SeamAngle = static_cast<int>(e.Form.SeamSpinBox.value);
        BuildObliqueCylinderModel(e);
        if (e.Def.TopAngle != 0 || e.Def.BottomAngle != 0) DrawObliqueCylinderPattern(e);
        return;
    }
    BuildConeModel(e);
    DrawCylinderPattern(e);
}

void DevelopCone(LayoutEngine& e) {
    if (!ConeDimensions(e)) return;
    BuildConeModel(e);
    if (e.Cone.IsObliqueCone) {
        DrawObliqueConePattern(e);
        return;
    }
    DrawRegularConePattern(e);
    ShowAreaAndWeight(e);
    LayoutSheet(e);
}
} // namespace

int LayoutEngine::CalculateCone(bool quiet) {
    if (int code = LayoutPrologue(kLayoutCone, quiet); code >= 0) return code;
    Cone.ClearRegularResults();
    if (!HasEnoughConeDimensions(*this, quiet)) return kDriverNotEnough;
    Cone.IsObliqueCone = Def.TopShift != 0 || Def.TopAngle != 0 || Def.BottomAngle != 0;
    if (SolveCone(*this)) {
        if (Def.IsCylinder)
            DevelopCylinder(*this);
        else
            DevelopCone(*this);
    }
    ShowConeResults(*this);
    WriteBackConeDimensions(*this);
    // Without this the results would show while the view stays empty without a word.
    if (TooLargeToDraw(Cone)) Form.StatusLabel.text = kMsgTooLargeToDraw;
    return kDriverDone;
}

void ShowConeResults(LayoutEngine& e) {
    FormModel& f = e.Form;
    e.HideResultDisplays();
    // The square-to-round and spiral pages show their own displays from their drivers.
    if (e.CurrentInputPage() == kSquarePage || e.CurrentInputPage() == kSpiralPage) return;
    f.SideCutDisplay.visible = f.SideCutsCheckBox.checked;
    if (e.Def.IsCylinder) {
        ShowCylinderDimensions(e, true);
    } else if (e.Cone.IsObliqueCone) {
        ShowModifiedConeDimensions(e);
    } else {
        ShowRegularConeDimensions(e);
        f.SheetDataDisplay.visible = true;
    }
    if (f.SeamLineCheckBox.checked && !e.Def.IsCylinder)
        f.Label32.visible = f.SeamSpinBox.visible = f.SeamDisplay.visible = true;
    f.BendDisplay.visible = f.ConeBendLinesCheckBox.checked;
    ShowAreaAndWeight(e);
}

} // namespace brevant
