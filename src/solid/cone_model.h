// The 3D model of cones and cylinders: end planes, rings and the ring mesh in SolidModel.
#pragma once

#include "geometry/end_planes.h"
#include "solid/solid_model.h"

namespace brevant {

struct LayoutDefinition;

// What the cone's 3D model is built from: the scene it fills, the definition, the ring
// resolution, and whether the square-to-round page is showing (its pivots differ).
struct SceneJob {
    SolidModel& Solid;
    const LayoutDefinition& Def;
    int CircleResolution = 40;
    bool SquarePage = false;
};

enum EndPlaneSide : int { kBottomPlane = 0, kTopPlane = 1 };

// Empties both meshes and puts them back at X 0, empties both rings, hides the grid planes
// and the shaft; the scene holds no part.
void ClearScene(SolidModel& solid);
// Positions and tilts the end-plane pivots for the current cone or square to round.
void PlaceEndPlanes(SceneJob& job);
// Moves the points of one ring (scene frame) onto the top or bottom plane of the current cone:
// through the apex for a cone, parallel to the axis for a cylinder (whose top ring is then
// made from the bottom ring).
void ProjectRingsOntoEndPlane(SceneJob& job, TPathArray& top, TPathArray& bottom, int plane);
// The true-size rings of a cone or cylinder in the scene frame (top and bottom, the job's
// resolution each): circles or ellipses, the top at its height or on its tilted plane, the
// bottom on its plane when tilted or elliptical.
TRingPair ConeSolidRings(SceneJob& job);
// Cones and straight cylinders.
void BuildConeModel(SceneJob& job);
// Cylinders with a tilted end.
void BuildObliqueCylinderModel(SceneJob& job);
// The closed quad mesh between two rings of equal size (scene frame) with smoothed normals;
// scales the rings into the display range when the part is very large or very small and
// keeps them as the first (top) and second (bottom) ring. The square-to-round page makes
// the part a square to round, any other a cone.
void BuildRingMesh(SceneJob& job, const TPathArray& top, const TPathArray& bottom);

} // namespace brevant
