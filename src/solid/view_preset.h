// The three view presets of the 3D view: where they put the camera rig, its zoom limits and the
// end-plane pivots of the scaled model.
#pragma once

#include "solid/solid_model.h"

#include <vector>

namespace brevant {

struct LayoutDefinition;

enum ViewPreset : int { kTopView = 1, kFrontView = 2, kResetView = 3 };

// What a preset needs beyond the scene: the layout type on show (which may differ from the
// kind of the scene, e.g. an empty scene), its definition and the page.
struct ViewPresetJob {
    SolidPartKind Layout = SolidPartKind::Cone;
    const LayoutDefinition& Def;
    bool SquarePage = false;
};

// The points that hold everything the view shows of the part, as the scene places them: its
// meshes' vertices, the corners of the box round the shaft or main pipe, and the two rings.
std::vector<TDPoint> SceneExtentPoints(const SolidModel& solid);

// Places the camera for preset 1 (looking down), 2 (from the front) or 3 (the reset view,
// tilted down by 15 degrees), aimed at the middle of the part and far enough back that the
// whole part fits the angle of view with a margin (the picture being at least as wide as it is
// high); sets the wheel's
// zoom limits and step from that distance and moves the end-plane pivots onto the scaled model.
// Returns false, leaving everything as it was, when there is nothing to look at: a cone or
// square to round without its diameter or height, an empty scene, or an unknown preset.
bool SetViewPreset(SolidModel& solid, const ViewPresetJob& job, int preset);

} // namespace brevant
