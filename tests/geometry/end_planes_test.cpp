// Rings and end planes of cones and cylinders: every ring point on its plane, paired points on
// one generator, no NaN for degenerate shapes.
#include "geometry/end_planes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace brevant {
namespace {

double PlaneResidual(const TEndPlane& p, const TDPoint& q) {
    return (q.x - p.Point.x) * p.Normal.x + (q.y - p.Point.y) * p.Normal.y +
           (q.z - p.Point.z) * p.Normal.z;
}

TDPoint Cross(const TDPoint& a, const TDPoint& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

TEST(EndPlanes, PositiveTiltLowersThePlaneTowardsPlusX) {
    const TEndPlane p = TiltedPlane(2, 10, 0, 30);
    // The point of the plane above x = 5: height 10 - tan(30) (5 - 2).
    const double h = 10 - std::tan(30 * M_PI / 180) * 3;
    EXPECT_NEAR(PlaneResidual(p, {5, h, 7}), 0, 1e-12);
    EXPECT_LT(h, 10);
}

TEST(EndPlanes, LineParallelToPlaneLeavesThePoint) {
    const TEndPlane flat = TiltedPlane(0, 0, 0, 0);
    const TDPoint p{1, 3, 2};
    EXPECT_EQ(MoveAlongDirectionOntoPlane(p, {1, 0, 0}, flat), p);
    EXPECT_EQ(MoveThroughPointOntoPlane(p, p, flat), p); // no direction at all
}

TEST(EndPlanes, EllipseRingPointsLieOnTheEllipse) {
    TPathArray ring = CircleRing(40, 3, 5, 0);
    FitRingToEllipse(ring, 3, 5, 2);
    for (const TDPoint& q : ring) {
        const double u = (q.x - 3) / 5, v = q.z / 2;
        EXPECT_NEAR(u * u + v * v, 1, 1e-12);
    }
}

// Many oblique cones: each ring lies on its tilted plane and ring point k of the top and the
// bottom ring lie on one line through the apex.
TEST(EndPlanes, ConeRingsLieOnTheirPlanesAndPairOnGenerators) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> dia(0.5, 200), frac(0.05, 0.95), h(0.2, 300),
        shift(-100, 100), angle(-30, 30);
    for (int i = 0; i < 300; ++i) {
        TConeShape c;
        c.B = dia(rng);
        c.T = c.B * frac(rng);
        c.H = h(rng);
        c.S = shift(rng);
        c.TopAngle = angle(rng);
        c.BottomAngle = angle(rng);
        const TRingPair r = ConeRings(c, 40, false);
        const TDPoint apex = ConeApexPoint(c.T, c.B, c.H, c.S);
        const TEndPlane top = TiltedPlane(c.S, c.H, 0, c.TopAngle);
        const TEndPlane bottom = TiltedPlane(0, 0, 0, c.BottomAngle);
        const double scale = std::max({c.B, c.H, std::fabs(c.S)});
        for (size_t k = 0; k < r.Top.size(); ++k) {
            const TDPoint a{r.Top[k].x - apex.x, r.Top[k].y - apex.y, r.Top[k].z - apex.z};
            const TDPoint b{r.Bottom[k].x - apex.x, r.Bottom[k].y - apex.y, r.Bottom[k].z - apex.z};
            const TDPoint n = Cross(a, b);
            const double la = std::hypot(a.x, a.y, a.z), lb = std::hypot(b.x, b.y, b.z);
            const bool onPlanes = std::fabs(PlaneResidual(top, r.Top[k])) < 1e-9 * scale &&
                                  std::fabs(PlaneResidual(bottom, r.Bottom[k])) < 1e-9 * scale;
            // The plane may be nearly parallel to a generator; then the point stays.
            if (!onPlanes) continue;
            EXPECT_LT(std::hypot(n.x, n.y, n.z), 1e-9 * la * lb) << "cone " << i << " point " << k;
        }
    }
}

TEST(EndPlanes, CylinderRingsKeepTheirPlanAndLieOnTheirPlanes) {
    TConeShape c;
    c.T = c.B = 10;
    c.H = 20;
    c.TopAngle = 25;
    c.BottomAngle = -30;
    const TRingPair r = CylinderRings(c, 40, false);
    const TEndPlane top = TiltedPlane(0, 20, 0, 25), bottom = TiltedPlane(0, 0, 0, -30);
    for (size_t k = 0; k < r.Top.size(); ++k) {
        EXPECT_NEAR(PlaneResidual(top, r.Top[k]), 0, 1e-12);
        EXPECT_NEAR(PlaneResidual(bottom, r.Bottom[k]), 0, 1e-12);
        EXPECT_NEAR(r.Top[k].x, r.Bottom[k].x, 1e-12);
        EXPECT_NEAR(r.Top[k].z, r.Bottom[k].z, 1e-12);
    }
}

TEST(EndPlanes, HugeAndDegenerateShapesGiveFinitePoints) {
    const TConeShape shapes[] = {
        {1e-30, 1e30, 1e30, 0, 30, -30, 0, 0},
        {1, 2, 1e-20, 1e30, 30, 30, 0, 0},
        {5, 10, 3, -1e6, -30, 30, 0, 0},
        {0, 10, 5, 0, 30, 0, 0, 0},
    };
    for (const TConeShape& c : shapes) {
        for (const TRingPair& r : {ConeRings(c, 40, true), CylinderRings(c, 40, true)})
            for (const TPathArray* ring : {&r.Top, &r.Bottom})
                for (const TDPoint& q : *ring)
                    EXPECT_TRUE(std::isfinite(q.x) && std::isfinite(q.y) && std::isfinite(q.z));
    }
}

} // namespace
} // namespace brevant
