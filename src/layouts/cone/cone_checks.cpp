// The cone's input check.
#include "layouts/cone/cone_checks.h"

#include "layouts/cone/cone_definition.h"

#include <initializer_list>

namespace brevant {

bool HasEnoughConeDimensions(const ConeDefinition& d) {
    int given = 0;
    for (float v : {d.TopDiameter, d.BottomDiameter, d.ConeHeight, d.SideAngle, d.SideLength})
        if (v > 0) ++given;
    return (d.TopDiameter > 0 || d.BottomDiameter > 0) && given >= 3;
}

} // namespace brevant
