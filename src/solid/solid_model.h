// The 3D model of the finished part: the scene objects the viewport draws (meshes, the shaft
// or main pipe, the grid planes, the two rings) and the camera rig that looks at them.
#pragma once

#include "geometry/types.h"

#include <cstdint>
#include <vector>

namespace brevant {

// A triangle mesh in its own frame; the scene places it by a rotation about Z (degrees) and
// then a shift along X.
struct SolidMesh {
    std::vector<TDPoint> Vertices;
    std::vector<int> Indices;     // three per triangle
    std::vector<TDPoint> Normals; // one per vertex (unit length) once smoothed; may be empty
    double RotationZ = 0;         // degrees
    double PositionX = 0;
    bool Empty() const { return Indices.empty(); }
};

enum class SolidMaterial { Light, Pipe };

// What kind of part the scene holds: it decides the overlay (square to round: wire frame, no
// seam; spiral flight: open rings) and the camera height of the view presets.
enum class SolidPartKind { None, Cone, SquareToRound, SpiralFlight, PipeIntersection };

// The shaft of a spiral flight or the main pipe of a pipe intersection: a cylinder centred on
// the origin whose axis is its local Y, turned about Z by RotationZ degrees.
struct SolidCylinder {
    bool Visible = false;
    double Width = 1;  // diameter along local X
    double Height = 1; // length along the axis
    double Depth = 1;  // diameter along local Z
    double RotationZ = 0;
};

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
