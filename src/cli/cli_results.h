// The layout state and the drawings as JSON, lengths in inches and angles in degrees.
#pragma once

#include <nlohmann/json.hpp>

namespace brevant {
class LayoutEngine;
class TCadDraw;
struct PipeState;
} // namespace brevant

namespace brevant::cli {

nlohmann::json Results(const LayoutEngine& engine);
// The pipe intersection's values, added to the results.
void AddPipeResults(nlohmann::json& results, const PipeState& pipe);
// The spiral flight's thickness and the results of its last Calculate.
nlohmann::json SpiralResultsJson(const LayoutEngine& engine);
// The square-to-round model and pattern size ("SquareToRound" of the results).
nlohmann::json SquareToRoundResults(const LayoutEngine& engine);
// Count of undeleted elements, count per layer and the extents.
nlohmann::json Drawing(const TCadDraw& view);

} // namespace brevant::cli
