// CalculateSpiralFlight: its own reader and input checks.
#include "core/messages.h"
#include "engine/layout_engine.h"

namespace brevant {

bool LayoutEngine::ReadSpiralInputs() {
    if (!ReadLengths({{&Form.SpiralODEdit, &Def.SpiralOD},
                      {&Form.SpiralIDEdit, &Def.SpiralID},
                      {&Form.SpiralPitchEdit, &Def.SpiralPitch}}))
        return false;
    if (Def.SpiralOD == 0 && Def.SpiralID == 0 && Def.SpiralPitch == 0) return false;
    const int given = (Def.SpiralOD > 0) + (Def.SpiralID > 0) + (Def.SpiralPitch > 0);
    if (given == 1 || given == 2) {
        ShowNotEnoughDimensions();
        return false;
    }
    return ReadLengths({{&Form.ThicknessEdit, &Def.MaterialThickness}});
}

int LayoutEngine::CalculateSpiralFlight(bool quiet) {
    if (!BeginOwnReaderDriver()) return kDriverDone;
    if (!ReadSpiralInputs()) {
        HideResultDisplays();
        return kDriverBadNumber;
    }
    if (Def.SpiralID == 0 || Def.SpiralOD == 0 || Def.SpiralPitch == 0) {
        if (!quiet) ShowNotEnoughDimensions();
        return kDriverNotEnough;
    }
    if (Def.SpiralID >= Def.SpiralOD) {
        ShowMessageDialog(kMsgSmallRadiusLarger, "");
        return kDriverDone;
    }
    Drv.CircleResolution = 40;
    // The flight's development comes with its own layout module.
    return kDriverDone;
}

} // namespace brevant
