// The "Spiral Flight Dimensions" result display with the flat piece's area and weight.
#pragma once

#include "core/display_format.h"
#include "core/form_model.h"
#include "layouts/spiral/spiral_ring.h"

#include <string>

namespace brevant {

// What the weight is computed from: the spiral's own thickness (inches), the density in
// pounds per cubic inch and the material's name, as the settings give them.
struct SpiralMaterial {
    double Thickness = 0;
    double Density = 0;
    std::string Name;
};

inline constexpr const char* kTitleSpiralFlight = "Spiral Flight Dimensions";

// Fills RegularDataDisplay with the ring's sizes in the display unit, shows it without the
// segment angle, the overlap and the "Dimensions From:" group, and writes WeightLabel.
void ShowSpiralFlightDisplay(FormModel& form, const SpiralResults& results,
                             const DisplayFormat& format, const SpiralMaterial& material);

} // namespace brevant
