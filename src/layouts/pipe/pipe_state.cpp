// The results the pipe intersection keeps for the displays, the CLI and the 3D model.
#include "layouts/pipe/pipe_state.h"

#include "layouts/pipe/pipe_pattern.h"

namespace brevant {

void StorePipeResults(PipeState& state, const PipeInputs& in) {
    state.Developed = true;
    state.PatternWidth = PipePatternWidth(in);
    state.ReferenceDistance = PipeReferenceDistance(in);
    state.CutHeights.clear();
    for (const TDPoint& p : PipeCutCurve(in, kPipeScreenDivisions))
        state.CutHeights.push_back(p.y);
}

void ClearPipeResults(PipeState& state) {
    const float t = state.MaterialThickness;
    state = PipeState{};
    state.MaterialThickness = t;
}

} // namespace brevant
