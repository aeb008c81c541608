// The cross-sections a transition joins (rectangles, sharp or with rounded corners, rounds and
// obrounds) as closed counter-clockwise polylines in their own planes, each edge carrying the
// direction of its outward normal. Joining two sections edge by edge in the order of those
// directions gives the facets of the part.
#pragma once

#include <vector>

namespace brevant {

enum class SectionShape : int { Rectangle = 0, Round = 1, Obround = 2 };

inline constexpr int kTransitionMinDivisions = 2;
inline constexpr int kTransitionMaxDivisions = 48;

// A section's size in inches: Width along X (a round's diameter), Length along Y (unused for a
// round), Radius the corners' radius of a rectangle (0: sharp corners).
struct SectionSize {
    SectionShape Shape = SectionShape::Rectangle;
    double Width = 0;
    double Length = 0;
    double Radius = 0;
};

// A point of a section about its centre: a sharp corner, or a point of a curved stretch (the
// ends of a straight side between two curved stretches included).
struct SectionPoint {
    double u = 0;
    double v = 0;
    bool Corner = false;
};

// Edge k runs from point k to point k + 1, the last edge back to point 0. Normals[k] is the
// outward normal of edge k in degrees from +u towards +v; it never falls along the loop.
struct SectionLoop {
    std::vector<SectionPoint> Points;
    std::vector<double> Normals;
};

// The half-widths and the corner radius every shape is drawn from: a round is a square with
// corners of half its width, an obround a rectangle with corners of half its shorter side.
struct CornerRounding {
    double HalfWidth = 0;
    double HalfLength = 0;
    double Radius = 0;
};
CornerRounding RoundingOf(const SectionSize& size);

// The outline: each corner arc of `divisions` equal arcs (a quarter of a round, a quarter of an
// obround's half circle), starting at the first point of the arc whose normals run from 0 to
// 90 degrees (a sharp corner: the corner at +u +v). The straight side at normal 0 is the last
// edge; sides of no length are left out, so a round has 4 x divisions points from 0 degrees.
SectionLoop SectionOutline(const SectionSize& size, int divisions);

// The loop opened at a point of its side facing +u: where that side is an edge (normal 0), the
// point of it nearest v, put in as point 0; otherwise the point that faces +u is made point 0.
// The first edge's normal is then at least 0, the last's at most 360.
SectionLoop OpenAtPlusU(const SectionLoop& loop, double v);

// The index of the point facing -u: on a straight side of normal 180, the point of it nearest
// v = 0 (put in when it is new); else the point whose edges' normals enclose 180.
int SplitAtMinusU(SectionLoop& loop);

// The +u side: true and its two ends' v when it is an edge; false (the point at index 0 faces
// +u) otherwise.
bool PlusUSide(const SectionLoop& loop, double& vFrom, double& vTo);

// The perimeter of a loop.
double LoopLength(const SectionLoop& loop);

} // namespace brevant
