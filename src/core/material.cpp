// The material's defaults and its area and weight text.
#include "core/material.h"

#include "core/number_format.h"

#include <string_view>

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

const char* AreaUnitName(UnitSystem units) {
    switch (units) {
    case kCentimeters:
        return "cm\u00b2";
    case kMillimeters:
        return "mm\u00b2";
    default:
        return "in\u00b2";
    }
}

std::string WithAreaUnit(const std::string& text, UnitSystem units) {
    static constexpr std::string_view kArea = "Area ";
    const std::size_t equals = text.find(" = ");
    if (text.rfind(kArea, 0) != 0 || equals == std::string::npos) return text;
    return text.substr(0, equals) + " " + AreaUnitName(units) + text.substr(equals);
}

double MaterialDensity(double materialMass) {
    return materialMass > 0 ? materialMass : kDefaultDensity;
}

std::string MaterialDisplayName(const std::string& materialName) {
    return materialName.empty() ? kDefaultMaterialName : materialName;
}

} // namespace brevant
