// Reading a strip-packing instance in the JSON form of the public benchmark collections:
// "Items" (each with "Demand", "AllowedOrientations" and a "Shape" of type "SimplePolygon"
// whose "Data" are [x, y] points) and "Strip" with its "Height".
#pragma once

#include "nesting/nest_job.h"

#include <string>
#include <string_view>

namespace brevant {

// Limits that keep a hostile file from asking for unbounded work.
inline constexpr int kMostInstanceItems = 10000;
inline constexpr int kMostItemDemand = 10000;
inline constexpr std::size_t kMostPolygonPoints = 100000;
inline constexpr double kMostInstanceCoordinate = 1e9;

struct NestInstance {
    std::string name;
    NestJob job; // strip mode; each item one part with its own rotations
};

// Parses text into instance; false with the reason in error (which names no file).
bool ReadNestInstance(std::string_view text, NestInstance& instance, std::string& error);

} // namespace brevant
