// The Calculate driver: clearing, dispatching to the layout kinds, the status line and the
// result displays, and what the engine does for a kind while it calculates.
#include "caddraw/flat_pattern_render.h"
#include "core/messages.h"
#include "engine/layout_engine.h"
#include "nesting/sheet_layout.h"

namespace brevant {

void LayoutEngine::ClearStatus() {
    Form.StatusLabel.text.clear();
}

void LayoutEngine::ShowStatus(const std::string& text) {
    if (Drv.KeepStatusOnce) {
        Drv.KeepStatusOnce = false;
        return;
    }
    Form.StatusLabel.text = text;
}

void LayoutEngine::ClearResultLabels() {
    for (Label* l : {&Form.AngleA, &Form.LargeRadius, &Form.SmallRadius, &Form.WidthX,
                     &Form.HeightY, &Form.InnerCord, &Form.OuterCord, &Form.BoundingBoxLabel,
                     &Form.BendAngleLabel, &Form.SheetLabel})
        l->text.clear();
    Form.WeightLabel.text = kNoValue;
}

void LayoutEngine::HideResultDisplays() {
    Form.RegularDataDisplay.visible = false;
    Form.SeamDisplay.visible = false;
    Form.Label32.visible = false;
    Form.SeamSpinBox.visible = false;
    Form.SideCutDisplay.visible = false;
    Form.ThicknessDisplay.visible = false;
    Form.SheetDataDisplay.visible = false;
    Form.BendDisplay.visible = false;
    for (const auto& kind : kinds_)
        kind->RefreshSharedLabels(Form, Format());
}

void LayoutEngine::ClearViews() {
    ClearScene(Solid);
    ClearDrawing(CadDraw1);
    Form.RegularDataDisplay.visible = false;
    ClearDrawing(CadDraw2);
    SheetPattern = {};
    ZoomView(2);
    Form.SheetDataDisplay.visible = false;
    ZoomView(1);
}

SheetCounts LayoutEngine::LayoutSheet(const SheetRequest& request) {
    SheetJob job{CadDraw2, request, Form, *this};
    const SheetCounts counts = brevant::LayoutSheet(job);
    SheetPattern =
        request.Piece ? SheetMachinePattern(*request.Piece, counts.Placements) : FlatPattern{};
    return counts;
}

void LayoutEngine::ZoomView(int view) {
    if (view == 1) ZoomDrawing(CadDraw1);
    if (view == 2) ZoomDrawing(CadDraw2);
}

void LayoutEngine::ClearLayoutInputs(int type) {
    if (type < 0 || type >= KindCount()) return;
    Kind(type).ClearInputs(Form);
}

void LayoutEngine::ClearAllInputs() {
    Drv.BusyFlag = true;
    for (int t = 0; t < KindCount(); ++t)
        ClearLayoutInputs(t);
}

void LayoutEngine::CalculateMenuClick() {
    ClearStatus();
    ClearViews();
    Drv.BusyFlag = false;
    DispatchCalculation(false);
}

KindRun LayoutEngine::MakeRun(int index, bool quiet) {
    return MakeRun(index, quiet, Material);
}

KindRun LayoutEngine::MakeRun(int index, bool quiet, MaterialInputs& material) {
    return KindRun{Form,
                   *this,
                   *this,
                   Solid,
                   material,
                   Format(),
                   Drv.BusyFlag,
                   Drv.KeepStatusOnce,
                   Drv.CircleResolution,
                   App.MaterialMass,
                   App.MaterialName,
                   App.CurrentDefinitionName,
                   quiet,
                   CurrentInputPage() == index,
                   false};
}

// The kind's developed pattern in the flat view, when it developed or emptied one.
void LayoutEngine::ShowKindResults(const LayoutKind& kind, const KindRun& run) {
    if (run.PatternChanged) ShowFlatPattern(CadDraw1, kind.Pattern());
}

int LayoutEngine::CalculateKind(int index, bool quiet) {
    if (index < 0 || index >= KindCount()) return kDriverDone;
    KindRun run = MakeRun(index, quiet);
    const bool onShow = index == LayoutType();
    if (onShow) {
        Drv.CalculationMessage.clear();
        Drv.RecordingMessage = true;
    }
    const int code = Kind(index).Calculate(run);
    Drv.RecordingMessage = false;
    ShowKindResults(Kind(index), run);
    if (onShow) {
        // What the output commands may write: the part of a calculation that made one. A
        // calculation that showed its error and developed nothing made none.
        const bool made = code == kDriverDone && !Kind(index).Pattern().Empty();
        Drv.CalculatedKind = made ? index : -1;
        if (made) Drv.CalculationMessage.clear();
        // A pattern too large to draw is said on the status line only; the outputs refused
        // for it give that reason.
        if (!made && Drv.CalculationMessage.empty() && Form.StatusLabel.text == kMsgTooLargeToDraw)
            Drv.CalculationMessage = kMsgTooLargeToDraw;
        // The result labels were cleared: the bend angle of the bends that remain comes back.
        ShowBendAngle();
    }
    return code;
}

int LayoutEngine::DispatchCalculation(bool quiet) {
    if (!Drv.FormReady) return 0;
    HideResultDisplays();
    int code = 0;
    if (LayoutKind* kind = CurrentKind()) {
        kind->BeforeDispatch(Form);
        code = CalculateKind(LayoutType(), quiet);
        KindRun run = MakeRun(LayoutType(), quiet);
        kind->AfterDispatch(run);
    }
    ResetSolidView();
    ZoomView(1);
    Drv.LastDriverCode = code;
    return code;
}

} // namespace brevant
