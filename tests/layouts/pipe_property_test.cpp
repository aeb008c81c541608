// Physical truth of the branch pattern over many generated pipe pairs, typed in inches and in
// millimetres: the pattern is as wide as the branch's perimeter, its stations lie at their arc
// length around the branch, and at every station the cut height is the distance along the
// branch generator from the far end to the main pipe's surface, measured on the 3D rings.
#include "pipe_fixture.h"
#include "support/kinds.h"

#include <cstdint>
#include <numbers>

#include "support/lcg.h"

namespace brevant::testing {
namespace {

double Truncated(double v, double step) {
    return std::trunc(v / step) * step;
}

// From the far end of the generator toward the ring at the main axis, the distance at which the
// generator enters the main pipe, whose axis runs across the branch through the origin (its
// surface is y^2 + z^2 = Rb^2 in the model's frame). Found by bisection, apart from any formula.
double DistanceToMainPipe(const TDPoint& far, const TDPoint& axis, double rb) {
    const double len = std::hypot(axis.x - far.x, axis.y - far.y, axis.z - far.z);
    auto outside = [&](double s) {
        const double y = far.y + (axis.y - far.y) * s / len;
        const double z = far.z + (axis.z - far.z) * s / len;
        return y * y + z * z > rb * rb;
    };
    double lo = 0, hi = len;
    for (int k = 0; k < 200; ++k) {
        const double mid = (lo + hi) / 2;
        (outside(mid) ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

// The arc length around the ring from its first point to each point, about the ring's centre.
std::vector<double> ArcPositions(const TPathArray& ring) {
    TDPoint c;
    const std::size_t n = ring.size() - 1; // the last point closes the ring
    for (std::size_t i = 0; i < n; ++i)
        c = {c.x + ring[i].x / n, c.y + ring[i].y / n, c.z + ring[i].z / n};
    std::vector<double> u{0};
    for (std::size_t i = 1; i < ring.size(); ++i) {
        const TDPoint a{ring[i - 1].x - c.x, 0, ring[i - 1].z - c.z};
        const TDPoint b{ring[i].x - c.x, 0, ring[i].z - c.z};
        const double r = std::hypot(a.x, a.z);
        u.push_back(u.back() +
                    r * std::atan2(std::fabs(a.x * b.z - a.z * b.x), a.x * b.x + a.z * b.z));
    }
    return u;
}

class PipeDevelopment : public PipeTest, public ::testing::WithParamInterface<UnitSystem> {};

TEST_P(PipeDevelopment, PatternIsTheUnrolledBranchCutToTheMainPipe) {
    const UnitSystem units = GetParam();
    e.Form.UnitsComboBox.itemIndex = units;
    const double scale = units == kMillimeters ? 25.4 : 1;
    Lcg rng(20261211);
    for (int i = 0; i < 200; ++i) {
        const double db = Truncated(rng.Next(0.5, 120) * scale, 0.001);
        // Every fourth branch is nearly as large as the main pipe.
        const double k = i % 4 == 0 ? rng.Next(0.97, 1.0) : rng.Next(0.05, 0.97);
        const double ds = std::max(0.001, Truncated(db * k, 0.001));
        // Offsets to both sides, up to nearly touching the main pipe's side.
        const double o = Truncated((db - ds) / 2 * rng.Next(-0.98, 0.98), 0.0001);
        ASSERT_EQ(Calculate(std::to_string(db), std::to_string(ds), std::to_string(o)), 0);
        ASSERT_TRUE(host.messages.empty()) << i << ": " << host.messages[0].title;
        ASSERT_EQ(e.Form.StatusLabel.text, "") << i;
        const double rb = PipeOf(e).Def.PipeBigOD / 2.0, branch = PipeOf(e).Def.PipeSmallOD;
        EXPECT_NEAR(branch, ds / scale, ds / scale * 1e-6) << i;

        const double width = std::numbers::pi * ds / scale;
        double left = 1e300, right = -1e300;
        for (const TElement& l : Lines())
            left = std::min({left, l.Coord(1), l.Coord(4)}),
            right = std::max({right, l.Coord(1), l.Coord(4)});
        EXPECT_NEAR(right - left, width, width * 1e-6) << i;

        const auto curve = CurvePoints();
        const PipeModel& m = PipeOf(e).State.Model;
        ASSERT_EQ(curve.size(), 41u) << i;
        ASSERT_EQ(m.FarRing.size(), 41u) << i;
        const auto arc = ArcPositions(m.AxisRing);
        for (std::size_t s = 0; s < curve.size(); ++s) {
            EXPECT_NEAR(curve[s].x - left, arc[s], width * 1e-9) << i << " station " << s;
            const double cut = DistanceToMainPipe(m.FarRing[s], m.AxisRing[s], rb);
            EXPECT_NEAR(curve[s].y, cut, 1e-6 * rb)
                << i << " station " << s << ": " << db << " " << ds << " " << o;
        }
        ASSERT_FALSE(HasFailure()) << "pair " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Units, PipeDevelopment, ::testing::Values(kInches, kMillimeters),
                         [](const auto& info) { return info.param == kInches ? "in" : "mm"; });

} // namespace
} // namespace brevant::testing
