// The 3D scene's grid planes, view presets and overlay as the driver and the menus use them.
#include "engine/layout_engine.h"
#include "solid/view_preset.h"

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

namespace {
SolidPartKind PartKindOfLayout(int type) {
    switch (type) {
    case kLayoutSquare:
        return SolidPartKind::SquareToRound;
    case kLayoutSpiral:
        return SolidPartKind::SpiralFlight;
    case kLayoutPipe:
        return SolidPartKind::PipeIntersection;
    default:
        return SolidPartKind::Cone;
    }
}
} // namespace

bool LayoutEngine::SetViewPreset(int preset) {
    const ViewPresetJob job{PartKindOfLayout(LayoutType()), Def, CurrentInputPage() == kSquarePage};
    return brevant::SetViewPreset(Solid, job, preset);
}

void LayoutEngine::ResetSolidView() {
    SetViewPreset(kResetView);
}

void LayoutEngine::TopViewMenuClick() {
    SetViewPreset(kTopView);
}

void LayoutEngine::FrontViewMenuClick() {
    SetViewPreset(kFrontView);
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
