// The fixed text table behind CalcErr.
#include "geometry/status.h"

#include <array>

namespace brevant {

namespace {

constexpr int kFirstCode = kStatusParallelLines;
constexpr std::array<std::string_view, 7> kStatusTexts = {
    "PARALLEL LINES",            // 902
    "UNDEFINED LINE",            // 903
    "ARC DOES NOT INTERSECT",    // 904
    "RADIUS DOES NOT INTERSECT", // 905
    "CONCENTRIC CIRCLES",        // 906
    "CAN'T ALLOCATE MEMORY",     // 907
    "3 POINTS ON SAME LINE",     // 908
};

} // namespace

std::string_view CalcErr(int index) {
    if (index < kFirstCode || index >= kFirstCode + static_cast<int>(kStatusTexts.size()))
        return "Undefined";
    return kStatusTexts[static_cast<std::size_t>(index - kFirstCode)];
}

} // namespace brevant
