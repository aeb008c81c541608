// Values the solver wrote back (blue) are answers, not inputs: the next Calculate follows what
// the user typed last.
#include "engine/engine_fixture.h"

#include <cmath>
#include <numbers>
#include <string>

using namespace brevant;
using brevant::testing::EngineTest;

namespace {

class SolvedValues : public EngineTest {
protected:
    // Types a value into an edit and commits it, as the window does.
    void Type(Edit& edit, const std::string& text) {
        edit.text = text;
        e.EditCommitted(edit);
    }
    double Value(const Edit& edit) const { return std::stod(edit.text); }
    static double Tan(double degrees) { return std::tan(degrees * std::numbers::pi / 180); }
};

TEST_F(SolvedValues, ANewSideAngleMovesTheSolvedHeight) {
    auto& f = e.Form;
    Type(f.ConeTopDiameter, "10");
    Type(f.ConeBottomDiameter, "20");
    Type(f.SideAngle, "60");
    e.CalculateMenuClick();
    EXPECT_NEAR(Value(f.ConeHeight), 5 * Tan(60), 1e-3);
    EXPECT_EQ(f.ConeHeight.fontColor, kColorBlue);
    EXPECT_EQ(f.SideAngle.fontColor, kColorBlack);

    Type(f.SideAngle, "70");
    EXPECT_EQ(f.ConeHeight.fontColor, kColorBlue); // typing elsewhere leaves it an answer
    e.CalculateMenuClick();
    EXPECT_NEAR(Value(f.SideAngle), 70, 1e-3);
    EXPECT_NEAR(Value(f.ConeHeight), 5 * Tan(70), 1e-3);
    EXPECT_EQ(e.OutputRefusal(), "");

    // Calculating again changes nothing.
    e.CalculateMenuClick();
    EXPECT_NEAR(Value(f.ConeHeight), 5 * Tan(70), 1e-3);
}

TEST_F(SolvedValues, TypingIntoASolvedFieldMakesItGiven) {
    auto& f = e.Form;
    Type(f.ConeTopDiameter, "10");
    Type(f.ConeBottomDiameter, "20");
    Type(f.SideAngle, "60");
    e.CalculateMenuClick();
    // The height typed over the answer, the angle emptied: the angle follows the height.
    Type(f.ConeHeight, "5");
    EXPECT_EQ(f.ConeHeight.fontColor, kColorBlack);
    Type(f.SideAngle, "");
    e.CalculateMenuClick();
    EXPECT_NEAR(Value(f.ConeHeight), 5, 1e-4);
    EXPECT_NEAR(Value(f.SideAngle), 45, 1e-3);
    EXPECT_EQ(f.SideAngle.fontColor, kColorBlue);
}

TEST_F(SolvedValues, ClearedFieldsAreNoLongerAnswers) {
    auto& f = e.Form;
    Type(f.ConeTopDiameter, "10");
    Type(f.ConeBottomDiameter, "20");
    Type(f.SideAngle, "60");
    e.CalculateMenuClick();
    ASSERT_EQ(f.ConeHeight.fontColor, kColorBlue);
    e.ClearMenuClick();
    EXPECT_EQ(f.ConeHeight.fontColor, kColorBlack);
    // A value put into the cleared edit (as loading a file does) counts as given.
    f.ConeTopDiameter.text = "10";
    f.ConeBottomDiameter.text = "20";
    f.ConeHeight.text = "10";
    e.CalculateMenuClick();
    EXPECT_NEAR(Value(f.ConeHeight), 10, 1e-4);
    EXPECT_NEAR(Value(f.SideAngle), std::atan2(10.0, 5.0) * 180 / std::numbers::pi, 1e-3);
}

} // namespace
