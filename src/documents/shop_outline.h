// The flat pattern as a cutting machine takes it: closed outlines of the pieces, bend lines
// and marks, each a polyline whose arcs are kept as bulges.
#pragma once

#include "caddraw/flat_pattern.h"
#include "core/units.h"

#include <vector>

namespace brevant {

// One vertex of a polyline; bulge belongs to the segment from this vertex to the next: 0 for a
// straight segment, tan(sweep / 4) for an arc (positive counter-clockwise).
struct ContourVertex {
    double x = 0;
    double y = 0;
    double bulge = 0;
};

// A polyline. A closed one runs from its last vertex back to its first, so no vertex repeats.
struct Contour {
    std::vector<ContourVertex> vertices;
    bool closed = false;
};

struct ShopOutlines {
    std::vector<Contour> cut;  // the pieces' outlines, counter-clockwise; open only at a gap
    std::vector<Contour> bend; // bend lines
    std::vector<Contour> mark; // seam, side cuts, the edge an overlap is joined to
    bool Empty() const { return cut.empty() && bend.empty() && mark.empty(); }
};

struct ContourExtents {
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    bool empty = true;
    void Add(double x, double y);
    double Width() const { return empty ? 0 : maxX - minX; }
    double Height() const { return empty ? 0 : maxY - minY; }
};

// What the shop files are written in: the unit of their numbers (the display unit).
struct ShopFileOptions {
    UnitSystem units = kInches;
};

// A flat pattern as a cutting machine takes it: its cut outlines as closed contours (arcs as
// bulges), its bend lines, and its marks (seam and side-cut lines, then the edges overlap tabs
// are bent along), each in the pattern's order and its unit (inches).
ShopOutlines ShopOutlinesOf(const FlatPattern& pattern);

// The area a closed contour encloses: positive when it runs counter-clockwise.
double SignedArea(const Contour& contour);
// Grows extents by a contour, arcs included with their extreme points.
void AddExtents(ContourExtents& extents, const Contour& contour);
ContourExtents ExtentsOf(const ShopOutlines& outlines);
// Every coordinate multiplied by factor (the bulges stay).
ShopOutlines Scaled(ShopOutlines outlines, double factor);

} // namespace brevant
