// The cone driver's display step (CalculateCone itself is a LayoutEngine member).
#pragma once

namespace brevant {

class LayoutEngine;

// Shows the result displays that apply to the last cone Calculate.
void ShowConeResults(LayoutEngine& engine);

} // namespace brevant
