// Developing the spiral flight's flat ring.
#include "layouts/spiral/spiral_ring.h"

#include "core/angle_units.h"
#include "geometry/single_precision.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brevant {

namespace {
constexpr double kPi = std::numbers::pi;
} // namespace

SpiralRing DevelopSpiralFlight(double od, double id, double pitch) {
    SpiralRing g;
    g.OuterHelixLength = std::hypot(pitch, kPi * od);
    g.InnerHelixLength = std::hypot(pitch, kPi * id);
    g.Width = (od - id) / 2;
    const double lo = g.OuterHelixLength, li = g.InnerHelixLength;
    // Lo - Li written without the subtraction: with a large pitch both lengths are nearly the
    // pitch and their difference would be lost in rounding (down to a division by zero).
    const double difference = kPi * kPi * (od - id) * (od + id) / (lo + li);
    g.OuterRadius = lo * g.Width / difference;
    g.InnerRadius = g.OuterRadius - g.Width;
    // Below a full turn for any pitch; rounding alone could push a near-zero pitch past it.
    g.FlatAngle = std::min(lo / g.OuterRadius * kExactDegreesPerRadian, 360.0);
    g.StartAngle = 90 - g.FlatAngle / 2;
    g.EndAngle = 90 + g.FlatAngle / 2;
    const double gap = 360 - g.FlatAngle;
    g.OuterChord = 2 * g.OuterRadius * SinD(gap / 2);
    g.InnerChord = 2 * g.InnerRadius * SinD(gap / 2);
    g.PatternWidth = 2 * g.OuterRadius;
    const double sinS = std::sin(g.StartAngle / kExactDegreesPerRadian);
    g.PatternHeight = g.FlatAngle > 180 ? g.OuterRadius + std::fabs(g.OuterRadius * sinS)
                                        : g.OuterRadius - g.InnerRadius * sinS;
    return g;
}

SpiralResults ToResults(const SpiralRing& g) {
    return {ToSingle(g.OuterRadius),  ToSingle(g.InnerRadius), ToSingle(g.FlatAngle),
            ToSingle(g.OuterChord),   ToSingle(g.InnerChord),  ToSingle(g.PatternWidth),
            ToSingle(g.PatternHeight)};
}

double SpiralFlightArea(const SpiralResults& r) {
    const double R = r.SpiralOuterRadius, Ri = r.SpiralInnerRadius;
    return (kPi * R * R - kPi * Ri * Ri) * r.SpiralFlatAngle / 360;
}

} // namespace brevant
