// The pipe intersection's results in the CLI's JSON, lengths in inches.
#include "cli/cli_results.h"

#include "layouts/pipe/pipe_state.h"

namespace brevant::cli {

void AddPipeResults(nlohmann::json& j, const PipeState& pipe) {
    j["PipeMaterialThickness"] = pipe.MaterialThickness;
    j["PipeDeveloped"] = pipe.Developed;
    j["PipePatternWidth"] = pipe.PatternWidth;
    j["PipeReferenceDistance"] = pipe.ReferenceDistance;
    j["PipeCutHeights"] = pipe.CutHeights;
    j["PipeRingPoints"] = pipe.Model.FarRing.size();
}

} // namespace brevant::cli
