// The bounding box text of the seam display.
#include "engine/layout_engine.h"

namespace brevant {

void LayoutEngine::RefreshBoundingBoxLabel() {}

} // namespace brevant
