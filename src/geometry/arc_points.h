// Points on arcs: a point at an angle, the end points and the midpoint of an arc.
#pragma once

#include "geometry/status.h"
#include "geometry/types.h"

namespace brevant {

// Calculator version: the point of Arc1's circle at Angle (degrees, 57.29577951 per
// radian), with the centre's z. A zero radius gives (0, 0, 0) and kStatusZeroRadius.
GeometryStatus PointArcAngle(const TDArc& Arc1, double Angle, TDPoint& Point1);

// Writes the x and y of the arc's start point (at sa) and end point (at ea); z is left as
// it was. Returns 1, or 0 without writing anything when the radius is 0.
int GetArcEndPoints(const TDArc& Arc1, TDPoint& Point1, TDPoint& Point2);

// The point halfway along the arc's counter-clockwise sweep, with the centre's z.
// A zero-radius arc gives its centre.
TDPoint MidArc(const TDArc& Arc1);

namespace draw {
// Drawing copies: 57.2957795131 degrees per radian and no zero-radius test (a zero radius
// gives the centre).
TDPoint PointArcAngle(const TDArc& Arc1, double Angle);
int GetArcEndPoints(const TDArc& Arc1, TDPoint& Point1, TDPoint& Point2);
TDPoint MidArc(const TDArc& Arc1);
} // namespace draw

namespace detail {
// Center + r (cos, sin) of Angle, with the centre's z; no zero-radius test.
TDPoint PointOnCircle(const TDArc& Arc1, double Angle, double DegreesPerRadian);
} // namespace detail

} // namespace brevant
