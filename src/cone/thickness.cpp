// Material thickness compensation of the cone diameters.
#include "engine/layout_engine.h"

namespace brevant {

void LayoutEngine::ApplyThicknessCompensation() {}

} // namespace brevant
