// CalculatePipeIntersection: its own reader and input checks.
#include "engine/layout_engine.h"

namespace brevant {

namespace {
inline constexpr const char* kMsgPipeLarger = "Error: Small pipe is larger than Main pipe";
inline constexpr const char* kMsgPipeOutside = "Error: Small pipe is not within Main pipe";
} // namespace

bool LayoutEngine::ReadPipeInputs() {
    if (!ReadLengths({{&Form.BigPipeDiaEdit, &Def.PipeBigOD},
                      {&Form.SmallPipeDiaEdit, &Def.PipeSmallOD},
                      {&Form.PipeOffsetEdit, &Def.PipeOffset}}))
        return false;
    if (Def.PipeBigOD == 0 && Def.PipeSmallOD == 0) return false;
    if (!(Def.PipeBigOD > 0 && Def.PipeSmallOD > 0)) {
        ShowNotEnoughDimensions();
        return false;
    }
    return ReadLengths({{&Form.ThicknessEdit, &Def.MaterialThickness}});
}

int LayoutEngine::CalculatePipeIntersection(bool quiet) {
    if (!BeginOwnReaderDriver()) return kDriverDone;
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
