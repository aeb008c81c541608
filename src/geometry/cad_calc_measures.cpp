// TCadCalc: lengths, distances, angles, nearest points, element adapters and containment.
#include "geometry/angles.h"
#include "geometry/arc_points.h"
#include "geometry/cad_calc.h"
#include "geometry/closest_points.h"
#include "geometry/distances.h"

namespace brevant {

double TCadCalc::GetLineLength(const TDLine& Line1) const {
    return brevant::Distance3D(Line1.Point1, Line1.Point2);
}

int TCadCalc::GetClosestPoint(ElementRef E, const TDPoint& PickPoint, TDPoint& Point1) const {
    return draw::GetClosestPoint(E.Etype, E.Coord, PickPoint, Point1);
}

int TCadCalc::GetClosestEndPoint(ElementRef E, const TDPoint& PickPoint, TDPoint& Point1) const {
    return brevant::GetClosestEndPoint(E.Etype, E.Coord, PickPoint, Point1);
}

GeometryStatus TCadCalc::GetClosestPointLine(const TDLine& Line1, const TDPoint& PickPoint,
                                             TDPoint& Point1) const {
    return brevant::GetClosestPointLine(Line1, PickPoint, Point1);
}

GeometryStatus TCadCalc::GetClosestPointArc(const TDArc& Arc1, const TDPoint& PickPoint,
                                            TDPoint& Point1) const {
    return brevant::GetClosestPointArc(Arc1, PickPoint, Point1);
}

double TCadCalc::FixAngle(double Angle) const {
    return brevant::FixAngle(Angle);
}

double TCadCalc::GetAngle(double X1, double Y1, double X2, double Y2) const {
    return brevant::GetAngle(X1, Y1, X2, Y2);
}

double TCadCalc::GetAngle2Points(const TDPoint& Point1, const TDPoint& Point2) const {
    return brevant::GetAngle(Point1.x, Point1.y, Point2.x, Point2.y);
}

double TCadCalc::GetAngleLine(const TDLine& Line1) const {
    return brevant::GetAngleLine(Line1);
}

double TCadCalc::GetVertexAngle(double x1, double y1, double z1, double vertex_x, double vertex_y,
                                double vertex_z, double x3, double y3, double z3) const {
    return brevant::GetVertexAngle(x1, y1, z1, vertex_x, vertex_y, vertex_z, x3, y3, z3);
}

double TCadCalc::Distance(double X1, double Y1, double X2, double Y2) const {
    return brevant::Distance(X1, Y1, X2, Y2);
}

double TCadCalc::Distance2Points(const TDPoint& Point1, const TDPoint& Point2) const {
    return brevant::Distance2Points(Point1, Point2);
}

double TCadCalc::Distance3D(const TDPoint& Point1, const TDPoint& Point2) const {
    return brevant::Distance3D(Point1, Point2);
}

TDPoint TCadCalc::MidPoint(double X1, double Y1, double Z1, double X2, double Y2, double Z2) const {
    return brevant::MidPoint(X1, Y1, Z1, X2, Y2, Z2);
}

TDPoint TCadCalc::MidPoint2Points(const TDPoint& Point1, const TDPoint& Point2) const {
    return brevant::MidPoint2Points(Point1, Point2);
}

int TCadCalc::GetArcEndPoints(const TDArc& Arc1, TDPoint& Point1, TDPoint& Point2) const {
    return brevant::GetArcEndPoints(Arc1, Point1, Point2);
}

double TCadCalc::GetArcLength(double Radius, double StartAngle, double EndAngle) const {
    return brevant::GetArcLength(Radius, StartAngle, EndAngle);
}

double TCadCalc::GetArcAngle(double StartAngle, double EndAngle) const {
    return brevant::GetArcAngle(StartAngle, EndAngle);
}

double TCadCalc::AngleOfLine(const TDLine& Line1) const {
    return brevant::AngleOfLine(Line1);
}

TDPoint TCadCalc::MidArc(const TDArc& Arc1) const {
    return brevant::MidArc(Arc1);
}

bool TCadCalc::LineInRect(const TRectF& Arect, const TPointF& Point1, const TPointF& Point2) const {
    return brevant::LineInRect(Arect, Point1, Point2);
}

} // namespace brevant
