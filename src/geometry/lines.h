// Lines built from points, from a point and a direction, and parallel offsets.
#pragma once

#include "geometry/status.h"
#include "geometry/types.h"

namespace brevant {

// Line1 := (Point1, Point2) always; kStatusUndefinedLine when both points have equal x and
// equal y (z is not compared). Shared by the calculator and the drawing routines.
[[nodiscard]] GeometryStatus Line2Points(const TDPoint& Point1, const TDPoint& Point2,
                                         TDLine& Line1);

// A line from (Point1.x, Point1.y, 0) of the given Length in direction Angle, both ends at
// z = 0. A Length of 0 gives a zero-length line at the start point. Status 0.
GeometryStatus LinePointAngle(const TDPoint& Point1, double Angle, double Length, TDLine& Line1);

// The parallel to Line1 at Distance on the side of PickPoint: each end point of Line1 moved
// by Distance in the direction from the foot of PickPoint to PickPoint. Status 0.
GeometryStatus LineOffset(const TDLine& Line1, double Distance, const TDPoint& PickPoint,
                          TDLine& Line2);

// Line2 := (Point1, the foot of Point1 on the infinite Line1), the foot with z = 0.
// A Point1 on the line gives a zero-length line. Status 0.
GeometryStatus LinePerpPoint(const TDPoint& Point1, const TDLine& Line1, TDLine& Line2);

// The parallel to Line1 through Point1: Line1's end points shifted across by the distance
// of Point1 from the line. Status 0.
GeometryStatus LineParPoint(const TDPoint& Point1, const TDLine& Line1, TDLine& Line2);

} // namespace brevant
