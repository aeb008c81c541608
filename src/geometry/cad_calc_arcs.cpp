// TCadCalc: arcs about a centre, through points and tangent to lines and circles.
#include "geometry/arcs_about_centre.h"
#include "geometry/arcs_tangent_to_circles.h"
#include "geometry/arcs_tangent_to_lines.h"
#include "geometry/arcs_through_points.h"
#include "geometry/cad_calc.h"
#include "geometry/circle_3points.h"

namespace brevant {

GeometryStatus TCadCalc::ArcCenterRad(const TDPoint& Point1, double Radius, double StartAngle,
                                      double EndAngle, TDArc& Arc1) const {
    return brevant::ArcCenterRad(Point1, Radius, StartAngle, EndAngle, Arc1);
}

GeometryStatus TCadCalc::ArcCenterTanLine(const TDPoint& Point1, const TDLine& Line1,
                                          double StartAngle, double EndAngle, TDArc& Arc1) const {
    return brevant::ArcCenterTanLine(Point1, Line1, StartAngle, EndAngle, Arc1);
}

GeometryStatus TCadCalc::ArcCenterPoint(const TDPoint& Point1, const TDPoint& Point2,
                                        double StartAngle, double EndAngle, TDArc& Arc1) const {
    return brevant::ArcCenterPoint(Point1, Point2, StartAngle, EndAngle, Arc1);
}

GeometryStatus TCadCalc::ArcCenterTanArc(const TDPoint& PickPoint, const TDPoint& Point1,
                                         const TDArc& Arc1, double StartAngle, double EndAngle,
                                         TDArc& Arc2) const {
    return brevant::ArcCenterTanArc(PickPoint, Point1, Arc1, StartAngle, EndAngle, Arc2);
}

GeometryStatus TCadCalc::Arc3Points(const TDPoint& Point1, const TDPoint& Point2,
                                    const TDPoint& Point3, double StartAngle, double EndAngle,
                                    TDArc& Arc1) const {
    return brevant::Arc3Points(Point1, Point2, Point3, StartAngle, EndAngle, Arc1);
}

GeometryStatus TCadCalc::ArcTanLinePoint(const TDLine& Line1, const TDPoint& PickPoint,
                                         const TDPoint& POint1, double Radius, double StartAngle,
                                         double EndAngle, TDArc& Arc1) const {
    return brevant::ArcTanLinePoint(Line1, PickPoint, POint1, Radius, StartAngle, EndAngle, Arc1);
}

GeometryStatus TCadCalc::ArcTan2Lines(const TDLine& Line1, const TDLine& Line2, double Radius,
                                      double StartAngle, double EndAngle, const TDPoint& PickPoint1,
                                      const TDPoint& PickPoint2, TDArc& Arc1) const {
    return brevant::ArcTan2Lines(Line1, Line2, Radius, StartAngle, EndAngle, PickPoint1, PickPoint2,
                                 Arc1);
}

GeometryStatus TCadCalc::ArcTanLineArc(const TDLine& Line1, const TDArc& Arc1, double Radius,
                                       double StartAngle, double EndAngle,
                                       const TDPoint& PickPoint1, const TDPoint& PickPoint2,
                                       TDArc& Arc2) const {
    return brevant::ArcTanLineArc(Line1, Arc1, Radius, StartAngle, EndAngle, PickPoint1, PickPoint2,
                                  Arc2);
}

GeometryStatus TCadCalc::ArcTan2Arcs(const TDArc& Arc1, const TDArc& Arc2, double Radius,
                                     double StartAngle, double EndAngle, const TDPoint& PickPoint1,
                                     const TDPoint& PickPoint2, TDArc& Arc3) const {
    return brevant::ArcTan2Arcs(Arc1, Arc2, Radius, StartAngle, EndAngle, PickPoint1, PickPoint2,
                                Arc3);
}

GeometryStatus TCadCalc::ArcTanLine2Points(const TDLine& Line1, const TDPoint& Point1,
                                           const TDPoint& Point2, double StartAngle,
                                           double EndAngle, TDArc& Arc1) const {
    return brevant::ArcTanLine2Points(Line1, Point1, Point2, StartAngle, EndAngle, Arc1);
}

GeometryStatus TCadCalc::ArcTanArcPoint(const TDArc& Arc1, const TDPoint& PickPoint,
                                        const TDPoint& POint1, double Radius, double StartAngle,
                                        double EndAngle, TDArc& Arc2) const {
    return brevant::ArcTanArcPoint(Arc1, PickPoint, POint1, Radius, StartAngle, EndAngle, Arc2);
}

GeometryStatus TCadCalc::ArcThrough2Points(const TDPoint& Point1, const TDPoint& Point2,
                                           double Radius, double StartAngle, double EndAngle,
                                           TDArc& Arc1, TDArc& Arc2) const {
    return brevant::ArcThrough2Points(Point1, Point2, Radius, StartAngle, EndAngle, Arc1, Arc2);
}

GeometryStatus TCadCalc::ArcBetween2Points(const TDPoint& Point1, const TDPoint& Point2,
                                           double StartAngle, double EndAngle, TDArc& Arc1) const {
    return brevant::ArcBetween2Points(Point1, Point2, StartAngle, EndAngle, Arc1);
}

GeometryStatus TCadCalc::ArcTan3Lines(const TDLine& Line1, const TDLine& Line2, const TDLine& Line3,
                                      const TDPoint& PickPoint, double StartAngle, double EndAngle,
                                      TDArc& Arc1) const {
    return brevant::ArcTan3Lines(Line1, Line2, Line3, PickPoint, StartAngle, EndAngle, Arc1);
}

} // namespace brevant
