// The circle through three points.
#pragma once

#include "geometry/status.h"
#include "geometry/types.h"

namespace brevant {

// The circle through the x and y of three points, centre z = 0; sa and ea are StartAngle
// and EndAngle unchanged. When two points coincide the circle has the two distinct points
// as a diameter. kStatusPointsOnSameLine, with Arc1 unwritten, when the points lie on one
// line (the directions from Point1 within 0.001 radian, or Point1 between the others).
[[nodiscard]] GeometryStatus Arc3Points(const TDPoint& Point1, const TDPoint& Point2,
                                        const TDPoint& Point3, double StartAngle, double EndAngle,
                                        TDArc& Arc1);

} // namespace brevant
