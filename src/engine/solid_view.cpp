// The 3D scene's view presets and overlay as the driver and the menus use them.
#include "engine/layout_engine.h"
#include "solid/view_preset.h"

namespace brevant {

bool LayoutEngine::SetViewPreset(int preset) {
    const LayoutKind* kind = CurrentKind();
    if (!kind) return false;
    const std::optional<ViewFraming> framing = kind->Framing(Solid, Units());
    return framing && brevant::SetViewPreset(Solid, *framing, preset);
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
    o.TopCutAngle = Solid.SideCutTopAngle;
    o.BottomCutAngle = Solid.SideCutBottomAngle;
    return OverlayLines(Solid, o);
}

} // namespace brevant
