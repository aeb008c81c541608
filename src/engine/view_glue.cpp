// How the driver clears, zooms and prepares the two CAD views.
#include "engine/layout_engine.h"

namespace brevant {

void LayoutEngine::ClearDrawing(TCadDraw& view) {
    view.DeleteAllElements();
}

void LayoutEngine::ZoomDrawing(TCadDraw& view) {
    view.SetExtents();
    view.ZoomAll();
}

void LayoutEngine::ResetViewMenuClick() {
    ResetSolidView();
    CadDraw1.ZoomAll(); // to the stored extents, without recomputing them
}

} // namespace brevant
