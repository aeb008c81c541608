// Arcs of a given radius tangent to circles.
#include "geometry/arcs_tangent_to_circles.h"

#include "geometry/constants.h"
#include "geometry/distances.h"
#include "geometry/intersections.h"
#include "geometry/lines.h"

#include <cmath>

namespace brevant {

namespace {

// The distance from Arc1's centre at which the centre of a touching circle of the given
// radius lies: the sum from outside, the difference from inside (the absolute value, since
// a touching circle larger than Arc1's holds it inside).
double CentreDistance(const TDArc& Arc1, double Radius, bool outside) {
    return outside ? Arc1.r + Radius : std::abs(Arc1.r - Radius);
}

} // namespace

GeometryStatus ArcTanLineArc(const TDLine& Line1, const TDArc& Arc1, double Radius,
                             double StartAngle, double EndAngle, const TDPoint& PickPoint1,
                             const TDPoint& PickPoint2, TDArc& Arc2) {
    const bool outside = Distance2Points(Arc1.Center, PickPoint2) > Arc1.r;
    const TDArc centres{Arc1.Center, CentreDistance(Arc1, Radius, outside), 0, 0};
    TDLine rail;
    LineOffset(Line1, Radius, PickPoint1, rail);
    TDPoint centre;
    const GeometryStatus status = PointLineArc(rail, centres, PickPoint1, centre);
    if (status != kStatusOk) return status;
    Arc2.Center.x = centre.x;
    Arc2.Center.y = centre.y;
    Arc2.r = Radius;
    Arc2.sa = StartAngle;
    Arc2.ea = EndAngle;
    return kStatusOk;
}

GeometryStatus ArcTan2Arcs(const TDArc& Arc1, const TDArc& Arc2, double Radius, double StartAngle,
                           double EndAngle, const TDPoint& /*PickPoint1*/,
                           const TDPoint& /*PickPoint2*/, TDArc& Arc3) {
    TDPoint first, second;
    const GeometryStatus status =
        Points2Arcs(TDArc{Arc1.Center, Arc1.r + Radius, 0, 0},
                    TDArc{Arc2.Center, Arc2.r + Radius, 0, 0}, first, second);
    if (status != kStatusOk) return status;
    Arc3 = TDArc{first, Radius, StartAngle, EndAngle};
    return kStatusOk;
}

GeometryStatus ArcTanArcPoint(const TDArc& Arc1, const TDPoint& PickPoint, const TDPoint& POint1,
                              double Radius, double StartAngle, double EndAngle, TDArc& Arc2) {
    const double a = Distance2Points(Arc1.Center, POint1);
    const bool onCircle = std::abs(Arc1.r - a) <= kOnCircleTolerance;
    const bool outside = onCircle ? Distance2Points(Arc1.Center, PickPoint) > Arc1.r : a > Arc1.r;
    const TDArc centres{Arc1.Center, CentreDistance(Arc1, Radius, outside), 0, 0};
    TDPoint centre;
    const GeometryStatus status =
        Point2Arcs(centres, TDArc{POint1, Radius, 0, 0}, PickPoint, centre);
    if (status != kStatusOk) return status;
    Arc2 = TDArc{centre, Radius, StartAngle, EndAngle};
    return kStatusOk;
}

} // namespace brevant
