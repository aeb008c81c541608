// What one frame of the 3D view draws, built from the scene model without OpenGL: the lit
// surfaces with their materials and placement, the grid planes, the overlay lines and the
// camera's view and projection.
#pragma once

#include "solid/solid_model.h"

#include <QMatrix4x4>
#include <QVector3D>

#include <vector>

namespace brevant {

struct SurfaceMaterial {
    QVector3D Diffuse;
    QVector3D Ambient;
    QVector3D Emissive;
    QVector3D Specular;
    float Shininess = 30;
};

// LightMaterialSource1 (silver) and PipeMaterialSource (aqua).
SurfaceMaterial LightMaterial();
SurfaceMaterial PipeMaterial();

// A triangle mesh in its own frame, placed in the scene by Model. A scene mesh without its
// normals gets them smoothed here.
struct SurfaceDraw {
    std::vector<float> Positions; // x, y, z per vertex
    std::vector<float> Normals;   // x, y, z per vertex, unit length
    std::vector<unsigned> Indices;
    QMatrix4x4 Model;
    SurfaceMaterial Material;
};

// Line segments, two vertices each, with one colour per vertex (opacity included).
struct LineDraw {
    std::vector<float> Positions; // x, y, z per vertex
    std::vector<float> Colors;    // r, g, b, a per vertex
    QMatrix4x4 Model;
    bool Empty() const { return Positions.empty(); }
};

struct SolidFrame {
    std::vector<SurfaceDraw> Surfaces;
    std::vector<LineDraw> Grids; // translucent
    LineDraw Overlay;            // in Mesh1's frame
    QMatrix4x4 View;             // scene frame -> OpenGL eye space
    QMatrix4x4 Projection;
    QVector3D LightDirection; // the direction the light travels, scene frame, unit length
};

inline constexpr std::uint32_t kGridColor = 0x50505050; // ARGB: grey at about 31% opacity
inline constexpr int kShaftSubdivisions = 20;

// Everything one frame draws; aspect is the viewport's width over its height.
SolidFrame BuildSolidFrame(const SolidModel& model, const std::vector<OverlayLine>& overlay,
                           double aspect);

// Points the frame's camera and light at the scene from the camera rig, for a viewport of the
// given aspect (width over height); the geometry stays.
void AimSolidFrame(SolidFrame& frame, const SolidCamera& camera, double aspect);

// Where a mesh sits: turned about Z by its RotationZ, then shifted along X.
QMatrix4x4 MeshPlacement(const SolidMesh& mesh);
// The camera rig: CameraX turns about X, CameraY inside it about Y, Camera1 sits at (0, Y, Z)
// and looks along +Z with the scene's Y downwards. The result maps the scene frame into
// OpenGL's eye space (X right, Y up, looking along -Z).
QMatrix4x4 CameraView(const SolidCamera& camera);
// The perspective of Camera1: ViewAngle is the vertical angle of view.
QMatrix4x4 CameraProjection(const SolidCamera& camera, double aspect);

// The shaft or main pipe: a closed cylinder of kShaftSubdivisions sides in its own frame.
SurfaceDraw CylinderSurface(const SolidCylinder& cylinder);

// A square grid of the given size in the plane Y = 0 centred on the origin, with lines every
// spacing (at most 100 cells a side; ten when the spacing does not fit).
LineDraw GridLines(double size, double spacing, std::uint32_t argb);

} // namespace brevant
