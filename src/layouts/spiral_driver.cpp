// CalculateSpiralFlight: its own reader and input checks.
#include "engine/layout_engine.h"

namespace brevant {

namespace {
inline constexpr const char* kMsgSpiralRadii = "Error: Small radius is larger than big radius";
} // namespace

bool LayoutEngine::ReadSpiralInputs() {
    float od = 0, id = 0, pitch = 0, t = 0;
    if (!ReadInputValue(Form.SpiralODEdit, od)) return false;
    Def.SpiralOD = ToIn(od);
    if (!ReadInputValue(Form.SpiralIDEdit, id)) return false;
    Def.SpiralID = ToIn(id);
    if (!ReadInputValue(Form.SpiralPitchEdit, pitch)) return false;
    Def.SpiralPitch = ToIn(pitch);
    if (Def.SpiralOD == 0 && Def.SpiralID == 0 && Def.SpiralPitch == 0) return false;
    const int given = (od > 0) + (id > 0) + (pitch > 0);
    if (given == 1 || given == 2) {
        ShowNotEnoughDimensions();
        return false;
    }
    if (!ReadInputValue(Form.ThicknessEdit, t)) return false;
    Def.MaterialThickness = ToIn(t);
    return true;
}

int LayoutEngine::CalculateSpiralFlight(bool quiet) {
    ClearStatus();
    Drv.PdfInProgress = false;
    SetCurrentLayer(CadDraw1, 1);
    if (Drv.BusyFlag) return kDriverDone;
    ClearResultLabels();
    ClearViews();
    if (!ReadSpiralInputs()) {
        HideResultDisplays();
        return kDriverBadNumber;
    }
    if (Def.SpiralID == 0 || Def.SpiralOD == 0 || Def.SpiralPitch == 0) {
        if (!quiet) ShowNotEnoughDimensions();
        return kDriverNotEnough;
    }
    if (Def.SpiralID >= Def.SpiralOD) {
        ShowMessageDialog(kMsgSpiralRadii, "");
        return kDriverDone;
    }
    Drv.CircleResolution = 40;
    // The flight's development comes with its own layout module.
    return kDriverDone;
}

} // namespace brevant
