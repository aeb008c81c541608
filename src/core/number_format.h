// Number text of the edits: "0.####" with the user's decimal separator, and the separator
// normalisation applied to typed text. Independent of the process's C locale.
#pragma once

#include <string>
#include <string_view>

namespace brevant {

// At most four decimals, rounded; no trailing zeros; no separator for whole numbers.
std::string FormatValue(double value, char decimalSeparator);

// With ',' as the separator every '.' becomes ','; with '.' every ',' becomes '.'.
std::string NormalizeDecimalSeparator(std::string_view text, char decimalSeparator);

// Fixed notation with the given decimals and separator ("%.2f" without the C locale).
std::string FormatFixed(double value, int decimals, char decimalSeparator);

// General floating-point text ("%g"-like, up to 15 significant digits) with the separator;
// used where a number is written into an INI file.
std::string FormatGeneral(double value, char decimalSeparator);

// A whole decimal number with optional sign and surrounding blanks; fallback otherwise.
int ParseInteger(std::string_view text, int fallback);

} // namespace brevant
