// The main window's own operations: start-up, layout type change, the bends-per-corner
// stepper, the help file and the default file names.
#include "core/number_format.h"
#include "core/version.h"
#include "engine/layout_engine.h"
#include "core/messages.h"

#include <algorithm>
#include <filesystem>

namespace brevant {

LayoutEngine::LayoutEngine(IHost& host) : host_(host) {
    App.Version = kProductVersion;
}

namespace {
// Which field the commit handler stores an edit's value into.
void AssignInputTags(FormModel& f) {
    const std::pair<Edit*, int> tags[] = {
        {&f.ConeHeight, 1},        {&f.SquareHeight, 1},    {&f.ConeTopDiameter, 2},
        {&f.SquareTopDiameter, 2}, {&f.ConeTopAngle, 3},    {&f.ConeBottomDiameter, 4},
        {&f.BottomAngle, 5},       {&f.TopEllipseWidth, 7}, {&f.BottomEllipseWidth, 8},
        {&f.SideLength, 9},        {&f.SideAngle, 10},      {&f.SquareWidth, 16},
        {&f.SquareLength, 17},     {&f.ConeTopXShift, 18},  {&f.SquareTopXShift, 18},
        {&f.SquareTopYShift, 19},  {&f.SquareTopAngle, 20}};
    for (auto& [name, e] : f.Edits())
        e->InputTag = 0;
    for (auto [edit, tag] : tags)
        edit->InputTag = tag;
}
} // namespace

void LayoutEngine::Startup() {
    Form.DisplayTab = kDimensionsTab;
    ClearAllInputs();
    Def.ConeHeight = 5;
    AssignInputTags(Form);
    Form.Caption = kInitialCaption;
    Drv.BusyFlag = false;
    Form.LayoutComboBox.itemIndex = kLayoutNone;
    LayoutComboBoxChange(); // ends at once: nothing chosen
}

void LayoutEngine::FormActivate() {
    Drv.FormReady = true;
}

void LayoutEngine::LayoutComboBoxChange() {
    ClearStatus();
    if (Drv.BusyFlag) return;
    const int type = LayoutType();
    if (type < kLayoutCone || type > kLayoutPipe) return;
    Form.DimTabPage = type;
    Form.DimImage = type;
    DispatchCalculation(true);
}

void LayoutEngine::SetLayoutTypeFromStore(int type) {
    if (type < kLayoutCone || type > kLayoutPipe) type = kLayoutCone;
    Form.LayoutComboBox.itemIndex = type;
    LayoutComboBoxChange();
    Form.DimTabPage = type;
    if (type == kLayoutPipe) HideResultDisplays();
}

void LayoutEngine::StepBendsPerCorner(int tag) {
    const int step = tag == 1 ? 1 : -1;
    const int n = std::clamp(ParseInteger(Form.NumberOfBendsLabel.text, 4) + step, 4, 10);
    Form.NumberOfBendsLabel.text = std::to_string(n);
    if (Drv.FormReady) CalculateSquareToRound(false);
}

std::string LayoutEngine::HelpFilePath() const {
    return App.UserDataFolder + kProductName + "Help.pdf";
}

void LayoutEngine::MenuHelpClick() {
    const std::string path = HelpFilePath();
    std::error_code ec;
    if (std::filesystem::exists(path, ec))
        host_.OpenWithSystem(path);
    else
        ShowMessageDialog(kMsgNoHelpFile, path, kMessageOk);
}

std::string LayoutEngine::DefaultFileName(const std::string& extension) const {
    std::string name = App.UserDataFolder;
    name += App.CurrentDefinitionName.empty() ? "layout" : App.CurrentDefinitionName;
    if (!extension.empty()) name += "." + extension;
    return name;
}

} // namespace brevant
