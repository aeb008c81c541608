// Adapters from a drawing element's six coordinates to points, lines and arcs.
#include "geometry/element_coords.h"

#include "geometry/arc_points.h"
#include "geometry/closest_points.h"
#include "geometry/distances.h"

namespace brevant {

namespace {

constexpr int kPointElement = element_type::kPoint;
constexpr int kLineElement = element_type::kLine;
constexpr int kArcElement = element_type::kArc;

// Point1 takes the x and y of whichever end is nearer to Near, End on a tie.
void TakeNearerEnd(const TDPoint& Start, const TDPoint& End, const TDPoint& Near, TDPoint& Point1) {
    const TDPoint& end = Distance2Points(Start, Near) < Distance2Points(End, Near) ? Start : End;
    Point1.x = end.x;
    Point1.y = end.y;
}

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

int GetClosestEndPoint(int Etype, ElementCoords Coord, const TDPoint& PickPoint, TDPoint& Point1) {
    if (Etype == kPointElement) {
        Point1 = PointFromCoords(Coord);
    } else if (Etype == kLineElement) {
        const TDLine line = LineFromCoords(Coord);
        TDPoint foot{PickPoint.x, PickPoint.y, 0};
        GetClosestPointLine(line, PickPoint, foot);
        Point1 = foot;
        TakeNearerEnd(line.Point1, line.Point2, foot, Point1);
    } else if (Etype == kArcElement) {
        const TDArc arc = ArcFromCoords(Coord);
        TDPoint near = arc.Center;
        GetClosestPointArc(arc, PickPoint, near);
        Point1 = near;
        // A zero-radius arc has no end points of its own: both ends are its centre.
        TDPoint start = arc.Center, end = arc.Center;
        GetArcEndPoints(arc, start, end);
        TakeNearerEnd(start, end, near, Point1);
    }
    return 1;
}

} // namespace brevant
