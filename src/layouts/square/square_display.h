// The "Square to Round Dimensions" result display and the bend-angle report text.
#pragma once

#include "core/display_format.h"
#include "layouts/square/square_model.h"

#include <string>
#include <vector>

namespace brevant {

class FormModel;

inline constexpr const char* kTitleSquareToRound = "Square to Round Dimensions";

// Fills RegularDataDisplay with the bounding box of the pattern (inches) and shows it; the
// cone's captions and values are hidden.
void ShowSquareToRoundDisplay(FormModel& form, double boxWidth, double boxHeight,
                              const DisplayFormat& format);

// The angle (degrees) between the two faces that meet along each generator, seen along it; a
// flat joint gives 180. The twin generators look past each other to the next real neighbours.
std::vector<double> SquareBendAngles(const TTrueLengthArray& table, int bendsPerCorner);

// The report's text, lines ending in CR LF: the definition name, the title, the unit's long
// name, the header and one line per generator (generator 0 last).
std::string SquareBendReportText(const TTrueLengthArray& table, int bendsPerCorner,
                                 const std::string& definitionName, UnitSystem units,
                                 char decimalSeparator);

} // namespace brevant
