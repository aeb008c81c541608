// Rules the CAD file readers share: value limits and the arc angle normalisation.
#pragma once

#include <cmath>

namespace brevant {

// Coordinates beyond this magnitude are rejected by the drawing; the readers apply the same
// limit to arc angles so that no later angle arithmetic meets an absurd value.
inline constexpr double kReadCoordLimit = 1e9;

inline bool WithinReadLimit(double value) {
    return value >= -kReadCoordLimit && value <= kReadCoordLimit;
}

// An angle in degrees brought into 0 <= a < 360.
inline double AngleIn360(double degrees) {
    double a = std::fmod(degrees, 360.0);
    if (a < 0) a += 360.0;
    return a >= 360.0 ? 0.0 : a;
}

} // namespace brevant
