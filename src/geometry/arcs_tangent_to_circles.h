// Arcs of a given radius tangent to circles: to a line and a circle, to two circles, to a
// circle through a point. Each copies StartAngle and EndAngle into sa and ea; the input arcs
// count as their whole circles.
#pragma once

#include "geometry/status.h"
#include "geometry/types.h"

namespace brevant {

// The arc of the given Radius touching Line1 on PickPoint1's side and Arc1's circle, from
// outside when PickPoint2 lies outside Arc1's circle, else from inside. Its centre is the
// crossing, nearest PickPoint1, of Line1 offset by Radius with the circle about Arc1's centre
// of radius Arc1.r + Radius (from outside) or |Arc1.r - Radius| (from inside). The centre's
// z keeps the caller's value. kStatusRadiusDoesNotIntersect, with Arc2 unwritten, when
// those two do not meet.
[[nodiscard]] GeometryStatus ArcTanLineArc(const TDLine& Line1, const TDArc& Arc1, double Radius,
                                           double StartAngle, double EndAngle,
                                           const TDPoint& PickPoint1, const TDPoint& PickPoint2,
                                           TDArc& Arc2);

// The arc of the given Radius touching both circles from outside, about the first crossing
// of the circles of radii Arc1.r + Radius and Arc2.r + Radius about their centres (with
// Arc1's centre z). The picks play no part. The status of Points2Arcs; Arc3 is written only
// on success.
[[nodiscard]] GeometryStatus ArcTan2Arcs(const TDArc& Arc1, const TDArc& Arc2, double Radius,
                                         double StartAngle, double EndAngle,
                                         const TDPoint& PickPoint1, const TDPoint& PickPoint2,
                                         TDArc& Arc3);

// The arc of the given Radius through POint1 touching Arc1's circle: from inside when
// POint1 lies inside the circle, from outside when it lies outside; for a POint1 on the
// circle PickPoint decides the same way. Of the two such arcs the one whose centre is nearer
// PickPoint (the second on a tie); the centre has Arc1's centre z. The status of the circle
// crossing; Arc2 is written only on success.
[[nodiscard]] GeometryStatus ArcTanArcPoint(const TDArc& Arc1, const TDPoint& PickPoint,
                                            const TDPoint& POint1, double Radius, double StartAngle,
                                            double EndAngle, TDArc& Arc2);

} // namespace brevant
