// The dimension report ("Dimension File"): the command and the atomic file write the pattern
// steps use for their listings.
#pragma once

#include <string>

namespace brevant {

class LayoutEngine;

// The "Dimension File" command of the File menu.
void MenuDimensionFileClick(LayoutEngine& engine);

// The three heading lines every listing starts with (definition name, title, unit name).
std::string ReportHeading(LayoutEngine& engine);
// Writes text to the report path (temporary file, then rename) and clears ReportInProgress.
// On failure sets the engine's I/O error, shows it and returns false.
bool WriteReportFile(LayoutEngine& engine, const std::string& text);
// One number of a listing: fixed, two decimals, the locale's separator.
std::string ReportNumber(LayoutEngine& engine, double value);

} // namespace brevant
