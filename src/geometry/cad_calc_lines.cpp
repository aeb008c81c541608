// TCadCalc: lines through points, perpendiculars, parallels, offsets and tangents.
#include "geometry/cad_calc.h"
#include "geometry/lines.h"
#include "geometry/tangent_lines.h"

namespace brevant {

GeometryStatus TCadCalc::Line2Points(const TDPoint& Point1, const TDPoint& Point2,
                                     TDLine& Line1) const {
    return brevant::Line2Points(Point1, Point2, Line1);
}

GeometryStatus TCadCalc::LinePointAngle(const TDPoint& Point1, double Angle, double Length,
                                        TDLine& Line1) const {
    return brevant::LinePointAngle(Point1, Angle, Length, Line1);
}

GeometryStatus TCadCalc::LineTangentPoint(const TDPoint& PickPoint, const TDPoint& Point1,
                                          const TDArc& Arc1, TDLine& Line1) const {
    return brevant::LineTangentPoint(PickPoint, Point1, Arc1, Line1);
}

GeometryStatus TCadCalc::LinePerpPoint(const TDPoint& Point1, const TDLine& Line1,
                                       TDLine& Line2) const {
    return brevant::LinePerpPoint(Point1, Line1, Line2);
}

GeometryStatus TCadCalc::LineParPoint(const TDPoint& Point1, const TDLine& Line1,
                                      TDLine& Line2) const {
    return brevant::LineParPoint(Point1, Line1, Line2);
}

GeometryStatus TCadCalc::LineTan2Arcs(const TDArc& Arc1, const TDArc& Arc2,
                                      const TDPoint& PickPoint1, const TDPoint& PickPoint2,
                                      TDLine& Line1) const {
    return brevant::LineTan2Arcs(Arc1, Arc2, PickPoint1, PickPoint2, Line1);
}

GeometryStatus TCadCalc::LineTanAngle(const TDArc& Arc1, double Angle, double Length,
                                      TDLine& Line1) const {
    return brevant::LineTanAngle(Arc1, Angle, Length, Line1);
}

GeometryStatus TCadCalc::LineOffset(const TDLine& Line1, double Distance, const TDPoint& PickPoint,
                                    TDLine& Line2) const {
    return brevant::LineOffset(Line1, Distance, PickPoint, Line2);
}

} // namespace brevant
