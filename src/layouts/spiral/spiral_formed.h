// The spiral flight as the formed part the solid output builds.
#pragma once

#include "geometry/formed_part.h"

namespace brevant {

// One turn of the spiral flight from its shaft hole (inside diameter) to its outside edge.
FormedPart SpiralFormedPart(double od, double id, double pitch);

} // namespace brevant
