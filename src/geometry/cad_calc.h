// TCadCalc, the geometry calculator component: the geometry routines behind one object that
// the main window owns. It keeps no state; every method forwards to the routine of the same
// name and is a function of its arguments (and of the elements it reads).
//
// Conventions: out-parameters come last and are written only as far as each method says;
// on a non-zero status they carry no meaning. Every arc constructor copies StartAngle and
// EndAngle unchanged into sa and ea. An input arc counts as its whole circle. A pick point
// chooses among solutions: the one nearer by plane distance wins, the second on a tie.
#pragma once

#include "geometry/containment.h"
#include "geometry/element_coords.h"
#include "geometry/status.h"
#include "geometry/types.h"

#include <concepts>
#include <ranges>
#include <string_view>
#include <vector>

namespace brevant {

// A list of drawing elements (TElements or any range of them).
template <class T>
concept DrawingElementList =
    std::ranges::input_range<const T> && DrawingElement<std::ranges::range_value_t<const T>>;

// A chain of elements with the point where it starts (TElementChain).
template <class T>
concept DrawingElementChain = DrawingElementList<T> && requires(const T& c) {
    { c.ChainStartPoint } -> std::convertible_to<TDPoint>;
};

class TCadCalc {
public:
    std::string_view Version() const { return "3.0.0.0"; }

    int PointXYZ(double X, double Y, double Z, TDPoint& Point1) const;
    GeometryStatus Point2Lines(const TDLine& Line1, const TDLine& Line2, TDPoint& Point1) const;
    GeometryStatus Point2Arcs(const TDArc& Arc1, const TDArc& Arc2, const TDPoint& PickPoint,
                              TDPoint& Point1) const;
    GeometryStatus PointLineArc(const TDLine& Line1, const TDArc& Arc1, const TDPoint& PickPoint,
                                TDPoint& Point1) const;
    GeometryStatus Points2Arcs(const TDArc& Arc1, const TDArc& Arc2, TDPoint& Point1,
                               TDPoint& Point2) const;
    GeometryStatus PointArcAngle(const TDArc& Arc1, double Angle, TDPoint& Point1) const;
    // Point1's x and y := the centre's; its z keeps the caller's value.
    GeometryStatus PointCenterArc(const TDArc& Arc1, TDPoint& Point1) const;

    GeometryStatus Line2Points(const TDPoint& Point1, const TDPoint& Point2, TDLine& Line1) const;
    GeometryStatus LinePointAngle(const TDPoint& Point1, double Angle, double Length,
                                  TDLine& Line1) const;
    GeometryStatus LineTangentPoint(const TDPoint& PickPoint, const TDPoint& Point1,
                                    const TDArc& Arc1, TDLine& Line1) const;
    GeometryStatus LinePerpPoint(const TDPoint& Point1, const TDLine& Line1, TDLine& Line2) const;
    GeometryStatus LineParPoint(const TDPoint& Point1, const TDLine& Line1, TDLine& Line2) const;
    GeometryStatus LineTan2Arcs(const TDArc& Arc1, const TDArc& Arc2, const TDPoint& PickPoint1,
                                const TDPoint& PickPoint2, TDLine& Line1) const;
    GeometryStatus LineTanAngle(const TDArc& Arc1, double Angle, double Length,
                                TDLine& Line1) const;
    GeometryStatus LineOffset(const TDLine& Line1, double Distance, const TDPoint& PickPoint,
                              TDLine& Line2) const;

    GeometryStatus ArcCenterRad(const TDPoint& Point1, double Radius, double StartAngle,
                                double EndAngle, TDArc& Arc1) const;
    GeometryStatus ArcCenterTanLine(const TDPoint& Point1, const TDLine& Line1, double StartAngle,
                                    double EndAngle, TDArc& Arc1) const;
    GeometryStatus ArcCenterPoint(const TDPoint& Point1, const TDPoint& Point2, double StartAngle,
                                  double EndAngle, TDArc& Arc1) const;
    GeometryStatus ArcCenterTanArc(const TDPoint& PickPoint, const TDPoint& Point1,
                                   const TDArc& Arc1, double StartAngle, double EndAngle,
                                   TDArc& Arc2) const;
    GeometryStatus Arc3Points(const TDPoint& Point1, const TDPoint& Point2, const TDPoint& Point3,
                              double StartAngle, double EndAngle, TDArc& Arc1) const;
    GeometryStatus ArcTanLinePoint(const TDLine& Line1, const TDPoint& PickPoint,
                                   const TDPoint& POint1, double Radius, double StartAngle,
                                   double EndAngle, TDArc& Arc1) const;
    GeometryStatus ArcTan2Lines(const TDLine& Line1, const TDLine& Line2, double Radius,
                                double StartAngle, double EndAngle, const TDPoint& PickPoint1,
                                const TDPoint& PickPoint2, TDArc& Arc1) const;
    GeometryStatus ArcTanLineArc(const TDLine& Line1, const TDArc& Arc1, double Radius,
                                 double StartAngle, double EndAngle, const TDPoint& PickPoint1,
                                 const TDPoint& PickPoint2, TDArc& Arc2) const;
    GeometryStatus ArcTan2Arcs(const TDArc& Arc1, const TDArc& Arc2, double Radius,
                               double StartAngle, double EndAngle, const TDPoint& PickPoint1,
                               const TDPoint& PickPoint2, TDArc& Arc3) const;
    GeometryStatus ArcTanLine2Points(const TDLine& Line1, const TDPoint& Point1,
                                     const TDPoint& Point2, double StartAngle, double EndAngle,
                                     TDArc& Arc1) const;
    GeometryStatus ArcTanArcPoint(const TDArc& Arc1, const TDPoint& PickPoint,
                                  const TDPoint& POint1, double Radius, double StartAngle,
                                  double EndAngle, TDArc& Arc2) const;
    GeometryStatus ArcThrough2Points(const TDPoint& Point1, const TDPoint& Point2, double Radius,
                                     double StartAngle, double EndAngle, TDArc& Arc1,
                                     TDArc& Arc2) const;
    GeometryStatus ArcBetween2Points(const TDPoint& Point1, const TDPoint& Point2,
                                     double StartAngle, double EndAngle, TDArc& Arc1) const;
    GeometryStatus ArcTan3Lines(const TDLine& Line1, const TDLine& Line2, const TDLine& Line3,
                                const TDPoint& PickPoint, double StartAngle, double EndAngle,
                                TDArc& Arc1) const;

    // Distance3D of the two ends (no 100000 cut-off).
    double GetLineLength(const TDLine& Line1) const;
    template <DrawingElement Element>
    int GetClosestPoint(const Element& E, const TDPoint& PickPoint, TDPoint& Point1) const {
        return GetClosestPoint(RefOf(E), PickPoint, Point1);
    }
    template <DrawingElement Element>
    int GetClosestEndPoint(const Element& E, const TDPoint& PickPoint, TDPoint& Point1) const {
        return GetClosestEndPoint(RefOf(E), PickPoint, Point1);
    }
    GeometryStatus GetClosestPointLine(const TDLine& Line1, const TDPoint& PickPoint,
                                       TDPoint& Point1) const;
    GeometryStatus GetClosestPointArc(const TDArc& Arc1, const TDPoint& PickPoint,
                                      TDPoint& Point1) const;
    double FixAngle(double Angle) const;
    double GetAngle(double X1, double Y1, double X2, double Y2) const;
    double GetAngle2Points(const TDPoint& Point1, const TDPoint& Point2) const;
    double GetAngleLine(const TDLine& Line1) const;
    double GetVertexAngle(double x1, double y1, double z1, double vertex_x, double vertex_y,
                          double vertex_z, double x3, double y3, double z3) const;
    double Distance(double X1, double Y1, double X2, double Y2) const;
    double Distance2Points(const TDPoint& Point1, const TDPoint& Point2) const;
    double Distance3D(const TDPoint& Point1, const TDPoint& Point2) const;
    TDPoint MidPoint(double X1, double Y1, double Z1, double X2, double Y2, double Z2) const;
    TDPoint MidPoint2Points(const TDPoint& Point1, const TDPoint& Point2) const;
    // The element adapters read the coordinates whatever the element's type.
    template <DrawingElement Element> TDPoint PointFromElement(const Element& E) const {
        return PointFromCoords(RefOf(E).Coord);
    }
    template <DrawingElement Element> TDLine LineFromElement(const Element& E) const {
        return LineFromCoords(RefOf(E).Coord);
    }
    template <DrawingElement Element> TDArc ArcFromElement(const Element& E) const {
        return ArcFromCoords(RefOf(E).Coord);
    }
    int GetArcEndPoints(const TDArc& Arc1, TDPoint& Point1, TDPoint& Point2) const;
    double GetArcLength(double Radius, double StartAngle, double EndAngle) const;
    double GetArcAngle(double StartAngle, double EndAngle) const;
    double AngleOfLine(const TDLine& Line1) const;
    TDPoint MidArc(const TDArc& Arc1) const;
    std::string_view CalcErr(int index) const;
    template <DrawingElementChain Chain>
    bool ChainInsideChain(const Chain& InsideChain, const Chain& OutsideChain) const {
        return brevant::ChainInsideChain(Refs(InsideChain), InsideChain.ChainStartPoint,
                                         Refs(OutsideChain));
    }
    template <DrawingElementList List>
    bool PointInsideChain(const TDPoint& InsidePoint, const List& Chain) const {
        return brevant::PointInsideChain(InsidePoint, Refs(Chain));
    }
    bool LineInRect(const TRectF& Arect, const TPointF& Point1, const TPointF& Point2) const;
    // The value of the expression s with "." as the decimal separator; 0 when it is not a
    // valid expression (the evaluator's status is dropped).
    double Parse(std::string_view s) const;

private:
    int GetClosestPoint(ElementRef E, const TDPoint& PickPoint, TDPoint& Point1) const;
    int GetClosestEndPoint(ElementRef E, const TDPoint& PickPoint, TDPoint& Point1) const;

    template <DrawingElementList List> static std::vector<ElementRef> Refs(const List& Elements) {
        std::vector<ElementRef> refs;
        for (const auto& e : Elements)
            refs.push_back(RefOf(e));
        return refs;
    }
};

} // namespace brevant
