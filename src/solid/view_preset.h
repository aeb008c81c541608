// The view presets of the 3D view: Top, Front and the reset view; they frame the camera on the
// whole part and move the end-plane pivots of the scaled model.
#pragma once

#include "geometry/part_scene.h"
#include "solid/solid_model.h"

#include <vector>

namespace brevant {

enum ViewPreset : int { kTopView = 1, kFrontView = 2, kResetView = 3 };

// The points that hold everything the view shows of the part, as the scene places them: its
// meshes' vertices, the corners of the box round the shaft or main pipe, and the two rings.
std::vector<TDPoint> SceneExtentPoints(const SolidModel& solid);

// Places the camera for preset 1 (looking down), 2 (from the front) or 3 (the reset view,
// tilted down by 15 degrees), aimed at the middle of the part and far enough back that the
// whole part fits the angle of view with a margin (the picture being at least as wide as it is
// high); sets the wheel's zoom limits and step from that distance and moves the end-plane
// pivots onto the scaled model as the part's framing says. Returns false, leaving everything
// as it was, when there is nothing to look at: a part its kind cannot frame (no framing, or a
// cone or square to round without its diameter or height), an empty scene, or an unknown
// preset.
bool SetViewPreset(SolidModel& solid, const ViewFraming& framing, int preset);

} // namespace brevant
