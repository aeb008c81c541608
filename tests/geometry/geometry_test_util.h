// Comparisons of geometry records shared by the geometry tests.
#pragma once

#include "geometry/types.h"

#include <gtest/gtest.h>

namespace brevant::test {

inline void ExpectPointNear(const TDPoint& actual, const TDPoint& expected, double tolerance) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

// A value no routine produces, to see whether an out-parameter was written.
inline constexpr TDPoint kUntouched{-777, -777, -777};

} // namespace brevant::test
