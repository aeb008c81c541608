// Nearest points: the foot of a perpendicular on a line, the nearest point of a circle.
#pragma once

#include "geometry/status.h"
#include "geometry/types.h"

namespace brevant {

// Calculator version: the foot of the perpendicular from PickPoint on the infinite line,
// with z = 0. Point1 keeps its value if the perpendicular cannot be built (it always can
// for finite input). Status 0.
GeometryStatus GetClosestPointLine(const TDLine& Line1, const TDPoint& PickPoint, TDPoint& Point1);
// Calculator version: the point of Arc1's whole circle in the direction of PickPoint seen
// from the centre; the start and end angles play no part. Status 0.
GeometryStatus GetClosestPointArc(const TDArc& Arc1, const TDPoint& PickPoint, TDPoint& Point1);

namespace draw {
// Drawing copies of the two routines above (57.2957795131 degrees per radian).
GeometryStatus GetClosestPointLine(const TDLine& Line1, const TDPoint& PickPoint, TDPoint& Point1);
GeometryStatus GetClosestPointArc(const TDArc& Arc1, const TDPoint& PickPoint, TDPoint& Point1);
} // namespace draw

} // namespace brevant
