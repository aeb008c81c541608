// Adapters from a drawing element's six coordinates to points, lines and arcs.
#pragma once

#include "geometry/types.h"

#include <array>
#include <concepts>
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

// The element type codes the geometry routines tell apart.
namespace element_type {
inline constexpr int kPoint = 1;
inline constexpr int kLine = 2;
inline constexpr int kArc = 3;
} // namespace element_type

// Any drawing element: a type code and six coordinates (coordinate 1 first).
template <class T>
concept DrawingElement = requires(const T& e) {
    { e.Etype } -> std::convertible_to<int>;
    ElementCoords{e.Coords};
};

// A view of one element's type and coordinates; valid while the element lives.
struct ElementRef {
    int Etype;
    ElementCoords Coord;
};

template <DrawingElement Element> ElementRef RefOf(const Element& E) {
    return ElementRef{static_cast<int>(E.Etype), ElementCoords{E.Coords}};
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

// The end of an element nearest PickPoint. A point element gives its point. A line element
// gives the x and y of the end nearer the foot of PickPoint on its line (the second end on a
// tie) with z = 0; an arc element the x and y of the end nearer the point of its circle
// toward PickPoint (the end at ea on a tie) with the centre's z; a zero-radius arc gives its
// centre. Other element types leave Point1 unchanged. Returns 1.
int GetClosestEndPoint(int Etype, ElementCoords Coord, const TDPoint& PickPoint, TDPoint& Point1);

} // namespace brevant
