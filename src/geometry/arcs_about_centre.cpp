// Arcs about a given centre: with a radius, tangent to a line, through a point, tangent to a
// circle.
#include "geometry/arcs_about_centre.h"

#include "geometry/constants.h"
#include "geometry/distances.h"
#include "geometry/lines.h"

#include <cmath>

namespace brevant {

GeometryStatus ArcCenterRad(const TDPoint& Point1, double Radius, double StartAngle,
                            double EndAngle, TDArc& Arc1) {
    Arc1.Center.x = Point1.x;
    Arc1.Center.y = Point1.y;
    Arc1.r = Radius;
    Arc1.sa = StartAngle;
    Arc1.ea = EndAngle;
    return kStatusOk;
}

GeometryStatus ArcCenterTanLine(const TDPoint& Point1, const TDLine& Line1, double StartAngle,
                                double EndAngle, TDArc& Arc1) {
    TDLine perpendicular;
    LinePerpPoint(Point1, Line1, perpendicular);
    double r = Distance3D(perpendicular.Point1, perpendicular.Point2);
    if (r <= kZeroRadiusTolerance) r = 0;
    Arc1 = TDArc{Point1, r, StartAngle, EndAngle};
    return kStatusOk;
}

GeometryStatus ArcCenterPoint(const TDPoint& Point1, const TDPoint& Point2, double StartAngle,
                              double EndAngle, TDArc& Arc1) {
    Arc1 = TDArc{Point1, Distance2Points(Point1, Point2), StartAngle, EndAngle};
    return kStatusOk;
}

// From inside Arc1's circle e - r would be negative; the circle about Point1 that touches
// Arc1's at its nearest point then has radius r - e, hence the absolute value.
GeometryStatus ArcCenterTanArc(const TDPoint& PickPoint, const TDPoint& Point1, const TDArc& Arc1,
                               double StartAngle, double EndAngle, TDArc& Arc2) {
    const double e = Distance(Point1.x, Point1.y, Arc1.Center.x, Arc1.Center.y);
    const bool encloses = Distance(Point1.x, Point1.y, PickPoint.x, PickPoint.y) > e;
    const double r = encloses ? e + Arc1.r : std::abs(e - Arc1.r);
    Arc2 = TDArc{Point1, r, StartAngle, EndAngle};
    return kStatusOk;
}

} // namespace brevant
