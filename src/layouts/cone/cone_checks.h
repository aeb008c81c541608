// The cone's input check: at least one diameter and three principal dimensions.
#pragma once

namespace brevant {

struct ConeDefinition;

// Counts T, B, H, A, L given (> 0); enough with a diameter and at least three.
bool HasEnoughConeDimensions(const ConeDefinition& def);

} // namespace brevant
