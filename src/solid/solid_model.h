// The 3D model of the finished part: rings of points, the end-plane pivots and the surface mesh.
#pragma once

#include "geometry/types.h"

#include <vector>

namespace brevant {

// The 3D scene state the layouts fill. Rings are stored in the scene frame: X to the right,
// Y downwards (a height h is Y = -h), Z across.
struct SolidModel {
    TPathArray FirstRing;  // cone and square to round: the top ring
    TPathArray SecondRing; // cone and square to round: the bottom ring
    double DisplayScale = 1;

    // End-plane pivots: the bottom pivot sits at the origin, the top pivot at the top centre.
    double BottomPivotRotationZ = 0; // degrees
    TDPoint TopPivotPosition{0, -5, 0};
    double TopPivotRotationZ = 0; // degrees
    bool TopPlaneVisible = false;
    bool BottomPlaneVisible = false;
    double GridFrequency = 1;
    double TopPlaneSize = 10;
    double BottomPlaneSize = 10;

    // The surface: four vertices and six indices per quad of the two rings.
    std::vector<TDPoint> MeshVertices;
    std::vector<int> MeshIndices;
    double MeshRotationZ = 0;
};

} // namespace brevant
