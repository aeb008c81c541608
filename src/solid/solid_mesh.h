// Building blocks of the 3D meshes: the quad strip between two rings, smoothed vertex normals
// and the display scale that keeps a model between 2 and 50 units.
#pragma once

#include "solid/solid_model.h"

namespace brevant {

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
