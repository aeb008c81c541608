// CalculateCone: the cone driver from the read inputs to the drawn pattern and the displays.
#include "engine/cone_driver.h"

#include "cone/cone_checks.h"
#include "cone/cone_job.h"
#include "cone/cone_solver.h"
#include "cone/cylinder.h"
#include "cone/oblique_cone.h"
#include "cone/regular_cone.h"
#include "cone/thickness.h"
#include "core/messages.h"
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

void DevelopCylinder(LayoutEngine& e, ConeJob& job, SceneJob& scene) {
    if (!CylinderDimensions(job)) return;
    if (e.Cone.IsObliqueCone) {
        e.Def.SeamAngle = static_cast<int>(e.Form.SeamSpinBox.value);
        BuildObliqueCylinderModel(scene);
        if (e.Def.TopAngle != 0 || e.Def.BottomAngle != 0) DrawObliqueCylinderPattern(job);
        return;
    }
    BuildConeModel(scene);
    DrawCylinderPattern(job);
}

void DevelopCone(LayoutEngine& e, ConeJob& job, SceneJob& scene) {
    if (!ConeDimensions(job)) return;
    BuildConeModel(scene);
    if (e.Cone.IsObliqueCone) {
        DrawObliqueConePattern(job);
        return;
    }
    DrawRegularConePattern(job);
    ShowAreaAndWeight(job);
    SheetJob sheet = e.MakeSheetJob();
    LayoutSheet(sheet);
}
} // namespace

ConeJob LayoutEngine::MakeConeJob() {
    return ConeJob{Def,
                   Cone,
                   Form,
                   Flat,
                   *this,
                   {Drv.BusyFlag, Drv.KeepStatusOnce, Drv.CircleResolution, Drv.PdfInProgress,
                    Drv.ReportInProgress},
                   Format(),
                   App.MaterialMass,
                   App.MaterialName,
                   App.CurrentDefinitionName,
                   {}};
}

SheetJob LayoutEngine::MakeSheetJob() {
    return SheetJob{CadDraw2, Def, Cone, Form, *this};
}

SceneJob LayoutEngine::MakeSceneJob() {
    return SceneJob{Solid, Def, Drv.CircleResolution, CurrentInputPage() == kSquarePage};
}

int LayoutEngine::CalculateCone(bool quiet) {
    if (int code = LayoutPrologue(kLayoutCone, quiet); code >= 0) return code;
    Cone.ClearRegularResults();
    ConeJob job = MakeConeJob();
    SceneJob scene = MakeSceneJob();
    if (!HasEnoughConeDimensions(Def)) {
        if (!quiet) ShowNotEnoughDimensions();
        return kDriverNotEnough;
    }
    Cone.IsObliqueCone = Def.TopShift != 0 || Def.TopAngle != 0 || Def.BottomAngle != 0;
    Flat.Clear();
    if (SolveCone(job)) {
        if (Def.IsCylinder)
            DevelopCylinder(*this, job, scene);
        else
            DevelopCone(*this, job, scene);
    }
    ShowFlat();
    ShowConeResults(*this);
    WriteBackConeDimensions(job);
    // Without this the results would show while the view stays empty without a word.
    if (TooLargeToDraw(Cone)) Form.StatusLabel.text = kMsgTooLargeToDraw;
    return kDriverDone;
}

void ShowConeResults(LayoutEngine& e) {
    FormModel& f = e.Form;
    e.HideResultDisplays();
    // The square-to-round and spiral pages show their own displays from their drivers.
    if (e.CurrentInputPage() == kSquarePage || e.CurrentInputPage() == kSpiralPage) return;
    ConeJob job = e.MakeConeJob();
    f.SideCutDisplay.visible = f.SideCutsCheckBox.checked;
    if (e.Def.IsCylinder) {
        ShowCylinderDimensions(job, true);
    } else if (e.Cone.IsObliqueCone) {
        ShowModifiedConeDimensions(job);
    } else {
        ShowRegularConeDimensions(job);
        f.SheetDataDisplay.visible = true;
    }
    if (f.SeamLineCheckBox.checked && !e.Def.IsCylinder)
        f.Label32.visible = f.SeamSpinBox.visible = f.SeamDisplay.visible = true;
    f.BendDisplay.visible = f.ConeBendLinesCheckBox.checked;
    ShowAreaAndWeight(job);
}

} // namespace brevant
