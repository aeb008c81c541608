// Arcs tangent to lines: to a line through a point, to two lines, to three lines, to a line
// through two points. Each copies StartAngle and EndAngle into sa and ea and puts the centre
// at z = 0.
#pragma once

#include "geometry/status.h"
#include "geometry/types.h"

namespace brevant {

// The arc of the given Radius touching Line1 and passing through POint1, its centre on
// POint1's side of the line, on the side of POint1's normal where PickPoint lies (the second
// candidate when PickPoint is on that normal). For a POint1 on the line the arc touches the
// line at POint1, on PickPoint's side. kStatusArcDoesNotIntersect, with Arc1 unwritten, when
// POint1 lies farther than 2 x Radius from the line.
[[nodiscard]] GeometryStatus ArcTanLinePoint(const TDLine& Line1, const TDPoint& PickPoint,
                                             const TDPoint& POint1, double Radius,
                                             double StartAngle, double EndAngle, TDArc& Arc1);

// The arc of the given Radius touching both lines, its centre where Line1 offset by Radius
// toward PickPoint1 crosses Line2 offset toward PickPoint2. r, sa and ea are written first;
// the centre keeps its value on failure. The status of Point2Lines.
[[nodiscard]] GeometryStatus ArcTan2Lines(const TDLine& Line1, const TDLine& Line2, double Radius,
                                          double StartAngle, double EndAngle,
                                          const TDPoint& PickPoint1, const TDPoint& PickPoint2,
                                          TDArc& Arc1);

// The circle touching three lines. Two lines are parallel when their directions differ by
// 0.00001 degrees or less, whichever way they are drawn. With one parallel pair the circle
// fills the strip between them on PickPoint's side; with none it is the circle inscribed in
// the triangle of the three lines (PickPoint plays no part). kStatusNoArc with more than one
// parallel pair; the status of Point2Lines when the lines meet in one point. Arc1 is written
// only on success.
[[nodiscard]] GeometryStatus ArcTan3Lines(const TDLine& Line1, const TDLine& Line2,
                                          const TDLine& Line3, const TDPoint& PickPoint,
                                          double StartAngle, double EndAngle, TDArc& Arc1);

// The smaller of the circles through Point1 and Point2 that touch the infinite Line1 (for a
// point on the line: the one circle touching the line there). kStatusUndefinedLine for a
// zero-length line or coincident points; kStatusRadiusDoesNotIntersect when no such circle
// exists (the points on opposite sides of the line, or both on it). Arc1 is written only on
// success.
[[nodiscard]] GeometryStatus ArcTanLine2Points(const TDLine& Line1, const TDPoint& Point1,
                                               const TDPoint& Point2, double StartAngle,
                                               double EndAngle, TDArc& Arc1);

} // namespace brevant
