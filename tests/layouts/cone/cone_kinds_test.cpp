// Decorations on the other cone kinds: side cuts and bend lines of cylinders and oblique cones.
#include "cone_fixture.h"
#include "support/kinds.h"

namespace brevant::testing {
namespace {

class ConeKinds : public ConeFixture {};

TEST_F(ConeKinds, TiltedCylinderSideCutsStandAtTheirShareOfThePerimeter) {
    e.Form.SideCutsCheckBox.checked = true;
    e.Form.TopCutWidthEdit.text = "5";
    e.Form.BottomCutWidthEdit.text = "5";
    e.Form.BottomAngle.text = "10";
    Calculate(10, 10, 20);
    ASSERT_TRUE(ConeOf(e).Def.IsCylinder);
    const auto cuts = Elements(e.CadDraw1, 3, kElementLine);
    ASSERT_EQ(cuts.size(), 2u);
    const double w = ConeOf(e).State.PatternWidth;
    EXPECT_NEAR(w, 31.4159, 1e-3);
    EXPECT_NEAR(cuts[0].Coord(1), w * 150 / 360 - w / 2, 1e-4);
    EXPECT_NEAR(cuts[1].Coord(1), w * 210 / 360 - w / 2, 1e-4);
    EXPECT_DOUBLE_EQ(cuts[0].Coord(1), cuts[0].Coord(4)); // vertical
}

TEST_F(ConeKinds, CylinderBendLinesIgnoreTheSettingConeBendLinesDoNot) {
    e.Form.BendConeSpinBox.SetValue(4);
    e.Form.ConeBendLinesCheckBox.checked = false;
    e.Form.BottomAngle.text = "10";
    Calculate(10, 10, 20);
    EXPECT_EQ(Elements(e.CadDraw1, 4, kElementLine).size(), 4u);
    e.Form.BottomAngle.text = "";
    Calculate(10, 20, 10);
    EXPECT_TRUE(Elements(e.CadDraw1, 4).empty());
}

TEST_F(ConeKinds, ObliqueConeGetsGeneratorSeamAndNoSheet) {
    e.Form.SeamLineCheckBox.checked = true;
    e.Form.SeamSpinBox.SetValue(90);
    e.Form.ConeTopXShift.text = "2";
    e.Form.SheetWidth.text = "48";
    e.Form.SheetHeight.text = "96";
    Calculate(10, 20, 10);
    EXPECT_TRUE(ConeOf(e).State.IsObliqueCone);
    int yellow = 0;
    for (const TElement& el : Elements(e.CadDraw1, 0, kElementLine))
        yellow += el.LineColor == 0xFFFFFF00u;
    EXPECT_EQ(yellow, 1);
    EXPECT_EQ(e.CadDraw2.Elements().Count(), 0);
    EXPECT_EQ(e.Form.WeightLabel.text, "---");
    EXPECT_TRUE(AllFinite(e.CadDraw1));
}

} // namespace
} // namespace brevant::testing
