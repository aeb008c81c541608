// The square-to-round model: ring angles with the twin points, the corner of each generator,
// the tilted top and the generator table.
#include "geometry/angles.h"
#include "layouts/square/square_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace brevant {
namespace {

SquareShape Shape(int n, double xs = 0, double ys = 0, double a = 0) {
    SquareShape s;
    s.D = 10, s.W = 20, s.L = 16, s.H = 12;
    s.XShift = xs, s.ZShift = ys, s.TopAngle = a, s.BendsPerCorner = n;
    return s;
}

TEST(SquareModel, FourBendsGiveSixteenPointsWithTwinsBesideEachQuarter) {
    const double expected[] = {359.99, 0.01,   30,  60,  89.99,  90.01,  120, 150,
                               179.99, 180.01, 210, 240, 269.99, 270.01, 300, 330};
    const auto angles = SquareTopAngles(4);
    ASSERT_EQ(angles.size(), 16u);
    for (size_t k = 0; k < 16; ++k)
        EXPECT_NEAR(FixAngle(angles[k]), expected[k], 1e-9) << k;
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(SquareCornerOf(k, 4), 1) << k;
    const int corners[] = {0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 0, 0, 0};
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(SquareCornerOf(k, 4), corners[k]) << k;
}

TEST(SquareModel, TenBendsStepTenDegrees) {
    const auto angles = SquareTopAngles(10);
    ASSERT_EQ(angles.size(), 40u);
    EXPECT_NEAR(angles[2], 10, 1e-12);
    EXPECT_NEAR(angles[9], 80, 1e-12);
    EXPECT_NEAR(angles[10], 89.99, 1e-12);
    EXPECT_NEAR(angles[11], 90.01, 1e-12);
}

TEST(SquareModel, TableJoinsEachTopPointToItsCornerWithTheTrueLength) {
    const SquareModel m = BuildSquareModel(Shape(5, 1.5, -2));
    ASSERT_EQ(m.Generators.size(), 20u);
    ASSERT_EQ(m.TopRing.size(), 20u);
    ASSERT_EQ(m.BottomRing.size(), 20u);
    for (int k = 0; k < 20; ++k) {
        const TSquarePoints& g = m.Generators[size_t(k)];
        EXPECT_EQ(g.circle_array_index, k);
        EXPECT_EQ(g.angle, 0);
        // Scene frame: heights are negative y.
        EXPECT_NEAR(g.top_y, -12, 1e-5);
        EXPECT_EQ(g.bot_y, 0);
        const TDPoint c = SquareCorner(Shape(5), SquareCornerOf(k, 5));
        EXPECT_EQ(g.bot_x, float(c.x));
        EXPECT_EQ(g.bot_z, float(c.z));
        const double a = SquareTopAngles(5)[size_t(k)] * std::numbers::pi / 180;
        EXPECT_NEAR(g.top_x, 1.5 + 5 * std::cos(a), 1e-5);
        EXPECT_NEAR(g.top_z, -2 + 5 * std::sin(a), 1e-5);
        const double len = std::sqrt(std::pow(g.top_x - g.bot_x, 2) + 12.0 * 12.0 +
                                     std::pow(g.top_z - g.bot_z, 2));
        EXPECT_NEAR(g.length, len, 1e-5);
    }
}

TEST(SquareModel, TiltedTopPointsLieOnThePlaneAndOnTheirLineToTheAxisPoint) {
    for (double a : {-30.0, 12.5, 30.0}) {
        const SquareShape s = Shape(6, 2, 1, a);
        const SquareModel m = BuildSquareModel(s);
        const auto angles = SquareTopAngles(6);
        for (size_t k = 0; k < m.TopRing.size(); ++k) {
            const TDPoint p = m.TopRing[k];
            const double h = -p.y;
            EXPECT_NEAR(h, 12 - std::tan(a * std::numbers::pi / 180) * (p.x - 2), 1e-9) << a;
            // Collinear with the untilted point and (0, 2H, 0).
            const double t = angles[k] * std::numbers::pi / 180;
            const TDPoint q{2 + 5 * std::cos(t), 12, 1 + 5 * std::sin(t)};
            const double f = (24 - h) / 12;
            EXPECT_NEAR(p.x, f * q.x, 1e-9);
            EXPECT_NEAR(p.z, f * q.z, 1e-9);
        }
    }
}

TEST(SquareModel, ALineThatNeverMeetsThePlaneInFrontLeavesThePointAlone) {
    // A wide circle on a low, steeply tilted top: some lines to the axis point run parallel
    // to the plane or meet it behind that point.
    SquareShape s = Shape(4, 0, 0, 30);
    s.D = 60, s.H = 2;
    const SquareModel m = BuildSquareModel(s);
    for (const TDPoint& p : m.TopRing) {
        EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z));
    }
    const TDPoint far{30, 2, 0};
    EXPECT_EQ(TiltTopPoint(far, s).x, 30);
}

TEST(SquareModel, BendsPerCornerAreKeptBetweenFourAndTen) {
    EXPECT_EQ(BuildSquareModel(Shape(0)).Generators.size(), 16u);
    EXPECT_EQ(BuildSquareModel(Shape(-3)).Generators.size(), 16u);
    EXPECT_EQ(BuildSquareModel(Shape(500)).Generators.size(), 40u);
}

} // namespace
} // namespace brevant
