// The cone and cylinder 3D model as Calculate leaves it: ring sizes, scene frame, display
// scale, the closed mesh and the end-plane pivots.
#include "layouts/cone/cone_pattern_fixture.h"
#include "layouts/cone/cone_scene.h"
#include "support/kinds.h"

#include <gtest/gtest.h>

namespace brevant {
namespace {

using test::ConePatternFixture;

TEST(ConeModel, RegularConeRingsStandInTheSceneFrame) {
    ConePatternFixture f;
    f.Calculate("10", "20", "10");
    const SolidModel& s = f.e.Solid;
    ASSERT_EQ(s.FirstRing.size(), 40u);
    ASSERT_EQ(s.SecondRing.size(), 40u);
    EXPECT_DOUBLE_EQ(s.DisplayScale, 1);
    for (const TDPoint& p : s.FirstRing)
        EXPECT_NEAR(p.y, -10, 1e-9); // height 10, Y down
    for (const TDPoint& p : s.SecondRing)
        EXPECT_NEAR(p.y, 0, 1e-9);
    EXPECT_NEAR(s.SecondRing[0].x, 10, 1e-9);
    EXPECT_EQ(s.Mesh1.Vertices.size(), 160u);
    EXPECT_EQ(s.Mesh1.Indices.size(), 240u);
    // The last quad closes the ring.
    EXPECT_EQ(s.Mesh1.Vertices[158], s.FirstRing[0]);
    EXPECT_TRUE(s.TopPlaneVisible && s.BottomPlaneVisible);
}

TEST(ConeModel, DisplayScaleKeepsTheModelBetweenTwoAndFifty) {
    const std::pair<const char*, double> cases[] = {{"20", 1.0}, {"120", 50.0 / 120}, {"1", 2.0}};
    for (auto [B, scale] : cases) {
        ConePatternFixture f;
        const std::string T = std::to_string(std::atof(B) / 2);
        const std::string H = std::to_string(std::atof(B) / 2);
        f.Calculate(T, B, H);
        EXPECT_NEAR(f.e.Solid.DisplayScale, scale, 1e-6) << B;
        EXPECT_NEAR(f.e.Solid.SecondRing[0].x, std::atof(B) / 2 * scale, 1e-4);
    }
}

TEST(ConeModel, AWideLowConeIsScaledByItsBaseNotItsTop) {
    // Top and height inside 2..50 must not keep a base of 120 at full size.
    ConePatternFixture f;
    f.Calculate("10", "120", "10");
    EXPECT_NEAR(f.e.Solid.DisplayScale, 50.0 / 120, 1e-9);
    EXPECT_NEAR(f.e.Solid.SecondRing[0].x, 25, 1e-4);
}

TEST(ConeModel, TiltedTopLiesOnItsPlaneAndThePivotsFollow) {
    ConePatternFixture f;
    f.Calculate("10", "20", "10", "2", "20", "-10");
    const SolidModel& s = f.e.Solid;
    EXPECT_DOUBLE_EQ(s.TopPivotRotationZ, 20);
    EXPECT_DOUBLE_EQ(s.BottomPivotRotationZ, -10);
    EXPECT_EQ(s.TopPivotPosition, (TDPoint{2, -10, 0}));
    const double tt = std::tan(20 * M_PI / 180), tb = std::tan(-10 * M_PI / 180);
    for (const TDPoint& p : s.FirstRing)
        EXPECT_NEAR(-p.y, 10 - tt * (p.x - 2), 1e-9);
    for (const TDPoint& p : s.SecondRing)
        EXPECT_NEAR(-p.y, -tb * p.x, 1e-9);
}

TEST(ConeModel, EllipticalTopFollowsItsEllipse) {
    ConePatternFixture f;
    f.e.Form.TopEllipseWidth.text = "6";
    f.Calculate("10", "20", "10");
    const double T = ConeOf(f.e).Def.TopDiameter;
    for (const TDPoint& p : f.e.Solid.FirstRing) {
        const double u = p.x / (T / 2), v = p.z / 3;
        EXPECT_NEAR(u * u + v * v, 1, 1e-9);
    }
}

TEST(ConeModel, ObliqueCylinderWithBothSideCutsHasRingsButNoSurface) {
    ConePatternFixture f;
    f.e.Form.TopCutWidthEdit.text = "4";
    f.e.Form.BottomCutWidthEdit.text = "4";
    f.Calculate("10", "10", "20", "", "10");
    EXPECT_EQ(f.e.Solid.FirstRing.size(), 40u);
    EXPECT_TRUE(f.e.Solid.Mesh1.Vertices.empty());
}

} // namespace
} // namespace brevant
