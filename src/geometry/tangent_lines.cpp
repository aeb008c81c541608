// Lines tangent to circles: from a point, common to two circles, in a given direction.
#include "geometry/tangent_lines.h"

#include "geometry/angles.h"
#include "geometry/arc_points.h"
#include "geometry/closest_points.h"
#include "geometry/constants.h"
#include "geometry/distances.h"
#include "geometry/intersections.h"
#include "geometry/lines.h"

#include <cmath>

namespace brevant {

namespace {

// Two directions closer than this (degrees) point the same way.
constexpr double kSameDirection = 0.0001;

TDPoint OnCircle(const TDArc& Arc1, double Angle) {
    return detail::PointOnCircle(Arc1, Angle, kCalcDegreesPerRadian);
}

// Direction from the point of Arc1's circle nearest Pick to its foot on the centre line.
double SideOfCentreLine(const TDArc& Arc1, const TDLine& CentreLine, const TDPoint& Pick) {
    TDPoint touch = Arc1.Center;
    GetClosestPointArc(Arc1, Pick, touch);
    TDLine perpendicular;
    LinePerpPoint(touch, CentreLine, perpendicular);
    return GetAngleLine(perpendicular);
}

bool SameDirection(double a, double b) {
    const double d = std::abs(a - b);
    return d < kSameDirection || 360 - d < kSameDirection;
}

// The direct tangent touches the larger circle L and the smaller S at the same direction
// theta from their centres, where cos(theta - phi) = (L.r - S.r) / d and phi is the
// direction from L's centre to S's. Worked from that angle rather than from the touching
// points of the reduced circle, it stays exact for equal or nearly equal radii.
GeometryStatus DirectTangent(const TDArc& Large, const TDArc& Small, const TDPoint& Pick,
                             TDLine& Line1) {
    const double d = std::hypot(Small.Center.x - Large.Center.x, Small.Center.y - Large.Center.y);
    const double reduced = Large.r - Small.r;
    if (reduced > d) return kStatusRadiusDoesNotIntersect;
    const double phi = GetAngle(Large.Center.x, Large.Center.y, Small.Center.x, Small.Center.y);
    const double alpha = std::acos(reduced / d) * kCalcDegreesPerRadian;
    const TDArc unit{Large.Center, 1, 0, 0};
    const TDPoint first = OnCircle(unit, phi + alpha);
    const TDPoint second = OnCircle(unit, phi - alpha);
    const double theta = &NearerToPick(first, second, Pick) == &first ? phi + alpha : phi - alpha;
    Line1 = TDLine{OnCircle(Large, theta), OnCircle(Small, theta)};
    return kStatusOk;
}

// The cross tangent: seen from Arc1's centre, its touching direction points at a crossing
// of the circle of radius r1 + r2 with the circle over the two centres as diameter.
GeometryStatus CrossTangent(const TDArc& Arc1, const TDArc& Arc2, const TDPoint& Pick,
                            TDLine& Line1) {
    const TDPoint& a = Arc1.Center;
    const TDPoint& b = Arc2.Center;
    const TDArc thales{MidPoint(a.x, a.y, a.z, b.x, b.y, b.z), Distance(a.x, a.y, b.x, b.y) / 2, 0,
                       0};
    const TDArc reach{a, Arc1.r + Arc2.r, 0, 0};
    TDPoint k;
    if (Point2Arcs(reach, thales, Pick, k) != kStatusOk) return kStatusRadiusDoesNotIntersect;
    const double theta = GetAngle(a.x, a.y, k.x, k.y);
    Line1 = TDLine{OnCircle(Arc1, theta), OnCircle(Arc2, theta + 180)};
    return kStatusOk;
}

} // namespace

GeometryStatus LineTangentPoint(const TDPoint& PickPoint, const TDPoint& Point1, const TDArc& Arc1,
                                TDLine& Line1) {
    const double d = Distance(Point1.x, Point1.y, Arc1.Center.x, Arc1.Center.y);
    const double s = d * d - Arc1.r * Arc1.r;
    if (s < 0) return kStatusPointsOnSameLine;
    // The touching points lie at the tangent's length from Point1.
    const TDArc reach{Point1, std::sqrt(s), 0, 0};
    TDPoint touch;
    const GeometryStatus status = Point2Arcs(Arc1, reach, PickPoint, touch);
    if (status != kStatusOk) return status;
    Line1 = TDLine{Point1, touch};
    return kStatusOk;
}

GeometryStatus LineTan2Arcs(const TDArc& Arc1, const TDArc& Arc2, const TDPoint& PickPoint1,
                            const TDPoint& PickPoint2, TDLine& Line1) {
    if (Arc1.Center.x == Arc2.Center.x && Arc1.Center.y == Arc2.Center.y)
        return kStatusConcentricCircles;
    const TDLine centres{Arc1.Center, Arc2.Center};
    if (!SameDirection(SideOfCentreLine(Arc1, centres, PickPoint1),
                       SideOfCentreLine(Arc2, centres, PickPoint2)))
        return CrossTangent(Arc1, Arc2, PickPoint1, Line1);
    if (Arc1.r > Arc2.r) return DirectTangent(Arc1, Arc2, PickPoint1, Line1);
    return DirectTangent(Arc2, Arc1, PickPoint2, Line1);
}

GeometryStatus LineTanAngle(const TDArc& Arc1, double Angle, double Length, TDLine& Line1) {
    return LinePointAngle(OnCircle(Arc1, Angle + 90), Angle, Length, Line1);
}

} // namespace brevant
