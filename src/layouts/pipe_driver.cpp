// CalculatePipeIntersection: its own reader and input checks.
#include "engine/layout_engine.h"

namespace brevant {

namespace {
inline constexpr const char* kMsgPipeLarger = "Error: Small pipe is larger than Main pipe";
inline constexpr const char* kMsgPipeOutside = "Error: Small pipe is not within Main pipe";
} // namespace

bool LayoutEngine::ReadPipeInputs() {
    float big = 0, small = 0, offset = 0, t = 0;
    if (!ReadInputValue(Form.BigPipeDiaEdit, big)) return false;
    Def.PipeBigOD = ToIn(big);
    if (!ReadInputValue(Form.SmallPipeDiaEdit, small)) return false;
    Def.PipeSmallOD = ToIn(small);
    if (!ReadInputValue(Form.PipeOffsetEdit, offset)) return false;
    Def.PipeOffset = ToIn(offset);
    if (Def.PipeBigOD == 0 && Def.PipeSmallOD == 0) return false;
    if (!(big > 0 && small > 0)) {
        ShowNotEnoughDimensions();
        return false;
    }
    if (!ReadInputValue(Form.ThicknessEdit, t)) return false;
    Def.MaterialThickness = ToIn(t);
    return true;
}

int LayoutEngine::CalculatePipeIntersection(bool quiet) {
    ClearStatus();
    Drv.PdfInProgress = false;
    SetCurrentLayer(CadDraw1, 1);
    if (Drv.BusyFlag) return kDriverDone;
    ClearResultLabels();
    ClearViews();
    HideResultDisplays();
    if (!ReadPipeInputs()) return kDriverBadNumber;
    ClearViews();
    const float db = Def.PipeBigOD, ds = Def.PipeSmallOD, o = Def.PipeOffset;
    if (ds == 0 || db == 0) {
        if (!quiet) ShowNotEnoughDimensions();
        return kDriverNotEnough;
    }
    if (ds > db) {
        ShowMessageDialog(kMsgPipeLarger, "");
        return kDriverDone;
    }
    if (db / 2 < ds / 2 + o) {
        ShowMessageDialog(kMsgPipeOutside, "");
        return kDriverDone;
    }
    Drv.CircleResolution = 40;
    // The branch's cut pattern comes with its own layout module.
    return kDriverDone;
}

} // namespace brevant
