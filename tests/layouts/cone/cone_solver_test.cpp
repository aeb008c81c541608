// The cone solver's pure parts: angles, ellipses and the rule table.
#include "layouts/cone/cone_definition.h"
#include "layouts/cone/cone_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace brevant {
namespace {

TEST(DirectionAngle, QuadrantsAxesAndEqualPoints) {
    struct Case {
        double x1, y1, x2, y2, expected;
    } cases[] = {
        {0, 0, 1, 1, 45}, {0, 0, -1, 1, 135},       {0, 0, -1, -1, 225}, {0, 0, 1, -1, 315},
        {0, 0, 0, 1, 90}, {0, 0, -1, 0, 180},       {0, 0, 0, -1, 270},  {2, 3, 2, 3, 0},
        {0, 0, 5, 5, 45}, {10, 0, 5, 10, 116.5651},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(DirectionAngle(c.x1, c.y1, c.x2, c.y2), c.expected, 1e-4)
            << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2;
    // Due right the tiny stand-in for dy leaves 360 - 6e-6, which single precision rounds to 360.
    EXPECT_EQ(DirectionAngle(0, 0, 1, 0), 360);
}

TEST(NormalizeAngle, BringsAnyAngleIntoRangeWithoutLooping) {
    EXPECT_DOUBLE_EQ(NormalizeAngle(370), 10);
    EXPECT_DOUBLE_EQ(NormalizeAngle(-30), 330);
    EXPECT_DOUBLE_EQ(NormalizeAngle(360), 0);
    EXPECT_DOUBLE_EQ(NormalizeAngle(-720), 0);
    const double huge = NormalizeAngle(1e30);
    EXPECT_GE(huge, 0);
    EXPECT_LT(huge, 360);
    EXPECT_EQ(NormalizeAngle(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(NormalizeAngle(std::numeric_limits<double>::infinity()), 0);
}

TEST(EllipsePerimeter, RoundAndEllipticalEnds) {
    EXPECT_NEAR(EllipsePerimeter(0, 10), M_PI * 10, 1e-9);
    EXPECT_NEAR(EllipsePerimeter(8, 10), 28.361, 1e-3);
    EXPECT_NEAR(EquivalentDiameter(8, 10), 9.0278, 1e-4);
    EXPECT_NEAR(EquivalentDiameter(10, 10), 10, 1e-9);
}

ConeDefinition Cone(float T, float B, float H, float A, float L, float S = 0) {
    ConeDefinition d;
    d.TopDiameter = T;
    d.BottomDiameter = B;
    d.ConeHeight = H;
    d.SideAngle = A;
    d.SideLength = L;
    d.TopShift = S;
    return d;
}

TEST(CompleteConeDimensions, EachRuleCompletesTheFrustum) {
    // The frustum T 10, B 20, H 5 (side 45 degrees, side length 7.0711), reached from every
    // combination of three; and the shifted top S 2.
    const float L = 7.0710678f;
    struct Case {
        const char* name;
        ConeDefinition d;
        float T, B, H;
    } cases[] = {
        {"A T H", Cone(10, 0, 5, 45, 0), 10, 20, 5},
        {"A B H", Cone(0, 20, 5, 45, 0), 10, 20, 5},
        {"A B T", Cone(10, 20, 0, 45, 0), 10, 20, 5},
        {"A B L", Cone(0, 20, 0, 45, L), 10, 20, 5},
        {"A T L", Cone(10, 0, 0, 45, L), 10, 20, 5},
        {"H B L", Cone(0, 20, 5, 0, L), 10, 20, 5},
        {"H T L", Cone(10, 0, 5, 0, L), 10, 20, 5},
        {"B T L", Cone(10, 20, 0, 0, L), 10, 20, 5},
        {"shifted A T H", Cone(10, 0, 5, 45, 0, 2), 10, 16, 5},
    };
    for (Case& c : cases) {
        EXPECT_EQ(CompleteConeDimensions(c.d), ConeRuleOutcome::Applied) << c.name;
        EXPECT_NEAR(c.d.TopDiameter, c.T, 1e-3) << c.name;
        EXPECT_NEAR(c.d.BottomDiameter, c.B, 1e-3) << c.name;
        EXPECT_NEAR(c.d.ConeHeight, c.H, 1e-3) << c.name;
    }
}

TEST(CompleteConeDimensions, UnsolvableInputsLeaveValuesFiniteAndUnsolved) {
    ConeDefinition tooShort = Cone(10, 20, 0, 0, 5); // d = 5: L^2 - d^2 = 0
    EXPECT_EQ(CompleteConeDimensions(tooShort), ConeRuleOutcome::SideTooShort);
    EXPECT_EQ(tooShort.ConeHeight, 0);

    ConeDefinition sideBelowHeight = Cone(0, 20, 10, 0, 5); // no angle has sin > 1
    EXPECT_EQ(CompleteConeDimensions(sideBelowHeight), ConeRuleOutcome::NoRule);
    EXPECT_EQ(sideBelowHeight.TopDiameter, 0);
    EXPECT_TRUE(std::isfinite(sideBelowHeight.SideAngle));

    ConeDefinition complete = Cone(10, 20, 5, 0, 0);
    EXPECT_EQ(CompleteConeDimensions(complete), ConeRuleOutcome::NothingToDo);

    ConeDefinition twoOnly = Cone(10, 0, 0, 45, 0);
    EXPECT_EQ(CompleteConeDimensions(twoOnly), ConeRuleOutcome::NoRule);
}

} // namespace
} // namespace brevant
