// The transition through the engine as a user drives it: the page's edits and steppers,
// Calculate, the messages that stop it, the results, the report and the pattern every output
// renders, and random values in every field.
#include "core/messages.h"
#include "engine/engine_fixture.h"
#include "layouts/transition/transition_kind.h"
#include "layouts/transition/transition_messages.h"
#include "support/lcg.h"

#include <cmath>
#include <sstream>
#include <string>

namespace brevant::testing {
namespace {

class TransitionDriver : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        index = e.KindIndexOf("transition");
        ASSERT_GE(index, 0);
        ChooseType(index);
        host.messages.clear();
    }
    TransitionKind& Kind() { return static_cast<TransitionKind&>(e.Kind(index)); }
    void Type(const char* edit, const std::string& text) { e.Form.FindEdit(edit)->text = text; }
    void Shapes(int bottom, int top) {
        e.Form.FindLabel("TransitionBottomShapeLabel")->text = std::to_string(bottom);
        e.Form.FindLabel("TransitionTopShapeLabel")->text = std::to_string(top);
    }
    // The offset hopper: 40 x 30 to 16 x 10, 24 high, the top shifted.
    void Hopper() {
        Shapes(0, 0);
        Type("TransitionBottomWidth", "40");
        Type("TransitionBottomLength", "30");
        Type("TransitionTopWidth", "16");
        Type("TransitionTopLength", "10");
        Type("TransitionHeight", "24");
        Type("TransitionTopXShift", "7");
        Type("TransitionTopYShift", "-4");
        Type("TransitionBottomRadius", "");
        Type("TransitionTopRadius", "");
        Type("TransitionTopAngle", "");
    }
    int Calculate() {
        host.messages.clear();
        e.CalculateMenuClick();
        return e.Drv.LastDriverCode;
    }
    int index = -1;
};

int Strokes(const FlatPattern& p, FlatRole role) {
    int n = 0;
    for (const FlatStroke& s : p.Strokes)
        n += s.Role == role ? 1 : 0;
    return n;
}

TEST_F(TransitionDriver, StartsWithRectangleToRoundInSixDivisions) {
    EXPECT_EQ(e.Form.FindLabel("TransitionBottomShapeLabel")->text, "0");
    EXPECT_EQ(e.Form.FindLabel("TransitionTopShapeLabel")->text, "1");
    EXPECT_EQ(e.Form.FindLabel("TransitionDivisionsLabel")->text, "6");
    EXPECT_EQ(e.Form.FindCheckBox("TransitionHalfCheckBox")->caption, "Half Pattern");
}

TEST_F(TransitionDriver, OffsetHopperGivesFourFoldsAndItsResults) {
    Hopper();
    ASSERT_EQ(Calculate(), kDriverDone);
    EXPECT_TRUE(host.messages.empty());
    const FlatPattern& p = Kind().Pattern();
    ASSERT_EQ(p.Outlines.size(), size_t(1));
    EXPECT_EQ(p.Outlines[0].Quantity, 1);
    EXPECT_EQ(Strokes(p, FlatRole::Bend), 4);
    EXPECT_TRUE(e.Form.RegularDataDisplay.visible);
    EXPECT_EQ(e.Form.Label10.text, kTitleTransition);
    const TransitionResults& r = Kind().Last;
    EXPECT_NEAR(TransitionSurfaceArea(r.Whole), r.Flat.Area, 1e-9 * r.Flat.Area);
    const KindReport report = Kind().Report({e.Format(), "", "hopper", "Inches"});
    ASSERT_TRUE(report.Made);
    std::istringstream lines(report.Text);
    std::string line;
    int count = 0, bends = 0;
    while (std::getline(lines, line)) {
        ++count;
        bends += line.find("Bend Angle=") != std::string::npos &&
                         line.find("Seam") == std::string::npos &&
                         line.find("No Bend") == std::string::npos
                     ? 1
                     : 0;
    }
    EXPECT_EQ(count, 6 + int(r.Flat.TrueLengths.size()));
    EXPECT_EQ(bends, 4);
}

TEST_F(TransitionDriver, HalfPatternOnlyWhereThePartIsSymmetric) {
    Hopper();
    Type("TransitionTopYShift", "0");
    e.Form.FindCheckBox("TransitionHalfCheckBox")->checked = true;
    ASSERT_EQ(Calculate(), kDriverDone);
    const TransitionResults& half = Kind().Last;
    EXPECT_TRUE(half.Developed.Half);
    EXPECT_EQ(Kind().Pattern().Outlines.at(0).Quantity, 2);
    EXPECT_NEAR(half.Flat.Area * 2, TransitionSurfaceArea(half.Whole), 1e-9 * half.Flat.Area);
    // Shifted along Y the halves differ: the whole pattern, and the status line says why.
    Type("TransitionTopYShift", "3");
    ASSERT_EQ(Calculate(), kDriverDone);
    EXPECT_FALSE(Kind().Last.Developed.Half);
    EXPECT_EQ(Kind().Pattern().Outlines.at(0).Quantity, 1);
    EXPECT_EQ(e.Form.StatusLabel.text, kMsgTransitionWhole);
}

// The sizes the pattern is developed on: the middle of the plate.
TEST_F(TransitionDriver, ThicknessSideMovesTheSectionsToTheMiddleOfThePlate) {
    struct Case {
        int side;
        double bottom, top;
    };
    for (const Case c :
         {Case{kMiddle, 40, 16}, Case{kInside, 40.5, 16.5}, Case{kOutside, 39.5, 15.5}}) {
        Hopper();
        e.Form.ThicknessEdit.text = "0.5";
        e.Form.InsideRadio.checked = c.side == kInside;
        e.Form.OutsideRadio.checked = c.side == kOutside;
        e.Form.MiddleRadio.checked = c.side == kMiddle;
        ASSERT_EQ(Calculate(), kDriverDone) << c.side;
        EXPECT_DOUBLE_EQ(Kind().Last.Part.Bottom.Width, c.bottom) << c.side;
        EXPECT_DOUBLE_EQ(Kind().Last.Part.Top.Width, c.top) << c.side;
        EXPECT_GT(Kind().Last.Weight, 0);
    }
}

// Values that cannot form a part stop with the message naming them, and leave no pattern.
TEST_F(TransitionDriver, RefusesWhatCannotFormAPart) {
    struct Case {
        const char* edit;
        const char* text;
        std::string message;
        const char* edit2 = nullptr; // a second value typed with the first
        const char* text2 = nullptr;
    };
    const Case cases[] = {
        {"TransitionBottomWidth", "", std::string(kMsgTransitionNeeds) + "Bottom Width."},
        {"TransitionHeight", "0", std::string(kMsgTransitionNeeds) + "Height."},
        {"TransitionBottomWidth", "0.005", std::string("Bottom Width") + kMsgTransitionTooSmall},
        {"TransitionTopLength", "-3", std::string("Top Length") + kMsgTransitionNegative},
        {"TransitionBottomRadius", "15.5",
         std::string("Bottom Radius") + kMsgTransitionRadius},
        {"TransitionHeight", "-5", kMsgTransitionHeight},
        {"TransitionTopAngle", "80", kMsgTransitionTilt, "TransitionTopWidth", "60"},
        {"TransitionTopAngle", "-90", kMsgTransitionTilt},
        {"TransitionBottomWidth", "1000000", std::string("Bottom Width") + kMsgTransitionTooLarge},
        {"TransitionTopXShift", "-200000", std::string("Top X Shift") + kMsgTransitionTooLarge},
    };
    for (const Case& c : cases) {
        Hopper();
        ASSERT_EQ(Calculate(), kDriverDone) << c.edit;
        Type(c.edit, c.text);
        if (c.edit2) Type(c.edit2, c.text2);
        EXPECT_EQ(Calculate(), kDriverNotEnough) << c.edit << " " << c.text;
        ASSERT_EQ(host.messages.size(), size_t(1)) << c.edit << " " << c.text;
        EXPECT_EQ(host.messages[0].title, c.message);
        EXPECT_TRUE(Kind().Pattern().Empty());
        EXPECT_FALSE(Kind().Report({}).Made);
        EXPECT_TRUE(Kind().FormedSolid({}).Pieces.empty());
    }
}

TEST_F(TransitionDriver, TooThickForASectionMeasuredOutside) {
    Hopper();
    e.Form.ThicknessEdit.text = "12";
    e.Form.OutsideRadio.checked = true;
    e.Form.MiddleRadio.checked = false;
    EXPECT_EQ(Calculate(), kDriverNotEnough);
    ASSERT_EQ(host.messages.size(), size_t(1));
    EXPECT_EQ(host.messages[0].title, std::string(kMsgTransitionThickness) + "Top.");
}

// Random values in every field: a message or a part, never a NaN or a crash.
TEST_F(TransitionDriver, RandomValuesInEveryFieldAreSafe) {
    const char* edits[] = {"TransitionBottomWidth",  "TransitionBottomLength",
                           "TransitionBottomRadius", "TransitionTopWidth",
                           "TransitionTopLength",    "TransitionTopRadius",
                           "TransitionHeight",       "TransitionTopXShift",
                           "TransitionTopYShift",    "TransitionTopAngle"};
    const char* odd[] = {"", "0", "-0", "abc", "1e300", "-1e300", "1e-300", "0.01", "89.99"};
    Lcg rng(97);
    int made = 0;
    for (int i = 0; i < 300; ++i) {
        for (const char* edit : edits) {
            const double pick = rng.Next(0, 1);
            std::string text =
                pick < 0.04 ? odd[int(rng.Next(0, 9))] : std::to_string(rng.Next(-2, 60));
            Type(edit, text);
        }
        Shapes(int(rng.Next(0, 3)), int(rng.Next(0, 3)));
        e.Form.FindLabel("TransitionDivisionsLabel")->text = std::to_string(int(rng.Next(-5, 60)));
        e.Form.FindCheckBox("TransitionHalfCheckBox")->checked = rng.Next(0, 1) < 0.3;
        e.Form.ThicknessEdit.text = std::to_string(rng.Next(0, 2));
        const int code = Calculate();
        ASSERT_TRUE(code == kDriverDone || code == kDriverNotEnough || code == kDriverBadNumber)
            << i;
        if (code != kDriverDone) continue;
        ++made;
        const TransitionFlat& f = Kind().Last.Flat;
        ASSERT_TRUE(std::isfinite(f.Area) && f.Area > 0) << i;
        ASSERT_TRUE(std::isfinite(f.Width()) && std::isfinite(f.Height())) << i;
        for (size_t k = 0; k < f.TrueLengths.size(); ++k)
            ASSERT_TRUE(std::isfinite(f.TrueLengths[k]) && std::isfinite(f.BendAngles[k])) << i;
        ASSERT_EQ(Kind().Pattern().Outlines.size(), size_t(1)) << i;
    }
    EXPECT_GT(made, 30);
}

} // namespace
} // namespace brevant::testing
