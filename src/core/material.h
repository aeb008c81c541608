// The material of a part: which side of the plate the dimensions are given on, the default
// steel, and the "Area ... = ... lb each ..." text of the result displays.
#pragma once

#include "core/units.h"

#include <string>

namespace brevant {

// Which surface the typed dimensions measure ("Dimensions From:"), the radio buttons' tags.
enum ThicknessSide : int { kMiddle = 0, kOutside = 1, kInside = 2 };

inline constexpr double kDefaultDensity = 0.2833; // pounds per cubic inch (steel)
inline constexpr const char* kDefaultMaterialName = "Steel";

// The material inputs every layout kind shares: the plate thickness (inches) and the side the
// dimensions are given on, and the settings' "Use Thickness" and "Show Cone Side Cuts".
struct MaterialInputs {
    float Thickness = 0;
    int Side = kMiddle;
    bool ShowThickness = false;
    bool ShowSideCut = false;
};

// "Area <a> = <w> lb each Steel": area in square inches, weight in pounds, converted for units.
std::string AreaWeightText(double areaSqIn, double weightLb, UnitSystem units,
                           const std::string& materialName, char decimalSeparator);
// The same text with the area's unit after the area ("Area 526.86 in² = 18.66 lb each Steel"),
// for pages where every number names its unit; other texts ("---") are returned as they are.
std::string WithAreaUnit(const std::string& areaWeightText, UnitSystem units);
// "in²", "cm²" or "mm²".
const char* AreaUnitName(UnitSystem units);
// The density and material name of the settings, or the defaults.
double MaterialDensity(double materialMass);
std::string MaterialDisplayName(const std::string& materialName);

} // namespace brevant
