// The command line of brevant-cli.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace brevant::cli {

struct OutputRequest {
    // "save-definition", "flat-cad", "sheet-cad", "solid-cad" (the part's 3D wire frame), "step"
    // (its solids), "report", "cam-dxf" and "sheet-cam-dxf" (the flat pattern's and the sheet's DXF
    // for cutting machines), "svg" (the flat pattern), "pdf" (the full-scale pattern) and
    // "data-sheet"
    std::string command;
    std::string file;
};

struct Options {
    std::string settingsFile;
    std::string layoutType = "cone"; // a layout kind's key
    bool layoutTypeGiven = false;    // --type was on the command line
    int units = 0;
    std::string definitionFile;
    std::vector<std::pair<std::string, std::string>> sets; // KEY=VALUE in order
    char decimalSeparator = '.';
    std::vector<OutputRequest> outputs; // in the order the commands run
    bool json = false;
};

// Parses argv. On a usage error returns nothing with the message in error; help and version
// texts come back in info with exitNow set.
struct ParseOutcome {
    std::optional<Options> options;
    std::string error;
    std::string info;
    bool exitNow = false;
};
ParseOutcome ParseCommandLine(int argc, char** argv);

} // namespace brevant::cli
