// Cylinders: the rectangle, the strip of tilted ends with its cut curves, the elliptical top's
// perimeter, bend lines and the top-shift reset.
#include "core/messages.h"
#include "layouts/cone/cone_pattern_fixture.h"
#include "layouts/cone/cone_solver.h"
#include "layouts/cone/cylinder.h"
#include "layouts/cone/oblique_cone.h"
#include "support/kinds.h"

#include <gtest/gtest.h>

#include <numbers>
#include <random>

namespace brevant {
namespace {

using test::ConePatternFixture;

TEST(Cylinder, StraightCylinderIsARectangleOfThePerimeter) {
    ConePatternFixture f;
    f.Calculate("10", "10", "20");
    ASSERT_TRUE(ConeOf(f.e).Def.IsCylinder);
    EXPECT_NEAR(ConeOf(f.e).State.PatternWidth, 31.4159, 1e-4);
    EXPECT_NEAR(ConeOf(f.e).State.PatternHeight, 20, 1e-6);
    EXPECT_NEAR(ConeOf(f.e).State.CylinderRight, 15.708, 1e-3);
    EXPECT_EQ(test::LinesOnLayer(f.e.CadDraw1, 1).size(), 4u);
    EXPECT_EQ(f.e.Form.Label10.text, "Cylinder Dimensions");
    EXPECT_EQ(f.e.Form.WidthX.text, "31.4159");
    EXPECT_EQ(f.e.Form.HeightY.text, "20");
    EXPECT_FALSE(f.e.Form.AngleA.visible);
    // The side is vertical: the written-back side angle is 90, and the definition keeps no
    // angle so that a thickness is not compensated by it.
    EXPECT_EQ(f.e.Form.SideAngle.text, "90");
    EXPECT_EQ(ConeOf(f.e).Def.SideAngle, 0);
    // The height dimension line stands at w/2 + w/8.
    bool found = false;
    for (int layer : {5, 7})
        for (const TDLine& l : test::LinesOnLayer(f.e.CadDraw1, layer))
            found |= std::fabs(l.Point1.x - (15.708 + 3.927)) < 1e-3 &&
                     std::fabs(l.Point2.x - l.Point1.x) < 1e-9;
    EXPECT_TRUE(found);
}

TEST(Cylinder, SegmentAngleDrawsAShareOfThePerimeter) {
    ConePatternFixture f;
    f.e.Form.SegmentAngleEdit.text = "90";
    f.Calculate("10", "10", "20");
    EXPECT_NEAR(ConeOf(f.e).State.PatternWidth, 7.854, 1e-3);
}

TEST(Cylinder, NearlyStraightConeBecomesACylinder) {
    ConePatternFixture f;
    f.Calculate("10", "10.05", "10");
    EXPECT_TRUE(ConeOf(f.e).Def.IsCylinder);
    EXPECT_NEAR(ConeOf(f.e).State.PatternWidth, 31.4159, 1e-4);
}

// An elliptical cylinder: the strip is as long as the ellipse's perimeter, not shorter.
TEST(Cylinder, EllipticalTopGivesAStripOfTheTruePerimeter) {
    ConePatternFixture f;
    f.e.Form.TopEllipseWidth.text = "12";
    f.e.Form.BottomEllipseWidth.text = "12";
    f.Calculate("20", "20", "10");
    ASSERT_TRUE(ConeOf(f.e).Def.IsCylinder);
    EXPECT_NEAR(EllipsePerimeter(12, 20), 51.054, 1e-3);
    EXPECT_NEAR(ConeOf(f.e).State.PatternWidth, 51.054, 1e-3);
}

TEST(Cylinder, TopShiftIsResetAndWrittenBack) {
    ConePatternFixture f;
    f.Calculate("10", "10", "20", "3");
    EXPECT_EQ(ConeOf(f.e).Def.TopShift, 0);
    EXPECT_EQ(f.e.Form.ConeTopXShift.text, "0");
    f.e.CalculateMenuClick();
    EXPECT_FALSE(ConeOf(f.e).State.IsObliqueCone);
    EXPECT_EQ(test::LinesOnLayer(f.e.CadDraw1, 1).size(), 4u);
}

TEST(Cylinder, MissingDimensionGivesTheMessage) {
    struct Case {
        float T, B, H;
        const char* message;
    } cases[] = {{10, 10, 0, "Not Enough Data Input"},
                 {10, 0, 5, "Calculated Bottom Dia is <= 0"},
                 {0, 0, 5, "Calculated Top Dia is <= 0"},
                 {std::nanf(""), 10, 5, "Calculated Top Dia is <= 0"}};
    for (const Case& c : cases) {
        ConePatternFixture f;
        ConeOf(f.e).Def.TopDiameter = c.T;
        ConeOf(f.e).Def.BottomDiameter = c.B;
        ConeOf(f.e).Def.ConeHeight = c.H;
        ConeJobOf cone(f.e);
        EXPECT_FALSE(CylinderDimensions(cone.job));
        ASSERT_EQ(f.host.messages.size(), 1u);
        EXPECT_EQ(f.host.messages[0].title, c.message);
    }
}

// The unrolled strip: ring point k stands at its arc length k W / n along the perimeter, the
// curve heights are those of the tilted planes, and the curve closes on point 0 at W.
TEST(CylinderStrip, CutCurvesFollowTheEndPlanesAlongThePerimeter) {
    std::mt19937 rng(5);
    std::uniform_real_distribution<double> dia(0.1, 400), h(0.1, 400), angle(-30, 30);
    for (int i = 0; i < 200; ++i) {
        const double T = dia(rng), H = h(rng), ta = angle(rng), ba = angle(rng);
        const int n = i % 2 ? 40 : 150;
        const TCylinderCurves u = UnrollCylinder(T, H, ta, ba, n);
        ASSERT_EQ(u.X.size(), static_cast<size_t>(n + 1));
        EXPECT_NEAR(u.Width, std::numbers::pi * T, 1e-9 * T);
        EXPECT_NEAR(u.X.back(), u.Width, 1e-9 * T);
        EXPECT_DOUBLE_EQ(u.TopHeights.back(), u.TopHeights.front());
        EXPECT_DOUBLE_EQ(u.BottomHeights.back(), u.BottomHeights.front());
        for (int k = 0; k <= n; ++k) {
            const double p = 2 * std::numbers::pi * k / n;
            EXPECT_NEAR(u.X[k], T / 2 * p, 1e-9 * T);
            const double x = T / 2 * std::cos(p);
            EXPECT_NEAR(u.TopHeights[k], H - std::tan(ta * std::numbers::pi / 180) * x,
                        1e-9 * (T + H));
            EXPECT_NEAR(u.BottomHeights[k], -std::tan(ba * std::numbers::pi / 180) * x,
                        1e-9 * (T + H));
        }
    }
}

TEST(CylinderStrip, TiltedCylinderStripIsAsWideAsThePerimeterInEveryUnit) {
    struct Case {
        int units;
        const char *T, *H, *ta, *ba;
        double factor; // display unit per inch
    } cases[] = {{0, "10", "20", "20", "", 1},
                 {0, "10", "20", "", "-30", 1},
                 {2, "254", "100", "30", "30", 25.4},
                 {1, "7", "3", "-12", "5", 2.54}};
    for (const Case& c : cases) {
        ConePatternFixture f;
        f.e.Form.UnitsComboBox.itemIndex = c.units;
        f.Calculate(c.T, c.T, c.H, "", c.ta, c.ba);
        ASSERT_TRUE(ConeOf(f.e).Def.IsCylinder) << c.T;
        const double W = std::numbers::pi * std::atof(c.T) / c.factor;
        EXPECT_NEAR(ConeOf(f.e).State.PatternWidth, W, 1e-4 * W) << c.T;
        EXPECT_NEAR(ConeOf(f.e).State.CylinderRight - ConeOf(f.e).State.CylinderLeft, W, 1e-4 * W);
        // The strip encloses both cut curves.
        for (const TDLine& l : test::LinesOnLayer(f.e.CadDraw1, 1))
            for (const TDPoint& p : {l.Point1, l.Point2}) {
                EXPECT_LE(p.y, ConeOf(f.e).State.CylinderTop + 1e-4);
                EXPECT_GE(p.y, ConeOf(f.e).State.CylinderBottom - 1e-4);
            }
        EXPECT_TRUE(test::AllCoordinatesFinite(f.e.CadDraw1));
    }
}

TEST(CylinderStrip, BendLinesDivideTheStripEvenly) {
    ConePatternFixture f;
    f.e.Form.BendConeSpinBox.SetValue(4); // cylinders draw bend lines whatever the setting
    f.Calculate("10", "10", "20", "", "15");
    const auto bends = test::LinesOnLayer(f.e.CadDraw1, 4);
    ASSERT_EQ(bends.size(), 4u);
    const double W = ConeOf(f.e).State.PatternWidth;
    for (int i = 1; i <= 4; ++i) {
        EXPECT_NEAR(bends[i - 1].Point1.x, W / 5 * i - W / 2, 1e-6);
        EXPECT_NEAR(bends[i - 1].Point1.y, ConeOf(f.e).State.CylinderBottom, 1e-6);
        EXPECT_NEAR(bends[i - 1].Point2.y, ConeOf(f.e).State.CylinderTop, 1e-6);
    }
}

TEST(CylinderStrip, OverlapWidensTheShownWidth) {
    ConePatternFixture f;
    f.e.Form.Overlap.text = "1";
    f.Calculate("10", "10", "20", "", "10");
    EXPECT_EQ(test::LinesOnLayer(f.e.CadDraw1, 2).size(), 2u);
    EXPECT_NEAR(ConeOf(f.e).State.OverlapPatternWidth, ConeOf(f.e).State.PatternWidth + 1, 1e-5);
    EXPECT_EQ(f.e.Form.WidthX.text, f.e.FormatValue(ConeOf(f.e).State.OverlapPatternWidth));
}

TEST(CylinderStrip, DegenerateInputNeverGivesNaN) {
    const char* inputs[][5] = {{"1E30", "1E30", "1E30", "30", "-30"},
                               {"1E-6", "1E-6", "1E-6", "-30", "30"},
                               {"10", "10", "1E30", "30", "30"},
                               {"10", "10", "0.01", "-30", "-30"}};
    for (const auto& in : inputs) {
        ConePatternFixture f;
        f.e.Form.BendConeSpinBox.SetValue(100);
        f.Calculate(in[0], in[1], in[2], "-5", in[3], in[4]);
        EXPECT_TRUE(test::AllCoordinatesFinite(f.e.CadDraw1)) << in[0] << " " << in[2];
        EXPECT_TRUE(std::isfinite(ConeOf(f.e).State.PatternWidth) &&
                    std::isfinite(ConeOf(f.e).State.PatternHeight));
        for (const TDPoint& p : f.e.Solid.FirstRing)
            EXPECT_TRUE(std::isfinite(p.x + p.y + p.z));
    }
}

// End planes that meet inside the cylinder leave no part: the status says so, no strip.
TEST(CylinderStrip, CrossingEndPlanesAreRejected) {
    ConePatternFixture f;
    f.Calculate("10", "10", "1", "", "30", "-30");
    EXPECT_TRUE(test::LinesOnLayer(f.e.CadDraw1, 1).empty());
    EXPECT_EQ(f.e.Form.StatusLabel.text, kMsgEndPlanesCross);
}

} // namespace
} // namespace brevant
