// How numbers are shown to the user: the display unit and the decimal separator. Lengths are
// inches inside; this converts them at the edge.
#pragma once

#include "core/number_format.h"
#include "core/units.h"

#include <string>

namespace brevant {

struct DisplayFormat {
    UnitSystem Units = kInches;
    char DecimalSeparator = '.';

    float FromIn(float inches) const { return FromInches(inches, Units); }
    float ToIn(float value) const { return ToInches(value, Units); }
    // A value already in the display unit, "0.####" with the separator.
    std::string Value(double value) const { return FormatValue(value, DecimalSeparator); }
    // A length in inches, converted to the display unit and formatted as Value does.
    std::string Length(double inches) const { return Value(FromIn(static_cast<float>(inches))); }
};

} // namespace brevant
