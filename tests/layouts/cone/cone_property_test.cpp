// Physical truth of the development over many generated regular cones: the drawn outer arc is
// as long as the bottom perimeter, the inner arc as long as the top perimeter, and the radial
// edges as long as the slant side.
#include "cone_fixture.h"
#include "support/kinds.h"

#include <cstdint>
#include <numbers>

#include "support/lcg.h"

namespace brevant::testing {
namespace {

double ArcLength(const TElement& arc) {
    double span = arc.Coord(6) - arc.Coord(5);
    if (span <= 0) span += 360;
    return arc.Coord(4) * span * std::numbers::pi / 180;
}

class ConeDevelopment : public ConeFixture, public ::testing::WithParamInterface<UnitSystem> {};

TEST_P(ConeDevelopment, DrawnArcsHaveThePerimetersOfTheEnds) {
    const UnitSystem units = GetParam();
    e.Form.UnitsComboBox.itemIndex = units;
    const double toInches = units == kMillimeters ? 1 / 25.4 : 1;
    Lcg rng(20261210);
    int checked = 0;
    for (int i = 0; i < 150; ++i) {
        const double scale = units == kMillimeters ? 25.4 : 1;
        const double T = std::round(rng.Next(0.5, 120) * scale * 100) / 100;
        const double B = std::round(T * rng.Next(1.05, 6) * 100) / 100;
        const double H = std::round(rng.Next(0.5, 150) * scale * 100) / 100;
        Calculate(T, B, H);
        if (ConeOf(e).Def.IsCylinder) continue;
        ASSERT_TRUE(host.messages.empty()) << i;
        const auto arcs = Elements(e.CadDraw1, 1, kElementArc);
        ASSERT_EQ(arcs.size(), 2u) << i;
        const double bottom = std::numbers::pi * B * toInches;
        const double top = std::numbers::pi * T * toInches;
        EXPECT_NEAR(ArcLength(arcs[0]), bottom, bottom * 2e-5) << i << ": " << T << " " << B;
        EXPECT_NEAR(ArcLength(arcs[1]), top, top * 2e-5) << i << ": " << T << " " << B;
        const double run = (B - T) / 2 * toInches, h = H * toInches;
        const double slant = std::sqrt(run * run + h * h);
        for (const TElement& edge : Elements(e.CadDraw1, 1, kElementLine))
            EXPECT_NEAR(std::hypot(edge.Coord(4) - edge.Coord(1), edge.Coord(5) - edge.Coord(2)),
                        slant, slant * 2e-5)
                << i;
        ++checked;
    }
    EXPECT_GT(checked, 100);
}

INSTANTIATE_TEST_SUITE_P(Units, ConeDevelopment, ::testing::Values(kInches, kMillimeters));

} // namespace
} // namespace brevant::testing
