// Physical truth of the transition's development over generated parts of every pair of shapes,
// shifted, tilted, whole and half: each flat triangle keeps its true 3D lengths, the pattern
// encloses the area of the 3D facets, the top edge is as long as the top section, the two seams
// match, and no facet of the part crosses another.
#include "geometry/vectors.h"
#include "layouts/transition/transition_checks.h"
#include "layouts/transition/transition_develop.h"
#include "layouts/transition/transition_model.h"
#include "support/lcg.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace brevant::testing {
namespace {

using Tri = std::array<TDPoint, 3>;

double Flat(const TDPoint& a, const TDPoint& b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

double Solid(const TDPoint& a, const TDPoint& b) {
    return Length(Sub(b, a));
}

bool Near(double a, double b, double rel) {
    return std::abs(a - b) <= rel * std::max({std::abs(a), std::abs(b), 1.0});
}

// Whether the segment p-q passes through the inside of triangle t (Moller-Trumbore), touching
// excluded.
bool Pierces(const TDPoint& p, const TDPoint& q, const Tri& t) {
    constexpr double eps = 1e-9;
    const TDPoint e1 = Sub(t[1], t[0]), e2 = Sub(t[2], t[0]), d = Sub(q, p);
    const TDPoint h = Cross(d, e2);
    const double det = Dot(e1, h);
    if (std::abs(det) <= eps * Length(e1) * Length(e2) * Length(d)) return false;
    const TDPoint s = Sub(p, t[0]);
    const double u = Dot(s, h) / det;
    if (u <= eps || u >= 1 - eps) return false;
    const TDPoint qv = Cross(s, e1);
    const double v = Dot(d, qv) / det;
    if (v <= eps || u + v >= 1 - eps) return false;
    const double w = Dot(e2, qv) / det;
    return w > eps && w < 1 - eps;
}

// The facets of a model with the ids of their corners (bottom points, then top points).
struct Facet {
    Tri P;
    std::array<int, 3> Id;
};

std::vector<Facet> Facets(const TransitionModel& m) {
    std::vector<Facet> out;
    const int top = int(m.Bottom.size());
    for (size_t k = 0; k + 1 < m.Rungs.size(); ++k) {
        const Rung r = m.Rungs[k], n = m.Rungs[k + 1];
        const bool sharesBottom = r.Bottom == n.Bottom;
        const int third = sharesBottom ? top + n.Top : n.Bottom;
        const TDPoint p = sharesBottom ? m.TopOf(k + 1) : m.BottomOf(k + 1);
        out.push_back({{m.BottomOf(k), m.TopOf(k), p}, {r.Bottom, top + r.Top, third}});
    }
    return out;
}

bool Share(const Facet& a, const Facet& b) {
    for (int i : a.Id)
        for (int j : b.Id)
            if (i == j) return true;
    return false;
}

int Crossings(const TransitionModel& m) {
    const std::vector<Facet> facets = Facets(m);
    int crossings = 0;
    for (size_t i = 0; i < facets.size(); ++i)
        for (size_t j = 0; j < facets.size(); ++j) {
            if (i == j || Share(facets[i], facets[j])) continue;
            const Tri& a = facets[i].P;
            for (int e = 0; e < 3; ++e)
                crossings += Pierces(a[size_t(e)], a[size_t((e + 1) % 3)], facets[j].P) ? 1 : 0;
        }
    return crossings;
}

SectionSize RandomSection(Lcg& rng, int shape, double scale) {
    SectionSize s{static_cast<SectionShape>(shape), scale * rng.Next(0.3, 1.0), 0, 0};
    s.Length = s.Width * rng.Next(0.3, 2.5);
    if (shape == 0 && rng.Next(0, 1) < 0.6)
        s.Radius = std::min(s.Width, s.Length) / 2 * rng.Next(0, 1);
    return s;
}

TransitionPart RandomPart(Lcg& rng, int i) {
    TransitionPart p;
    p.Bottom = RandomSection(rng, i % 3, rng.Next(2, 80));
    p.Top = RandomSection(rng, (i / 3) % 3, p.Bottom.Width * rng.Next(0.2, 1.5));
    p.Height = p.Bottom.Width * rng.Next(0.05, 2.0);
    p.XShift = (i % 4 == 1 ? rng.Next(-1.5, 1.5) : rng.Next(-0.3, 0.3)) * p.Bottom.Width;
    p.YShift = i % 5 == 0 ? 0 : rng.Next(-0.8, 0.8) * p.Bottom.Width;
    p.Divisions = 2 + i % 11;
    if (i % 4 == 3) {
        p.TopAngle = rng.Next(-60, 60);
        // Keeps the whole top above the bottom.
        p.Height += p.Top.Width / 2 * std::abs(std::sin(p.TopAngle * 3.14159265358979 / 180));
    }
    return p;
}

TEST(TransitionProperty, DevelopmentKeepsTrueLengthsAreaTopEdgeAndSeams) {
    Lcg rng(20261211);
    int refused = 0;
    for (int i = 0; i < 360; ++i) {
        const TransitionPart part = RandomPart(rng, i);
        ASSERT_GT(LowestTopPoint(part), 0) << i;
        const bool half = i % 5 == 0;
        const TransitionModel m = BuildTransitionModel(part, half);
        ASSERT_EQ(m.Half, half) << i;
        const TransitionFlat f = DevelopTransition(m);
        const size_t count = m.Rungs.size();
        ASSERT_GE(count, size_t(4)) << i;
        for (size_t k = 0; k + 1 < count; ++k) {
            EXPECT_TRUE(Near(Flat(f.Bottom[k], f.Top[k]), Solid(m.BottomOf(k), m.TopOf(k)), 1e-6))
                << i << " rung " << k;
            EXPECT_TRUE(
                Near(Flat(f.Bottom[k], f.Top[k + 1]), Solid(m.BottomOf(k), m.TopOf(k + 1)), 1e-6))
                << i << " triangle " << k;
            EXPECT_TRUE(
                Near(Flat(f.Top[k], f.Bottom[k + 1]), Solid(m.TopOf(k), m.BottomOf(k + 1)), 1e-6))
                << i << " triangle " << k;
        }
        EXPECT_TRUE(Near(SignedArea(f.Outline()), f.Area, 1e-6)) << i;
        double topEdge = 0;
        for (size_t k = 1; k < f.TopEdge.size(); ++k)
            topEdge += Flat(f.TopEdge[k - 1], f.TopEdge[k]);
        const double perimeter = LoopLength(SectionOutline(part.Top, part.Divisions));
        EXPECT_TRUE(Near(topEdge, half ? perimeter / 2 : perimeter, 1e-6)) << i;
        // A whole pattern is cut along one seam: its two edges are the same line.
        if (!half) {
            EXPECT_TRUE(Near(Flat(f.Bottom.front(), f.Top.front()),
                             Flat(f.Bottom.back(), f.Top.back()), 1e-6))
                << i;
        }
        for (double a : f.BendAngles)
            EXPECT_TRUE(a > 0 && a <= 180) << i;
        // Between parallel planes the surface is the outside of the sections' convex hull and
        // never passes through itself; a steeply tilted top may, and the check says so.
        const int crossings = Crossings(m);
        if (part.TopAngle == 0) {
            EXPECT_EQ(crossings, 0) << i;
        }
        EXPECT_EQ(FacetsCross(m), crossings > 0) << i;
        refused += crossings > 0 ? 1 : 0;
    }
    // Only the few steepest tilts are refused.
    EXPECT_LT(refused, 10);
}

} // namespace
} // namespace brevant::testing
