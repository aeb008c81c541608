// The cone's input check: at least one diameter and three principal dimensions.
#pragma once

namespace brevant {

class LayoutEngine;

// Counts T, B, H, A, L given (> 0); enough with a diameter and at least three. Shows the
// not-enough-dimensions message unless quiet.
bool HasEnoughConeDimensions(LayoutEngine& engine, bool quiet);

} // namespace brevant
