// The settings file: the user data folder, loading the settings into the controls (and the
// last definition file), and saving them with every unknown key and section kept.
#include "engine/settings_file.h"

#include "core/atomic_file.h"
#include "core/io_error_text.h"
#include "core/number_format.h"
#include "core/string_util.h"
#include "core/version.h"
#include "engine/definition_file.h"
#include "engine/layout_engine.h"
#include "engine/panel_rules.h"
#include "persistence/ini_document.h"
#include "persistence/ini_values.h"
#include "persistence/text_file.h"

#include <cstdlib>
#include <filesystem>

namespace brevant {

namespace fs = std::filesystem;

namespace {
std::string WithSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
    return folder;
}

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

// The items of UnitsComboBox and PDFCombo; anything else selects the first item.
int IndexInRange(int index, const ComboBox& combo) {
    return index >= 0 && index < static_cast<int>(combo.items.size()) ? index : 0;
}
} // namespace

PlatformFolders PlatformFoldersFromEnvironment() {
    PlatformFolders f;
    const std::string home = Env("HOME");
    if (!home.empty()) f.documents = WithSeparator(home) + "Documents";
    f.dataHome = Env("XDG_DATA_HOME");
    if (f.dataHome.empty() && !home.empty()) f.dataHome = WithSeparator(home) + ".local/share";
    return f;
}

std::string FindUserDataFolder(const PlatformFolders& folders) {
    std::error_code ec;
    const bool documents = !folders.documents.empty() && fs::is_directory(folders.documents, ec);
    const std::string base = documents ? folders.documents : folders.dataHome;
    if (base.empty()) return std::string();
    const std::string folder = WithSeparator(base) + "Quorvel/Brevant/";
    fs::create_directories(folder, ec); // a failure shows later as a failed save
    return folder;
}

std::string SettingsFilePath(const LayoutEngine& engine) {
    return engine.App.UserDataFolder + kProductName + ".ini";
}

namespace {
void ReadSettingControls(LayoutEngine& e, const IniDocument& ini, bool& loadLast) {
    FormModel& f = e.Form;
    const char* s = kSettingsSection;
    f.UnitsComboBox.itemIndex = IndexInRange(ReadIniInteger(ini, s, "Units", 0), f.UnitsComboBox);
    f.PDFCombo.itemIndex = IndexInRange(ReadIniInteger(ini, s, "PDFSize", 0), f.PDFCombo);
    const int line = ReadIniInteger(ini, s, "PDFLineThickness", 1);
    f.CheckRadio(line == 0 ? f.LineThin : line == 2 ? f.LineThick : f.LineMedium);
    e.App.LastDefinitionPath = ReadIniText(ini, s, "LayoutFile");
    loadLast = ReadIniFlag(ini, s, "LoadLastFile");
    f.ConeBendLinesCheckBox.checked = ReadIniFlag(ini, s, "ShowBends");
    f.SeamLineCheckBox.checked = ReadIniFlag(ini, s, "ShowSeam");
    f.SideCutsCheckBox.checked = e.Material.ShowSideCut = ReadIniFlag(ini, s, "ShowSideCut");
    const int orientation = ReadIniInteger(ini, s, "PDFOrientation", 1);
    f.CheckRadio(orientation == 2 ? f.LandscapeRadio : f.PortraitRadio);
    f.ThicknessCheckBox.checked = e.Material.ShowThickness = ReadIniFlag(ini, s, "ShowThickness");
    ApplyDefinitionValue(e, "ThicknessSide", ReadIniText(ini, s, "ThicknessSide"));
    f.ThicknessEdit.text = ReadIniText(ini, s, "MaterialThickness");
    e.App.MaterialMass = ReadIniNumber(ini, s, "MaterialMass", 0);
    e.App.MaterialName = ReadIniText(ini, s, "MaterialName");
    f.LoadLastFileCheckBox.checked = loadLast;
    f.CamDxfCheckBox.checked = ReadIniFlag(ini, s, "CamDxf");
}

// The last definition file at start-up; one that no longer exists is skipped quietly.
void LoadLastDefinition(LayoutEngine& e) {
    e.Drv.BusyFlag = true;
    std::string path = e.App.LastDefinitionPath;
    if (!path.empty() && !HasFolderPart(path)) path = e.App.UserDataFolder + path;
    if (path.empty() || !IsRegularFile(path)) return;
    LoadDefinition(e, path);
    e.ShowStatus("file=" + path);
}
} // namespace

void LoadSettingsText(LayoutEngine& engine, std::string_view content) {
    const IniDocument ini = IniDocument::Parse(content);
    bool loadLast = false;
    ReadSettingControls(engine, ini, loadLast);
    const int type = ReadIniInteger(ini, kSettingsSection, "LayoutType", 0);
    if (type >= 0 && type < engine.KindCount() &&
        engine.Kind(type).HidesDisplaysBeforeStoredChoice())
        engine.HideResultDisplays();
    engine.SetLayoutTypeFromStore(type);
    PanelsFollowSettings(engine);
    if (loadLast) LoadLastDefinition(engine);
    engine.Drv.BusyFlag = false;
}

void LoadSettings(LayoutEngine& engine, const std::string& path) {
    engine.SetIOError("");
    std::string content, reason;
    const ReadOutcome r = ReadTextFile(path, kMaxIniFileBytes, content, reason);
    if (r == ReadOutcome::Ok) {
        LoadSettingsText(engine, content);
        return;
    }
    if (r == ReadOutcome::Failed) engine.SetIOError(ReadErrorText(path, reason));
    // Without a readable file every setting takes its default, the layout type included: the
    // window starts with the cone, its input page and its picture.
    LoadSettingsText(engine, "");
}

std::string SettingsFileText(LayoutEngine& engine, std::string_view existing) {
    FormModel& f = engine.Form;
    if (f.PDFCombo.itemIndex < 0) f.PDFCombo.itemIndex = 0;
    const int units = f.UnitsComboBox.itemIndex < 0 ? 0 : f.UnitsComboBox.itemIndex;
    const int side = f.CheckedRadioTag("DimensionsFrom", kMiddle);
    const char sep = engine.App.LocaleDecimalSeparator;
    const std::pair<const char*, std::string> values[] = {
        {"Units", std::to_string(units)},
        {"PDFSize", std::to_string(f.PDFCombo.itemIndex)},
        {"LayoutType", std::to_string(f.LayoutComboBox.itemIndex)},
        {"LayoutFile", engine.App.LastDefinitionPath},
        {"LoadLastFile", FlagText(f.LoadLastFileCheckBox.checked)},
        {"ShowBends", FlagText(f.ConeBendLinesCheckBox.checked)},
        {"ShowSeam", FlagText(f.SeamLineCheckBox.checked)},
        {"PDFLineThickness", std::to_string(f.CheckedRadioTag("LineThickness", 1))},
        {"PDFOrientation", f.LandscapeRadio.checked ? "2" : "1"},
        {"ShowThickness", FlagText(f.ThicknessCheckBox.checked)},
        {"ThicknessSide", std::to_string(side == kOutside || side == kInside ? side : 0)},
        {"MaterialThickness", FormatSingle(engine.FromIn(engine.Material.Thickness), sep)},
        {"ShowSideCut", FlagText(f.SideCutsCheckBox.checked)},
        {"CamDxf", FlagText(f.CamDxfCheckBox.checked)},
    };
    IniDocument ini = IniDocument::Parse(existing);
    for (const auto& [key, value] : values)
        ini.Set(kSettingsSection, key, value);
    return ini.Serialize();
}

bool SaveSettings(LayoutEngine& engine, const std::string& path) {
    engine.SetIOError("");
    std::string existing, reason;
    bool ok = ReadTextFile(path, kMaxIniFileBytes, existing, reason) != ReadOutcome::Failed;
    const std::string text = SettingsFileText(engine, existing);
    PanelsFollowSettings(engine);
    if (ok) ok = WriteFileAtomically(path, text, reason);
    if (ok) return true;
    engine.SetIOError(WriteErrorText(path, reason));
    engine.ShowNoticeDialog(engine.LastIOError(), "");
    return false;
}

} // namespace brevant
