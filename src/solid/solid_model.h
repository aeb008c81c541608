// The 3D view's scene: the finished part's objects the viewport draws (meshes, the shaft or
// main pipe, the grid planes, the two rings), the camera rig that looks at them and the overlay.
#pragma once

#include "geometry/part_scene.h"

#include <cstdint>
#include <vector>

namespace brevant {

// The camera rig, standing on the scene point Target (the middle of the part once a view preset
// has framed it): the pivot CameraY turns about the scene's vertical axis (rotation about Y),
// the pivot CameraX inside it tilts (rotation about X), and the camera sits on the rig's Z axis
// at (0, Y, Z) looking towards +Z. A sideways drag thus turns the part about the vertical.
struct SolidCamera {
    TDPoint Target{0, 0, 0};
    double RotationX = -15; // degrees, CameraX
    double RotationY = 0;   // degrees, CameraY
    double Y = 0;           // Camera1's height in the scene frame
    double Z = -20;         // Camera1's distance, negative
    double ViewAngle = 20;  // degrees
    double ZoomNear = -5;
    double ZoomFar = -50;
    double ZoomStep = 100;
};

// The scene of the 3D view: the part a layout kind filled, and the camera rig that looks at it.
struct SolidModel : PartScene {
    SolidCamera Camera;
};

// A coloured line of the overlay, in Mesh1's frame (it turns with the mesh).
struct OverlayLine {
    TDPoint From;
    TDPoint To;
    std::uint32_t Color = 0xFF000000; // ARGB
};

} // namespace brevant
