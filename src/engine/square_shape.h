// The square to round of the definition as its model builder takes it.
#pragma once

#include "core/layout_definition.h"
#include "layouts/square/square_model.h"

namespace brevant {

// Diameter, rectangle, height, top shifts and tilt, and the bends per corner (inches, degrees).
SquareShape SquareShapeOf(const LayoutDefinition& definition);

} // namespace brevant
