// The flat ring of a spiral flight: the worked example, agreement with the textbook formula,
// and the limits of the pitch.
#include "layouts/spiral/spiral_model.h"
#include "layouts/spiral/spiral_ring.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace brevant;

namespace {
constexpr double kPi = std::numbers::pi;

// R = Lo w / (Lo - Li) with the subtraction done in extended precision.
long double TextbookOuterRadius(long double od, long double id, long double p) {
    const long double pi = std::numbers::pi_v<long double>;
    const long double lo = std::sqrt(p * p + pi * od * pi * od);
    const long double li = std::sqrt(p * p + pi * id * pi * id);
    return lo * (od - id) / 2 / (lo - li);
}
} // namespace

TEST(SpiralRing, ConveyorFlightOfTwentyOneByEightByTwelve) {
    const SpiralRing g = DevelopSpiralFlight(21, 8, 12);
    EXPECT_NEAR(g.OuterHelixLength, 67.05, 0.01);
    EXPECT_NEAR(g.InnerHelixLength, 27.85, 0.01);
    EXPECT_DOUBLE_EQ(g.Width, 6.5);
    EXPECT_NEAR(g.OuterRadius, 11.12, 0.01);
    EXPECT_NEAR(g.InnerRadius, 4.62, 0.01);
    EXPECT_NEAR(g.FlatAngle, 345.6, 0.05);
    EXPECT_DOUBLE_EQ(g.PatternWidth, 2 * g.OuterRadius);
    // Nearly closed: the height runs from the top of the outer arc to the outer end below.
    const double s = g.StartAngle * kPi / 180;
    EXPECT_NEAR(g.PatternHeight, g.OuterRadius * (1 + std::fabs(std::sin(s))), 1e-12);
    // Both chords span the same gap: they scale with their radius.
    EXPECT_NEAR(g.OuterChord / g.InnerChord, g.OuterRadius / g.InnerRadius, 1e-12);
    EXPECT_NEAR(g.OuterChord, 2 * g.OuterRadius * std::cos(s), 1e-9);
}

TEST(SpiralRing, SteepFlightHeightReachesTheInnerEnds) {
    const SpiralRing g = DevelopSpiralFlight(21, 8, 100);
    ASSERT_LE(g.FlatAngle, 180);
    const double s = g.StartAngle * kPi / 180;
    EXPECT_NEAR(g.PatternHeight, g.OuterRadius - g.InnerRadius * std::sin(s), 1e-12);
}

TEST(SpiralRing, AgreesWithTheTextbookFormulaAndStaysExactForLongPitches) {
    const double pitches[] = {0.5, 12, 300, 1e4, 1e6};
    for (double p : pitches) {
        const SpiralRing g = DevelopSpiralFlight(21, 8, p);
        const double expected = static_cast<double>(TextbookOuterRadius(21, 8, p));
        EXPECT_NEAR(g.OuterRadius / expected, 1, 1e-9) << p;
        EXPECT_NEAR(g.OuterRadius - g.InnerRadius, 6.5, 1e-9 * g.OuterRadius) << p;
    }
    // Far beyond where Lo - Li cancels to nothing in double precision: still a finite ring.
    const SpiralRing g = DevelopSpiralFlight(21, 8, 1e12);
    EXPECT_TRUE(std::isfinite(g.OuterRadius) && g.OuterRadius > 0);
    EXPECT_GT(g.FlatAngle, 0);
    EXPECT_NEAR(g.OuterRadius * g.FlatAngle * kPi / 180 / g.OuterHelixLength, 1, 1e-9);
}

TEST(SpiralRing, PitchTowardsZeroClosesTheRingWithoutPassingAFullTurn) {
    const double pitches[] = {1e-3, 1e-9, 1e-200, 0};
    for (double p : pitches) {
        const SpiralRing g = DevelopSpiralFlight(21, 8, p);
        EXPECT_LE(g.FlatAngle, 360) << p;
        EXPECT_NEAR(g.FlatAngle, 360, 0.01) << p;
        EXPECT_NEAR(g.OuterRadius, 10.5, 1e-3) << p;
        EXPECT_GE(g.OuterChord, 0) << p;
        EXPECT_GE(g.InnerChord, 0) << p;
        EXPECT_TRUE(std::isfinite(g.PatternHeight)) << p;
    }
}

TEST(SpiralRing, AreaIsTheAnnulusShareOfTheRingAngle) {
    const SpiralResults r{10, 4, 90, 0, 0, 0, 0};
    EXPECT_NEAR(SpiralFlightArea(r), kPi * (100 - 16) / 4, 1e-9);
}

TEST(SpiralModel, HelicesMakeOneTurnOverThePitch) {
    const double p = 12;
    const SpiralModel m = BuildSpiralModel(21, 8, p, 40);
    ASSERT_EQ(m.OuterHelix.size(), 41u);
    ASSERT_EQ(m.InnerHelix.size(), 41u);
    // Heights are stored downwards (scene y = -h): one step up at the start, 41 steps at the end.
    EXPECT_NEAR(m.OuterHelix.front().y, -p / 40, 1e-6);
    EXPECT_NEAR(m.OuterHelix.back().y, -41 * p / 40, 1e-5);
    EXPECT_NEAR(m.OuterHelix.front().x, 10.5, 1e-12);
    EXPECT_NEAR(m.OuterHelix.back().x, 10.5, 1e-9);
    EXPECT_NEAR(m.OuterHelix.back().z, 0, 1e-9);
    for (std::size_t i = 0; i < m.InnerHelix.size(); ++i) {
        const TDPoint& o = m.OuterHelix[i];
        const TDPoint& in = m.InnerHelix[i];
        EXPECT_NEAR(std::hypot(o.x, o.z), 10.5, 1e-9);
        EXPECT_NEAR(std::hypot(in.x, in.z), 4, 1e-9);
        EXPECT_EQ(o.y, in.y); // the two helices climb together
    }
    // A quarter of the way round, x = 0 and z = r.
    EXPECT_NEAR(m.OuterHelix[10].z, 10.5, 1e-9);
}
