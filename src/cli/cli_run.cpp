// The run of brevant-cli.
#include "cli/cli_run.h"

#include "cli/cli_host.h"
#include "cli/cli_json.h"
#include "core/number_format.h"
#include "engine/definition_file.h"
#include "engine/layout_engine.h"
#include "engine/settings_file.h"
#include "engine/shop_saves.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <ostream>
#include <utility>

namespace brevant::cli {

namespace fs = std::filesystem;

namespace {

enum class SetResult { Ok, UnknownKey, BadValue };

bool ParseNumber(const std::string& text, double& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

// Puts value into the control that holds a definition key, as a user would type and commit.
SetResult SetDefinitionControl(LayoutEngine& e, const char* control, const std::string& key,
                               const std::string& value) {
    FormModel& f = e.Form;
    if (Edit* edit = f.FindEdit(control)) {
        edit->text = value;
        e.EditCommitted(*edit);
        return SetResult::Ok;
    }
    if (SpinBox* spin = f.FindSpinBox(control)) {
        double v = 0;
        if (!ParseNumber(value, v)) return SetResult::BadValue;
        spin->SetValue(std::trunc(v));
        e.SpinBoxChanged(*spin);
        return SetResult::Ok;
    }
    if (Label* label = f.FindLabel(control)) { // the bends-per-corner stepper's number
        const int n = ParseInteger(value, -1);
        if (n < 0) return SetResult::BadValue;
        label->text = std::to_string(std::clamp(n, 4, 10));
        return SetResult::Ok;
    }
    if (CheckBox* check = f.FindCheckBox(control); check == &f.HalfPatternCheckBox) {
        check->checked = ParseInteger(value, 0) != 0;
        return SetResult::Ok;
    }
    // Keys held by the settings (the thickness switches and side) go the settings' way.
    return ApplySettingValue(e, key, value) ? SetResult::Ok : SetResult::BadValue;
}

SetResult ApplySet(LayoutEngine& e, const std::string& key, const std::string& value) {
    if (const DefinitionKey* k = FindDefinitionKey(key))
        return SetDefinitionControl(e, k->control, key, value);
    return ApplySettingValue(e, key, value) ? SetResult::Ok : SetResult::UnknownKey;
}

// The units chosen as the settings dialog's OK would, without writing a settings file.
void ChooseUnits(LayoutEngine& e, int units) {
    const SettingsSnapshot before = BeginSettingsCommand(e);
    e.Form.UnitsComboBox.itemIndex = units;
    e.UpdateUnitLabels();
    const bool seam = e.LayoutType() == kLayoutCone && e.Form.SeamLineCheckBox.checked;
    e.Form.SeamDisplay.visible = e.Form.Label32.visible = e.Form.SeamSpinBox.visible = seam;
    EndSettingsCommand(e, before);
}

fs::file_time_type ModifiedTime(const std::string& path) {
    std::error_code ec;
    auto t = fs::last_write_time(path, ec);
    return ec ? fs::file_time_type::min() : t;
}

void RunOutput(LayoutEngine& e, const std::string& command) {
    if (command == "save-definition") MenuSaveDefinitionClick(e);
    if (command == "flat-cad") e.MenuSaveFlatCADClick();
    if (command == "sheet-cad") e.SaveCADSheetClick();
    if (command == "report") e.MenuDimensionFileClick();
    if (command == "svg") MenuSaveFlatSvgClick(e);
    if (command == "cam-dxf" || command == "sheet-cam-dxf") {
        // The CAD saves with "DXF for cutting machines" set for this one command.
        const bool setting = std::exchange(e.Form.CamDxfCheckBox.checked, true);
        if (command == "cam-dxf")
            e.MenuSaveFlatCADClick();
        else
            e.SaveCADSheetClick();
        e.Form.CamDxfCheckBox.checked = setting;
    }
}

} // namespace

int Run(const Options& o, std::ostream& out, std::ostream& err) {
    CliHost host;
    LayoutEngine e(host);
    e.App.LocaleDecimalSeparator = o.decimalSeparator;
    // Relative names go next to the settings file, or into the working folder.
    e.App.UserDataFolder =
        (o.settingsFile.empty() ? fs::current_path() : fs::absolute(o.settingsFile).parent_path())
            .string() +
        "/";
    e.Startup();
    if (!o.settingsFile.empty()) {
        if (!fs::exists(o.settingsFile)) {
            err << "brevant-cli: cannot read settings file " << o.settingsFile
                << ": no such file\n";
            return 1;
        }
        SettingsFormCreate(e, o.settingsFile);
    } else {
        e.UpdateUnitLabels();
    }
    e.FormActivate();
    e.Form.LayoutComboBox.itemIndex = o.layoutType;
    e.LayoutComboBoxChange();
    ChooseUnits(e, o.units);
    if (!o.definitionFile.empty()) {
        std::error_code ec;
        const bool isFile = fs::is_regular_file(o.definitionFile, ec);
        if (!isFile || !LoadDefinition(e, o.definitionFile)) {
            if (!isFile || e.LastIOError().empty())
                err << "brevant-cli: cannot read definition file " << o.definitionFile
                    << ": no such file\n";
            else
                err << "brevant-cli: " << e.LastIOError() << "\n";
            return 1;
        }
    }
    for (const auto& [key, value] : o.sets) {
        const SetResult r = ApplySet(e, key, value);
        if (r == SetResult::UnknownKey) {
            err << "brevant-cli: unknown key " << key << "\n";
            return 2;
        }
        if (r == SetResult::BadValue) {
            err << "brevant-cli: bad value for " << key << ": " << value << "\n";
            return 2;
        }
    }
    e.CalculateMenuClick();
    std::vector<OutputResult> results;
    int status = 0;
    for (const OutputRequest& req : o.outputs) {
        const auto before = ModifiedTime(req.file);
        host.nextFile = req.file;
        e.SetIOError("");
        RunOutput(e, req.command);
        host.nextFile.clear();
        const bool failed = !e.LastIOError().empty();
        const bool written = !failed && fs::exists(req.file) && ModifiedTime(req.file) != before;
        if (failed) {
            err << "brevant-cli: " << req.command << ": " << e.LastIOError() << "\n";
            status = 1;
        }
        results.push_back({req.command, req.file, written});
    }
    if (o.json) out << DescribeWindow(e, host, results).dump(2) << "\n";
    return status;
}

} // namespace brevant::cli
