// Application settings: the user data folder and the settings INI file, section "[Brevant]".
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace brevant {

class LayoutEngine;

inline constexpr const char* kSettingsSection = "Brevant";

// Where the platform keeps the user's folders; filled by the host (or by tests).
struct PlatformFolders {
    std::string documents; // the user's documents folder, empty when unknown
    std::string dataHome;  // the per-user data folder (XDG data home), empty when unknown
    // Folders of the installed documentation (the manual), searched in this order after the
    // user data folder.
    std::vector<std::string> docFolders;
};

// The folders from the environment: $HOME/Documents, and $XDG_DATA_HOME or
// $HOME/.local/share. For hosts without a toolkit of their own (the command line).
PlatformFolders PlatformFoldersFromEnvironment();

// The user data folder with a trailing separator: documents + "Quorvel/Brevant/" when the
// documents folder exists, otherwise dataHome + "Quorvel/Brevant/"; created when missing.
// Empty when neither folder is known.
std::string FindUserDataFolder(const PlatformFolders& folders);
// The user data folder + "Brevant.ini".
std::string SettingsFilePath(const LayoutEngine& engine);

// Reads the settings into the controls and state. A missing file gives every setting its
// default (the cone as the layout type); so does an unreadable one, which is also reported in
// engine.LastIOError().
void LoadSettings(LayoutEngine& engine, const std::string& path);
// Writes the settings, keeping unknown keys and sections; atomic. False on an I/O failure,
// with the file and the reason in engine.LastIOError() and in the message dialog.
bool SaveSettings(LayoutEngine& engine, const std::string& path);

// In-memory halves, for tests and fuzzing: loading from the file's bytes (as LoadSettings
// after the file was read), and the text of the settings file written over existing.
void LoadSettingsText(LayoutEngine& engine, std::string_view content);
std::string SettingsFileText(LayoutEngine& engine, std::string_view existing);

// The settings dialog: created once at start-up (loads the settings file), and the "Settings"
// command around the modal dialog. OK takes what the dialog shows and saves it; Cancel, Escape
// and the window's close button put back everything the dialog shows and write nothing.
void SettingsFormCreate(LayoutEngine& engine, const std::string& settingsPath);
// Everything the dialog shows, as it stood when the dialog opened, with the material flags that
// follow two of its check boxes.
struct SettingsSnapshot {
    int units = 0;
    int pdfSize = 0;
    int lineThickness = 1; // the tag of the checked line weight
    bool landscape = false;
    bool loadLastFile = false;
    bool showBends = false;
    bool showSeam = false;
    bool showSideCut = false;
    bool showThickness = false;
    bool camDxf = false;
    bool materialShowSideCut = false;
    bool materialShowThickness = false;
};
SettingsSnapshot BeginSettingsCommand(LayoutEngine& engine); // before the dialog shows
// OK: a unit other than the one the dialog opened with converts every typed length into it
// (the same part stays the same part; angles, counts and texts that are no number stay as they
// are); then the settings are saved and the unit labels, the panels and the material follow.
void SettingsOkClick(LayoutEngine& engine, const std::string& settingsPath,
                     const SettingsSnapshot& before);
// Cancel: every setting of the dialog back as it was when the dialog opened; nothing written.
void SettingsCancel(LayoutEngine& engine, const SettingsSnapshot& before);
// After the dialog closed: a changed unit, bend-line or seam-line setting recalculates quietly.
void EndSettingsCommand(LayoutEngine& engine, const SettingsSnapshot& before);
// The whole "Settings" command: showDialog shows the modal dialog (whose controls change the
// settings while it is open) and returns true for OK, false for Cancel however it was closed.
void SettingsItemClick(LayoutEngine& engine, const std::string& settingsPath,
                       const std::function<bool()>& showDialog);
// What OK shows once the settings are taken (without writing them): the seam display and the
// unit labels.
void ShowChosenSettings(LayoutEngine& engine);
// The "Settings" command with only the unit system changed and OK pressed, without writing the
// settings file: typed lengths are converted, the displays follow and a changed unit
// recalculates quietly.
void ChangeUnits(LayoutEngine& engine, int unitsIndex);

// A settings key and the control or state that holds it, for batch front ends.
// Applies the value as the dialog would. Units and PDFSize take an index or an item's name
// ("Millimeters", "mm", "A4"), flags 1/0 or true/false; a changed unit converts the typed
// lengths and the unit labels as OK does. Returns false when key is not a
// settings key or the value is not one the key can hold (nothing is changed then).
bool ApplySettingValue(LayoutEngine& engine, const std::string& key, const std::string& value);

// Closing the main window: when the inputs of the current definition file changed, asks
// whether to save them (ConfirmDefinitionClose), then saves the settings. False when the user
// cancelled or the definition could not be saved: the window stays open, nothing was written.
bool ShutDown(LayoutEngine& engine, const std::string& settingsPath);

} // namespace brevant
