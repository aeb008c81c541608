// Definition files: writing the inputs of the input field table into the section "DIMENSIONS"
// and loading them back, with the caption and name side effects.
#include "engine/definition_file.h"

#include "core/atomic_file.h"
#include "core/io_error_text.h"
#include "core/messages.h"
#include "core/number_entry.h"
#include "core/number_format.h"
#include "core/string_util.h"
#include "engine/layout_engine.h"
#include "engine/panel_rules.h"
#include "persistence/ini_document.h"
#include "persistence/ini_values.h"
#include "persistence/text_file.h"

#include <optional>

namespace brevant {

namespace {

// A radio group's side and its material field.
void SetThicknessSide(LayoutEngine& e, const EngineField& k, int side) {
    FormModel& f = e.Form;
    e.Form.CheckRadio(side == kOutside  ? f.OutsideRadio
                      : side == kInside ? f.InsideRadio
                                        : f.MiddleRadio);
    *std::get<int*>(e.TargetOf(k)) = f.CheckedRadioTag("DimensionsFrom", kMiddle);
}

// A check box and its definition flag; the two settings flags also show or hide their panel.
void PutFlag(LayoutEngine& e, const EngineField& k, bool on) {
    FormModel& f = e.Form;
    CheckBox& box = *f.FindCheckBox(k.Field->control);
    box.checked = *std::get<bool*>(e.TargetOf(k)) = on;
    if (&box == &f.SideCutsCheckBox) f.SideCutDisplay.visible = on;
    if (&box == &f.ThicknessCheckBox) ShowThicknessDisplay(e, on);
}

// The factor from the file's lengths to the program's unit: 1 for a file without a (known)
// unit or in the program's own.
double StoredLengthFactor(const LayoutEngine& e, const IniDocument& ini) {
    const std::optional<std::string> stored = ini.Get(kDefinitionSection, kDefinitionUnitsKey);
    if (!stored) return 1;
    const int index = ParseInteger(*stored, -1);
    if (index < kInches || index > kMillimeters) return 1;
    return UnitFactor(UnitFromIndex(index)) / UnitFactor(e.Units());
}

// Puts one stored value (nullopt: the key is missing) into its control; lengths are multiplied
// by factor into the program's unit.
void PutValue(LayoutEngine& e, const EngineField& field, const std::optional<std::string>& v,
              double factor = 1) {
    FormModel& f = e.Form;
    const InputField& k = *field.Field;
    auto integer = [&](int fallback) { return v ? ParseInteger(*v, fallback) : fallback; };
    switch (k.kind) {
    case FieldKind::Whole:
        f.FindSpinBox(k.control)->SetValue(integer(0));
        break;
    case FieldKind::Flag:
        PutFlag(e, field, integer(0) != 0);
        break;
    case FieldKind::Count:
        *std::get<int*>(e.TargetOf(field)) = e.PutCount(k, integer(CountStart(k)));
        break;
    case FieldKind::Side:
        SetThicknessSide(e, field, integer(kMiddle));
        break;
    case FieldKind::Length:
    case FieldKind::Angle: {
        std::string text = v.value_or(std::string());
        if (k.kind == FieldKind::Length)
            text = ConvertedLengthText(text, factor, e.App.LocaleDecimalSeparator);
        // Some kinds' texts go into their edits as stored; the others get the locale's
        // decimal separator.
        f.FindEdit(k.control)->text =
            (k.flags & kFieldKeepsText)
                ? text
                : NormalizeDecimalSeparator(text, e.App.LocaleDecimalSeparator);
        break;
    }
    }
}

// The text written for one key.
std::string ValueText(LayoutEngine& e, const EngineField& field) {
    FormModel& f = e.Form;
    const InputField& k = *field.Field;
    const char sep = e.App.LocaleDecimalSeparator;
    switch (k.kind) {
    case FieldKind::Whole:
        // The bends are written as the count the pattern uses.
        if (&f.BendConeSpinBox == f.FindSpinBox(k.control))
            return FormatGeneral(e.EffectiveBends(), sep);
        return FormatGeneral(f.FindSpinBox(k.control)->value, sep);
    case FieldKind::Flag:
        return FlagText(f.FindCheckBox(k.control)->checked);
    case FieldKind::Count:
        return std::to_string(ParseInteger(f.FindLabel(k.control)->text, CountStart(k)));
    case FieldKind::Side:
        return std::to_string(f.CheckedRadioTag(k.control, kMiddle));
    case FieldKind::Length:
    case FieldKind::Angle:
        break;
    }
    // The thickness is written from the material (the settings may have set it).
    if (&f.ThicknessEdit == f.FindEdit(k.control))
        return FormatSingle(e.FromIn(e.Material.Thickness), sep);
    return f.FindEdit(k.control)->text;
}

// The values a definition file holds, to tell whether the inputs changed since.
std::string InputsSnapshot(LayoutEngine& e) {
    std::string text = e.CurrentKind() ? std::string(e.CurrentKind()->Key()) : std::string();
    text += '\n' + std::to_string(static_cast<int>(e.Units()));
    for (const EngineField& k : e.Fields())
        text += '\n' + ValueText(e, k);
    return text;
}

// Caption, CurrentDefinitionName, LastDefinitionPath and the session's file after a save or a
// load.
void NoteDefinitionFile(LayoutEngine& e, const std::string& path) {
    const std::string name = FileNameOf(path);
    e.Form.Caption = "Brevant [" + name + "]";
    e.App.CurrentDefinitionName = name.substr(0, name.find('.'));
    e.App.LastDefinitionPath = path;
    e.App.SessionDefinitionPath = path;
}
} // namespace

bool ApplyDefinitionValue(LayoutEngine& engine, const std::string& key, const std::string& value) {
    const EngineField* k = engine.FindField(key);
    if (!k) return false;
    PutValue(engine, *k, value);
    return true;
}

std::string DefinitionFileText(LayoutEngine& engine, std::string_view existing) {
    IniDocument ini = IniDocument::Parse(existing);
    if (const LayoutKind* kind = engine.CurrentKind())
        ini.Set(kDefinitionSection, kLayoutTypeKey, std::string(kind->Key()));
    for (const EngineField& k : engine.Fields())
        ini.Set(kDefinitionSection, k.Field->key, ValueText(engine, k));
    ini.Set(kDefinitionSection, kDefinitionUnitsKey,
            std::to_string(static_cast<int>(engine.Units())));
    ShowThicknessDisplay(engine, engine.Form.ThicknessCheckBox.checked);
    engine.Form.SideCutDisplay.visible = engine.Form.SideCutsCheckBox.checked;
    return ini.Serialize();
}

bool SaveDefinition(LayoutEngine& engine, const std::string& path, SavedName name) {
    engine.SetIOError("");
    // The status line keeps what the last calculation said.
    const std::string full = HasFolderPart(path) ? path : engine.App.UserDataFolder + path;
    std::string existing, reason;
    if (ReadTextFile(full, kMaxIniFileBytes, existing, reason) == ReadOutcome::Failed) {
        engine.SetIOError(WriteErrorText(full, reason)); // never overwrite what was not read
        return false;
    }
    const std::string text = DefinitionFileText(engine, existing);
    if (!WriteFileAtomically(full, text, reason)) {
        engine.SetIOError(WriteErrorText(full, reason));
        return false;
    }
    if (name == SavedName::Adopt) {
        NoteDefinitionFile(engine, full);
        engine.App.DefinitionSnapshot = InputsSnapshot(engine);
    }
    return true;
}

void LoadDefinitionText(LayoutEngine& engine, std::string_view content, const std::string& path,
                        StoredType type) {
    const IniDocument ini = IniDocument::Parse(content);
    engine.ClearAllInputs();
    const double factor = StoredLengthFactor(engine, ini);
    // Each key sets only its own control and field, so the keys load in the file's order.
    for (const EngineField& k : engine.Fields())
        PutValue(engine, k, ini.Get(kDefinitionSection, k.Field->key), factor);
    if (type == StoredType::Choose) {
        // The file's part type is shown before it is calculated, so that its numbers are
        // calculated on their own page.
        const std::optional<std::string> stored = ini.Get(kDefinitionSection, kLayoutTypeKey);
        if (stored) engine.ShowLayoutType(engine.KindIndexOf(*stored));
    }
    engine.Drv.BusyFlag = false;
    NoteDefinitionFile(engine, path);
    engine.DispatchCalculation(true);
    // After the calculation, whose answers fill the edits the file left empty.
    engine.App.DefinitionSnapshot = InputsSnapshot(engine);
}

// Only a file of this session counts: the settings may remember a file that was not loaded, and
// a part typed since must never be offered for saving over it.
bool DefinitionChanged(LayoutEngine& engine) {
    return !engine.App.SessionDefinitionPath.empty() &&
           InputsSnapshot(engine) != engine.App.DefinitionSnapshot;
}

bool ConfirmDefinitionClose(LayoutEngine& engine) {
    if (!DefinitionChanged(engine)) return true;
    const std::string path = engine.App.SessionDefinitionPath;
    switch (engine.ShowMessageDialog(kMsgSaveChanges, path, kMessageSaveDiscardCancel)) {
    case kResultSave:
        if (SaveDefinition(engine, path)) return true;
        engine.ShowMessageDialog(engine.LastIOError(), "");
        return false;
    case kResultDiscard:
        return true;
    default:
        return false;
    }
}

bool LoadDefinition(LayoutEngine& engine, const std::string& path, StoredType type) {
    engine.SetIOError("");
    engine.Drv.BusyFlag = true;
    engine.ClearStatus();
    std::string content, reason;
    switch (ReadTextFile(path, kMaxIniFileBytes, content, reason)) {
    case ReadOutcome::Missing:
        engine.SetIOError(ReadErrorText(path, "no such file"));
        return false;
    case ReadOutcome::Failed:
        engine.SetIOError(ReadErrorText(path, reason));
        return false;
    case ReadOutcome::Ok:
        break;
    }
    LoadDefinitionText(engine, content, path, type);
    return true;
}

OutputOutcome SaveDefinitionCommand(LayoutEngine& engine, SavedName name) {
    // A bad number is shown by the reader and nothing is saved.
    if (!engine.CheckLayoutInputs()) return OutputOutcome::Refused();
    const std::string path = engine.SaveFileDialog("Save Layout File", "layout", "layout", false,
                                                   engine.DefaultFileName("layout"));
    if (path.empty()) return OutputOutcome::Cancelled();
    if (SaveDefinition(engine, path, name)) return OutputOutcome::Written();
    engine.ShowMessageDialog(engine.LastIOError(), "");
    return OutputOutcome::Failed(engine.LastIOError());
}

void MenuSaveDefinitionClick(LayoutEngine& engine) {
    SaveDefinitionCommand(engine);
}

void MenuLoadDefinitionClick(LayoutEngine& engine) {
    engine.ClearStatus();
    const std::string path =
        engine.OpenFileDialog("Load Layout File", "layout", "layout", engine.App.UserDataFolder);
    if (!path.empty()) OpenDefinitionCommand(engine, path);
}

void OpenDefinitionCommand(LayoutEngine& engine, const std::string& path) {
    engine.ClearStatus();
    if (!LoadDefinition(engine, path)) engine.ShowMessageDialog(engine.LastIOError(), "");
}

} // namespace brevant
