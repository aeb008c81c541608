// Lines tangent to circles: from a point, common to two circles, in a given direction.
#pragma once

#include "geometry/status.h"
#include "geometry/types.h"

namespace brevant {

// The tangent from Point1 to Arc1's whole circle: Line1 := (Point1, the touching point
// nearer PickPoint, the second one on a tie), the touching point with the centre's z.
// kStatusPointsOnSameLine when Point1 lies inside the circle; the status of Points2Arcs when
// no touching point can be found (Point1 at the centre of a zero circle). Line1 is written
// only on success. A Point1 on the circle gives a line of (almost) zero length.
[[nodiscard]] GeometryStatus LineTangentPoint(const TDPoint& PickPoint, const TDPoint& Point1,
                                              const TDArc& Arc1, TDLine& Line1);

// A common tangent of the two whole circles. Picks on the same side of the centre line ask
// for the direct tangent (on that side), picks on opposite sides for the cross tangent (its
// end on Arc1 on PickPoint1's side). The direct tangent runs from the larger circle (Arc2 for
// equal radii) to the smaller, the cross tangent from Arc1 to Arc2. Statuses, with Line1
// unwritten: kStatusConcentricCircles for equal centres, kStatusRadiusDoesNotIntersect when
// no tangent of the kind asked for exists (one circle inside the other for the direct
// tangent, overlapping circles for the cross tangent).
[[nodiscard]] GeometryStatus LineTan2Arcs(const TDArc& Arc1, const TDArc& Arc2,
                                          const TDPoint& PickPoint1, const TDPoint& PickPoint2,
                                          TDLine& Line1);

// A line of the given Length in direction Angle from the point where Arc1's circle has a
// tangent of that direction (the circle's point at Angle + 90); both ends at z = 0. A zero
// radius starts the line at the centre. Status 0.
GeometryStatus LineTanAngle(const TDArc& Arc1, double Angle, double Length, TDLine& Line1);

} // namespace brevant
