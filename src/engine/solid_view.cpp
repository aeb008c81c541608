// The 3D scene's grid planes and view presets as the driver sets them.
#include "engine/layout_engine.h"

#include <cmath>

namespace brevant {

void LayoutEngine::SizeGridPlanes() {
    const double scale = Solid.DisplayScale;
    const double a = Def.BottomDiameter * scale;
    Solid.GridFrequency = a / 10;
    Solid.TopPlaneSize = Def.TopDiameter * scale;
    Solid.BottomPlaneSize = a;
    Solid.TopPlaneVisible = true;
    Solid.BottomPlaneVisible = true;
}

// The camera rig belongs to the viewport; here only the pivots follow the scaled model.
void LayoutEngine::ResetSolidView() {
    if (Solid.SecondRing.empty()) return;
    const double scale = Solid.DisplayScale;
    if (CurrentInputPage() == kSquarePage) {
        Solid.TopPivotPosition = {Def.SquareTopXShift * scale, -Def.SquareHeight * scale,
                                  Def.SquareTopYShift * scale};
        return;
    }
    Solid.TopPivotPosition = {Def.TopShift * scale, -Def.ConeHeight * scale, 0};
    Solid.BottomPivotRotationZ = Def.BottomAngle;
}

std::vector<OverlayLine> LayoutEngine::SolidOverlayLines() const {
    OverlayOptions o;
    o.ShowSeam = Form.SeamLineCheckBox.checked;
    o.SeamAngle = static_cast<int>(Form.SeamSpinBox.value);
    o.ShowSideCuts = Form.SideCutsCheckBox.checked;
    o.TopCutAngle = Cone.SideCutTopAngle;
    o.BottomCutAngle = Cone.SideCutBottomAngle;
    return OverlayLines(Solid, o);
}

} // namespace brevant
