// Status codes of the geometry constructions and their texts.
#pragma once

#include <string_view>

namespace brevant {

// 0 is success; every other value is a failure and the construction's outputs mean nothing.
using GeometryStatus = int;

inline constexpr GeometryStatus kStatusOk = 0;
inline constexpr GeometryStatus kStatusParallelLines = 902;
inline constexpr GeometryStatus kStatusUndefinedLine = 903;
inline constexpr GeometryStatus kStatusArcDoesNotIntersect = 904;
inline constexpr GeometryStatus kStatusRadiusDoesNotIntersect = 905;
inline constexpr GeometryStatus kStatusConcentricCircles = 906;
inline constexpr GeometryStatus kStatusCantAllocateMemory = 907; // has a text, raised by nothing
inline constexpr GeometryStatus kStatusPointsOnSameLine = 908;
// PointArcAngle on a zero radius; it has no text of its own.
inline constexpr GeometryStatus kStatusZeroRadius = -1;
// ArcThrough2Points and ArcTan3Lines when no arc exists; no text of its own either.
inline constexpr GeometryStatus kStatusNoArc = -1;

// The text of a status code, "Undefined" for any number outside 902 to 908.
std::string_view CalcErr(int index);

} // namespace brevant
