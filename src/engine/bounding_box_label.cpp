// The bounding box text of the seam display for the engine's last cone.
#include "cone/regular_cone.h"
#include "engine/layout_engine.h"

namespace brevant {

void LayoutEngine::RefreshBoundingBoxLabel() {
    brevant::RefreshBoundingBoxLabel(Form, Cone, Format());
}

} // namespace brevant
