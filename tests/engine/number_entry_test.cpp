#include "core/messages.h"
#include "core/number_entry.h"
#include "engine_fixture.h"
#include "support/kinds.h"

using namespace brevant;
using brevant::testing::EngineTest;

using NumberEntry = EngineTest;

TEST_F(NumberEntry, CalculateTimeReaderReformatsFormulasOnly) {
    struct Case {
        const char* typed;
        char sep;
        float value;
        const char* after;
    } cases[] = {
        {"2*3", '.', 6, "6"},         {"2+3", '.', 5, "2+3"}, {"", '.', 0, ""},
        {"12.5", ',', 12.5f, "12,5"}, {"1/0", '.', 0, "1/0"}, {"1/8", '.', 0.125f, "0.125"},
    };
    for (const auto& c : cases) {
        e.App.LocaleDecimalSeparator = c.sep;
        e.Form.TopCutWidthEdit.text = c.typed;
        float v = -1;
        EXPECT_TRUE(e.ReadInputValue(e.Form.TopCutWidthEdit, v)) << c.typed;
        EXPECT_FLOAT_EQ(v, c.value) << c.typed;
        EXPECT_EQ(e.Form.TopCutWidthEdit.text, c.after) << c.typed;
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(NumberEntry, BadNumberNamesTheControl) {
    e.Form.ConeHeight.text = "12x";
    float v = 0;
    EXPECT_FALSE(e.ReadInputValue(e.Form.ConeHeight, v));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Bad number in ConeHeight");
    EXPECT_EQ(host.messages[0].body, "12x");
}

TEST_F(NumberEntry, CommitClampsByTag) {
    struct Case {
        Edit* edit;
        const char* typed;
        float value;
    } cases[] = {
        {&e.Form.ConeTopAngle, "45", 30},
        {&e.Form.BottomAngle, "-45", -30},
        {&e.Form.SquareTopAngle, "45", 30},
        {&e.Form.ConeHeight, "-5", 0.01f},
        {&e.Form.ConeHeight, "", 0},
        {&e.Form.ConeHeight, "0.001", 0.01f},
        {&e.Form.SegmentAngleEdit, "-10", 0.01f},
    };
    for (const auto& c : cases) {
        c.edit->text = c.typed;
        EXPECT_FLOAT_EQ(e.ReadCommittedValue(*c.edit), c.value) << c.edit->name << " " << c.typed;
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(NumberEntry, CommitReportsSyntaxAndPlainArithmeticErrors) {
    e.Form.ConeHeight.text = "abc";
    e.ReadCommittedValue(e.Form.ConeHeight);
    e.Form.ConeHeight.text = "LN(0)"; // status 5
    e.ReadCommittedValue(e.Form.ConeHeight);
    e.Form.ConeHeight.text = "1/0"; // status 6 is not reported
    EXPECT_EQ(e.ReadCommittedValue(e.Form.ConeHeight), 0);
    EXPECT_EQ(host.Titles(),
              (std::vector<std::string>{"Bad Number in ConeHeight", "Bad Number in ConeHeight"}));
}

TEST_F(NumberEntry, EffectiveBendsAndSegmentAngle) {
    const std::pair<double, int> bends[] = {{3, 0}, {4, 4}, {4.7, 4}, {100, 100}};
    for (auto [typed, n] : bends) {
        e.Form.BendConeSpinBox.value = typed;
        EXPECT_EQ(e.EffectiveBends(), n) << typed;
    }
    const std::pair<const char*, float> segments[] = {
        {"400", 0}, {"350", 350}, {"-10", 0.01f}, {"", 0}, {"90", 90}};
    for (auto [typed, a] : segments) {
        e.Form.SegmentAngleEdit.text = typed;
        EXPECT_FLOAT_EQ(EffectiveSegmentAngle(e.Form.SegmentAngleEdit, '.', e), a) << typed;
    }
}

TEST_F(NumberEntry, MillimetresAreStoredAsInches) {
    e.Form.UnitsComboBox.itemIndex = kMillimeters;
    e.Form.ConeBottomDiameter.text = "254";
    e.Form.ConeTopDiameter.text = "127";
    e.Form.ConeHeight.text = "100";
    ASSERT_TRUE(e.ReadLayoutInputs());
    EXPECT_FLOAT_EQ(ConeOf(e).Def.BottomDiameter, 10);
    EXPECT_EQ(e.FormatValue(e.FromIn(ConeOf(e).Def.BottomDiameter)), "254");
}

TEST_F(NumberEntry, ReadLayoutInputsStopsAtTheFirstBadNumber) {
    ConeOf(e).Def.ConeHeight = 42;
    e.Form.ConeBottomDiameter.text = "2**3";
    e.Form.ConeHeight.text = "7";
    EXPECT_FALSE(e.ReadLayoutInputs());
    EXPECT_EQ(ConeOf(e).Def.ConeHeight, 42); // read after the bottom diameter: untouched
    EXPECT_EQ(host.Titles(), std::vector<std::string>{"Bad number in ConeBottomDiameter"});
}

TEST_F(NumberEntry, OverlapIsHalvedAndSquareLengthTakesWidth) {
    e.Form.Overlap.text = "1";
    ASSERT_TRUE(e.ReadLayoutInputs());
    EXPECT_FLOAT_EQ(ConeOf(e).Def.Overlap, 0.5f);
    // Each kind reads its own inputs: the square's on the square page.
    e.Form.SquareWidth.text = "20";
    e.Form.SquareLength.text = "0";
    ChooseType(kLayoutSquare);
    ASSERT_TRUE(e.ReadLayoutInputs());
    EXPECT_FLOAT_EQ(SquareOf(e).Def.SquareLength, 20);
    EXPECT_EQ(e.Form.SquareLength.text, "20");
}

TEST_F(NumberEntry, UnitLabelsFollowTheUnitSystem) {
    e.Form.UnitsComboBox.itemIndex = kCentimeters;
    e.UpdateUnitLabels();
    EXPECT_EQ(e.Form.UnitLabel1.text, "cm");
    EXPECT_EQ(e.Form.Label81.text, "cm");
    EXPECT_EQ(e.Form.Label54.text, "cm");
}
