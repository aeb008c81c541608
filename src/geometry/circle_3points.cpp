// The circle through three points.
#include "geometry/circle_3points.h"

#include "geometry/angles.h"
#include "geometry/constants.h"
#include "geometry/distances.h"

#include <cmath>

namespace brevant {

namespace {

bool SamePlanePoint(const TDPoint& a, const TDPoint& b) {
    return a.x == b.x && a.y == b.y;
}

double DirectionRadians(const TDPoint& From, const TDPoint& To) {
    return detail::RawDirectionAngle(From.x, From.y, To.x, To.y, kCalcDegreesPerRadian) /
           kCalcDegreesPerRadian;
}

} // namespace

GeometryStatus Arc3Points(const TDPoint& Point1, const TDPoint& Point2, const TDPoint& Point3,
                          double StartAngle, double EndAngle, TDArc& Arc1) {
    if (SamePlanePoint(Point1, Point2) || SamePlanePoint(Point1, Point3) ||
        SamePlanePoint(Point2, Point3)) {
        const TDPoint& other = SamePlanePoint(Point1, Point2) ? Point3 : Point2;
        TDPoint centre = MidPoint2Points(Point1, other);
        centre.z = 0;
        Arc1 = TDArc{centre, Distance2Points(Point1, other) / 2, StartAngle, EndAngle};
        return kStatusOk;
    }
    if (std::abs(DirectionRadians(Point1, Point3) - DirectionRadians(Point1, Point2)) <
        kCollinearRadians)
        return kStatusPointsOnSameLine;
    const double x1 = Point1.x, y1 = Point1.y, x2 = Point2.x, y2 = Point2.y;
    const double x3 = Point3.x, y3 = Point3.y;
    const double v = 2 * (x1 - x2), w = 2 * (y1 - y2);
    const double B = 2 * (x2 - x3), C = 2 * (y2 - y3);
    const double A1 = x1 * x1 + y1 * y1 - x2 * x2 - y2 * y2;
    const double R1 = x2 * x2 + y2 * y2 - x3 * x3 - y3 * y3;
    const double D = v * C - B * w;
    // D = 0: collinear with Point1 between the others, where the direction test cannot see it.
    if (D == 0) return kStatusPointsOnSameLine;
    const TDPoint centre{(C * A1 - w * R1) / D, (v * R1 - B * A1) / D, 0};
    Arc1 = TDArc{centre, Distance2Points(centre, Point2), StartAngle, EndAngle};
    return kStatusOk;
}

} // namespace brevant
