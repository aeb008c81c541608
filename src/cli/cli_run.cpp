// The run of brevant-cli.
#include "cli/cli_run.h"

#include "cli/cli_host.h"
#include "cli/cli_json.h"
#include "core/input_fields.h"
#include "core/number_format.h"
#include "documents/pdf_printer.h"
#include "engine/definition_file.h"
#include "engine/layout_engine.h"
#include "engine/settings_file.h"
#include "engine/shop_saves.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <ostream>
#include <utility>

namespace brevant::cli {

namespace fs = std::filesystem;

namespace {

enum class SetResult { Ok, UnknownKey, BadValue };

// Pixels of the flat-shape and sheet views in the desktop program's first window.
constexpr double kDesktopViewWidth = 483;
constexpr double kDesktopViewHeight = 355;

bool ParseNumber(const std::string& text, double& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

// Puts value into the control that holds a definition field, as a user would type and commit.
SetResult SetDefinitionControl(LayoutEngine& e, const EngineField& engineField,
                               const std::string& key, const std::string& value) {
    FormModel& f = e.Form;
    const InputField& field = *engineField.Field;
    // The settings' flags and the thickness side go the settings' way.
    if (field.place == FieldPlace::SettingsDialog || field.kind == FieldKind::Side)
        return ApplySettingValue(e, key, value) ? SetResult::Ok : SetResult::BadValue;
    switch (field.kind) {
    case FieldKind::Length:
    case FieldKind::Angle: {
        Edit& edit = *f.FindEdit(field.control);
        edit.text = value;
        e.EditCommitted(edit);
        return SetResult::Ok;
    }
    case FieldKind::Whole: {
        double v = 0;
        if (!ParseNumber(value, v)) return SetResult::BadValue;
        SpinBox& spin = *f.FindSpinBox(field.control);
        spin.SetValue(std::trunc(v));
        e.SpinBoxChanged(spin);
        return SetResult::Ok;
    }
    case FieldKind::Count: {
        const int n = ParseInteger(value, -1);
        if (n < 0) return SetResult::BadValue;
        e.PutCount(field, n);
        return SetResult::Ok;
    }
    case FieldKind::Flag:
        f.FindCheckBox(field.control)->checked = ParseInteger(value, 0) != 0;
        return SetResult::Ok;
    case FieldKind::Side:
        break;
    }
    return SetResult::BadValue;
}

SetResult ApplySet(LayoutEngine& e, const std::string& key, const std::string& value) {
    if (const EngineField* field = e.FindField(key))
        return SetDefinitionControl(e, *field, key, value);
    return ApplySettingValue(e, key, value) ? SetResult::Ok : SetResult::UnknownKey;
}

// The data sheet printed into a PDF file by the engine's own PDF printer.
OutputOutcome PrintDataSheetToPdf(LayoutEngine& e, const std::string& file) {
    if (auto refused = e.RefuseUncalculatedOutput()) return *refused;
    PdfPrinter printer(file);
    const bool printed = e.PrintDataSheet(printer);
    if (!printer.LastError().empty()) return OutputOutcome::Failed(printer.LastError());
    return printed ? OutputOutcome::Written() : OutputOutcome::Refused();
}

OutputOutcome RunOutput(LayoutEngine& e, const std::string& command, const std::string& file) {
    // A copy of the definition: the run's other outputs keep naming the file it calculated.
    if (command == "save-definition") return SaveDefinitionCommand(e, SavedName::Keep);
    if (command == "flat-cad") return e.SaveFlatCad();
    if (command == "sheet-cad") return e.SaveCadSheet();
    if (command == "solid-cad") return e.SaveSolidCad();
    if (command == "step") return e.SaveSolidStep();
    if (command == "report") return e.WriteDimensionFile();
    if (command == "pdf") return e.SavePatternPdf();
    if (command == "data-sheet") return PrintDataSheetToPdf(e, file);
    if (command == "svg") return MenuSaveFlatSvgClick(e);
    if (command == "cam-dxf" || command == "sheet-cam-dxf") {
        // The CAD saves with "DXF for cutting machines" set for this one command.
        const bool setting = std::exchange(e.Form.CamDxfCheckBox.checked, true);
        const OutputOutcome outcome = command == "cam-dxf" ? e.SaveFlatCad() : e.SaveCadSheet();
        e.Form.CamDxfCheckBox.checked = setting;
        return outcome;
    }
    return OutputOutcome::Cancelled(); // the options know no other command
}

} // namespace

int Run(const Options& o, std::ostream& out, std::ostream& err) {
    CliHost host;
    LayoutEngine e(host);
    // The views have the size the desktop program's views have in its first window, so the data
    // sheet prints the drawings in the same proportions and at the same fit.
    e.CadDraw1.Resize(kDesktopViewWidth, kDesktopViewHeight);
    e.CadDraw2.Resize(kDesktopViewWidth, kDesktopViewHeight);
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
    e.Form.LayoutComboBox.itemIndex = e.KindIndexOf(o.layoutType);
    e.LayoutComboBoxChange();
    ChangeUnits(e, o.units);
    if (!o.definitionFile.empty()) {
        std::error_code ec;
        const bool isFile = fs::is_regular_file(o.definitionFile, ec);
        const StoredType stored = o.layoutTypeGiven ? StoredType::Keep : StoredType::Choose;
        if (!isFile || !LoadDefinition(e, o.definitionFile, stored)) {
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
        host.nextFile = req.file;
        const std::size_t shown = host.messages.size();
        const OutputOutcome outcome = RunOutput(e, req.command, req.file);
        host.nextFile.clear();
        // What an output showed belongs to it; the run's messages are the calculation's.
        std::vector<RecordedMessage> own(host.messages.begin() + std::ptrdiff_t(shown),
                                         host.messages.end());
        host.messages.resize(shown);
        if (outcome.failed()) {
            err << "brevant-cli: " << req.command << ": " << outcome.message << "\n";
            status = kExitWriteFailed;
        } else if (!outcome.written()) {
            // An output that does not apply to this part wrote nothing: say so, and do not
            // let a script take the missing file for a success.
            err << "brevant-cli: " << req.command << ": nothing written to " << req.file;
            if (!outcome.message.empty()) err << " (" << outcome.message << ")";
            err << "\n";
            if (status == 0) status = kExitNotWritten;
        }
        results.push_back({req.command, req.file, outcome.written(), std::move(own)});
    }
    if (o.json) out << DescribeWindow(e, host, results).dump(2) << "\n";
    return status;
}

} // namespace brevant::cli
