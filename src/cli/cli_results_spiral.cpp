// The spiral flight's results and inputs of a run, by their names.
#include "cli/cli_results.h"

#include "engine/layout_engine.h"

namespace brevant::cli {

nlohmann::json SpiralResultsJson(const LayoutEngine& e) {
    const SpiralResults& s = e.Spiral;
    return {{"SpiralThickness", e.Def.SpiralThickness},
            {"SpiralOuterRadius", s.SpiralOuterRadius},
            {"SpiralInnerRadius", s.SpiralInnerRadius},
            {"SpiralFlatAngle", s.SpiralFlatAngle},
            {"SpiralOuterChord", s.SpiralOuterChord},
            {"SpiralInnerChord", s.SpiralInnerChord},
            {"SpiralPatternWidth", s.SpiralPatternWidth},
            {"SpiralPatternHeight", s.SpiralPatternHeight}};
}

} // namespace brevant::cli
