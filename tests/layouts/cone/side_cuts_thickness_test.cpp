// Side cuts, material thickness compensation, area and weight.
#include "layouts/cone/side_cuts.h"
#include "layouts/cone/thickness.h"
#include "support/kinds.h"

#include "cone_fixture.h"

namespace brevant::testing {
namespace {

TEST(SideCutAngle, WidthAgainstDiameter) {
    EXPECT_NEAR(SideCutAngle(5, 10), 150, 1e-4);
    EXPECT_NEAR(SideCutAngle(0, 10), 180, 1e-4);
    EXPECT_NEAR(SideCutAngle(10, 10), 90, 1e-4);
    EXPECT_TRUE(std::isfinite(SideCutAngle(20, 10))); // clamped, never NaN
}

TEST(ArcLengthToChord, QuarterPerimeterAndDegenerateDiameter) {
    EXPECT_NEAR(ArcLengthToChord(7.854, 10), 7.0711, 1e-4);
    EXPECT_EQ(ArcLengthToChord(7.854, 0), 0);
}

TEST(ThicknessDiameterChange, SidesAndLimits) {
    struct Case {
        double t;
        int side;
        double A, change;
    } cases[] = {
        {0.1, kOutside, 60, -0.0866}, {0.1, kInside, 60, 0.0866},
        {0.1, kMiddle, 60, 0},        {0.1, 7, 60, 0},
        {0.01, kOutside, 60, 0},      {0.1, kOutside, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(ThicknessDiameterChange(c.t, c.side, c.A), c.change, 1e-4)
            << c.t << " " << c.side << " " << c.A;
}

TEST(AreaWeightText, UnitsAndMaterial) {
    const double area = FrustumLateralArea(10, 20, 10);
    EXPECT_NEAR(area, 526.8611, 1e-4);
    const double weight = area * 0.125 * kDefaultDensity;
    EXPECT_EQ(AreaWeightText(area, weight, kInches, "Steel", '.'),
              "Area 526.8611 = 18.6575 lb each Steel");
    EXPECT_EQ(AreaWeightText(area, weight, kMillimeters, "Steel", ','),
              "Area 339909,7104 = 8,4629 kg each Steel");
}

class ConeMaterial : public ConeFixture {};

TEST_F(ConeMaterial, WeightLabelOfTheReferenceCone) {
    e.Form.ThicknessEdit.text = "0.125";
    Calculate(10, 20, 10);
    EXPECT_EQ(e.Form.WeightLabel.text, "Area 526.8611 = 18.6575 lb each Steel");
    e.App.MaterialName = "Aluminium";
    e.App.MaterialMass = 0.0975;
    Calculate(10, 20, 10);
    EXPECT_EQ(e.Form.WeightLabel.text, "Area 526.8611 = 6.4211 lb each Aluminium");
}

TEST_F(ConeMaterial, ThicknessCompensatesOnlyTypedDiameters) {
    e.Form.ThicknessEdit.text = "0.1";
    e.Form.SideAngle.text = "60";
    e.Form.CheckRadio(e.Form.OutsideRadio);
    e.Form.ConeTopDiameter.text = "10";
    e.Form.ConeBottomDiameter.text = "20";
    ASSERT_TRUE(e.ReadLayoutInputs());
    EXPECT_NEAR(ConeOf(e).Def.TopDiameter, 10 - 0.0866, 1e-4);
    EXPECT_NEAR(ConeOf(e).Def.BottomDiameter, 20 - 0.0866, 1e-4);

    // Inside with an empty top: the top stays "not given" (0).
    e.Form.CheckRadio(e.Form.InsideRadio);
    e.Form.ConeTopDiameter.text = "";
    ASSERT_TRUE(e.ReadLayoutInputs());
    EXPECT_EQ(ConeOf(e).Def.TopDiameter, 0);
    EXPECT_NEAR(ConeOf(e).Def.BottomDiameter, 20 + 0.0866, 1e-4);
}

TEST_F(ConeMaterial, ThicknessDisplayFollowsTheSettingAndTheConeKind) {
    e.Form.ThicknessCheckBox.checked = true;
    Calculate(10, 20, 10);
    EXPECT_TRUE(e.Form.ThicknessDisplay.visible);
    EXPECT_TRUE(e.Form.Label53.visible);
    e.Form.ConeTopXShift.text = "1";
    Calculate(10, 20, 10);
    EXPECT_FALSE(e.Form.ThicknessDisplay.visible);
    e.Form.ConeTopXShift.text = "";
    e.Form.ThicknessCheckBox.checked = false;
    Calculate(10, 20, 10);
    EXPECT_FALSE(e.Form.ThicknessDisplay.visible);
}

TEST_F(ConeMaterial, SideCutLinesAt150And210Degrees) {
    e.Form.SideCutsCheckBox.checked = true;
    e.Form.TopCutWidthEdit.text = "5";
    e.Form.BottomCutWidthEdit.text = "10";
    Calculate(10, 20, 10);
    EXPECT_NEAR(ConeOf(e).State.SideCutTopAngle, 150, 1e-4);
    EXPECT_NEAR(ConeOf(e).State.SideCutBottomAngle, 150, 1e-4);
    const auto cuts = Elements(e.CadDraw1, 3, kElementLine);
    ASSERT_EQ(cuts.size(), 2u);
    const double a = ConeOf(e).State.FlatAngle, s = 90 - a / 2;
    const double expected[] = {s + a * 150 / 360, s + a * 210 / 360};
    for (int i = 0; i < 2; ++i) {
        EXPECT_NEAR(std::atan2(cuts[i].Coord(2), cuts[i].Coord(1)) * 57.2957795131, expected[i],
                    1e-4);
        EXPECT_EQ(cuts[i].LineColor, 0xFF00FFFFu);
    }
    EXPECT_TRUE(e.Form.SideCutDisplay.visible);
}

TEST_F(ConeMaterial, ArcLengthWritesTheCutWidth) {
    e.Form.SideCutsCheckBox.checked = true;
    e.Form.TopArcLengthEdit.text = "7.854";
    e.Form.BottomCutWidthEdit.text = "10";
    Calculate(10, 20, 10);
    EXPECT_EQ(e.Form.TopCutWidthEdit.text, "7.0711");
    EXPECT_EQ(Elements(e.CadDraw1, 3).size(), 2u);
}

TEST_F(ConeMaterial, CutWiderThanTheDiameterIsRefused) {
    struct Case {
        const char *top, *bottom;
        bool tooBig;
    } cases[] = {{"12", "10", true}, {"5", "25", true}, {"10", "10", true}, {"", "10", false}};
    e.Form.SideCutsCheckBox.checked = true;
    for (const Case& c : cases) {
        e.Form.TopCutWidthEdit.text = c.top;
        e.Form.BottomCutWidthEdit.text = c.bottom;
        Calculate(10, 20, 10);
        EXPECT_TRUE(Elements(e.CadDraw1, 3).empty()) << c.top << " " << c.bottom;
        EXPECT_EQ(e.Form.StatusLabel.text == "Side Cut Width is Too Big", c.tooBig)
            << c.top << " " << c.bottom;
        EXPECT_TRUE(host.messages.empty());
    }
}

} // namespace
} // namespace brevant::testing
