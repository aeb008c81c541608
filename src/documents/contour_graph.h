// Chaining loose lines and arcs into polylines: end points closer than a tolerance become one
// vertex, so consecutive segments share their end points exactly.
#pragma once

#include "documents/shop_outline.h"
#include "geometry/types.h"

#include <vector>

namespace brevant {

// A line (bulge 0) or a counter-clockwise arc about centre from `from` to `to`. Arc ends are
// where the arc really ends; a line end close to an arc end moves onto it.
struct ShopSegment {
    TDPoint from;
    TDPoint to;
    double bulge = 0;
    TDPoint centre; // arcs only
    bool IsArc() const { return bulge != 0; }
};

struct ChainedSegments {
    std::vector<Contour> closed;   // each a loop, counter-clockwise
    std::vector<Contour> open;     // chains that do not close
    std::vector<Contour> interior; // segments inside a closed outline (one each)
};

// Joins the segments by their end points (within tolerance). A connected group whose
// vertices all join two segments is one loop; where more meet (a pattern laid out in
// triangles), the group's outer boundary is the loop and the rest are interior segments.
ChainedSegments ChainSegments(const std::vector<ShopSegment>& segments, double tolerance);

} // namespace brevant
