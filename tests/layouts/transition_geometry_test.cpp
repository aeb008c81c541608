// The transition's surface on parts whose answer is known by hand: parallel rectangles give four
// flat trapezoids, concentric rounds give flat trapezoids between every two lines, and a round
// top over a rectangle is the square to round's surface.
#include "geometry/distances.h"
#include "layouts/square/square_model.h"
#include "layouts/square/square_pattern.h"
#include "layouts/transition/transition_develop.h"
#include "layouts/transition/transition_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace brevant {
namespace {

constexpr SectionShape kRect = SectionShape::Rectangle;
constexpr SectionShape kRound = SectionShape::Round;
constexpr SectionShape kObround = SectionShape::Obround;

int Bends(const TransitionFlat& f) {
    int bends = 0;
    for (size_t k = 0; k < f.BendAngles.size(); ++k)
        bends += f.IsBend(k) ? 1 : 0;
    return bends;
}

TEST(TransitionSections, OutlinesHaveTheirPointsAndPerimeters) {
    struct Case {
        SectionSize size;
        int divisions;
        size_t points;
        double perimeter;
        int corners;
    };
    const double pi = std::numbers::pi;
    const Case cases[] = {
        {{kRect, 10, 6, 0}, 6, 4, 32, 4},
        {{kRect, 10, 6, 1}, 3, 16, 24 + 24 * std::sin(pi / 12), 0},
        {{kRound, 10, 0, 0}, 6, 24, 24 * 10 * std::sin(pi / 24), 0},
        {{kObround, 10, 4, 0}, 2, 10, 12 + 32 * std::sin(pi / 8), 0},
        // A corner radius of half the shorter side leaves no straight side there.
        {{kRect, 10, 6, 3}, 2, 10, 8 + 48 * std::sin(pi / 8), 0},
    };
    for (const Case& c : cases) {
        const SectionLoop loop = SectionOutline(c.size, c.divisions);
        EXPECT_EQ(loop.Points.size(), c.points) << c.size.Width << " " << c.divisions;
        EXPECT_NEAR(LoopLength(loop), c.perimeter, 1e-9) << c.points;
        int corners = 0;
        for (const SectionPoint& p : loop.Points)
            corners += p.Corner ? 1 : 0;
        EXPECT_EQ(corners, c.corners);
        for (size_t k = 1; k < loop.Normals.size(); ++k)
            EXPECT_LT(loop.Normals[k - 1], loop.Normals[k]) << k;
    }
}

// Rectangle to rectangle with parallel sides and an offset: four plane trapezoids, folded only
// at the four corner lines; the area is that of the four trapezoids.
TEST(TransitionSurface, ParallelRectanglesGiveFourFlatTrapezoids) {
    TransitionPart part;
    part.Bottom = {kRect, 40, 30, 0};
    part.Top = {kRect, 16, 10, 0};
    part.Height = 24;
    part.XShift = 7;
    part.YShift = -4;
    const TransitionModel m = BuildTransitionModel(part, false);
    const TransitionFlat f = DevelopTransition(m);
    EXPECT_EQ(Bends(f), 4);
    // Each side: the mean of its parallel edges times the distance between them.
    auto side = [&](double bottomEdge, double topEdge, double across) {
        return (bottomEdge + topEdge) / 2 * std::hypot(across, part.Height);
    };
    const double area = side(30, 10, 7 + 8 - 20) + side(30, 10, 20 - 8 + 7) +
                        side(40, 16, -4 + 5 - 15) + side(40, 16, 15 - 5 - 4);
    EXPECT_NEAR(f.Area, area, 1e-9 * area);
    EXPECT_NEAR(SignedArea(f.Outline()), area, 1e-9 * area);
}

// Concentric rounds: the lines from each point of the bottom to the point of the top at the same
// angle bound flat trapezoids; the diagonal inside each is no fold.
TEST(TransitionSurface, ConcentricRoundsGiveFlatTrapezoidsBetweenEveryTwoLines) {
    TransitionPart part;
    part.Bottom = {kRound, 30, 0, 0};
    part.Top = {kRound, 12, 0, 0};
    part.Height = 20;
    part.Divisions = 5;
    const TransitionModel m = BuildTransitionModel(part, false);
    const TransitionFlat f = DevelopTransition(m);
    ASSERT_EQ(m.Rungs.size(), size_t(2 * 20 + 1));
    for (size_t k = 0; k < m.Rungs.size(); ++k) {
        const bool pointToPoint = m.Rungs[k].Bottom == m.Rungs[k].Top;
        EXPECT_EQ(f.IsBend(k), pointToPoint) << k;
    }
}

// A round top over a rectangle with Divisions = bends per corner - 1 is the square to round: the
// same corner fans to the same top points (the square to round's twin points sit 0.01 degree
// beside the quarter points), the same lengths, the same area.
TEST(TransitionSurface, RoundOverRectangleIsTheSquareToRound) {
    for (int n = kSquareMinBends; n <= kSquareMaxBends; ++n) {
        SquareShape s{18, 40, 28, 22, 3, -2, 0, n};
        TransitionPart part;
        part.Bottom = {kRect, s.W, s.L, 0};
        part.Top = {kRound, s.D, 0, 0};
        part.Height = s.H, part.XShift = s.XShift, part.YShift = s.ZShift;
        part.Divisions = n - 1;
        const TransitionModel m = BuildTransitionModel(part, false);
        const SquareModel sq = BuildSquareModel(s);
        // The twin points are 0.01 degree off the quarter points.
        const double twin = s.D / 2 * 0.0101 * std::numbers::pi / 180;
        for (const TSquarePoints& g : sq.Generators) {
            const TDPoint top = TopPointOf(g), bottom = BottomPointOf(g);
            const TDPoint st{top.x, top.z, top.y}, sb{bottom.x, bottom.z, bottom.y};
            bool found = false;
            for (size_t k = 0; k < m.Rungs.size() && !found; ++k) {
                const TDPoint t = m.TopOf(k), b = m.BottomOf(k);
                found = Distance3D(b, sb) < 1e-9 && Distance3D(t, st) <= twin &&
                        std::abs(Distance3D(t, b) - g.length) <= twin + 1e-5;
            }
            EXPECT_TRUE(found) << "n " << n << " generator " << g.circle_array_index;
        }
        // Every line but the seam (first and last) is a generator of the square to round.
        EXPECT_EQ(m.Rungs.size() - 2, sq.Generators.size()) << n;
        // The square to round lays out the whole side triangle at the start and cuts it at the
        // seam; its last triangle is the part cut off.
        const SquarePattern sp = DevelopSquarePattern(sq, s, 4);
        double squareArea = 0;
        for (const SquareFlatTriangle& t : sp.Triangles)
            squareArea += std::abs(SignedArea({t.Flat[0], t.Flat[1], t.Flat[2]}));
        const SquareFlatTriangle& cut = sp.Triangles.back();
        squareArea -= std::abs(SignedArea({cut.Flat[0], cut.Flat[1], cut.Flat[2]}));
        const TransitionFlat f = DevelopTransition(m);
        EXPECT_NEAR(f.Area, squareArea, 1e-5 * squareArea) << n;
        EXPECT_NEAR(SignedArea(f.Outline()), squareArea, 1e-5 * squareArea) << n;
    }
}

} // namespace
} // namespace brevant
