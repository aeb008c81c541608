// The branch pipe as the formed part the solid output builds.
#pragma once

#include "geometry/formed_part.h"
#include "layouts/pipe/pipe_geometry.h"

namespace brevant {

// The branch pipe cut to fit its main pipe, up to the plane of the pattern's straight edge.
FormedPart PipeFormedPart(const PipeInputs& in);

} // namespace brevant
