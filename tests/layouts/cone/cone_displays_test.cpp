// Which result displays a cone Calculate shows, and the print variant of the regular pattern.
#include "caddraw/pattern_marks.h"
#include "layouts/cone/regular_cone.h"
#include "support/kinds.h"

#include "cone_fixture.h"

namespace brevant::testing {
namespace {

class ConeDisplays : public ConeFixture {};

TEST_F(ConeDisplays, PanelsFollowTheSettings) {
    struct Case {
        bool sideCuts, seam, bends;
    } cases[] = {{false, false, false}, {true, true, true}, {true, false, true}};
    for (const Case& c : cases) {
        e.Form.SideCutsCheckBox.checked = c.sideCuts;
        e.Form.SeamLineCheckBox.checked = c.seam;
        e.Form.ConeBendLinesCheckBox.checked = c.bends;
        Calculate(10, 20, 10);
        EXPECT_EQ(e.Form.SideCutDisplay.visible, c.sideCuts);
        EXPECT_EQ(e.Form.SeamDisplay.visible, c.seam);
        EXPECT_EQ(e.Form.SeamSpinBox.visible, c.seam);
        EXPECT_EQ(e.Form.BendDisplay.visible, c.bends);
        EXPECT_TRUE(e.Form.RegularDataDisplay.visible);
        EXPECT_TRUE(e.Form.SheetDataDisplay.visible);
    }
}

TEST_F(ConeDisplays, AFailedDevelopmentStillShowsEmptyResultsNotStaleOnes) {
    Calculate(10, 20, 10);
    ASSERT_EQ(e.Form.LargeRadius.text, "22.3607");
    e.Form.SegmentAngleEdit.text = "0.5"; // the piece would be under 1 degree
    Calculate(10, 20, 10);
    EXPECT_EQ(e.CadDraw1.Elements().Count(), 0);
    EXPECT_TRUE(e.Form.RegularDataDisplay.visible);
    Calculate(20, 10, 10); // top larger: no development at all
    EXPECT_EQ(e.Form.LargeRadius.text, "0");
    EXPECT_EQ(ConeOf(e).State.SheetCount, 0);
}

TEST_F(ConeDisplays, PrintVariantDrawsShortLinesAndABoxButNoAnnotations) {
    Calculate(10, 20, 10);
    TCadDraw print;
    ShowFlatPattern(print, ConeOf(e).PatternFor(PatternUse::Print));
    EXPECT_TRUE(Elements(print, 0, kElementArc).empty());
    for (int layer : {5, 6, 7})
        EXPECT_TRUE(Elements(print, layer).empty()) << layer;
    const auto box = Elements(print, 8, kElementRectangle);
    ASSERT_EQ(box.size(), 1u);
    EXPECT_EQ(box[0].LineColor, 0xFF808080u);
    // Arcs as lines of about 0.2 in: the outer arc of length pi x 20 is about 314 lines.
    const auto lines = Elements(print, 1, kElementLine);
    EXPECT_NEAR(static_cast<double>(lines.size()), 314 + 157 + 2, 3);
    EXPECT_NEAR(ConeOf(e).State.PatternWidth, box[0].Coord(4), 1e-5);
    EXPECT_NEAR(ConeOf(e).State.PatternWidth, 44.108, 1e-2);
}

TEST_F(ConeDisplays, BendSpinBoxLabelsTheBendAngleOfARegularCone) {
    Calculate(10, 20, 10);
    e.Form.BendConeSpinBox.SetValue(4);
    e.BendConeSpinBoxChange();
    EXPECT_EQ(e.Form.BendAngleLabel.text, "    72.0");
    e.Form.BendConeSpinBox.SetValue(3);
    e.BendConeSpinBoxChange();
    EXPECT_EQ(e.Form.BendAngleLabel.text, "---");
}

TEST_F(ConeDisplays, LayoutChangeWithEmptyInputsIsQuiet) {
    e.Form.LayoutComboBox.itemIndex = 1;
    e.LayoutComboBoxChange();
    e.Form.LayoutComboBox.itemIndex = 0;
    e.LayoutComboBoxChange();
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ConeDisplays, ArcAsLinesIsBoundedForHugeArcs) {
    FlatPatternBuilder flat;
    DrawArcAsLines(flat, 1e7, 0, 90);
    EXPECT_LE(flat.Pattern().Strokes.size(), 100000u);
    flat.Clear();
    DrawArcAsLines(flat, 0.01, 0, 90); // shorter than one step: nothing
    EXPECT_TRUE(flat.Pattern().Strokes.empty());
}

} // namespace
} // namespace brevant::testing
