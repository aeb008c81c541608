// The 3D model of cones and cylinders: end planes, rings and the ring mesh in SolidModel.
#pragma once

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

// Empties the mesh and both rings and hides the grid planes.
void ClearScene(SolidModel& solid);
// Positions and tilts the end-plane pivots for the current cone or square to round.
void PlaceEndPlanes(SceneJob& job);
// Moves the points of one ring (scene frame) onto the top or bottom plane of the current cone:
// through the apex for a cone, parallel to the axis for a cylinder (whose top ring is then
// made from the bottom ring).
void ProjectRingsOntoEndPlane(SceneJob& job, TPathArray& top, TPathArray& bottom, int plane);
// Cones and straight cylinders.
void BuildConeModel(SceneJob& job);
// Cylinders with a tilted end.
void BuildObliqueCylinderModel(SceneJob& job);
// The closed quad mesh between two rings of equal size (scene frame); keeps the rings.
void BuildRingMesh(SceneJob& job, const TPathArray& top, const TPathArray& bottom);

} // namespace brevant
