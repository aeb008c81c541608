// Direction angles, angle normalisation, arc sweeps and lengths, vertex angles.
#include "geometry/angles.h"
#include "geometry/constants.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace brevant;

TEST(GetAngle, AxisDirectionsComeOutAHairOffTheAxis) {
    EXPECT_NEAR(GetAngle(0, 0, 10, 0), 359.99999943, 5e-9);
    const struct {
        double x2, y2, low, high;
    } cases[] = {
        {0, 10, 90, 90 + 1e-4},    // up: a little over 90
        {-10, 0, 180, 180 + 1e-4}, // left: a little over 180
        {0, -10, 270 - 1e-4, 270}, // down: a little under 270
        {10, 0, 360 - 1e-4, 360},  // right: just under 360
    };
    for (const auto& c : cases) {
        const double a = GetAngle(0, 0, c.x2, c.y2);
        EXPECT_GT(a, c.low) << c.x2 << "," << c.y2;
        EXPECT_LT(a, c.high) << c.x2 << "," << c.y2;
    }
}

TEST(GetAngle, QuadrantsAndEqualPoints) {
    const struct {
        double x1, y1, x2, y2, expected;
    } cases[] = {
        {5, 5, 5, 5, 0},     {0, 0, 1, 1, 45},   {0, 0, -1, 1, 135},
        {0, 0, -1, -1, 225}, {0, 0, 1, -1, 315}, {2, 3, 2 + std::sqrt(3.0), 4, 30},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(GetAngle(c.x1, c.y1, c.x2, c.y2), c.expected, 1e-7)
            << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2;
}

TEST(GetAngle, CalculatorAndDrawingUseTheirOwnDegreeConstant) {
    const double base = std::atan(2.0);
    EXPECT_DOUBLE_EQ(GetAngle(0, 0, 1, 2), base * kCalcDegreesPerRadian);
    EXPECT_DOUBLE_EQ(draw::GetAngle(0, 0, 1, 2), base * kDrawDegreesPerRadian);
    EXPECT_NE(GetAngle(0, 0, 1, 2), draw::GetAngle(0, 0, 1, 2));
}

TEST(GetAngle, NudgeStillDecidesTheQuadrantWhereItIsBelowPrecision) {
    // At x = 1e10 adding 1e-7 to x changes nothing; straight down must still be near 270.
    EXPECT_NEAR(GetAngle(1e10, 0, 1e10, -5), 270, 1e-4);
    EXPECT_NEAR(GetAngle(0, 1e10, -5, 1e10), 180, 1e-4);
}

TEST(GetAngle, LineVersionRunsFromPoint1ToPoint2) {
    EXPECT_NEAR(GetAngleLine(TDLine{{1, 1, 0}, {0, 2, 0}}), 135, 1e-7);
}

TEST(FixAngle, BringsAnglesIntoOneTurn) {
    const struct {
        double in, out;
    } cases[] = {{-30, 330},     {720, 0},  {360, 0}, {0, 0},
                 {359.5, 359.5}, {-720, 0}, {725, 5}, {-1e-20, 0}};
    for (const auto& c : cases)
        EXPECT_NEAR(FixAngle(c.in), c.out, 1e-9) << c.in;
}

TEST(FixAngle, HugeAndNonFiniteAnglesDoNotHang) {
    for (double huge : {1e20, -1e20, 1e300}) {
        const double a = FixAngle(huge);
        EXPECT_GE(a, 0) << huge;
        EXPECT_LT(a, 360) << huge;
    }
    EXPECT_TRUE(std::isnan(FixAngle(INFINITY)));
    EXPECT_TRUE(std::isnan(FixAngle(-INFINITY)));
    EXPECT_TRUE(std::isnan(FixAngle(NAN)));
}

TEST(GetArcAngle, SweepsCounterClockwiseWithoutNormalising) {
    const struct {
        double sa, ea, sweep;
    } cases[] = {{350, 10, 20}, {10, 350, 340}, {45, 45, 360}, {10, 400, 390}, {0, 90, 90}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(GetArcAngle(c.sa, c.ea), c.sweep) << c.sa;
}

TEST(GetArcLength, IsTheSweepsShareOfTheCircumference) {
    const struct {
        double r, sa, ea, length;
    } cases[] = {
        {10, 0, 90, 15.707963267948966},
        {10, 30, 30, 62.83185307179586},
        {-10, 0, 90, 15.707963267948966},
        {2, 350, 10, 2 * kFullTurn * 20 / 360},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(GetArcLength(c.r, c.sa, c.ea), c.length, 1e-12);
}

TEST(GetVertexAngle, AngleAtTheVertexInSpace) {
    const struct {
        double x1, y1, z1, vx, vy, vz, x3, y3, z3, expected;
        double tolerance = 1e-9;
    } cases[] = {
        {1, 0, 0, 0, 0, 0, 0, 1, 0, std::acos(0.0) * kDrawDegreesPerRadian},
        {2, 1, 1, 1, 1, 1, 1, 1, 3, std::acos(0.0) * kDrawDegreesPerRadian},
        {1, 1, 0, 0, 0, 0, 1, 0, 0, std::acos(1 / std::sqrt(2.0)) * kDrawDegreesPerRadian},
        {0, 0, 0, 0, 0, 0, 1, 0, 0, 0},             // zero arm
        {3, 3, 3, 0, 0, 0, 2.1, 2.1, 2.1, 0, 1e-5}, // same direction: cosine rounds above 1
        {0.1, 0.3, 0.7, 0, 0, 0, -0.3, -0.9, -2.1, std::acos(-1.0) * kDrawDegreesPerRadian, 1e-5},
    };
    for (const auto& c : cases) {
        const double a = GetVertexAngle(c.x1, c.y1, c.z1, c.vx, c.vy, c.vz, c.x3, c.y3, c.z3);
        EXPECT_FALSE(std::isnan(a));
        EXPECT_NEAR(a, c.expected, c.tolerance) << c.x1 << "," << c.y1 << "," << c.z1;
    }
}
