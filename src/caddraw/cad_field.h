// The comma-separated number fields of CDL lines and IGES parameter lines.
#pragma once

#include <string>
#include <string_view>

namespace brevant {

enum class CadFieldFlavor {
    Cdl, // the keyword before the first blank is dropped and a closing "," appended
    Iges // the first ";" ends a field like a ","
};

// Normalises a line once so that many fields can be read from it: the flavour's own step,
// then every blank removed.
std::string PrepareCadFields(std::string_view line, CadFieldFlavor flavor);

// Field n (from 1) of a prepared line as a number: the text after the (n-1)-th comma and
// before the n-th. A field missing its closing comma, and every field of a line with 23 or
// more commas, reads 0. A "D" inside a field separates mantissa and power of ten.
double CadFieldOf(std::string_view prepared, int n);

// PrepareCadFields and CadFieldOf in one call.
double CadField(std::string_view line, int n, CadFieldFlavor flavor);

} // namespace brevant
