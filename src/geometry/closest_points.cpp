// Nearest points: the foot of a perpendicular on a line, the nearest point of a circle.
#include "geometry/closest_points.h"

#include "geometry/angles.h"
#include "geometry/arc_points.h"
#include "geometry/constants.h"
#include "geometry/intersections.h"
#include "geometry/lines.h"

namespace brevant {

namespace {

double DirectionWith(const TDPoint& From, const TDPoint& To, double DegreesPerRadian) {
    return FixAngle(detail::RawDirectionAngle(From.x, From.y, To.x, To.y, DegreesPerRadian));
}

// The perpendicular through PickPoint runs to the point one unit away at the line's
// direction plus 90 degrees; its crossing with the line is the foot.
GeometryStatus ClosestPointLineWith(const TDLine& Line1, const TDPoint& PickPoint, TDPoint& Point1,
                                    double DegreesPerRadian) {
    const double theta = DirectionWith(Line1.Point1, Line1.Point2, DegreesPerRadian);
    const TDPoint q =
        detail::PointOnCircle(TDArc{PickPoint, 1, 0, 0}, theta + 90, DegreesPerRadian);
    TDLine perpendicular;
    if (Line2Points(PickPoint, q, perpendicular) != kStatusOk) return kStatusOk;
    TDPoint foot;
    if (Point2Lines(Line1, perpendicular, foot) != kStatusOk) return kStatusOk;
    Point1 = foot;
    return kStatusOk;
}

// A zero radius gives the centre (the calculator's PointArcAngle would give the origin).
GeometryStatus ClosestPointArcWith(const TDArc& Arc1, const TDPoint& PickPoint, TDPoint& Point1,
                                   double DegreesPerRadian) {
    const double theta = DirectionWith(Arc1.Center, PickPoint, DegreesPerRadian);
    Point1 = detail::PointOnCircle(Arc1, theta, DegreesPerRadian);
    return kStatusOk;
}

} // namespace

GeometryStatus GetClosestPointLine(const TDLine& Line1, const TDPoint& PickPoint, TDPoint& Point1) {
    return ClosestPointLineWith(Line1, PickPoint, Point1, kCalcDegreesPerRadian);
}

GeometryStatus GetClosestPointArc(const TDArc& Arc1, const TDPoint& PickPoint, TDPoint& Point1) {
    return ClosestPointArcWith(Arc1, PickPoint, Point1, kCalcDegreesPerRadian);
}

GeometryStatus draw::GetClosestPointLine(const TDLine& Line1, const TDPoint& PickPoint,
                                         TDPoint& Point1) {
    return ClosestPointLineWith(Line1, PickPoint, Point1, kDrawDegreesPerRadian);
}

GeometryStatus draw::GetClosestPointArc(const TDArc& Arc1, const TDPoint& PickPoint,
                                        TDPoint& Point1) {
    return ClosestPointArcWith(Arc1, PickPoint, Point1, kDrawDegreesPerRadian);
}

} // namespace brevant
