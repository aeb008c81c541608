// Results of the last cone Calculate: flat radii and angles, chords, overlap, sheet counts.
#pragma once

#include "geometry/types.h"

namespace brevant {

struct ConeState {
    bool IsObliqueCone = false;

    // --- modified cone and cylinder (oblique development, cylinder strip) ---
    TDPoint ConeApex;          // apex of the last oblique development
    TDPointList TopEdgePoints; // flat point k of top ring point k (closing point not kept)
    TDPointList BottomEdgePoints;
    float CylinderTop = 0; // y of the top and bottom lines of the rectangle or strip
    float CylinderBottom = 0;
    float CylinderLeft = 0; // x of its sides
    float CylinderRight = 0;
    // --- end of the modified cone and cylinder block ---
};

} // namespace brevant
