// CalculatePipeIntersection: its own reader, the input checks, the branch rings and the pattern.
#include "core/messages.h"
#include "engine/layout_engine.h"
#include "layouts/pipe/pipe_model.h"
#include "layouts/pipe/pipe_pattern.h"
#include "solid/part_meshes.h"

namespace brevant {

bool LayoutEngine::ReadPipeInputs() {
    if (!ReadPageLengths(kPipePage)) return false;
    if (Def.PipeBigOD == 0 && Def.PipeSmallOD == 0) return false;
    if (!(Def.PipeBigOD > 0 && Def.PipeSmallOD > 0)) {
        ShowNotEnoughDimensions();
        return false;
    }
    // The pipe's wall thickness is its own: the cone's MaterialThickness is left alone.
    return ReadLengths({{&Form.ThicknessEdit, &Pipe.MaterialThickness}});
}

int LayoutEngine::CalculatePipeIntersection(bool quiet) {
    if (!BeginOwnReaderDriver()) return kDriverDone;
    HideResultDisplays();
    ClearPipeResults(Pipe);
    if (!ReadPipeInputs()) return kDriverBadNumber;
    ClearViews();
    const PipeInputs in = PipeInputsOf(Def, Pipe.MaterialThickness);
    switch (CheckPipeInputs(in)) {
    case PipeCheck::NotEnough:
        if (!quiet) ShowNotEnoughDimensions();
        return kDriverNotEnough;
    case PipeCheck::BranchLarger:
        ShowMessageDialog(kMsgPipeLarger, "");
        return kDriverDone;
    case PipeCheck::BranchOutside:
        ShowMessageDialog(kMsgPipeOutside, "");
        return kDriverDone;
    case PipeCheck::TooLarge:
        // Without this the view would stay empty without a word.
        Form.StatusLabel.text = kMsgTooLargeToDraw;
        return kDriverDone;
    case PipeCheck::Ok:
        break;
    }
    Drv.CircleResolution = 40;
    Pipe.Model = BuildPipeModel(in, Drv.CircleResolution);
    BuildPipeMesh(Solid, Pipe.Model.AxisRing, Pipe.Model.FarRing, in.MainDiameter,
                  in.BranchDiameter);
    DrawPipePattern(Flat, in, Drv.PdfInProgress);
    ShowFlat();
    StorePipeResults(Pipe, in);
    // The pipe intersection has no result display: the displays stay hidden.
    Form.RegularDataDisplay.visible = false;
    return kDriverDone;
}

} // namespace brevant
