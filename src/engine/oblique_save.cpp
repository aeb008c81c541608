// The oblique pattern developed again for a CAD save at a finer resolution.
#include "engine/layout_engine.h"

namespace brevant {

void LayoutEngine::RedrawObliquePatternForSave() {}

} // namespace brevant
