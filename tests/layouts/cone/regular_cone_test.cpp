// The regular cone end to end: solver, development, drawing, displays and write-back.
#include "layouts/cone/regular_cone.h"
#include "support/kinds.h"

#include "cone_fixture.h"

#include <cmath>

namespace brevant::testing {
namespace {

constexpr int kLine = kElementLine;
constexpr int kArc = kElementArc;

class RegularCone : public ConeFixture {};

TEST_F(RegularCone, DevelopsTheReferenceFrustum) {
    Calculate(10, 20, 10);
    const ConeState& c = ConeOf(e).State;
    EXPECT_NEAR(c.FlatLargeRadius, 22.3607, 1e-4);
    EXPECT_NEAR(c.FlatSmallRadius, 11.1803, 1e-4);
    EXPECT_NEAR(c.FullFlatAngle, 160.997, 1e-3);
    EXPECT_NEAR(c.FlatAngle, 160.997, 1e-3);
    EXPECT_NEAR(c.PatternWidth, 44.108, 1e-3);
    EXPECT_NEAR(c.OuterChord, 44.108, 1e-3);
    EXPECT_NEAR(c.InnerChord, 22.054, 1e-3);
    EXPECT_NEAR(c.PatternHeight, 20.515, 1e-3);
    EXPECT_TRUE(host.messages.empty());
    // Two arcs and two radial edges of the piece on layer 1, in white.
    const auto arcs = Elements(e.CadDraw1, 1, kArc);
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_NEAR(arcs[0].Coord(5), 9.5016, 1e-3);
    EXPECT_NEAR(arcs[0].Coord(6), 170.4984, 1e-3);
    EXPECT_EQ(arcs[0].LineColor, 0xFFFFFFFFu);
    EXPECT_EQ(Elements(e.CadDraw1, 1, kLine).size(), 2u);
    // The display.
    EXPECT_TRUE(e.Form.RegularDataDisplay.visible);
    EXPECT_TRUE(e.Form.SheetDataDisplay.visible);
    EXPECT_EQ(e.Form.Label10.text, "Regular Cone Dimensions");
    EXPECT_EQ(e.Form.LargeRadius.text, "22.3607");
    EXPECT_EQ(e.Form.SmallRadius.text, "11.1803");
    EXPECT_EQ(e.Form.WidthX.text, "44.1078");
    EXPECT_EQ(e.Form.BoundingBoxLabel.text, "44.11 X 20.52");
}

TEST_F(RegularCone, SolvedSidesAreWrittenBackInBlueAndGivenOnesStayBlack) {
    Calculate(10, 20, 5);
    EXPECT_EQ(e.Form.SideAngle.text, "45");
    EXPECT_EQ(e.Form.SideLength.text, "7.0711");
    EXPECT_TRUE(ConeOf(e).Def.TopDiameterGiven && ConeOf(e).Def.BottomDiameterGiven &&
                ConeOf(e).Def.ConeHeightGiven);
    EXPECT_EQ(e.Form.SideAngle.fontColor, kColorBlue);
    EXPECT_EQ(e.Form.SideLength.fontColor, kColorBlue);
    EXPECT_EQ(e.Form.ConeTopDiameter.fontColor, kColorBlack);
    EXPECT_FALSE(e.Drv.BusyFlag);

    Calculate(10, 0, 5, 45); // A, T, H: the bottom is solved and written back
    EXPECT_EQ(e.Form.ConeBottomDiameter.text, "20");
    EXPECT_EQ(e.Form.ConeBottomDiameter.fontColor, kColorBlue);
    EXPECT_EQ(e.Form.SideAngle.fontColor, kColorBlack);
}

TEST_F(RegularCone, MillimetresConvertAtTheEdgesOnly) {
    e.Form.UnitsComboBox.itemIndex = kMillimeters;
    Calculate(254, 508, 254);
    EXPECT_NEAR(ConeOf(e).State.FlatLargeRadius, 22.3607, 1e-3); // inches inside
    EXPECT_EQ(e.Form.LargeRadius.text, "567.9612");
}

TEST_F(RegularCone, SegmentAngleDrawsItsShareOfTheSector) {
    struct Case {
        const char* segment;
        double flatAngle;
    } cases[] = {{"180", 80.4984}, {"0", 160.997}, {"350", 160.997 * 350 / 360}, {"400", 160.997}};
    for (const Case& c : cases) {
        e.Form.SegmentAngleEdit.text = c.segment;
        Calculate(10, 20, 10);
        EXPECT_NEAR(ConeOf(e).State.FlatAngle, c.flatAngle, 1e-3) << c.segment;
        EXPECT_NEAR(ConeOf(e).State.FullFlatAngle, 160.997, 1e-3) << c.segment;
    }
    e.Form.SegmentAngleEdit.text = "180";
    Calculate(10, 20, 10);
    EXPECT_NEAR(ConeOf(e).State.PatternWidth, 28.895, 1e-3);
}

TEST_F(RegularCone, FlatSectorOver180PutsTheWidthOnTheAxis) {
    Calculate(10, 100, 5);
    const ConeState& c = ConeOf(e).State;
    ASSERT_GT(c.FlatAngle, 180);
    EXPECT_NEAR(c.PatternWidth, 2 * c.FlatLargeRadius, 1e-3);
    // The width dimension's outer pieces lie along y = 0 from x = +-R.
    bool onAxis = false;
    for (const TElement& el : Elements(e.CadDraw1, 0, kLine))
        if (el.Coord(2) == 0 && el.Coord(5) == 0 &&
            std::fabs(el.Coord(1) - c.FlatLargeRadius) < 1e-6)
            onAxis = true;
    EXPECT_TRUE(onAxis);
    EXPECT_TRUE(AllFinite(e.CadDraw1));
}

TEST_F(RegularCone, OverlapLinesLieOutsideTheRadialEdges) {
    e.Form.Overlap.text = "1";
    Calculate(10, 20, 10);
    EXPECT_FLOAT_EQ(ConeOf(e).Def.Overlap, 0.5f);
    const auto red = Elements(e.CadDraw1, 2, kLine);
    ASSERT_EQ(red.size(), 2u);
    // Distance of the right overlap line from the right radial edge (through the origin at s).
    const double s = (90 - ConeOf(e).State.FlatAngle / 2) / 57.2957795131;
    for (int end : {1, 4}) {
        const double x = red[0].Coord(end), y = red[0].Coord(end + 1);
        EXPECT_NEAR(x * std::sin(s) - y * std::cos(s), 0.5, 1e-5);
    }
    EXPECT_EQ(red[1].Coord(1), -red[0].Coord(1));
    EXPECT_GT(ConeOf(e).State.OverlapPatternWidth, ConeOf(e).State.PatternWidth);
    EXPECT_EQ(e.Form.WidthX.text, e.FormatValue(ConeOf(e).State.OverlapPatternWidth));
}

TEST_F(RegularCone, BendLinesSplitTheSectorIntoEqualAngles) {
    e.Form.ConeBendLinesCheckBox.checked = true;
    e.Form.BendConeSpinBox.SetValue(4);
    Calculate(10, 20, 10);
    const auto bends = Elements(e.CadDraw1, 4, kLine);
    ASSERT_EQ(bends.size(), 4u);
    const double a = ConeOf(e).State.FlatAngle, s = 90 - a / 2;
    for (int i = 0; i < 4; ++i) {
        const double angle = std::atan2(bends[i].Coord(2), bends[i].Coord(1)) * 57.2957795131;
        EXPECT_NEAR(angle, s + a / 5 * (i + 1), 1e-6);
        EXPECT_EQ(bends[i].LineColor, 0xFF00FF00u);
    }
    e.Form.ConeBendLinesCheckBox.checked = false;
    Calculate(10, 20, 10);
    EXPECT_TRUE(Elements(e.CadDraw1, 4).empty());
}

TEST_F(RegularCone, SeamLineSitsAtTheSeamAnglesShareOfTheFullSector) {
    e.Form.SeamLineCheckBox.checked = true;
    e.Form.SeamSpinBox.SetValue(90);
    Calculate(10, 20, 10);
    int yellow = 0;
    for (const TElement& el : Elements(e.CadDraw1, 0, kLine)) {
        if (el.LineColor != 0xFFFFFF00u) continue;
        ++yellow;
        const double angle = std::atan2(el.Coord(2), el.Coord(1)) * 57.2957795131;
        EXPECT_NEAR(angle, ConeOf(e).State.FullFlatAngle / 4 + 90 - ConeOf(e).State.FlatAngle / 2,
                    1e-4);
    }
    EXPECT_EQ(yellow, 1);
    EXPECT_TRUE(e.Form.SeamDisplay.visible);
}

TEST_F(RegularCone, AnnotationsUseTheirLayersAndPieceWithoutGapArcStaysSmall) {
    Calculate(10, 20, 10);
    EXPECT_FALSE(Elements(e.CadDraw1, 5).empty());
    EXPECT_FALSE(Elements(e.CadDraw1, 7).empty());
    for (const TElement& el : Elements(e.CadDraw1, 5, kArc))
        EXPECT_EQ(el.LineColor, 0xFF90EE90u);
    // A narrow piece (flat angle under 10 degrees) gets one angle arc within the piece.
    e.Form.SegmentAngleEdit.text = "15";
    Calculate(10, 20, 10);
    ASSERT_LT(ConeOf(e).State.FlatAngle, 10);
    for (const TElement& el : Elements(e.CadDraw1, 5, kArc)) {
        EXPECT_GE(el.Coord(5), 90 - ConeOf(e).State.FlatAngle / 2 - 1e-9);
        EXPECT_LE(el.Coord(6), 90 + ConeOf(e).State.FlatAngle / 2 + 1e-9);
    }
}

// Bad and degenerate input: the specified report, no crash, no NaN in a drawing.
TEST_F(RegularCone, BadInputGivesItsMessage) {
    struct Case {
        const char* name;
        double T, B, H, A, L;
        const char* segment;
        const char* dialog; // nullptr: none
        const char* status; // nullptr: not checked
    } cases[] = {
        {"empty", 0, 0, 0, 0, 0, "", "Must have at least one dia and two other dims.", nullptr},
        {"zero height", 10, 20, 0, 0, 0, "", "Must have at least one dia and two other dims.",
         nullptr},
        {"no diameter", 0, 0, 5, 45, 7, "", "Must have at least one dia and two other dims.",
         nullptr},
        {"top larger", 20, 10, 10, 0, 0, "", nullptr, "ERROR: Top Dia is Larger Than Bottom Dia."},
        {"side too short", 10, 20, 0, 0, 5, "", "Length does not reach bottom dia and top dia",
         nullptr},
        {"flat angle below 1", 10, 20, 10, 0, 0, "1", "Error: Flat angle is less than 1 degree",
         nullptr},
        {"top solved negative", 0, 20, 5, 10, 0, "", "Calculated Top Dia is <= 0", nullptr},
        {"side below height", 0, 20, 10, 0, 5, "", "Calculated Top Dia is <= 0", nullptr},
    };
    for (const Case& c : cases) {
        e.Form.SegmentAngleEdit.text = c.segment;
        Calculate(c.T, c.B, c.H, c.A, c.L);
        if (c.dialog) {
            EXPECT_TRUE(Shown(c.dialog)) << c.name;
        } else {
            EXPECT_TRUE(host.messages.empty()) << c.name;
        }
        if (c.status) {
            EXPECT_EQ(e.Form.StatusLabel.text, c.status) << c.name;
        }
        EXPECT_TRUE(AllFinite(e.CadDraw1)) << c.name;
        EXPECT_TRUE(AllFinite(e.CadDraw2)) << c.name;
        for (Label* l : {&e.Form.LargeRadius, &e.Form.WidthX, &e.Form.HeightY, &e.Form.WeightLabel})
            EXPECT_EQ(l->text.find("nan"), std::string::npos) << c.name;
    }
}

TEST_F(RegularCone, OutlandishSideAnglesNeverDrawNaN) {
    for (double angle : {0.001, 89.9999, 90.0, 135.0, 180.0, 270.0, 360.0, 1000.0, 1e30}) {
        Calculate(10, 0, 5, angle);    // rule A, T, H
        Calculate(0, 20, 0, angle, 7); // rule A, B, L
        EXPECT_TRUE(AllFinite(e.CadDraw1)) << angle;
        EXPECT_TRUE(AllFinite(e.CadDraw2)) << angle;
        EXPECT_TRUE(std::isfinite(ConeOf(e).Def.TopDiameter) &&
                    std::isfinite(ConeOf(e).Def.ConeHeight))
            << angle;
        EXPECT_EQ(e.Form.ConeTopDiameter.text.find("nan"), std::string::npos) << angle;
    }
}

TEST_F(RegularCone, NotEnoughDimensionsReturnsOneAndIsQuietWhenAsked) {
    e.ClearStatus();
    EXPECT_EQ(e.CalculateKind(kLayoutCone, false), 1);
    EXPECT_TRUE(Shown("Must have at least one dia and two other dims."));
    host.messages.clear();
    EXPECT_EQ(e.CalculateKind(kLayoutCone, true), 1);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(RegularCone, TopLargerThanBottomDrawsNothingButWritesBack) {
    Calculate(20, 10, 10);
    EXPECT_EQ(e.CadDraw1.Elements().Count(), 0);
    EXPECT_TRUE(e.Form.RegularDataDisplay.visible);
    EXPECT_EQ(e.Form.SideAngle.text, "0"); // every edit holds a number afterwards
}

TEST_F(RegularCone, HugeValuesStayFinite) {
    Calculate(1e30, 2e30, 1e30);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_NEAR(ConeOf(e).State.FlatLargeRadius / 1e30, 2.23607, 1e-4);
    EXPECT_TRUE(AllFinite(e.CadDraw1));
    EXPECT_TRUE(AllFinite(e.CadDraw2));
    EXPECT_TRUE(std::isfinite(ConeOf(e).State.FlatLargeRadius));
    Calculate(1, 1e30, 1);
    EXPECT_TRUE(AllFinite(e.CadDraw1));
    EXPECT_GE(ConeOf(e).State.FlatSmallRadius, 0);
    // Radii beyond single precision saturate instead of overflowing, and the equal radii are
    // reported.
    Calculate(2.9e38, 3e38, 1e38);
    EXPECT_TRUE(Shown("Error: Small radius is larger than big radius"));
    EXPECT_TRUE(std::isfinite(ConeOf(e).State.FlatLargeRadius));
}

TEST_F(RegularCone, NearlyVerticalSideBecomesACylinder) {
    Calculate(10, 10.05, 10);
    EXPECT_TRUE(ConeOf(e).Def.IsCylinder);
    EXPECT_FLOAT_EQ(ConeOf(e).Def.BottomDiameter, 10);
    EXPECT_EQ(e.Form.StatusLabel.text, "Cone taper is less than 0.5 degrees. Making Cylinder.");
}

TEST_F(RegularCone, CylinderStatusUsesTheLocaleSeparator) {
    e.App.LocaleDecimalSeparator = ',';
    Calculate(10, 10.05, 10);
    EXPECT_EQ(e.Form.StatusLabel.text, "Cone taper is less than 0,5 degrees. Making Cylinder.");
}

TEST_F(RegularCone, EllipticalTopUsesTheEquivalentDiameter) {
    e.Form.TopEllipseWidth.text = "8";
    Calculate(10, 20, 10);
    EXPECT_NEAR(ConeOf(e).Def.TopDiameter, 9.0278, 1e-4);
}

TEST_F(RegularCone, ATopShiftMakesTheConeOblique) {
    e.Form.ConeTopXShift.text = "-2";
    Calculate(10, 20, 10);
    EXPECT_TRUE(ConeOf(e).State.IsObliqueCone);
    EXPECT_EQ(e.Form.WeightLabel.text, "---");
    EXPECT_EQ(e.CadDraw2.Elements().Count(), 0); // no nesting for an oblique cone
}

TEST(DevelopRegularCone, PureDevelopmentMatchesTheDrawnOne) {
    RegularConeGeometry g;
    ASSERT_TRUE(DevelopRegularCone(10, 20, 10, 0, g));
    EXPECT_NEAR(g.LargeRadius - g.SmallRadius, std::sqrt(125.0), 1e-9); // the frustum side
    EXPECT_FALSE(DevelopRegularCone(10, 10, 10, 0, g));                 // no taper
}

} // namespace
} // namespace brevant::testing
