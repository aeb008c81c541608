// The 3D model of cones and cylinders: end planes, rings and the ring mesh of the scene.
#pragma once

#include "geometry/end_planes.h"
#include "geometry/part_scene.h"
#include "layouts/cone/cone_definition.h"

namespace brevant {

// What the cone's 3D model is built from: the scene it fills, the definition and the ring
// resolution.
struct SceneJob {
    PartScene& Scene;
    const ConeDefinition& Def;
    int CircleResolution = 40;
};

enum EndPlaneSide : int { kBottomPlane = 0, kTopPlane = 1 };

// Positions and tilts the end-plane pivots for the cone.
void PlaceEndPlanes(SceneJob& job);
// Moves the points of one ring (scene frame) onto the top or bottom plane of the cone: through
// the apex for a cone, parallel to the axis for a cylinder (whose top ring is then made from the
// bottom ring).
void ProjectRingsOntoEndPlane(SceneJob& job, TPathArray& top, TPathArray& bottom, int plane);
// The true-size rings of a cone or cylinder in the scene frame (top and bottom, the job's
// resolution each): circles or ellipses, the top at its height or on its tilted plane, the
// bottom on its plane when tilted or elliptical.
TRingPair ConeSolidRings(SceneJob& job);
// Cones and straight cylinders.
void BuildConeModel(SceneJob& job);
// Cylinders with a tilted end.
void BuildObliqueCylinderModel(SceneJob& job);
// The grid planes of the scene from the cone's diameters, at the scene's display scale.
void SizeGridPlanes(PartScene& scene, const ConeDefinition& def);

} // namespace brevant
