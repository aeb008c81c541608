// Application settings: the user data folder and the settings INI file, section "[Brevant]".
#pragma once

#include <string>

namespace brevant {

class LayoutEngine;

// Where the platform keeps the user's folders; filled by the host (or by tests).
struct PlatformFolders {
    std::string documents; // the user's documents folder, empty when unknown
    std::string dataHome;  // the per-user data folder (XDG data home), empty when unknown
};

// The user data folder with a trailing separator: documents + "Quorvel/Brevant/" when the
// documents folder exists, otherwise dataHome + "Quorvel/Brevant/"; created when missing.
std::string FindUserDataFolder(const PlatformFolders& folders);
// The user data folder + "Brevant.ini".
std::string SettingsFilePath(const LayoutEngine& engine);

// Reads the settings into the controls and state; a missing file changes nothing.
void LoadSettings(LayoutEngine& engine, const std::string& path);
// Writes the settings, keeping unknown keys and sections; atomic. False on an I/O failure,
// with the reason in engine.LastIOError().
bool SaveSettings(LayoutEngine& engine, const std::string& path);

// The settings dialog: created once at start-up (loads the settings file), its OK button,
// and the "Settings" command around the modal dialog.
void SettingsFormCreate(LayoutEngine& engine, const std::string& settingsPath);
void SettingsOkClick(LayoutEngine& engine, const std::string& settingsPath);
struct SettingsSnapshot {
    bool showBends = false;
    bool showSeam = false;
    int units = 0;
};
SettingsSnapshot BeginSettingsCommand(LayoutEngine& engine);        // before the dialog shows
void EndSettingsCommand(LayoutEngine& engine, const SettingsSnapshot& before); // after it closed

// A settings key and the control or state that holds it, for batch front ends.
// Returns false when key is not a settings key; applies the value as the dialog would.
bool ApplySettingValue(LayoutEngine& engine, const std::string& key, const std::string& value);

} // namespace brevant
