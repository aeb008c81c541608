// The sizes of a segmented elbow and the reach of its mitre planes.
#include "layouts/elbow/elbow_geometry.h"

#include <cmath>
#include <numbers>

namespace brevant {

namespace {

// The drawing refuses coordinates beyond this.
constexpr double kLargestDrawable = 1e9;

double HalfMitreTan(const ElbowInputs& in) {
    const double alpha = in.Angle / (in.Gores + 1);
    return std::tan(alpha / 2 * std::numbers::pi / 180);
}

bool Finite(const ElbowInputs& in) {
    return std::isfinite(in.Diameter) && std::isfinite(in.Radius) && std::isfinite(in.Angle);
}

} // namespace

ElbowCheck CheckElbowInputs(const ElbowInputs& in) {
    if (!(in.Diameter > 0 && in.Radius > 0) || in.Angle == 0) return ElbowCheck::NotEnough;
    if (!(in.Angle > 0 && in.Angle <= 180)) return ElbowCheck::AngleOutOfRange;
    if (in.Gores < 0 || in.Gores > kElbowMaxGores) return ElbowCheck::GoresOutOfRange;
    if (in.Divisions < kElbowMinDivisions || in.Divisions > kElbowMaxDivisions)
        return ElbowCheck::DivisionsOutOfRange;
    if (!Finite(in)) return ElbowCheck::TooLarge;
    if (in.Radius < in.Diameter / 2) return ElbowCheck::RadiusTooSmall;
    // A single joint of 180 degrees would need a mitre plane along the pipe.
    if (!(in.Angle / (in.Gores + 1) < 180)) return ElbowCheck::JointTooSharp;
    const ElbowSizes s = ElbowSizesOf(in);
    if (!(s.StripWidth <= kLargestDrawable && s.StripLength <= kLargestDrawable &&
          s.GoreHeel <= kLargestDrawable))
        return ElbowCheck::TooLarge;
    return ElbowCheck::Ok;
}

ElbowSizes ElbowSizesOf(const ElbowInputs& in) {
    const double t = HalfMitreTan(in), r = in.Diameter / 2;
    ElbowSizes s;
    s.MitreAngle = in.Angle / (in.Gores + 1);
    s.GoreCentre = 2 * in.Radius * t;
    s.GoreHeel = 2 * (in.Radius + r) * t;
    s.GoreThroat = 2 * (in.Radius - r) * t;
    s.StripWidth = std::numbers::pi * in.Diameter;
    s.StripLength = (in.Gores + 1) * s.GoreCentre;
    s.SurfaceArea = s.StripWidth * s.StripLength;
    return s;
}

int ElbowStationCount(const ElbowInputs& in) {
    return 4 * in.Divisions + 1;
}

double ElbowStationAngle(const ElbowInputs& in, int station) {
    return station * 90.0 / in.Divisions;
}

double ElbowMitreReach(const ElbowInputs& in, bool seamAtHeel, double phiDegrees) {
    const double towardsHeel =
        (seamAtHeel ? 1 : -1) * in.Diameter / 2 * std::cos(phiDegrees * std::numbers::pi / 180);
    return (in.Radius + towardsHeel) * HalfMitreTan(in);
}

} // namespace brevant
