// The parts a nest places: closed outlines of lines and arcs (an outer boundary and its
// holes), each with the number of copies wanted. Lengths are in any one unit, the same for
// every length of a job.
#pragma once

#include <string>
#include <vector>

namespace brevant {

// One vertex of a closed outline; bulge belongs to the segment from this vertex to the next:
// 0 for a straight segment, tan(sweep / 4) for an arc (positive counter-clockwise).
struct NestVertex {
    double x = 0;
    double y = 0;
    double bulge = 0;
};

// A closed outline: the last vertex joins the first, no vertex repeats.
using NestLoop = std::vector<NestVertex>;

// One piece: its outer boundary (counter-clockwise) and its holes (clockwise), so that the
// material is always on the left of the direction of travel.
struct NestShape {
    NestLoop outer;
    std::vector<NestLoop> holes;
};

struct NestPart {
    std::string name; // shown in messages: a file name, an item number
    NestShape shape;
    int quantity = 1;
    // The angles (degrees counter-clockwise) this part may be turned by; empty: the job's.
    std::vector<double> rotations;
};

// The circle an arc segment runs on: from the start vertex (at angle start, radians) through
// sweep radians (positive counter-clockwise) to the next vertex.
struct NestArc {
    double cx = 0, cy = 0, radius = 0, start = 0, sweep = 0;
};
NestArc ArcOf(const NestVertex& from, const NestVertex& to);

// A loop as points: each arc as chords of at most stepRadians (bulges are 0 on the points).
std::vector<NestVertex> LoopPoints(const NestLoop& loop, double stepRadians);

// The area a closed outline encloses, arcs included: positive when it runs counter-clockwise.
double LoopArea(const NestLoop& loop);
// The area of the material: the outer boundary's less its holes'.
double ShapeArea(const NestShape& shape);
// The loop run the other way round (each arc's bulge changes sign and moves with it).
NestLoop Reversed(const NestLoop& loop);
// The outer boundary counter-clockwise and the holes clockwise.
void Orient(NestShape& shape);

// Turns a loop by degrees counter-clockwise about the origin, then moves it by (dx, dy). Whole
// quarter turns are exact.
NestLoop Placed(const NestLoop& loop, double degrees, double dx, double dy);
NestShape Placed(const NestShape& shape, double degrees, double dx, double dy);

// The bounding box of a shape, arcs included with their extreme points.
struct NestBox {
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    bool empty = true;
    void Add(double x, double y);
    double Width() const { return empty ? 0 : maxX - minX; }
    double Height() const { return empty ? 0 : maxY - minY; }
};
void AddLoop(NestBox& box, const NestLoop& loop);
NestBox BoxOf(const NestShape& shape);

// cos and sin of an angle in degrees; exact for whole quarter turns.
void CosSinDegrees(double degrees, double& c, double& s);

} // namespace brevant
