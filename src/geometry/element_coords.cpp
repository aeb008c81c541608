// Adapters from a drawing element's six coordinates to points, lines and arcs.
#include "geometry/element_coords.h"

#include "geometry/arc_points.h"
#include "geometry/closest_points.h"

namespace brevant {

namespace {

// Element type codes of the drawing.
constexpr int kPointElement = 1;
constexpr int kLineElement = 2;
constexpr int kArcElement = 3;

} // namespace

TDPoint PointFromCoords(ElementCoords Coord) {
    return TDPoint{Coord[0], Coord[1], Coord[2]};
}

TDLine LineFromCoords(ElementCoords Coord) {
    return TDLine{{Coord[0], Coord[1], Coord[2]}, {Coord[3], Coord[4], Coord[5]}};
}

TDArc ArcFromCoords(ElementCoords Coord) {
    return TDArc{{Coord[0], Coord[1], Coord[2]}, Coord[3], Coord[4], Coord[5]};
}

int draw::GetArcEndPoints(ElementCoords Coord, TDPoint& Point1, TDPoint& Point2) {
    return draw::GetArcEndPoints(ArcFromCoords(Coord), Point1, Point2);
}

TDPoint draw::MidArc(ElementCoords Coord) {
    return draw::MidArc(ArcFromCoords(Coord));
}

int draw::GetClosestPoint(int Etype, ElementCoords Coord, const TDPoint& PickPoint,
                          TDPoint& Point1) {
    switch (Etype) {
    case kPointElement:
        Point1 = PointFromCoords(Coord);
        break;
    case kLineElement:
        draw::GetClosestPointLine(LineFromCoords(Coord), PickPoint, Point1);
        break;
    case kArcElement:
        draw::GetClosestPointArc(ArcFromCoords(Coord), PickPoint, Point1);
        break;
    default:
        break;
    }
    return 1;
}

} // namespace brevant
