// Degrees and radians: the degrees-per-radian constants of the program and the trigonometry
// of angles given in degrees. Each routine keeps the constant it has always used, so that
// every number it gives stays as the user has always seen it.
#pragma once

#include <cmath>
#include <numbers>

namespace brevant {

// Degrees per radian as the program rounds it: the cone and its drawings, the CAD view's
// drawing routines, the IGES arcs, the expression evaluator.
inline constexpr double kDegreesPerRadian = 57.2957795131;
// The shorter rounding of the geometry calculator routines (the ones the layouts call).
inline constexpr double kCalcDegreesPerRadian = 57.29577951;
// Degrees per radian to full double precision (180 / pi): the spiral flight's ring.
inline constexpr double kExactDegreesPerRadian = 180 / std::numbers::pi;
// Radians per degree to full double precision (pi / 180), used as a factor by the square to
// round, the spiral flight's drawing and the end planes.
inline constexpr double kRadiansPerDegree = std::numbers::pi / 180;
// The sheet layout's radial edges turn by 0.01745 radians per degree, as the workshop
// drawings always have.
inline constexpr double kSheetEdgeRadiansPerDegree = 0.01745;

// How a routine shared by drawings of different histories turns degrees into radians.
enum class DegreeConversion {
    Rounded, // divided by kDegreesPerRadian (the cone and the cylinder)
    Exact,   // multiplied by kRadiansPerDegree (the spiral flight)
};
inline double ToRadians(double degrees, DegreeConversion conversion) {
    return conversion == DegreeConversion::Rounded ? degrees / kDegreesPerRadian
                                                   : degrees * kRadiansPerDegree;
}

// Sine, cosine and tangent of an angle in degrees, divided by kDegreesPerRadian.
inline double SinD(double degrees) {
    return std::sin(degrees / kDegreesPerRadian);
}
inline double CosD(double degrees) {
    return std::cos(degrees / kDegreesPerRadian);
}
inline double TanD(double degrees) {
    return std::tan(degrees / kDegreesPerRadian);
}

// The same with the exact factor kRadiansPerDegree (the spiral flight's drawing).
inline double ExactSinD(double degrees) {
    return std::sin(degrees * kRadiansPerDegree);
}
inline double ExactCosD(double degrees) {
    return std::cos(degrees * kRadiansPerDegree);
}

} // namespace brevant
