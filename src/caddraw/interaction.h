// Mouse interaction and picking of the CAD view: the pure hit tests behind TCadDraw::PickAt
// and the mouse handlers (TCadDraw::MouseDown, MouseMove, MouseUp, MouseWheel).
#pragma once

#include "caddraw/element.h"
#include "caddraw/view_types.h"

namespace brevant {

// A pick hit nearer than this (world units) ends the search at once.
inline constexpr double kPickTakeAtOnce = 0.05;

// Whether a pick under the filter may return an element of the type.
bool FilterAccepts(TDFilter filter, int Etype);

// Whether the click direction `angle` (degrees from the arc centre) lies on the arc from
// startAngle to endAngle (counter-clockwise; equal angles are the whole circle).
bool AngleOnArc(double angle, double startAngle, double endAngle);

} // namespace brevant
