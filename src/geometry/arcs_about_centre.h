// Arcs about a given centre: with a radius, tangent to a line, through a point, tangent to a
// circle. Each copies StartAngle and EndAngle unchanged into sa and ea.
#pragma once

#include "geometry/status.h"
#include "geometry/types.h"

namespace brevant {

// Centre x and y := Point1's (the centre's z keeps the caller's value); r := Radius.
GeometryStatus ArcCenterRad(const TDPoint& Point1, double Radius, double StartAngle,
                            double EndAngle, TDArc& Arc1);
// Centre Point1; r := the length from Point1 to its foot on Line1 (the foot has z = 0, so a
// z of Point1 adds to it); a radius of 0.00001 or less becomes 0.
GeometryStatus ArcCenterTanLine(const TDPoint& Point1, const TDLine& Line1, double StartAngle,
                                double EndAngle, TDArc& Arc1);
// Centre Point1; r := the plane distance to Point2.
GeometryStatus ArcCenterPoint(const TDPoint& Point1, const TDPoint& Point2, double StartAngle,
                              double EndAngle, TDArc& Arc1);
// Centre Point1, touching Arc1's whole circle. With e the distance from Point1 to Arc1's
// centre: when PickPoint lies farther than e from Point1 the new circle encloses Arc1's
// (r := e + Arc1.r), otherwise it touches at the nearer side (r := |e - Arc1.r|).
GeometryStatus ArcCenterTanArc(const TDPoint& PickPoint, const TDPoint& Point1, const TDArc& Arc1,
                               double StartAngle, double EndAngle, TDArc& Arc2);

} // namespace brevant
