// The Calculate driver: clearing, dispatching to the layout drivers, the status line and the
// result displays.
#include "core/input_fields.h"
#include "core/messages.h"
#include "engine/layout_engine.h"
#include "solid/cone_model.h"

#include <iterator>

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
    RefreshBoundingBoxLabel();
}

void LayoutEngine::ClearViews() {
    ClearScene(Solid);
    ClearDrawing(CadDraw1);
    Form.RegularDataDisplay.visible = false;
    ClearDrawing(CadDraw2);
    ZoomView(2);
    Form.SheetDataDisplay.visible = false;
    ZoomView(1);
}

void LayoutEngine::ZoomView(int view) {
    if (view == 1) ZoomDrawing(CadDraw1);
    if (view == 2) ZoomDrawing(CadDraw2);
}

void LayoutEngine::ShowNotEnoughDimensions() {
    ShowMessageDialog(CurrentInputPage() == kConePage ? kMsgConeNotEnough : kMsgNotEnough, "");
}

void LayoutEngine::ClearLayoutInputs(int type) {
    if (type < kLayoutCone || type > kLayoutPipe) return;
    for (const InputField& f : InputFields()) {
        if (!(f.clearedWith & ClearedWith(type))) continue;
        if (Edit* edit = Form.FindEdit(f.control)) edit->text.clear();
        if (SpinBox* spin = Form.FindSpinBox(f.control)) spin->SetValue(0);
    }
}

void LayoutEngine::ClearAllInputs() {
    Drv.BusyFlag = true;
    for (int t = kLayoutCone; t <= kLayoutPipe; ++t)
        ClearLayoutInputs(t);
}

void LayoutEngine::CalculateMenuClick() {
    ClearStatus();
    ClearViews();
    Drv.BusyFlag = false;
    DispatchCalculation(false);
}

void LayoutEngine::BeforeSquareToRound() {
    // A shifted or tilted top is not symmetric about both axes: no half pattern.
    if (Def.SquareTopXShift != 0 || Def.SquareTopYShift != 0 || Def.SquareTopAngle != 0)
        Form.HalfPatternCheckBox.checked = false;
}

void LayoutEngine::AfterCone() {
    SizeGridPlanes();
    ZoomView(2);
}

namespace {
// The Calculate driver of each layout type, with what the dispatcher does around it.
struct LayoutDriver {
    int (LayoutEngine::*Calculate)(bool quiet);
    void (LayoutEngine::*Before)();
    void (LayoutEngine::*After)();
};

const LayoutDriver* DriverOf(int type) {
    static const LayoutDriver drivers[] = {
        {&LayoutEngine::CalculateCone, nullptr, &LayoutEngine::AfterCone},
        {&LayoutEngine::CalculateSquareToRound, &LayoutEngine::BeforeSquareToRound, nullptr},
        {&LayoutEngine::CalculateSpiralFlight, nullptr, nullptr},
        {&LayoutEngine::CalculatePipeIntersection, nullptr, nullptr}};
    static_assert(std::size(drivers) == kLayoutPipe + 1, "one driver per layout type");
    if (type < kLayoutCone || type > kLayoutPipe) return nullptr;
    return &drivers[type];
}
} // namespace

int LayoutEngine::DispatchCalculation(bool quiet) {
    if (!Drv.FormReady) return 0;
    HideResultDisplays();
    int code = 0;
    if (const LayoutDriver* driver = DriverOf(LayoutType())) {
        if (driver->Before) (this->*driver->Before)();
        code = (this->*driver->Calculate)(quiet);
        if (driver->After) (this->*driver->After)();
    }
    ResetSolidView();
    ZoomView(1);
    Drv.LastDriverCode = code;
    return code;
}

bool LayoutEngine::BeginOwnReaderDriver() {
    ClearStatus();
    Drv.PdfInProgress = false;
    SetCurrentLayer(CadDraw1, 1);
    if (Drv.BusyFlag) return false;
    ClearResultLabels();
    ClearViews();
    return true;
}

int LayoutEngine::LayoutPrologue(int type, bool quiet) {
    ClearStatus();
    Drv.PdfInProgress = false;
    SetCurrentLayer(CadDraw1, 1);
    if (Drv.BusyFlag) return kDriverDone;
    ClearResultLabels();
    if (!ReadLayoutInputs()) {
        HideResultDisplays();
        return kDriverBadNumber;
    }
    Drv.CircleResolution = type == kLayoutSquare ? 4 * Def.BendsPerCorner : 40;
    ClearViews();
    Def.Overlap = ToIn(ReadCommittedValue(Form.Overlap)) / 2;
    (void)quiet;
    return -1;
}

} // namespace brevant
