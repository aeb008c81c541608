// The two rings of the branch pipe for the 3D preview and the 3D export.
#pragma once

#include "geometry/types.h"
#include "layouts/pipe/pipe_geometry.h"

namespace brevant {

// Rings in the scene frame with the branch standing upright before the preview lays it down:
// X across the branch, Y along the branch axis (downwards: a distance h from the main axis is
// Y = -h), Z in the offset direction. The main pipe's axis runs along X through the origin.
struct PipeModel {
    TPathArray AxisRing; // at the level of the main axis (Y = 0)
    TPathArray FarRing;  // at the reference distance e from the main axis (Y = -e)
};

// Two rings of circleResolution + 1 points at phi = i / N x 360 degrees: the point at phi lies
// rs cos phi across and rs sin phi - o in the offset direction; the last repeats the first.
PipeModel BuildPipeModel(const PipeInputs& in, int circleResolution);

} // namespace brevant
