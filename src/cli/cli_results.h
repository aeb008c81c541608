// The layout state and drawings as JSON, lengths in inches and angles in degrees.
#pragma once

#include "core/result_value.h"

#include <nlohmann/json.hpp>

namespace brevant {
class LayoutEngine;
class TCadDraw;
} // namespace brevant

namespace brevant::cli {

// A result tree as JSON.
nlohmann::json ToJson(const ResultValue& value);
// The results of every layout kind and the material, by their names, in one object.
nlohmann::json Results(const LayoutEngine& engine);
// Count of undeleted elements, count per layer and the extents.
nlohmann::json Drawing(const TCadDraw& view);

} // namespace brevant::cli
