// The cone's input check.
#include "cone/cone_checks.h"

#include "engine/layout_engine.h"

namespace brevant {

bool HasEnoughConeDimensions(LayoutEngine& e, bool quiet) {
    const auto& d = e.Def;
    int given = 0;
    for (float v : {d.TopDiameter, d.BottomDiameter, d.ConeHeight, d.SideAngle, d.SideLength})
        if (v > 0) ++given;
    if ((d.TopDiameter > 0 || d.BottomDiameter > 0) && given >= 3) return true;
    if (!quiet) e.ShowNotEnoughDimensions();
    return false;
}

} // namespace brevant
