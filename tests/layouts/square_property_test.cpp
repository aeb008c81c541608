// Physical truth of the square-to-round development over many generated parts: every flat
// triangle has the true lengths of its model triangle, the bottom edges add up to the
// rectangle, the top edge to the top ring, and a whole pattern's two seam edges match.
#include "geometry/distances.h"
#include "square_fixture.h"
#include "support/kinds.h"

#include <cstdint>
#include <iomanip>
#include <sstream>

#include "support/lcg.h"

namespace brevant::testing {
namespace {

std::string Text(double v) {
    std::ostringstream s;
    s << std::setprecision(6) << v;
    return s.str();
}

double Length(const SquareFlatLine& l) {
    return Distance3D(l.From, l.To);
}

double Sum(const SquarePattern& p, std::initializer_list<SquareLineKind> kinds) {
    double sum = 0;
    for (const SquareFlatLine& l : p.Lines)
        for (SquareLineKind k : kinds)
            if (l.Kind == k) sum += Length(l);
    return sum;
}

class SquareDevelopment : public SquareTest, public ::testing::WithParamInterface<UnitSystem> {};

TEST_P(SquareDevelopment, TrianglesEdgesAndSeamsHaveTheirTrueLengths) {
    const UnitSystem units = GetParam();
    e.Form.UnitsComboBox.itemIndex = units;
    const double scale = units == kMillimeters ? 25.4 : 1;
    Lcg rng(20261211);
    for (int i = 0; i < 120; ++i) {
        const double W = rng.Next(2, 80), L = W * rng.Next(0.4, 2.5);
        const double D = std::min(W, L) * rng.Next(0.1, 1.2), H = rng.Next(0.5, 90);
        const int kind = i % 4; // round, shifted along X, shifted along Z, tilted
        const double xs = kind == 1 ? rng.Next(-0.3, 0.3) * W : 0;
        const double ys = kind == 2 ? rng.Next(-0.3, 0.3) * L : 0;
        const double a = kind == 3 ? rng.Next(-30, 30) : 0;
        e.Form.NumberOfBendsLabel.text = std::to_string(4 + i % 7);
        e.Form.HalfPatternCheckBox.checked = i % 3 == 0;
        const int code = Calculate(Text(D * scale), Text(W * scale), Text(L * scale),
                                   Text(H * scale), Text(xs * scale), Text(ys * scale), Text(a));
        ASSERT_EQ(code, kDriverDone) << i;
        ASSERT_TRUE(host.messages.empty()) << i;

        const SquareDefinition& d = SquareOf(e).Def;
        const SquareShape s = d.Shape();
        const int fans = SquareFanCount(s, d.SquareHalfPattern);
        const SquarePattern p = DevelopSquarePattern(SquareOf(e).Square.Model, s, fans);
        ASSERT_EQ(p.Status, kStatusOk) << i;
        EXPECT_EQ(Lines(1).size(), p.Lines.size()) << i;
        // The circle crossings carry absolute tolerances of their own (near 1e-8).
        const double tol = 1e-6 * (W + L + H + D);
        for (const SquareFlatTriangle& t : p.Triangles)
            for (int j = 0; j < 3; ++j)
                ASSERT_NEAR(Distance3D(t.Flat[j], t.Flat[(j + 1) % 3]),
                            Distance3D(t.Solid[j], t.Solid[(j + 1) % 3]), tol)
                    << i << " edge " << j;
        const double sides = 2 * (s.W + s.L);
        EXPECT_NEAR(Sum(p, {SquareLineKind::BottomEdge, SquareLineKind::StartBottomEdge}),
                    fans == 4 ? sides : sides / 2, 1e-6 * sides)
            << i;
        const auto& ring = SquareOf(e).Square.Model.TopRing;
        double top = 0;
        const size_t chords = fans == 4 ? ring.size() : ring.size() / 2;
        for (size_t k = 0; k < chords; ++k)
            top += Distance3D(ring[k], ring[(k + 1) % ring.size()]);
        EXPECT_NEAR(Sum(p, {SquareLineKind::TopEdge}), top, 1e-6 * top) << i;
        std::vector<double> seams;
        for (const SquareFlatLine& l : p.Lines)
            if (l.Kind == SquareLineKind::Seam) seams.push_back(Length(l));
        ASSERT_EQ(seams.size(), 2u);
        if (fans == 4) {
            EXPECT_NEAR(seams[0], seams[1], tol) << i;
        }
        EXPECT_NEAR(SquareOf(e).Square.BoxWidth, p.BoxWidth(), 1e-9) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Units, SquareDevelopment, ::testing::Values(kInches, kMillimeters));

} // namespace
} // namespace brevant::testing
