// Unit systems: lengths are inches inside and converted only at the edges.
#pragma once

#include <string>

namespace brevant {

enum UnitSystem : int { kInches = 0, kCentimeters = 1, kMillimeters = 2 };

// A negative or unknown index counts as inches.
UnitSystem UnitFromIndex(int index);
double UnitFactor(UnitSystem u); // display unit -> inches
float ToInches(float value, UnitSystem u);
float FromInches(float value, UnitSystem u);
const char* UnitShortName(UnitSystem u);
const char* UnitLongName(UnitSystem u);

} // namespace brevant
