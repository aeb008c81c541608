// CalculateCone: the cone driver from the read inputs to the drawn pattern and the displays.
#include "cone/cone_checks.h"
#include "engine/layout_engine.h"

namespace brevant {

int LayoutEngine::CalculateCone(bool quiet) {
    if (int code = LayoutPrologue(kLayoutCone, quiet); code >= 0) return code;
    if (!HasEnoughConeDimensions(*this, quiet)) return kDriverNotEnough;
    Cone.IsObliqueCone = Def.TopShift != 0 || Def.TopAngle != 0 || Def.BottomAngle != 0;
    // The solver, the patterns and the displays follow here.
    return kDriverDone;
}

} // namespace brevant
