// The cone driver's steps as the engine runs them on its own state.
#pragma once

namespace brevant {

class LayoutEngine;

// Shows the result displays that apply to the last cone Calculate.
void ShowConeResults(LayoutEngine& engine);

} // namespace brevant
