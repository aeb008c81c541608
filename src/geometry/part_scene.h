// The formed part as the 3D view shows it, as plain geometry: its two edge rings, its meshes,
// the shaft or main pipe it sits on, the end-plane pivots and grid planes, and how the view
// draws its overlay. A layout kind fills it; the 3D view above the kinds shows it.
#pragma once

#include "geometry/mesh.h"
#include "geometry/types.h"

namespace brevant {

// The overlay lines a part's scene shows besides the axes.
enum class SceneOverlay {
    None,           // no part: nothing but the axes
    Rings,          // both rings, closed
    RingsWithMarks, // both rings, closed, with the seam and side-cut lines of the settings
    WireFrame,      // the mesh's edges and both rings, closed
    OpenRings,      // both rings, open (the helices of a flight)
};

// Points are in the scene frame: X to the right, Y downwards (a height h is Y = -h), Z across.
struct PartScene {
    SceneOverlay Overlay = SceneOverlay::None;
    TPathArray FirstRing;  // the top ring of a cone, the inner helix, the far ring of a branch
    TPathArray SecondRing; // the bottom ring, the outer helix, the ring at the main axis
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
    // The side cuts the overlay draws on the rings of a part with marks (degrees on the top and
    // bottom rings, as the last calculation found them).
    double SideCutTopAngle = 0;
    double SideCutBottomAngle = 0;
};

// Empties both meshes and puts them back at X 0, empties both rings, hides the grid planes and
// the shaft; the scene holds no part. The pivots, the display scale and the sizes stay.
void ClearScene(PartScene& scene);

// The closed quad mesh between two rings of equal size (scene frame) with smoothed normals, as
// the scene's surface: the rings are scaled into the display range when the part (of the given
// size: the larger of its base and its height) is very large or very small, and kept as the
// first (top) and second (bottom) ring.
void SetRingSurface(PartScene& scene, const TPathArray& top, const TPathArray& bottom, double size,
                    SceneOverlay overlay);

// How the view presets frame a part: its displayed height, the height of the camera of the front
// and reset views, and where the top and bottom pivots go on the displayed model (a pivot
// without a value stays where it is). A part that cannot be framed leaves the camera alone.
struct ViewFraming {
    bool Framable = false;
    double Height = 0;
    double CameraY = 0;
    bool MovesTopPivotX = false;
    double TopPivotX = 0;
    bool MovesTopPivotZ = false;
    double TopPivotZ = 0;
    bool TurnsBottomPivot = false;
    double BottomPivotRotationZ = 0;
};

} // namespace brevant
