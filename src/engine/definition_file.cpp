// Definition files: the key table, writing the inputs into the section "DIMENSIONS" and
// loading them back in the loader's order, with the caption and name side effects.
#include "engine/definition_file.h"

#include "core/number_format.h"
#include "core/string_util.h"
#include "engine/layout_engine.h"
#include "persistence/ini_document.h"
#include "persistence/ini_values.h"
#include "engine/panel_rules.h"
#include "core/atomic_file.h"
#include "core/io_error_text.h"
#include "persistence/text_file.h"

#include <algorithm>
#include <optional>

namespace brevant {

namespace {
// In the order in which the keys are written.
constexpr DefinitionKey kKeys[] = {
    {"SegmentAngle", "SegmentAngleEdit"},
    {"ConeHeight", "ConeHeight"},
    {"TopDiameter", "ConeTopDiameter"},
    {"TopAngle", "ConeTopAngle"},
    {"BottomDiameter", "ConeBottomDiameter"},
    {"BottomAngle", "BottomAngle"},
    {"SeamAngle", "SeamSpinBox"},
    {"Bends", "BendConeSpinBox"},
    {"TopShift", "ConeTopXShift"},
    {"TopEllipseWidth", "TopEllipseWidth"},
    {"BottomEllipseWidth", "BottomEllipseWidth"},
    {"SideLength", "SideLength"},
    {"SideAngle", "SideAngle"},
    {"SheetWidth", "SheetWidth"},
    {"SheetHeight", "SheetHeight"},
    {"XClearance", "XClearenceEdit"},
    {"YClearance", "YClearenceEdit"},
    {"Overlap", "Overlap"},
    {"TopCutWidth", "TopCutWidthEdit"},
    {"BottomCutWidth", "BottomCutWidthEdit"},
    {"TopArcLength", "TopArcLengthEdit"},
    {"BottomArcLength", "BottomArcLengthEdit"},
    {"SquareHeight", "SquareHeight"},
    {"SquareTopDiameter", "SquareTopDiameter"},
    {"SquareTopAngle", "SquareTopAngle"},
    {"SquareWidth", "SquareWidth"},
    {"SquareLength", "SquareLength"},
    {"SquareTopXShift", "SquareTopXShift"},
    {"SquareTopYShift", "SquareTopYShift"},
    {"SquareHalfPattern", "HalfPatternCheckBox"},
    {"BendsPerCorner", "NumberOfBendsLabel"},
    {"SpiralOD", "SpiralODEdit"},
    {"SpiralID", "SpiralIDEdit"},
    {"SpiralPitch", "SpiralPitchEdit"},
    {"PipeBigOD", "BigPipeDiaEdit"},
    {"PipeSmallOD", "SmallPipeDiaEdit"},
    {"PipeOffset", "PipeOffsetEdit"},
    {"ShowThickness", "ThicknessCheckBox"},
    {"ThicknessSide", "DimensionsFrom"},
    {"MaterialThickness", "ThicknessEdit"},
    {"ShowSideCut", "SideCutsCheckBox"},
};

// The order in which the loader reads the keys.
constexpr const char* kLoadOrder[] = {
    "TopDiameter",     "ConeHeight",      "TopAngle",          "BottomAngle",
    "BottomDiameter",  "TopShift",        "TopEllipseWidth",   "BottomEllipseWidth",
    "SideLength",      "SideAngle",       "SheetWidth",        "SheetHeight",
    "XClearance",      "YClearance",      "TopCutWidth",       "BottomCutWidth",
    "TopArcLength",    "BottomArcLength", "Overlap",           "SeamAngle",
    "Bends",           "SegmentAngle",    "SquareTopDiameter", "SquareHeight",
    "SquareTopAngle",  "SquareLength",    "SquareWidth",       "SquareTopXShift",
    "SquareTopYShift", "BendsPerCorner",  "SquareHalfPattern", "SpiralOD",
    "SpiralID",        "SpiralPitch",     "PipeBigOD",         "PipeSmallOD",
    "PipeOffset",      "ShowSideCut",     "MaterialThickness", "ShowThickness",
    "ThicknessSide"};

// The square-to-round stepper's limits. A stored count beyond them would give the 3D model a
// circle resolution (four points per bend) that overflows or vanishes.
constexpr int kMinBendsPerCorner = 4;
constexpr int kMaxBendsPerCorner = 10;

// Spiral and pipe texts are put into their edits as stored; all other texts get the locale's
// decimal separator.
bool KeepsSeparator(std::string_view key) {
    return key.substr(0, 6) == "Spiral" || key.substr(0, 4) == "Pipe";
}

void SetThicknessSide(LayoutEngine& e, int side) {
    FormModel& f = e.Form;
    e.Form.CheckRadio(side == kOutside  ? f.OutsideRadio
                      : side == kInside ? f.InsideRadio
                                        : f.MiddleRadio);
    e.Def.ThicknessSide = f.CheckedRadioTag("DimensionsFrom", kMiddle);
}

// Puts one stored value (nullopt: the key is missing) into its control.
void PutValue(LayoutEngine& e, const DefinitionKey& k, const std::optional<std::string>& v) {
    FormModel& f = e.Form;
    const std::string key = k.key;
    const std::string text = v.value_or(std::string());
    auto integer = [&](int fallback) { return v ? ParseInteger(*v, fallback) : fallback; };
    const char sep = e.App.LocaleDecimalSeparator;
    if (key == "SeamAngle") {
        f.SeamSpinBox.SetValue(integer(0));
    } else if (key == "Bends") {
        f.BendConeSpinBox.SetValue(integer(0));
    } else if (key == "SquareHalfPattern") {
        f.HalfPatternCheckBox.checked = integer(0) != 0;
        e.Def.SquareHalfPattern = f.HalfPatternCheckBox.checked;
    } else if (key == "BendsPerCorner") {
        const int n = std::clamp(integer(4), kMinBendsPerCorner, kMaxBendsPerCorner);
        f.NumberOfBendsLabel.text = std::to_string(n);
        e.Def.BendsPerCorner = n;
    } else if (key == "ShowSideCut") {
        f.SideCutsCheckBox.checked = e.Def.ShowSideCut = integer(0) != 0;
        f.SideCutDisplay.visible = f.SideCutsCheckBox.checked;
    } else if (key == "ShowThickness") {
        f.ThicknessCheckBox.checked = e.Def.ShowThickness = integer(0) != 0;
        ShowThicknessDisplay(e, f.ThicknessCheckBox.checked);
    } else if (key == "ThicknessSide") {
        SetThicknessSide(e, integer(kMiddle));
    } else if (Edit* edit = f.FindEdit(k.control)) {
        edit->text = KeepsSeparator(key) ? text : NormalizeDecimalSeparator(text, sep);
    }
}

const DefinitionKey& Key(std::string_view name) {
    return *FindDefinitionKey(std::string(name));
}

// The text written for one key.
std::string ValueText(LayoutEngine& e, std::string_view key, const DefinitionKey& k) {
    FormModel& f = e.Form;
    const char sep = e.App.LocaleDecimalSeparator;
    if (key == "SeamAngle") return FormatGeneral(f.SeamSpinBox.value, sep);
    if (key == "Bends") return FormatGeneral(e.EffectiveBends(), sep);
    if (key == "SquareHalfPattern") return FlagText(f.HalfPatternCheckBox.checked);
    if (key == "BendsPerCorner") return std::to_string(ParseInteger(f.NumberOfBendsLabel.text, 4));
    if (key == "ShowThickness") return FlagText(f.ThicknessCheckBox.checked);
    if (key == "ThicknessSide") return std::to_string(f.CheckedRadioTag("DimensionsFrom", 0));
    if (key == "MaterialThickness") return FormatSingle(e.FromIn(e.Def.MaterialThickness), sep);
    if (key == "ShowSideCut") return FlagText(f.SideCutsCheckBox.checked);
    const Edit* edit = f.FindEdit(k.control);
    return edit ? edit->text : std::string();
}

// Caption, CurrentDefinitionName and LastDefinitionPath after a save or a load.
void NoteDefinitionFile(LayoutEngine& e, const std::string& path) {
    const std::string name = FileNameOf(path);
    e.Form.Caption = "Brevant [" + name + "]";
    e.App.CurrentDefinitionName = name.substr(0, name.find('.'));
    e.App.LastDefinitionPath = path;
}
} // namespace

const DefinitionKey* FindDefinitionKey(const std::string& key) {
    for (const DefinitionKey& k : kKeys)
        if (EqualNoCase(k.key, key)) return &k;
    return nullptr;
}

bool ApplyDefinitionValue(LayoutEngine& engine, const std::string& key, const std::string& value) {
    const DefinitionKey* k = FindDefinitionKey(key);
    if (!k) return false;
    PutValue(engine, *k, value);
    return true;
}

std::string DefinitionFileText(LayoutEngine& engine, std::string_view existing) {
    IniDocument ini = IniDocument::Parse(existing);
    for (const DefinitionKey& k : kKeys)
        ini.Set(kDefinitionSection, k.key, ValueText(engine, k.key, k));
    ShowThicknessDisplay(engine, engine.Form.ThicknessCheckBox.checked);
    engine.Form.SideCutDisplay.visible = engine.Form.SideCutsCheckBox.checked;
    return ini.Serialize();
}

bool SaveDefinition(LayoutEngine& engine, const std::string& path) {
    engine.SetIOError("");
    engine.ClearStatus();
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
    NoteDefinitionFile(engine, full);
    return true;
}

void LoadDefinitionText(LayoutEngine& engine, std::string_view content, const std::string& path) {
    const IniDocument ini = IniDocument::Parse(content);
    engine.ClearAllInputs();
    for (const char* name : kLoadOrder) {
        const DefinitionKey& k = Key(name);
        PutValue(engine, k, ini.Get(kDefinitionSection, k.key));
    }
    engine.Drv.BusyFlag = false;
    NoteDefinitionFile(engine, path);
    engine.DispatchCalculation(true);
}

bool LoadDefinition(LayoutEngine& engine, const std::string& path) {
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
    LoadDefinitionText(engine, content, path);
    return true;
}

void MenuSaveDefinitionClick(LayoutEngine& engine) {
    if (!engine.ReadLayoutInputs()) return;
    const std::string path = engine.SaveFileDialog("Save Layout File", "layout", "layout", false,
                                                   engine.DefaultFileName("layout"));
    if (path.empty()) return;
    if (!SaveDefinition(engine, path)) engine.ShowMessageDialog(engine.LastIOError(), "");
}

void MenuLoadDefinitionClick(LayoutEngine& engine) {
    engine.ClearStatus();
    const std::string path =
        engine.OpenFileDialog("Load Layout File", "layout", "layout", engine.App.UserDataFolder);
    if (!path.empty() && !LoadDefinition(engine, path))
        engine.ShowMessageDialog(engine.LastIOError(), "");
}

} // namespace brevant
