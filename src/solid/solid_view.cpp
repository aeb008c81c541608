// The 3D scene's grid planes and view presets as the driver sets them.
#include "engine/layout_engine.h"

namespace brevant {

void LayoutEngine::SizeGridPlanes() {}
void LayoutEngine::ResetSolidView() {}

} // namespace brevant
