// Unit factors and names.
#include "core/units.h"

namespace brevant {

UnitSystem UnitFromIndex(int index) {
    return (index == kCentimeters || index == kMillimeters) ? static_cast<UnitSystem>(index)
                                                            : kInches;
}

double UnitFactor(UnitSystem u) {
    switch (u) {
    case kCentimeters:
        return 0.393700787401575;
    case kMillimeters:
        return 0.0393700787401575;
    default:
        return 1.0;
    }
}

float ToInches(float value, UnitSystem u) {
    return static_cast<float>(value * UnitFactor(u));
}
float FromInches(float value, UnitSystem u) {
    return static_cast<float>(value / UnitFactor(u));
}

const char* UnitShortName(UnitSystem u) {
    switch (u) {
    case kCentimeters:
        return "cm";
    case kMillimeters:
        return "mm";
    default:
        return "in";
    }
}

const char* UnitLongName(UnitSystem u) {
    switch (u) {
    case kCentimeters:
        return "Centimeters";
    case kMillimeters:
        return "Millimeters";
    default:
        return "Inches";
    }
}

} // namespace brevant
