// Joining loose lines and arcs (as read from a drawing) into closed outlines: end points
// closer than a tolerance meet. A group of segments that closes is an outline; where more
// than two segments meet (bend lines drawn up to the outline), the group's outer boundary is
// the outline and the segments inside it are left out; chains that do not close are reported.
#pragma once

#include "nesting/nest_part.h"

#include <vector>

namespace brevant {

// A line (bulge 0) or an arc from (x0, y0) to (x1, y1); bulge as in NestVertex.
struct OutlineSegment {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    double bulge = 0;
};

struct ChainedOutlines {
    std::vector<NestLoop> closed; // each counter-clockwise
    // The segments left over: chains that do not close and lines inside a closed group.
    std::vector<OutlineSegment> loose;
    std::vector<NestVertex> ends; // the free ends of the chains that do not close
};

ChainedOutlines ChainOutlines(const std::vector<OutlineSegment>& segments, double tolerance);

// Sorts closed outlines into pieces by containment: an outline inside an even number of
// others is a piece's outer boundary, the outlines directly inside it its holes (turned
// clockwise). Outlines are expected not to cross one another.
std::vector<NestShape> ShapesOf(const std::vector<NestLoop>& closed);

// The point halfway along a segment (on the arc for an arc).
NestVertex Midpoint(const OutlineSegment& s);
// True when the point lies inside the shape's outer boundary or within tolerance of it.
bool Covers(const NestShape& shape, double x, double y, double tolerance);

} // namespace brevant
