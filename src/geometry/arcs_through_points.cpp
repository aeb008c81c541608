// Arcs through two given points.
#include "geometry/arcs_through_points.h"

#include "geometry/constants.h"
#include "geometry/distances.h"
#include "geometry/intersections.h"

namespace brevant {

// The centres lie where the circles of the wanted radius about both points cross.
GeometryStatus ArcThrough2Points(const TDPoint& Point1, const TDPoint& Point2, double Radius,
                                 double StartAngle, double EndAngle, TDArc& Arc1, TDArc& Arc2) {
    if (Distance2Points(Point1, Point2) > 2 * Radius + kFitArcTolerance) return kStatusNoArc;
    TDPoint first, second;
    if (Points2Arcs(TDArc{Point1, Radius, 0, 0}, TDArc{Point2, Radius, 0, 0}, first, second) !=
        kStatusOk)
        return kStatusNoArc;
    Arc1 = TDArc{first, Radius, StartAngle, EndAngle};
    Arc2 = TDArc{second, Radius, StartAngle, EndAngle};
    return kStatusOk;
}

GeometryStatus ArcBetween2Points(const TDPoint& Point1, const TDPoint& Point2, double StartAngle,
                                 double EndAngle, TDArc& Arc1) {
    Arc1 = TDArc{MidPoint2Points(Point1, Point2), Distance2Points(Point1, Point2) / 2, StartAngle,
                 EndAngle};
    return kStatusOk;
}

} // namespace brevant
