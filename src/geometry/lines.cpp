// Lines built from points, from a point and a direction, and parallel offsets.
#include "geometry/lines.h"

#include "geometry/angles.h"
#include "geometry/arc_points.h"
#include "geometry/closest_points.h"
#include "geometry/constants.h"
#include "geometry/distances.h"

namespace brevant {

GeometryStatus Line2Points(const TDPoint& Point1, const TDPoint& Point2, TDLine& Line1) {
    Line1 = TDLine{Point1, Point2};
    if (Point1.x == Point2.x && Point1.y == Point2.y) return kStatusUndefinedLine;
    return kStatusOk;
}

// The end point is taken on the circle of radius Length without the zero-radius rule of
// PointArcAngle, which would send a zero-length line to the origin.
GeometryStatus LinePointAngle(const TDPoint& Point1, double Angle, double Length, TDLine& Line1) {
    const TDPoint start{Point1.x, Point1.y, 0};
    TDPoint end = detail::PointOnCircle(TDArc{start, Length, 0, 0}, Angle, kCalcDegreesPerRadian);
    end.z = 0;
    Line1 = TDLine{start, end};
    return kStatusOk;
}

// A Distance of 0 gives Line1 itself rather than a line collapsed onto the origin.
GeometryStatus LineOffset(const TDLine& Line1, double Distance, const TDPoint& PickPoint,
                          TDLine& Line2) {
    TDPoint foot = PickPoint;
    GetClosestPointLine(Line1, PickPoint, foot);
    const double theta = GetAngle(foot.x, foot.y, PickPoint.x, PickPoint.y);
    Line2.Point1 =
        detail::PointOnCircle(TDArc{Line1.Point1, Distance, 0, 0}, theta, kCalcDegreesPerRadian);
    Line2.Point2 =
        detail::PointOnCircle(TDArc{Line1.Point2, Distance, 0, 0}, theta, kCalcDegreesPerRadian);
    return kStatusOk;
}

GeometryStatus LinePerpPoint(const TDPoint& Point1, const TDLine& Line1, TDLine& Line2) {
    TDPoint foot = Point1;
    GetClosestPointLine(Line1, Point1, foot);
    Line2 = TDLine{Point1, foot};
    return kStatusOk;
}

GeometryStatus LineParPoint(const TDPoint& Point1, const TDLine& Line1, TDLine& Line2) {
    TDPoint foot = Point1;
    GetClosestPointLine(Line1, Point1, foot);
    return LineOffset(Line1, Distance2Points(Point1, foot), Point1, Line2);
}

} // namespace brevant
