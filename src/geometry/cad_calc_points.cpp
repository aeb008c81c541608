// TCadCalc: points from coordinates, intersections and arcs.
#include "geometry/arc_points.h"
#include "geometry/cad_calc.h"
#include "geometry/intersections.h"

namespace brevant {

int TCadCalc::PointXYZ(double X, double Y, double Z, TDPoint& Point1) const {
    Point1 = TDPoint{X, Y, Z};
    return 1;
}

GeometryStatus TCadCalc::Point2Lines(const TDLine& Line1, const TDLine& Line2,
                                     TDPoint& Point1) const {
    return brevant::Point2Lines(Line1, Line2, Point1);
}

GeometryStatus TCadCalc::Point2Arcs(const TDArc& Arc1, const TDArc& Arc2, const TDPoint& PickPoint,
                                    TDPoint& Point1) const {
    return brevant::Point2Arcs(Arc1, Arc2, PickPoint, Point1);
}

GeometryStatus TCadCalc::PointLineArc(const TDLine& Line1, const TDArc& Arc1,
                                      const TDPoint& PickPoint, TDPoint& Point1) const {
    return brevant::PointLineArc(Line1, Arc1, PickPoint, Point1);
}

GeometryStatus TCadCalc::Points2Arcs(const TDArc& Arc1, const TDArc& Arc2, TDPoint& Point1,
                                     TDPoint& Point2) const {
    return brevant::Points2Arcs(Arc1, Arc2, Point1, Point2);
}

GeometryStatus TCadCalc::PointArcAngle(const TDArc& Arc1, double Angle, TDPoint& Point1) const {
    return brevant::PointArcAngle(Arc1, Angle, Point1);
}

GeometryStatus TCadCalc::PointCenterArc(const TDArc& Arc1, TDPoint& Point1) const {
    Point1.x = Arc1.Center.x;
    Point1.y = Arc1.Center.y;
    return kStatusOk;
}

} // namespace brevant
