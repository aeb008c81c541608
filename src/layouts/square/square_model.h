// The 3D model of a square-to-round transition: the top ring on the circle, the corner each top
// point is joined to, and the generator table with the true length of every fan line.
#pragma once

#include "geometry/types.h"

#include <vector>

namespace brevant {

inline constexpr int kSquareMinBends = 4;
inline constexpr int kSquareMaxBends = 10;

// The finished part: a rectangle W (along X) by L (along Z) at height 0, a circle of diameter D
// at height H whose centre is shifted by (XShift, ZShift) and whose plane is tilted by
// TopAngle degrees about the line through its centre parallel to Z. Lengths in inches.
struct SquareShape {
    double D = 0;
    double W = 0;
    double L = 0;
    double H = 0;
    double XShift = 0;
    double ZShift = 0;
    double TopAngle = 0;
    int BendsPerCorner = 4; // n, generators per corner fan
};

// One generator, in the scene frame (a height h is stored as y = -h).
struct TSquarePoints {
    float top_x = 0;
    float top_y = 0;
    float top_z = 0;
    float bot_x = 0;
    float bot_y = 0;
    float bot_z = 0;
    float length = 0; // the 3D distance between the two points
    float angle = 0;  // not computed
    int circle_array_index = 0;
};

using TTrueLengthArray = std::vector<TSquarePoints>;

struct SquareModel {
    int BendsPerCorner = 0;
    TPathArray TopRing;    // 4n points on the (tilted) circle, scene frame
    TPathArray BottomRing; // for each top point the corner it is joined to, scene frame
    TTrueLengthArray Generators;
};

// The plan angles (degrees, from +X towards +Z) of the 4n top points: the regular division
// of 4n - 4 steps, with each quarter point replaced by two points 0.01 degree either side.
std::vector<double> SquareTopAngles(int bendsPerCorner);
// The four bottom corners (x, 0, z) C0 = (W/2, -L/2), C1 = (W/2, L/2), C2, C3 counter-clockwise.
TDPoint SquareCorner(const SquareShape& shape, int corner);
// The corner generator k is joined to: 0 for k = 0, then n generators for each of C1, C2, C3,
// and the rest for C0.
int SquareCornerOf(int k, int bendsPerCorner);
// Moves a top point (height H) along the line through the axis point at height 2H onto the
// tilted top plane; the point stays where the line never meets the plane in front of that
// axis point.
TDPoint TiltTopPoint(const TDPoint& point, const SquareShape& shape);
// Builds the rings (heights positive in the shape, scene frame in the result) and the table.
// The bends per corner are clamped to 4..10.
SquareModel BuildSquareModel(const SquareShape& shape);
// The 3D point of a table entry with the height positive.
TDPoint TopPointOf(const TSquarePoints& g);
TDPoint BottomPointOf(const TSquarePoints& g);

} // namespace brevant
