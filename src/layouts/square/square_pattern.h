// The flat pattern of a square-to-round transition, laid out triangle by triangle: each new
// point is the crossing of two circles whose radii are true 3D lengths of the model.
#pragma once

#include "geometry/status.h"
#include "geometry/types.h"
#include "layouts/square/square_model.h"

#include <array>
#include <vector>

namespace brevant {

class FlatPatternBuilder;
class INotices;

enum class SquareLineKind { Generator, TopEdge, BottomEdge, StartBottomEdge, Seam };

struct SquareFlatLine {
    TDPoint From;
    TDPoint To;
    SquareLineKind Kind = SquareLineKind::Generator;
};

// One developed triangle: its flat corners and the model points they stand for.
struct SquareFlatTriangle {
    std::array<TDPoint, 3> Flat;
    std::array<TDPoint, 3> Solid;
};

struct SquarePattern {
    GeometryStatus Status = kStatusOk; // the first failed crossing; the lines stop there
    std::vector<SquareFlatLine> Lines;
    std::vector<SquareFlatTriangle> Triangles;
    double MinX = 0, MinY = 0, MaxX = 0, MaxY = 0;
    double BoxWidth() const { return MaxX - MinX; }
    double BoxHeight() const { return MaxY - MinY; }
};

// Corner fans to develop: 2 (half of the part) when the half pattern is asked for or the top is
// shifted along X or tilted, which leaves the part symmetric about its XY plane; 4 otherwise,
// and always 4 when the top is shifted along Z, since the two halves then differ.
int SquareFanCount(const SquareShape& shape, bool halfPattern);

// The seam's distance from the first corner of its side, L/2 + ZShift, kept on the side.
double SquareSeamOffset(const SquareShape& shape);

// Lays out the pattern from the model: starts at the seam on side C0-C1, runs round the fans of
// C1, C2 (and C3, C0 for four fans) and ends at the seam of the last side.
SquarePattern DevelopSquarePattern(const SquareModel& model, const SquareShape& shape, int fans);

// Clears the flat pattern and draws the development: lines on layer 1, the bounding box on layer 8.
// When a crossing fails, the message of its status is shown (kind 4) and what was laid out so far
// stays drawn, without a box; returns 2 then, else 0.
// The cut outline is added with the number of pieces the part needs (2 for a half pattern).
int DevelopSquareToRound(FlatPatternBuilder& view, const SquarePattern& pattern, int pieces,
                         INotices& notices);

} // namespace brevant
