// Outlines on the nester's integer grid: flattening arcs so that the polygon contains the
// true outline, growing by half the clearance, exact point tests and boxes. Polygons keep the
// material on the left: outer loops counter-clockwise, holes clockwise.
#pragma once

#include "nesting/nest_part.h"

#include <clipper.hpp>

#include <cstdint>

namespace brevant::nest {

using IntPoint = ClipperLib::IntPoint;
using IntPath = ClipperLib::Path;
using IntPaths = ClipperLib::Paths;
using Coord = ClipperLib::cInt;

struct IntBox {
    Coord minX = 0, minY = 0, maxX = 0, maxY = 0;
    bool empty = true;
    void Add(const IntPoint& p);
    bool Overlaps(const IntBox& o) const {
        return !empty && !o.empty && minX <= o.maxX && o.minX <= maxX && minY <= o.maxY &&
               o.minY <= maxY;
    }
};
IntBox BoxOf(const IntPaths& loops);
IntBox Moved(const IntBox& box, const IntPoint& by);

IntPath Moved(const IntPath& path, const IntPoint& by);
// The area enclosed, holes subtracted (grid units squared).
double AreaOf(const IntPaths& loops);

// Where a point lies against loops under the non-zero rule: inside, outside or on an edge.
// Exact for any grid coordinates.
enum class PointPlace { kOutside, kInside, kOnEdge };
PointPlace Locate(const IntPoint& p, const IntPaths& loops);

// The shape scaled onto the grid, each arc replaced by segments no farther than tolerance
// from it: those of an arc bulging out of the material touch it from outside, so that the
// polygon never cuts into the material.
IntPaths Flattened(const NestShape& shape, double tolerance, double scale);
// The same loops one by one, not merged.
IntPaths FlattenedLoops(const NestShape& shape, double tolerance, double scale);

// The loops grown by delta grid units (corners mitred, so never nearer than delta), merged
// where they overlap; a hole grown shut disappears.
IntPaths Grown(const IntPaths& loops, double delta);
// The loops shrunk by delta grid units (sharp corners kept).
IntPaths Shrunk(const IntPaths& loops, double delta);
// The union of loops under the non-zero rule, material on the left.
IntPaths Merged(const IntPaths& loops);

} // namespace brevant::nest
