// The main window's own operations: start-up, layout type change, the bends-per-corner
// stepper, the help file and the default file names.
#include "core/input_fields.h"
#include "core/messages.h"
#include "core/number_format.h"
#include "core/version.h"
#include "engine/layout_engine.h"
#include "layouts/square/square_model.h"

#include <algorithm>
#include <filesystem>

namespace brevant {

LayoutEngine::LayoutEngine(IHost& host) : host_(host) {
    App.Version = kProductVersion;
}

namespace {
// Which field the commit handler stores an edit's value into.
void AssignInputTags(FormModel& f) {
    for (auto& [name, e] : f.Edits())
        e->InputTag = 0;
    for (const InputField& field : InputFields())
        if (field.tag != 0) f.FindEdit(field.control)->InputTag = field.tag;
}
} // namespace

void LayoutEngine::Startup() {
    Form.DisplayTab = kDimensionsTab;
    ClearAllInputs();
    Def.ConeHeight = 5;
    Solid.Camera.Z = -30; // the start-up camera, before any view preset
    Solid.Camera.ViewAngle = 20;
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
    // The other type's part leaves the 3D view even when this type's inputs cannot be read.
    ClearScene(Solid);
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
    SetBendsPerCorner(ParseInteger(Form.NumberOfBendsLabel.text, 4) + step);
    if (Drv.FormReady) CalculateSquareToRound(false);
}

int LayoutEngine::SetBendsPerCorner(int n) {
    n = std::clamp(n, kSquareMinBends, kSquareMaxBends);
    Form.NumberOfBendsLabel.text = std::to_string(n);
    return n;
}

std::string LayoutEngine::HelpFilePath() const {
    const std::string name = std::string(kProductName) + "Help.pdf";
    const std::string own = App.UserDataFolder + name;
    std::error_code ec;
    if (std::filesystem::is_regular_file(own, ec)) return own;
    for (const std::string& folder : App.DocFolders) {
        if (folder.empty()) continue;
        const std::filesystem::path installed = std::filesystem::path(folder) / name;
        if (std::filesystem::is_regular_file(installed, ec)) return installed.string();
    }
    return own;
}

void LayoutEngine::MenuHelpClick() {
    const std::string path = HelpFilePath();
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec))
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
