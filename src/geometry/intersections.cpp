// Intersections of lines and circles.
#include "geometry/intersections.h"

#include "geometry/angles.h"
#include "geometry/arc_points.h"
#include "geometry/closest_points.h"
#include "geometry/constants.h"
#include "geometry/distances.h"

#include <cmath>

namespace brevant {

namespace {

// y = m x + b of a line; an x difference below kSlopeFloor becomes kSlopeFloor.
struct SlopeForm {
    double m = 0;
    double b = 0;
    bool vertical = false; // the x difference was floored and the line has a height
};

SlopeForm ToSlopeForm(const TDLine& Line1) {
    double d = Line1.Point1.x - Line1.Point2.x;
    const double dy = Line1.Point1.y - Line1.Point2.y;
    SlopeForm f;
    if (std::abs(d) < kSlopeFloor) {
        d = kSlopeFloor;
        f.vertical = dy != 0;
    }
    f.m = dy / d;
    f.b = Line1.Point1.y - f.m * Line1.Point1.x;
    return f;
}

} // namespace

// Two vertical lines are parallel: treated as very steep lines they would cross far away
// unless their heights happened to be equal.
GeometryStatus Point2Lines(const TDLine& Line1, const TDLine& Line2, TDPoint& Point1) {
    const SlopeForm f1 = ToSlopeForm(Line1);
    const SlopeForm f2 = ToSlopeForm(Line2);
    double dm = f1.m - f2.m;
    if (dm == 0 || (f1.vertical && f2.vertical)) return kStatusParallelLines;
    if (std::abs(dm) < kSlopeFloor) dm = kSlopeFloor;
    const double x = (f2.b - f1.b) / dm;
    Point1 = TDPoint{x, f1.m * x + f1.b, 0};
    return kStatusOk;
}

GeometryStatus PointsNormalLineArc(double a, double b, double c, const TDArc& circle, double& X1,
                                   double& Y1, double& X2, double& Y2) {
    const double cx = circle.Center.x, cy = circle.Center.y, r = circle.r;
    if (std::abs(a) < kNormalLineZeroA) a = 0;
    if (a == 0) {
        if (b == 0) return kStatusUndefinedLine; // -c / b would be NaN or infinite
        const double y = -c / b;
        Y1 = y;
        Y2 = y;
        const double t = r * r - (cy - y) * (cy - y);
        if (t < kMissDiscriminant) return kStatusArcDoesNotIntersect;
        const double s = std::sqrt(std::abs(t));
        X1 = cx + s;
        X2 = cx - s;
        return kStatusOk;
    }
    const double A = a * a + b * b;
    const double B = b * c - a * a * cy + a * b * cx;
    const double C = (cx * cx + cy * cy - r * r) * a * a + c * c + 2 * a * c * cx;
    double D = B * B - A * C;
    if (D < kMissDiscriminant) return kStatusRadiusDoesNotIntersect;
    D = std::abs(D);
    if (D == 0) D = kZeroDiscriminant;
    const double s = std::sqrt(D);
    Y1 = (s - B) / A;
    Y2 = -(s + B) / A;
    X1 = -(b * Y1 + c) / a;
    X2 = -(b * Y2 + c) / a;
    return kStatusOk;
}

// The crossings lie on the radical line of the two circles, crossed with the first circle.
GeometryStatus Points2Arcs(const TDArc& Arc1, const TDArc& Arc2, TDPoint& Point1, TDPoint& Point2) {
    const double ax = Arc1.Center.x, ay = Arc1.Center.y;
    const double bx = Arc2.Center.x, by = Arc2.Center.y;
    if (Distance(ax, ay, bx, by) > Arc1.r + Arc2.r + kCirclesApartTolerance)
        return kStatusRadiusDoesNotIntersect;
    const double k = ax * ax - bx * bx + ay * ay - by * by + Arc2.r * Arc2.r - Arc1.r * Arc1.r;
    const double u = 2 * (bx - ax);
    const double v = 2 * (by - ay);
    const double n = std::sqrt(u * u + v * v);
    if (n == 0) return kStatusConcentricCircles;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    const GeometryStatus status = PointsNormalLineArc(u / n, v / n, k / n, Arc1, x1, y1, x2, y2);
    if (status != kStatusOk) return status;
    Point1 = TDPoint{x1, y1, Arc1.Center.z};
    Point2 = TDPoint{x2, y2, Arc1.Center.z};
    return kStatusOk;
}

GeometryStatus Point2Arcs(const TDArc& Arc1, const TDArc& Arc2, const TDPoint& PickPoint,
                          TDPoint& Point1) {
    TDPoint first, second;
    const GeometryStatus status = Points2Arcs(Arc1, Arc2, first, second);
    if (status != kStatusOk) return status;
    Point1 = NearerToPick(first, second, PickPoint);
    return kStatusOk;
}

// From the centre, the crossings lie at the line's direction f plus or minus g, where g is
// the angle whose tangent is (centre-to-line distance) / (half chord); the four candidates
// cover both sides of the line, and the pick decides.
GeometryStatus PointLineArc(const TDLine& Line1, const TDArc& Arc1, const TDPoint& PickPoint,
                            TDPoint& Point1) {
    TDPoint foot = Arc1.Center;
    GetClosestPointLine(Line1, Arc1.Center, foot);
    const double b = Distance2Points(Arc1.Center, foot);
    const double r = Arc1.r;
    const bool tangent = std::abs(std::abs(r) - std::abs(b)) < kTangentTolerance;
    const double e = tangent ? 0 : std::sqrt(std::abs(r * r - b * b));
    double f = GetAngleLine(Line1);
    if (f > 180) f -= 180;
    const double g = e == 0 ? 90 : std::atan(b / e) * kCalcDegreesPerRadian;
    const auto at = [&](double angle) {
        return detail::PointOnCircle(Arc1, angle, kCalcDegreesPerRadian);
    };
    const TDPoint near12 = NearerToPick(at(f - g), at(f + g), PickPoint);
    const TDPoint near34 = NearerToPick(at(f + 180 + g), at(f + 180 - g), PickPoint);
    Point1 = NearerToPick(near12, near34, PickPoint);
    const bool misses = !tangent && std::abs(b) > std::abs(r);
    return misses ? kStatusRadiusDoesNotIntersect : kStatusOk;
}

} // namespace brevant
