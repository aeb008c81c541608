// The square-to-round results of a run: the generator table with the true lengths and the size
// of the flat pattern, lengths in inches.
#include "cli/cli_results.h"

#include "engine/layout_engine.h"
#include "layouts/square/square_display.h"

namespace brevant::cli {

using nlohmann::json;

json SquareToRoundResults(const LayoutEngine& e) {
    const SquareModel& m = e.Square.Model;
    json table = json::array();
    for (const TSquarePoints& g : m.Generators)
        table.push_back({{"top_x", g.top_x},
                         {"top_y", g.top_y},
                         {"top_z", g.top_z},
                         {"bot_x", g.bot_x},
                         {"bot_y", g.bot_y},
                         {"bot_z", g.bot_z},
                         {"length", g.length},
                         {"angle", g.angle},
                         {"circle_array_index", g.circle_array_index}});
    return {{"TTrueLengthArray", table},
            {"BendAngles", SquareBendAngles(m.Generators, m.BendsPerCorner)},
            {"BoxWidth", e.Square.BoxWidth},
            {"BoxHeight", e.Square.BoxHeight}};
}

} // namespace brevant::cli
