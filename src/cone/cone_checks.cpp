// The cone's input check.
#include "cone/cone_checks.h"

#include "core/layout_definition.h"

#include <initializer_list>

namespace brevant {

bool HasEnoughConeDimensions(const LayoutDefinition& d) {
    int given = 0;
    for (float v : {d.TopDiameter, d.BottomDiameter, d.ConeHeight, d.SideAngle, d.SideLength})
        if (v > 0) ++given;
    return (d.TopDiameter > 0 || d.BottomDiameter > 0) && given >= 3;
}

} // namespace brevant
