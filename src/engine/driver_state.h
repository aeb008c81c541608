// Program-wide flags of the Calculate driver and application state kept between commands.
#pragma once

#include <string>
#include <vector>

namespace brevant {

struct DriverState {
    bool BusyFlag = false;       // the program itself writes into inputs: handlers do nothing
    bool FormReady = false;      // set at the first activation of the main window
    bool KeepStatusOnce = false; // the next ShowStatus leaves the status line alone
    int CircleResolution = 40;   // points per full circle of the 3D model
    int LastDriverCode = 0;      // the code of the last DispatchCalculation
    // The kind whose part the last calculation of the kind on show made (-1: none), and when it
    // failed, the first message it showed ("" when quiet).
    int CalculatedKind = -1;
    std::string CalculationMessage;
    bool RecordingMessage = false; // a calculation runs: its first message is kept
};

// What the application keeps besides the controls: folders, names and material data.
struct ApplicationState {
    std::string UserDataFolder;     // with a trailing separator
    std::string LastDefinitionPath; // "LayoutFile" of the settings
    // The definition file loaded or saved in this run of the program, or empty: the documents
    // name this one, never a file the settings remember from an earlier run.
    std::string SessionDefinitionPath;
    std::string CurrentDefinitionName; // stem of the last definition file
    std::string DefinitionSnapshot;    // the inputs as that file held them (DefinitionChanged)
    double MaterialMass = 0;           // pounds per cubic inch; 0 selects the default
    std::string MaterialName;          // empty selects the default
    char LocaleDecimalSeparator = '.';
    std::string Version; // the product version of this build
    double ScreenScale = 1;
    // Folders that may hold the installed manual, searched in order after UserDataFolder.
    std::vector<std::string> DocFolders;
};

} // namespace brevant
