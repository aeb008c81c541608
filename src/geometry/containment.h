// Containment tests: a point inside a closed chain of elements, one chain inside another,
// and the overlap of two rectangles.
#pragma once

#include "geometry/element_coords.h"
#include "geometry/types.h"

#include <span>

namespace brevant {

// Whether InsidePoint lies inside the closed chain. An empty chain gives false; a chain of
// one arc element is its whole circle (a point on the circle is outside). Otherwise the
// crossings of the ray toward +x with the line elements, and with each arc element read as
// the two chords from its start to its middle and from its middle to its end, are counted:
// an odd count is inside. On the boundary, right and top edges count as inside, left and
// bottom edges as outside. Other element types are ignored.
bool PointInsideChain(const TDPoint& InsidePoint, std::span<const ElementRef> Chain);

// Whether the chain InsideChain, starting at InsideStart, lies inside OutsideChain: every
// vertex of its polygon (each line's far end, each arc's middle and far end, walked from
// InsideStart) is inside by PointInsideChain. False when either chain is empty.
bool ChainInsideChain(std::span<const ElementRef> InsideChain, const TDPoint& InsideStart,
                      std::span<const ElementRef> OutsideChain);

// Whether the rectangle (Point1.X, Point1.Y, Point2.X, Point2.Y), taken as left, top, right,
// bottom without normalising, overlaps Arect; rectangles that only touch do not.
bool LineInRect(const TRectF& Arect, const TPointF& Point1, const TPointF& Point2);

} // namespace brevant
