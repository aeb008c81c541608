// The settings dialog without a window: creation, OK, the "Settings" command around the modal
// dialog, setting one key as the dialog would, and the shut-down of the main window.
#include "core/number_entry.h"
#include "core/number_format.h"
#include "engine/definition_file.h"
#include "engine/layout_engine.h"
#include "engine/settings_file.h"
#include "persistence/ini_values.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace brevant {

namespace {
// An item index by number or by the item's text (or a unit's short name); -1 when neither.
int ComboIndex(const ComboBox& combo, const std::string& value, bool units) {
    const int n = ParseInteger(value, -1);
    const int count = static_cast<int>(combo.items.size());
    if (n >= 0 && n < count) return n;
    for (int i = 0; i < count; ++i)
        if (EqualNoCase(combo.items[std::size_t(i)], value) ||
            (units && EqualNoCase(UnitShortName(UnitFromIndex(i)), value)))
            return i;
    return -1;
}

// A whole number, or nullopt when the text is none.
std::optional<int> WholeNumber(const std::string& value) {
    const int a = ParseInteger(value, 0);
    return a == ParseInteger(value, 1) ? std::optional<int>(a) : std::nullopt;
}

// A flag as the file holds it (any non-zero integer) or as a word.
std::optional<bool> ParseFlag(const std::string& value) {
    if (EqualNoCase(value, "true") || EqualNoCase(value, "yes")) return true;
    if (EqualNoCase(value, "false") || EqualNoCase(value, "no")) return false;
    if (const auto n = WholeNumber(value)) return *n != 0;
    return std::nullopt;
}

CheckBox* SettingCheckBox(FormModel& f, const std::string& key) {
    if (key == "LoadLastFile") return &f.LoadLastFileCheckBox;
    if (key == "ShowBends") return &f.ConeBendLinesCheckBox;
    if (key == "ShowSeam") return &f.SeamLineCheckBox;
    if (key == "ShowSideCut") return &f.SideCutsCheckBox;
    if (key == "ShowThickness") return &f.ThicknessCheckBox;
    if (key == "CamDxf") return &f.CamDxfCheckBox;
    return nullptr;
}

bool ApplyCheckBox(LayoutEngine& e, CheckBox& box, const std::string& value) {
    const auto flag = ParseFlag(value);
    if (!flag) return false;
    const bool on = *flag;
    box.checked = on;
    if (&box == &e.Form.SideCutsCheckBox) e.Material.ShowSideCut = on;
    if (&box == &e.Form.ThicknessCheckBox) e.Material.ShowThickness = on;
    return true;
}

bool ApplyInteger(LayoutEngine& e, const std::string& key, const std::string& value) {
    FormModel& f = e.Form;
    const auto number = WholeNumber(value);
    if (!number) return false;
    const int n = *number;
    if (key == "PDFLineThickness")
        f.CheckRadio(n == 0 ? f.LineThin : n == 2 ? f.LineThick : f.LineMedium);
    else if (key == "PDFOrientation")
        f.CheckRadio(n == 2 ? f.LandscapeRadio : f.PortraitRadio);
    else if (key == "ThicknessSide")
        ApplyDefinitionValue(e, "ThicknessSide", value);
    else if (key == "LayoutType")
        e.SetLayoutTypeFromStore(n);
    else
        return false;
    return true;
}

std::string CanonicalSettingKey(const std::string& key) {
    static constexpr const char* kKeys[] = {
        "Units",          "PDFSize",       "LayoutType",    "LayoutFile",
        "LoadLastFile",   "ShowBends",     "ShowSeam",      "PDFLineThickness",
        "PDFOrientation", "ShowThickness", "ThicknessSide", "MaterialThickness",
        "ShowSideCut",    "MaterialMass",  "MaterialName",  "CamDxf"};
    for (const char* k : kKeys)
        if (EqualNoCase(k, key)) return k;
    return std::string();
}
} // namespace

void SettingsFormCreate(LayoutEngine& engine, const std::string& settingsPath) {
    const double scale = std::isfinite(engine.App.ScreenScale) ? engine.App.ScreenScale : 1;
    engine.Form.SettingsLabel7.text = engine.FormatValue(std::max(1.0, scale));
    LoadSettings(engine, settingsPath);
    engine.UpdateUnitLabels();
    // The folder as a path the user can type or paste elsewhere.
    engine.Form.SettingsLabel4.text = engine.App.UserDataFolder;
}

void ShowChosenSettings(LayoutEngine& engine) {
    FormModel& f = engine.Form;
    const LayoutKind* kind = engine.CurrentKind();
    const bool seam = kind && kind->ShowsSeamDisplay() && f.SeamLineCheckBox.checked;
    f.SeamDisplay.visible = f.Label32.visible = f.SeamSpinBox.visible = seam;
    engine.UpdateUnitLabels();
}

namespace {
// The dialog's check boxes and where a snapshot keeps each.
constexpr std::pair<CheckBox FormModel::*, bool SettingsSnapshot::*> kDialogCheckBoxes[] = {
    {&FormModel::LoadLastFileCheckBox, &SettingsSnapshot::loadLastFile},
    {&FormModel::ConeBendLinesCheckBox, &SettingsSnapshot::showBends},
    {&FormModel::SeamLineCheckBox, &SettingsSnapshot::showSeam},
    {&FormModel::SideCutsCheckBox, &SettingsSnapshot::showSideCut},
    {&FormModel::ThicknessCheckBox, &SettingsSnapshot::showThickness},
    {&FormModel::CamDxfCheckBox, &SettingsSnapshot::camDxf},
};

SettingsSnapshot TakeSnapshot(const LayoutEngine& engine) {
    const FormModel& f = engine.Form;
    SettingsSnapshot s;
    s.units = f.UnitsComboBox.itemIndex;
    s.pdfSize = f.PDFCombo.itemIndex;
    s.lineThickness = f.CheckedRadioTag("LineThickness", 1);
    s.landscape = f.LandscapeRadio.checked;
    for (const auto& [box, kept] : kDialogCheckBoxes)
        s.*kept = (f.*box).checked;
    s.materialShowSideCut = engine.Material.ShowSideCut;
    s.materialShowThickness = engine.Material.ShowThickness;
    return s;
}

// Every typed length (input pages, sheet, cuts, overlap, material thickness) from the unit
// `from` into the current one.
void ConvertTypedLengths(LayoutEngine& engine, UnitSystem from) {
    if (from == engine.Units()) return;
    const double factor = UnitFactor(from) / UnitFactor(engine.Units());
    for (const EngineField& field : engine.Fields()) {
        if (field.Field->kind != FieldKind::Length) continue;
        Edit& edit = *engine.Form.FindEdit(field.Field->control);
        edit.text = ConvertedLengthText(edit.text, factor, engine.App.LocaleDecimalSeparator);
    }
}

// What OK takes from the dialog besides the file: typed lengths in the chosen unit, the
// labels, the seam display and the material flags of the two check boxes.
void ApplyChosenSettings(LayoutEngine& engine, const SettingsSnapshot& before) {
    FormModel& f = engine.Form;
    ConvertTypedLengths(engine, UnitFromIndex(before.units));
    engine.Material.ShowSideCut = f.SideCutsCheckBox.checked;
    engine.Material.ShowThickness = f.ThicknessCheckBox.checked;
    ShowChosenSettings(engine);
}
} // namespace

void SettingsOkClick(LayoutEngine& engine, const std::string& settingsPath,
                     const SettingsSnapshot& before) {
    ApplyChosenSettings(engine, before);
    SaveSettings(engine, settingsPath);
}

void SettingsCancel(LayoutEngine& engine, const SettingsSnapshot& before) {
    FormModel& f = engine.Form;
    f.UnitsComboBox.itemIndex = before.units;
    f.PDFCombo.itemIndex = before.pdfSize;
    f.CheckRadio(before.lineThickness == 0   ? f.LineThin
                 : before.lineThickness == 2 ? f.LineThick
                                             : f.LineMedium);
    f.CheckRadio(before.landscape ? f.LandscapeRadio : f.PortraitRadio);
    for (const auto& [box, kept] : kDialogCheckBoxes)
        (f.*box).checked = before.*kept;
    engine.Material.ShowSideCut = before.materialShowSideCut;
    engine.Material.ShowThickness = before.materialShowThickness;
}

void ChangeUnits(LayoutEngine& engine, int unitsIndex) {
    const SettingsSnapshot before = BeginSettingsCommand(engine);
    engine.Form.UnitsComboBox.itemIndex = unitsIndex;
    ApplyChosenSettings(engine, before);
    EndSettingsCommand(engine, before);
}

SettingsSnapshot BeginSettingsCommand(LayoutEngine& engine) {
    engine.ClearStatus();
    return TakeSnapshot(engine);
}

void EndSettingsCommand(LayoutEngine& engine, const SettingsSnapshot& before) {
    const FormModel& f = engine.Form;
    if (f.ConeBendLinesCheckBox.checked != before.showBends ||
        f.SeamLineCheckBox.checked != before.showSeam ||
        UnitFromIndex(f.UnitsComboBox.itemIndex) != UnitFromIndex(before.units))
        engine.DispatchCalculation(true);
}

void SettingsItemClick(LayoutEngine& engine, const std::string& settingsPath,
                       const std::function<bool()>& showDialog) {
    const SettingsSnapshot before = BeginSettingsCommand(engine);
    if (showDialog())
        SettingsOkClick(engine, settingsPath, before);
    else
        SettingsCancel(engine, before);
    EndSettingsCommand(engine, before);
}

bool ApplySettingValue(LayoutEngine& engine, const std::string& name, const std::string& value) {
    const std::string key = CanonicalSettingKey(name);
    FormModel& f = engine.Form;
    if (key.empty()) return false;
    if (key == "Units" || key == "PDFSize") {
        ComboBox& combo = key == "Units" ? f.UnitsComboBox : f.PDFCombo;
        const int index = ComboIndex(combo, value, key == "Units");
        if (index < 0) return false;
        const UnitSystem before = engine.Units();
        combo.itemIndex = index;
        // A unit set after the lengths were typed or loaded keeps the part, as OK does.
        if (key == "Units") {
            ConvertTypedLengths(engine, before);
            engine.UpdateUnitLabels();
        }
        return true;
    }
    if (CheckBox* box = SettingCheckBox(f, key)) return ApplyCheckBox(engine, *box, value);
    // Texts are taken as they stand, as the settings file gives them.
    std::string* text = key == "MaterialThickness" ? &f.ThicknessEdit.text
                        : key == "LayoutFile"      ? &engine.App.LastDefinitionPath
                        : key == "MaterialName"    ? &engine.App.MaterialName
                                                   : nullptr;
    if (text) {
        *text = value;
        return true;
    }
    if (key == "MaterialMass") return ParseDecimal(value, engine.App.MaterialMass);
    return ApplyInteger(engine, key, value);
}

bool ShutDown(LayoutEngine& engine, const std::string& settingsPath) {
    if (!ConfirmDefinitionClose(engine)) return false;
    SaveSettings(engine, settingsPath);
    return true;
}

} // namespace brevant
