// The main window's own operations: the engine's kinds and fields, start-up, layout type
// change, the steppers, the help file and the default file names.
#include "core/messages.h"
#include "core/string_util.h"
#include "core/version.h"
#include "engine/layout_engine.h"
#include "engine/layout_registry.h"

#include <algorithm>
#include <filesystem>

namespace brevant {

namespace {

// The controls a kind's fields and page name, made when the window has none of that name.
void AddKindControls(FormModel& form, const LayoutKind& kind) {
    // The page's check boxes first, with the captions it gives them.
    for (const PageRow& row : kind.Page().Rows) {
        if (row.UnitLabel) form.AddLabel(row.UnitLabel, "in");
        if (row.Type == PageRowType::CheckBox)
            form.AddCheckBox(row.Control, row.Caption ? row.Caption : "");
    }
    for (const InputField& f : kind.Fields()) {
        switch (f.kind) {
        case FieldKind::Length:
        case FieldKind::Angle:
            form.AddEdit(f.control);
            break;
        case FieldKind::Whole:
            form.AddSpinBox(f.control, f.min, f.max);
            break;
        case FieldKind::Count:
            form.AddLabel(f.control, std::to_string(InitialCount(f)));
            break;
        case FieldKind::Flag:
            form.AddCheckBox(f.control, f.key);
            break;
        case FieldKind::Side:
            break; // the material's radio group
        }
    }
}

// Which field the commit handler stores an edit's value into.
void AssignInputTags(FormModel& f, const std::vector<EngineField>& fields) {
    for (auto& [name, e] : f.Edits())
        e->InputTag = 0;
    for (const EngineField& field : fields)
        if (field.Field->tag != 0) f.FindEdit(field.Field->control)->InputTag = field.Field->tag;
}

} // namespace

LayoutEngine::LayoutEngine(IHost& host) : host_(host), kinds_(MakeLayoutKinds()) {
    App.Version = kProductVersion;
    for (const auto& kind : kinds_) {
        Form.LayoutComboBox.items.emplace_back(kind->Caption());
        AddKindControls(Form, *kind);
        for (const InputField& f : kind->Fields())
            fields_.push_back({kind.get(), &f});
    }
    for (const InputField& f : MaterialFields())
        fields_.push_back({nullptr, &f});
    // The last input page shows until a type is chosen.
    Form.DimTabPage = KindCount() - 1;
}

LayoutEngine::~LayoutEngine() = default;

LayoutKind* LayoutEngine::CurrentKind() {
    const int type = LayoutType();
    return type >= 0 && type < KindCount() ? &Kind(type) : nullptr;
}

const LayoutKind* LayoutEngine::CurrentKind() const {
    const int type = LayoutType();
    return type >= 0 && type < KindCount() ? &Kind(type) : nullptr;
}

int LayoutEngine::KindIndexOf(std::string_view key) const {
    for (int i = 0; i < KindCount(); ++i)
        if (ToUpperAscii(Kind(i).Key()) == ToUpperAscii(key)) return i;
    return -1;
}

const EngineField* LayoutEngine::FindField(std::string_view key) const {
    const std::string wanted = ToUpperAscii(key);
    for (const EngineField& f : fields_)
        if (ToUpperAscii(f.Field->key) == wanted) return &f;
    return nullptr;
}

FieldTarget LayoutEngine::TargetOf(const EngineField& f) {
    return f.Kind ? f.Kind->Target(*f.Field) : MaterialTarget(Material, *f.Field);
}

int LayoutEngine::PutCount(const InputField& field, int n) {
    n = std::clamp(n, field.min, field.max);
    Form.FindLabel(field.control)->text = std::to_string(n);
    return n;
}

void LayoutEngine::Startup() {
    Form.DisplayTab = kDimensionsTab;
    ClearAllInputs();
    Solid.Camera.Z = -30; // the start-up camera, before any view preset
    Solid.Camera.ViewAngle = 20;
    AssignInputTags(Form, fields_);
    Form.Caption = kInitialCaption;
    Drv.BusyFlag = false;
    Form.LayoutComboBox.itemIndex = -1;
    LayoutComboBoxChange(); // ends at once: nothing chosen
}

void LayoutEngine::FormActivate() {
    Drv.FormReady = true;
}

void LayoutEngine::LayoutComboBoxChange() {
    ClearStatus();
    if (Drv.BusyFlag) return;
    const int type = LayoutType();
    if (type < 0 || type >= KindCount()) return;
    ShowLayoutType(type);
    DispatchCalculation(true);
}

void LayoutEngine::ShowLayoutType(int type) {
    if (type < 0 || type >= KindCount()) return;
    Form.LayoutComboBox.itemIndex = type;
    Form.DimTabPage = type;
    Form.DimImage = type;
    // The other type's part leaves the 3D view even when this type's inputs cannot be read.
    ClearScene(Solid);
}

void LayoutEngine::SetLayoutTypeFromStore(int type) {
    if (type < 0 || type >= KindCount()) type = 0;
    Form.LayoutComboBox.itemIndex = type;
    LayoutComboBoxChange();
    Form.DimTabPage = type;
    if (!Kind(type).HasResultDisplay()) HideResultDisplays();
}

void LayoutEngine::StepperClicked(std::string_view control, int step) {
    const int page = CurrentInputPage();
    if (page < 0 || page >= KindCount()) return;
    if (Kind(page).Step(control, step, Form) && Drv.FormReady) CalculateKind(page, false);
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
