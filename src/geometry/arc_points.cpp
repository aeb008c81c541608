// Points on arcs: a point at an angle, the end points and the midpoint of an arc.
#include "geometry/arc_points.h"

#include "geometry/angles.h"
#include "geometry/constants.h"

#include <cmath>

namespace brevant {

namespace {

int ArcEndPointsWith(const TDArc& Arc1, TDPoint& Point1, TDPoint& Point2, double DegreesPerRadian) {
    if (Arc1.r == 0) return 0;
    const double s = Arc1.sa / DegreesPerRadian;
    const double e = Arc1.ea / DegreesPerRadian;
    Point1.x = Arc1.Center.x + Arc1.r * std::cos(s);
    Point1.y = Arc1.Center.y + Arc1.r * std::sin(s);
    Point2.x = Arc1.Center.x + Arc1.r * std::cos(e);
    Point2.y = Arc1.Center.y + Arc1.r * std::sin(e);
    return 1;
}

TDPoint MidArcWith(const TDArc& Arc1, double DegreesPerRadian) {
    const double m = Arc1.sa + GetArcAngle(Arc1.sa, Arc1.ea) / 2;
    return detail::PointOnCircle(Arc1, m, DegreesPerRadian);
}

} // namespace

TDPoint detail::PointOnCircle(const TDArc& Arc1, double Angle, double DegreesPerRadian) {
    const double t = Angle / DegreesPerRadian;
    return {Arc1.Center.x + Arc1.r * std::cos(t), Arc1.Center.y + Arc1.r * std::sin(t),
            Arc1.Center.z};
}

GeometryStatus PointArcAngle(const TDArc& Arc1, double Angle, TDPoint& Point1) {
    if (Arc1.r == 0) {
        Point1 = TDPoint{};
        return kStatusZeroRadius;
    }
    Point1 = detail::PointOnCircle(Arc1, Angle, kCalcDegreesPerRadian);
    return kStatusOk;
}

int GetArcEndPoints(const TDArc& Arc1, TDPoint& Point1, TDPoint& Point2) {
    return ArcEndPointsWith(Arc1, Point1, Point2, kCalcDegreesPerRadian);
}

// The zero-radius rule of PointArcAngle would put the midpoint of a zero-radius arc at the
// origin; the centre is the sound answer, and the one the drawing copy gives.
TDPoint MidArc(const TDArc& Arc1) {
    return MidArcWith(Arc1, kCalcDegreesPerRadian);
}

TDPoint draw::PointArcAngle(const TDArc& Arc1, double Angle) {
    return detail::PointOnCircle(Arc1, Angle, kDrawDegreesPerRadian);
}

int draw::GetArcEndPoints(const TDArc& Arc1, TDPoint& Point1, TDPoint& Point2) {
    return ArcEndPointsWith(Arc1, Point1, Point2, kDrawDegreesPerRadian);
}

TDPoint draw::MidArc(const TDArc& Arc1) {
    return MidArcWith(Arc1, kDrawDegreesPerRadian);
}

} // namespace brevant
