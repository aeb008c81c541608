// The oblique pattern developed again for a CAD save at a finer resolution.
#include "cone/cylinder.h"
#include "cone/oblique_cone.h"
#include "engine/layout_engine.h"

namespace brevant {

void LayoutEngine::RedrawObliquePatternForSave() {
    Flat.Clear();
    ConeJob job = MakeConeJob();
    if (Def.IsCylinder)
        DrawObliqueCylinderPattern(job);
    else
        DrawObliqueConePattern(job);
    ShowFlat();
}

} // namespace brevant
