// The two helices of a spiral flight's 3D model, built without a scene.
#pragma once

#include "geometry/types.h"

namespace brevant {

// Scene frame: x = r cos, z = r sin, and a height h stored as y = -h. Each helix has
// circleResolution + 1 points and makes one full turn, the first point at one step's height.
struct SpiralModel {
    TPathArray OuterHelix; // radius OD / 2
    TPathArray InnerHelix; // radius ID / 2
};

// One turn of each helix over the pitch; the heights are accumulated step by step in single
// precision, as the preview has always placed them. A resolution below 1 counts as 1.
SpiralModel BuildSpiralModel(double od, double id, double pitch, int circleResolution);

} // namespace brevant
