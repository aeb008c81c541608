// The cone's input check: at least one diameter and three principal dimensions.
#pragma once

namespace brevant {

struct LayoutDefinition;

// Counts T, B, H, A, L given (> 0); enough with a diameter and at least three.
bool HasEnoughConeDimensions(const LayoutDefinition& def);

} // namespace brevant
