// Intersections of lines and circles.
#pragma once

#include "geometry/status.h"
#include "geometry/types.h"

namespace brevant {

// Crossing of the two infinite lines, with z = 0, computed by slopes: a line's x
// difference below 1e-6 becomes 1e-6 (a vertical line is a very steep one) and a slope
// difference below 1e-6 becomes 1e-6. kStatusParallelLines, with Point1 unwritten, for
// equal slopes and for two (near-)vertical lines. Shared by calculator and drawing.
[[nodiscard]] GeometryStatus Point2Lines(const TDLine& Line1, const TDLine& Line2, TDPoint& Point1);

// The two crossings of the line a x + b y + c = 0 with the circle (centre, r) of `circle`.
// |a| < 1e-7 counts as a horizontal line: both y are written first, then
// kStatusArcDoesNotIntersect when the line misses. Otherwise kStatusRadiusDoesNotIntersect
// when the line misses (nothing written). A tangent gives two nearly equal points.
// a = b = 0 is no line at all: kStatusUndefinedLine, nothing written.
[[nodiscard]] GeometryStatus PointsNormalLineArc(double a, double b, double c, const TDArc& circle,
                                                 double& X1, double& Y1, double& X2, double& Y2);

// Both crossings of the two whole circles, with Arc1's centre z. kStatusRadiusDoesNotIntersect
// when they are apart (beyond r1 + r2 + 1e-4) or one lies inside the other,
// kStatusConcentricCircles for equal centres; the points are then unwritten.
[[nodiscard]] GeometryStatus Points2Arcs(const TDArc& Arc1, const TDArc& Arc2, TDPoint& Point1,
                                         TDPoint& Point2);

// The crossing of the two circles nearer PickPoint (the second one on a tie); the status
// is that of Points2Arcs, and Point1 is unwritten on failure.
[[nodiscard]] GeometryStatus Point2Arcs(const TDArc& Arc1, const TDArc& Arc2,
                                        const TDPoint& PickPoint, TDPoint& Point1);

// A crossing of the infinite line with Arc1's whole circle, chosen by PickPoint among four
// candidates (the two crossings and their mirror images about the centre's perpendicular);
// put the pick near the crossing wanted. A distance within 1e-5 of the radius is a tangent.
// When the line misses the circle a point is still written and the status is
// kStatusRadiusDoesNotIntersect; otherwise 0.
GeometryStatus PointLineArc(const TDLine& Line1, const TDArc& Arc1, const TDPoint& PickPoint,
                            TDPoint& Point1);

} // namespace brevant
