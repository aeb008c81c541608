// Results kept in single precision, as the program has always stored its lengths and angles.
#pragma once

#include <algorithm>
#include <cmath>
#include <limits>

namespace brevant {

// A result stored in single precision: beyond the float range it saturates (a plain cast
// would be undefined there), and NaN becomes 0.
inline float ToSingle(double v) {
    if (std::isnan(v)) return 0;
    constexpr double kMax = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(v, -kMax, kMax));
}

} // namespace brevant
