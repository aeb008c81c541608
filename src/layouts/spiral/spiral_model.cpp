// Building the helices of the spiral flight's 3D model.
#include "layouts/spiral/spiral_model.h"

#include "core/angle_units.h"

#include <cmath>

namespace brevant {

namespace {
TPathArray Helix(double radius, double pitch, int n) {
    TPathArray helix;
    helix.reserve(static_cast<std::size_t>(n) + 1);
    const float step = static_cast<float>(pitch / n);
    float height = 0;
    for (int i = 0; i <= n; ++i) {
        const double a = (static_cast<double>(i) / n * 360) * kRadiansPerDegree;
        height += step;
        helix.push_back({radius * std::cos(a), -static_cast<double>(height), radius * std::sin(a)});
    }
    return helix;
}
} // namespace

SpiralModel BuildSpiralModel(double od, double id, double pitch, int circleResolution) {
    const int n = circleResolution < 1 ? 1 : circleResolution;
    return {Helix(od / 2, pitch, n), Helix(id / 2, pitch, n)};
}

} // namespace brevant
