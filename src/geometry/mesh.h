// The 3D meshes of the parts as plain geometry: the triangle mesh, the upright cylinder of a
// shaft or main pipe, the quad strip between two rings, smoothed vertex normals and the display
// scale that keeps a model between 2 and 50 units.
#pragma once

#include "geometry/types.h"

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

// The shaft of a spiral flight or the main pipe of a pipe intersection: a cylinder centred on
// the origin whose axis is its local Y, turned about Z by RotationZ degrees.
struct SolidCylinder {
    bool Visible = false;
    double Width = 1;  // diameter along local X
    double Height = 1; // length along the axis
    double Depth = 1;  // diameter along local Z
    double RotationZ = 0;
};

// Appends one quad per pair of neighbouring points of two rings of equal size: vertices
// 4i = a[i], 4i+1 = b[i], 4i+2 = b[i+1], 4i+3 = a[i+1] and the two triangles
// (4i+1, 4i+2, 4i+3), (4i+3, 4i, 4i+1). A closed strip adds the quad from the last points back
// to the first. The longer ring's extra points are left out.
void AddQuadStrip(SolidMesh& mesh, const TPathArray& a, const TPathArray& b, bool closed);

// One unit normal per vertex: the area-weighted face normals of every triangle that touches a
// vertex lying within `threshold` of it, so the shared edges of neighbouring quads shade smoothly.
// A vertex whose triangles all have no area gets a unit normal along -Y.
void SmoothNormals(SolidMesh& mesh, double threshold = 0.001);

// Replaces the mesh's surface by the strip between the two rings, with smoothed normals.
void SetStripSurface(SolidMesh& mesh, const TPathArray& a, const TPathArray& b, bool closed);

// The factor that brings a model of the given size into the range 2 to 50: 1 inside it,
// 50 / size above, 2 / size below (1 for a size that is not a positive number).
double DisplayScaleFor(double size);
// Multiplies every point by the factor.
void ScalePath(TPathArray& path, double factor);

} // namespace brevant
