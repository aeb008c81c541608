// The material's defaults and its area and weight text.
#include "core/material.h"

#include "core/number_format.h"

namespace brevant {

std::string AreaWeightText(double areaSqIn, double weightLb, UnitSystem units,
                           const std::string& materialName, char decimalSeparator) {
    double area = areaSqIn, weight = weightLb;
    const char* unit = " lb";
    if (units == kCentimeters || units == kMillimeters) {
        area *= units == kCentimeters ? 6.4516 : 645.16;
        weight *= 0.45359237;
        unit = " kg";
    }
    return "Area " + FormatValue(area, decimalSeparator) + " = " +
           FormatValue(weight, decimalSeparator) + unit + " each " + materialName;
}

double MaterialDensity(double materialMass) {
    return materialMass > 0 ? materialMass : kDefaultDensity;
}

std::string MaterialDisplayName(const std::string& materialName) {
    return materialName.empty() ? kDefaultMaterialName : materialName;
}

} // namespace brevant
