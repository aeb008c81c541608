// CalculateSpiralFlight: reads the spiral inputs, checks them, builds the helices, draws the
// flat ring and shows its display.
#include "cone/thickness.h"
#include "core/messages.h"
#include "engine/layout_engine.h"
#include "layouts/spiral/spiral_display.h"
#include "layouts/spiral/spiral_pattern.h"
#include "solid/part_meshes.h"

namespace brevant {

bool LayoutEngine::ReadSpiralInputs() {
    if (!ReadPageLengths(kSpiralPage)) return false;
    if (Def.SpiralOD == 0 && Def.SpiralID == 0 && Def.SpiralPitch == 0) return false;
    const int given = (Def.SpiralOD > 0) + (Def.SpiralID > 0) + (Def.SpiralPitch > 0);
    if (given == 1 || given == 2) {
        ShowNotEnoughDimensions();
        return false;
    }
    return ReadLengths({{&Form.ThicknessEdit, &Def.SpiralThickness}});
}

int LayoutEngine::CalculateSpiralFlight(bool quiet) {
    if (!BeginOwnReaderDriver()) return kDriverDone;
    // A print or 3D export after a refused Calculate must not show the flight before it.
    Spiral = SpiralResults{};
    SpiralHelices = SpiralModel{};
    if (!ReadSpiralInputs()) {
        HideResultDisplays();
        return kDriverBadNumber;
    }
    const double od = Def.SpiralOD, id = Def.SpiralID, pitch = Def.SpiralPitch;
    // Negative sizes count as not given, as an empty edit does: no ring can be made of them.
    if (!(od > 0 && id > 0 && pitch > 0)) {
        if (!quiet) ShowNotEnoughDimensions();
        return kDriverNotEnough;
    }
    if (id >= od) {
        ShowMessageDialog(kMsgSmallRadiusLarger, "");
        return kDriverDone;
    }
    Drv.CircleResolution = 40;
    SpiralHelices = BuildSpiralModel(od, id, pitch, Drv.CircleResolution);
    BuildSpiralMesh(Solid, SpiralHelices.OuterHelix, SpiralHelices.InnerHelix, od, id, pitch);
    Form.RegularDataDisplay.visible = false;
    const bool drawn = DrawSpiralFlightPattern(Flat, od, id, pitch, Spiral);
    ShowFlat();
    HideResultDisplays();
    // A ring beyond the drawing's range says so rather than show an empty view beside sizes
    // that single precision can no longer hold.
    if (!drawn) {
        ShowStatus(kMsgTooLargeToDraw);
        return kDriverDone;
    }
    ShowSpiralFlightDisplay(Form, Spiral, Format(),
                            {Def.SpiralThickness, MaterialDensity(App.MaterialMass),
                             MaterialDisplayName(App.MaterialName)});
    return kDriverDone;
}

} // namespace brevant
