// The 3D model of the finished part: the scene objects the viewport draws (meshes, the shaft
// or main pipe, the grid planes, the two rings) and the camera rig that looks at them.
#pragma once

#include "geometry/mesh.h"

#include <cstdint>
#include <vector>

namespace brevant {

// The camera rig: the pivot CameraX tilts (rotation about X), the pivot CameraY inside it turns
// (rotation about Y), and the camera sits on the rig's Z axis at (0, Y, Z) looking towards +Z.
struct SolidCamera {
    double RotationX = -15; // degrees, CameraX
    double RotationY = 0;   // degrees, CameraY
    double Y = 0;           // Camera1's height in the scene frame
    double Z = -20;         // Camera1's distance, negative
    double ViewAngle = 20;  // degrees
    double ZoomNear = -5;
    double ZoomFar = -50;
    double ZoomStep = 100;
};

// The scene state the layouts fill. Points are in the scene frame: X to the right, Y downwards
// (a height h is Y = -h), Z across.
struct SolidModel {
    SolidPartKind Kind = SolidPartKind::None;
    TPathArray FirstRing;  // cone and square to round: the top ring; spiral: inner; pipe: far
    TPathArray SecondRing; // cone and square to round: the bottom ring; spiral: outer; pipe: axis
    double DisplayScale = 1;

    // End-plane pivots: the bottom pivot sits at the origin, the top pivot at the top centre.
    double BottomPivotRotationZ = 0; // degrees
    TDPoint TopPivotPosition{0, -5, 0};
    double TopPivotRotationZ = 0; // degrees
    bool TopPlaneVisible = false;
    bool BottomPlaneVisible = false;
    double GridFrequency = 1; // the grid's line spacing
    double TopPlaneSize = 10;
    double BottomPlaneSize = 10;

    // The surface: Mesh1 for every part (four vertices and six indices per quad of the two
    // rings), Mesh2 the second turn of a spiral flight.
    SolidMesh Mesh1;
    SolidMesh Mesh2;
    SolidMaterial Mesh1Material = SolidMaterial::Light;
    SolidCylinder Shaft;

    SolidCamera Camera;
};

// A coloured line of the overlay, in Mesh1's frame (it turns with the mesh).
struct OverlayLine {
    TDPoint From;
    TDPoint To;
    std::uint32_t Color = 0xFF000000; // ARGB
};

} // namespace brevant
