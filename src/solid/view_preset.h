// The three view presets of the 3D view: where they put the camera rig, its zoom limits and the
// end-plane pivots of the scaled model.
#pragma once

#include "geometry/part_scene.h"
#include "solid/solid_model.h"

namespace brevant {

enum ViewPreset : int { kTopView = 1, kFrontView = 2, kResetView = 3 };

// Places the camera for preset 1 (looking down), 2 (from the front) or 3 (the reset view,
// tilted down by 15 degrees), sets the wheel's zoom limits and step from the model's size and
// moves the end-plane pivots onto the scaled model as the part's framing says. Returns false,
// leaving everything as it was, when there is nothing to look at: a part its kind cannot frame
// (no framing, or a cone or square to round without its diameter or height), an empty scene,
// or an unknown preset.
bool SetViewPreset(SolidModel& solid, const ViewFraming& framing, int preset);

} // namespace brevant
