// The developed gores of a segmented elbow: the edges of the pieces as point rows on the flat
// (u round the circumference from the seam, y along the generators) and which two edges bound
// each piece. On one strip neighbouring gores share the edge between them, so a cut serves
// both; as separate pieces one end gore and one middle gore are laid out with their counts.
#pragma once

#include "geometry/types.h"
#include "layouts/elbow/elbow_geometry.h"

#include <string>
#include <vector>

namespace brevant {

// An edge of a piece: one point per station (u from 0 to pi D); a square end is straight.
struct ElbowEdge {
    std::vector<TDPoint> Points;
    bool Square = false;
};

// A piece between its lower and upper edge (indices into the layout's edges).
struct ElbowPiece {
    std::string Name;
    int Quantity = 1;
    int Lower = 0;
    int Upper = 1;
    // Where the piece sits in the elbow: gore 0 is the first end gore, gore n + 1 the last.
    int Gore = 0;
    bool SeamAtHeel = false;
    // The y of the cross-section through the gore's centreline point (a middle gore's middle,
    // an end gore's square end) on the flat.
    double Base = 0;
};

struct ElbowLayout {
    std::vector<ElbowEdge> Edges;
    std::vector<ElbowPiece> Pieces;
};

// The layout of checked inputs.
ElbowLayout LayOutElbow(const ElbowInputs& in);

// The area of a piece's outline as drawn (its cut curves as the arcs through the stations).
double ElbowPieceArea(const ElbowLayout& layout, const ElbowPiece& piece);

} // namespace brevant
