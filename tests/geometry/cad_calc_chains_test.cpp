// The calculator's containment tests: a point in a closed chain, a chain in a chain, and the
// overlap of rectangles.
#include "geometry/cad_calc.h"

#include "cad_calc_test_util.h"

#include "caddraw/elements.h"
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

using namespace brevant;

namespace {

const TCadCalc calc;

void AddLine(TElements& chain, const TDPoint& a, const TDPoint& b) {
    TElement& e = chain.Add();
    e.Etype = kElementLine;
    e.Coords = {a.x, a.y, 0, b.x, b.y, 0};
}

// A closed chain of lines through the vertices in order.
TElementChain Polygon(const std::vector<TDPoint>& vertices) {
    TElementChain chain;
    for (std::size_t i = 0; i < vertices.size(); ++i)
        AddLine(chain, vertices[i], vertices[(i + 1) % vertices.size()]);
    chain.ChainStartPoint = vertices.front();
    return chain;
}

// Winding number of the polygon around P, with edges counted over the half-open height range
// (lower, upper] and a point on an edge counted as left of it: the boundary convention of a
// ray cast toward +x.
int WindingNumber(const TDPoint& P, const std::vector<TDPoint>& v) {
    int winding = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const TDPoint& a = v[i];
        const TDPoint& b = v[(i + 1) % v.size()];
        const double left = (b.x - a.x) * (P.y - a.y) - (P.x - a.x) * (b.y - a.y);
        if (a.y < P.y && P.y <= b.y && left >= 0) ++winding;
        if (b.y < P.y && P.y <= a.y && left <= 0) --winding;
    }
    return winding;
}

// A simple polygon: integer vertices at increasing angles around the origin.
std::vector<TDPoint> StarPolygon(test::RandomPlane& random) {
    const int n = random.Integer(3, 12);
    std::vector<double> angles;
    for (int i = 0; i < n; ++i)
        angles.push_back(random.Uniform(0, 2 * std::numbers::pi));
    std::sort(angles.begin(), angles.end());
    std::vector<TDPoint> v;
    for (const double a : angles) {
        const double r = random.Uniform(2, 20);
        const TDPoint p{std::round(r * std::cos(a)), std::round(r * std::sin(a)), 0};
        if (v.empty() || !(p == v.back())) v.push_back(p);
    }
    return v;
}

} // namespace

TEST(CadCalcChains, PointInsideASquare) {
    const TElementChain square = Polygon({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}});
    const struct {
        TDPoint p;
        bool inside;
    } cases[] = {
        {{5, 5, 0}, true},  {{15, 5, 0}, false}, {{10, 5, 0}, true},  {{5, 10, 0}, true},
        {{0, 5, 0}, false}, {{5, 0, 0}, false},  {{-1, 5, 0}, false}, {{5, 11, 0}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(calc.PointInsideChain(c.p, square), c.inside) << c.p.x << "," << c.p.y;
    EXPECT_FALSE(calc.PointInsideChain({5, 5, 0}, TElements{}));
}

TEST(CadCalcChains, PointInsideChainsOfArcs) {
    TElements circle;
    TElement& full = circle.Add();
    full.Etype = kElementArc;
    full.Coords = {0, 0, 0, 5, 0, 0};
    EXPECT_TRUE(calc.PointInsideChain({3, 0, 0}, circle));
    EXPECT_FALSE(calc.PointInsideChain({5, 0, 0}, circle));

    // A half disc: the arc from 0 to 180 and its diameter; the arc counts as two chords.
    TElements half;
    TElement& top = half.Add();
    top.Etype = kElementArc;
    top.Coords = {0, 0, 0, 10, 0, 180};
    AddLine(half, {-10, 0, 0}, {10, 0, 0});
    EXPECT_TRUE(calc.PointInsideChain({0, 5, 0}, half));
    EXPECT_FALSE(calc.PointInsideChain({0, -1, 0}, half));
    EXPECT_FALSE(calc.PointInsideChain({8, 8, 0}, half)); // beyond the chord to the middle
}

// On random simple polygons the ray count agrees with a winding number taken with the same
// boundary rule, at random points, at vertices and at the middles of edges.
TEST(CadCalcChains, PointInsideAgreesWithTheWindingNumber) {
    test::RandomPlane random(99);
    for (int i = 0; i < 300; ++i) {
        const std::vector<TDPoint> v = StarPolygon(random);
        if (v.size() < 3) continue;
        const TElementChain chain = Polygon(v);
        std::vector<TDPoint> probes;
        for (int k = 0; k < 20; ++k)
            probes.push_back({std::round(random.Uniform(-22, 22) * 2) / 2,
                              std::round(random.Uniform(-22, 22) * 2) / 2, 0});
        for (std::size_t k = 0; k < v.size(); ++k) {
            const TDPoint& a = v[k];
            const TDPoint& b = v[(k + 1) % v.size()];
            probes.push_back(a);
            probes.push_back({(a.x + b.x) / 2, (a.y + b.y) / 2, 0});
        }
        for (const TDPoint& p : probes)
            EXPECT_EQ(calc.PointInsideChain(p, chain), WindingNumber(p, v) != 0)
                << "polygon " << i << " point " << p.x << "," << p.y;
    }
}

TEST(CadCalcChains, ChainInsideChain) {
    const TElementChain outer = Polygon({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}});
    const TElementChain inner = Polygon({{2, 2, 0}, {8, 2, 0}, {8, 8, 0}, {2, 8, 0}});
    const TElementChain across = Polygon({{2, 2, 0}, {12, 2, 0}, {12, 8, 0}, {2, 8, 0}});
    EXPECT_TRUE(calc.ChainInsideChain(inner, outer));
    EXPECT_FALSE(calc.ChainInsideChain(outer, inner));
    EXPECT_FALSE(calc.ChainInsideChain(across, outer));
    EXPECT_FALSE(calc.ChainInsideChain(TElementChain{}, outer));
    EXPECT_FALSE(calc.ChainInsideChain(inner, TElementChain{}));

    // An arc bulging out of the outer square: its middle is outside though its ends are in.
    TElementChain bulge;
    AddLine(bulge, {2, 5, 0}, {8, 5, 0});
    TElement& arc = bulge.Add();
    arc.Etype = kElementArc;
    arc.Coords = {5, 5, 0, 6, 180, 0};
    bulge.ChainStartPoint = {2, 5, 0};
    EXPECT_FALSE(calc.ChainInsideChain(bulge, outer));
    arc.Coords = {5, 5, 0, 3, 180, 0};
    EXPECT_TRUE(calc.ChainInsideChain(bulge, outer));
}

TEST(CadCalcChains, RectangleOverlap) {
    const TRectF r{0, 0, 10, 10};
    EXPECT_TRUE(calc.LineInRect(r, {5, 5}, {20, 20}));
    EXPECT_FALSE(calc.LineInRect(r, {10, 0}, {20, 10})); // only touching
    EXPECT_FALSE(calc.LineInRect(r, {20, 20}, {5, 5}));  // not normalised
    EXPECT_TRUE(calc.LineInRect(r, {-5, -5}, {1, 1}));
}
