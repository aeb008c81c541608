// Adapters from a drawing element's six coordinates to points, lines and arcs.
#pragma once

#include "geometry/types.h"

#include <array>
#include <span>

namespace brevant {

// An element's coordinates 1 to 6, in order.
using ElementCoords = std::span<const double, 6>;

// Coordinates kept in a 1-based array (index 0 unused).
inline ElementCoords CoordsFrom1Based(const double (&Coord)[7]) {
    return ElementCoords(Coord + 1, 6);
}
inline ElementCoords CoordsFrom1Based(const std::array<double, 7>& Coord) {
    return ElementCoords(Coord.data() + 1, 6);
}

// Coordinates 1, 2, 3 as a point.
TDPoint PointFromCoords(ElementCoords Coord);
// Coordinates 1 to 3 as Point1, 4 to 6 as Point2.
TDLine LineFromCoords(ElementCoords Coord);
// Coordinates 1 to 3 as the centre, 4 r, 5 sa, 6 ea.
TDArc ArcFromCoords(ElementCoords Coord);

namespace draw {
// The element read as an arc: its start and end points (x and y); 1, or 0 for radius 0.
int GetArcEndPoints(ElementCoords Coord, TDPoint& Point1, TDPoint& Point2);
// The element read as an arc: the midpoint of its sweep.
TDPoint MidArc(ElementCoords Coord);
// The point of an element nearest PickPoint: a point element itself, the foot on a line
// element's infinite line, the nearest point of an arc element's whole circle. Other
// element types leave Point1 unchanged. Returns 1.
int GetClosestPoint(int Etype, ElementCoords Coord, const TDPoint& PickPoint, TDPoint& Point1);
} // namespace draw

} // namespace brevant
