// What a calculated transition hands out: its flat pattern, its 3D scene and formed part, its
// result display and its bend report.
#pragma once

#include "caddraw/flat_pattern.h"
#include "core/display_format.h"
#include "core/form_model.h"
#include "core/result_value.h"
#include "geometry/formed_part.h"
#include "geometry/part_scene.h"
#include "layouts/transition/transition_kind.h"
#include "layouts/transition/transition_messages.h"

#include <string>

namespace brevant {

// The pattern: the cut outline (bottom edge, seam, top edge, seam), the bend lines, the bounding
// box; pieces is 2 for a half pattern.
FlatPattern TransitionFlatPattern(const TransitionFlat& flat, int pieces);

// The whole part between its two rings in the 3D view, the top pivot at the top's centre.
void BuildTransitionScene(PartScene& scene, const TransitionResults& last);

// The rings of the whole part in the scene frame, one point per line of the surface.
void TransitionRings(const TransitionModel& whole, TPathArray& top, TPathArray& bottom);

// The formed part: the facets of the whole part between the bottom plane and the top's plane.
FormedPart TransitionFormedPart(const TransitionResults& last);

// "Transition Dimensions": the pattern's width and height, the area and weight.
void ShowTransitionDisplay(FormModel& form, const TransitionResults& last,
                           const DisplayFormat& format, const std::string& materialName,
                           bool ownPageShown);

// The results by name: the whole part's surface area, the pattern's area, width and height,
// the pieces to cut, the weight, and the true length and bend angle of every line.
ResultGroup TransitionResultGroup(const TransitionResults& last);

// The bend report: every line from the bottom to the top with its true length and the angle
// between its facets, from the seam on the +X side counter-clockwise.
std::string TransitionReportText(const TransitionFlat& flat, const std::string& name,
                                 const DisplayFormat& format);

} // namespace brevant
