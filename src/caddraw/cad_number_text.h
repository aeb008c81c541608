// Number text of the CAD file formats: the short fixed-point writing and tolerant reading.
#pragma once

#include <string>
#include <string_view>

namespace brevant {

// Fixed notation with 4 decimals, trailing zeros dropped but one kept after the point, and
// the leading zero dropped: 12.34 -> "12.34", 12 -> "12.0", 0.5 -> ".5", -0.5 -> "-.5".
std::string CadNumberText(double value);

// Reads the longest number at the start of the text ("." is the decimal point), after leading
// blanks and tabs. Text without a number, "nan" and "inf" read as 0; a value beyond the double
// range reads as the largest double of its sign, so range checks still reject it. A hostile
// file thus never puts a non-finite value into the drawing.
double ParseCadNumber(std::string_view text);

// Rounds to the nearest integer (ties to even) and clamps to the int range; NaN gives 0.
int RoundToInt(double value);

// The same for a number text: "12" -> 12, "3.6" -> 4, "abc" -> 0.
int ParseCadInteger(std::string_view text);

} // namespace brevant
