// The square-to-round driver as the window runs it: Calculate, the checks and their messages,
// the display, the stepper and the layout change, degenerate and hostile inputs.
#include "core/number_format.h"
#include "engine/definition_file.h"
#include "square_fixture.h"
#include "support/kinds.h"

#include <cmath>
#include <filesystem>
#include <fstream>

namespace brevant::testing {
namespace {

using SquareDriver = SquareTest;

double Number(const std::string& text) {
    return std::stod(text);
}

TEST_F(SquareDriver, CalculateDrawsThePatternAndShowsItsSize) {
    ASSERT_EQ(Calculate("10", "20", "16", "12"), kDriverDone);
    EXPECT_TRUE(host.messages.empty());
    const auto& f = e.Form;
    EXPECT_EQ(f.Label10.text, "Square to Round Dimensions");
    EXPECT_TRUE(f.RegularDataDisplay.visible);
    EXPECT_FALSE(f.LargeRadiusCaption.visible || f.OverlapCaption.visible || f.Overlap.visible ||
                 f.SegmentAngleEdit.visible || f.AngleA.visible);
    EXPECT_TRUE(f.WidthXCaption.visible && f.HeightYCaption.visible);
    EXPECT_EQ(f.WidthX.text, FormatValue(float(SquareOf(e).Square.BoxWidth), '.'));
    EXPECT_EQ(f.HeightY.text, FormatValue(float(SquareOf(e).Square.BoxHeight), '.'));
    EXPECT_EQ(Lines(8).size(), 4u);
    EXPECT_GT(Lines(1).size(), 30u);
    // The 3D model: 4 x 4 points per ring, the ring resolution follows the bends.
    EXPECT_EQ(e.Solid.FirstRing.size(), 16u);
    EXPECT_EQ(e.Solid.SecondRing.size(), 16u);
    EXPECT_FALSE(e.Solid.Mesh1.Indices.empty());
    EXPECT_EQ(e.Drv.CircleResolution, 16);
    // The seam of side C0-C1 stands halfway along that side.
    bool seamAtHalf = false;
    for (const TElement& l : Lines(1))
        seamAtHalf = seamAtHalf || (std::abs(l.Coord(4) - 8) < 1e-9 && l.Coord(5) == 0 &&
                                    std::abs(l.Coord(1) - 8) < 1e-3 && l.Coord(2) > 10);
    EXPECT_TRUE(seamAtHalf);
}

TEST_F(SquareDriver, AnEmptyLengthMakesTheBottomSquare) {
    ASSERT_EQ(Calculate("10", "20", "", "12"), kDriverDone);
    EXPECT_FLOAT_EQ(SquareOf(e).Def.SquareLength, 20);
    // Four equal fans: the bounding box of the whole square pattern is as the 16 x 20 one's.
    EXPECT_GT(SquareOf(e).Square.BoxWidth, 0);
}

TEST_F(SquareDriver, ChecksAndTheirMessages) {
    struct Case {
        const char *D, *W, *H;
        bool quiet;
        int code;
        std::vector<std::string> titles;
    } cases[] = {
        {"", "20", "12", false, kDriverNotEnough, {kMsgNotEnough}},
        {"0", "20", "12", true, kDriverNotEnough, {}},
        {"0.005", "20", "12", true, kDriverNotEnough, {kMsgNotEnough}},
        {"10", "20", "0.005", true, kDriverNotEnough, {kMsgNotEnough}},
        {"10", "2O", "12", false, kDriverBadNumber, {"Bad number in SquareWidth"}},
        // Sizes beyond what the circle crossings can handle stop at the first failed one.
        {"10", "300000", "12", false, kDriverFailed, {"RADIUS DOES NOT INTERSECT"}},
    };
    for (const auto& c : cases) {
        e.Form.SquareTopDiameter.text = c.D, e.Form.SquareWidth.text = c.W;
        e.Form.SquareLength.text.clear(), e.Form.SquareHeight.text = c.H;
        host.messages.clear();
        e.ClearStatus();
        EXPECT_EQ(e.DispatchCalculation(c.quiet), c.code) << c.D << " " << c.W << " " << c.H;
        EXPECT_EQ(host.Titles(), c.titles) << c.D << " " << c.W << " " << c.H;
    }
    // The failed development keeps what it laid out, without a box or a display.
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].kind, kMessageStopOkCancel);
    EXPECT_FALSE(Lines(1).empty());
    EXPECT_TRUE(Lines(8).empty());
    EXPECT_FALSE(e.Form.RegularDataDisplay.visible);
}

TEST_F(SquareDriver, DegeneratePartsDrawFiniteSizes) {
    struct Case {
        const char *D, *W, *L, *H, *xs, *ys, *a;
    } cases[] = {
        {"40", "20", "16", "12", "", "", ""},     // circle larger than the rectangle
        {"10", "20", "16", "0.01", "", "", ""},   // almost flat
        {"10", "20", "16", "12", "30", "25", ""}, // circle outside the rectangle
        {"10", "20", "16", "12", "", "-40", ""},
        {"10", "20", "16", "12", "", "", "45"}, // tilt beyond the clamp
        {"60", "20", "16", "2", "", "", "-30"}, // tilt at the clamp, wide and low
        {"0.01", "0.01", "0.01", "0.01", "", "", "30"},
    };
    for (const auto& c : cases) {
        host.messages.clear();
        ASSERT_EQ(Calculate(c.D, c.W, c.L, c.H, c.xs, c.ys, c.a), kDriverDone) << c.D << c.H;
        EXPECT_TRUE(host.messages.empty());
        const double w = Number(e.Form.WidthX.text), h = Number(e.Form.HeightY.text);
        EXPECT_TRUE(std::isfinite(w) && std::isfinite(h) && w > 0 && h > 0) << c.D << c.H;
        for (const TElement& l : Lines(1))
            for (int k = 1; k <= 6; ++k)
                ASSERT_TRUE(std::isfinite(l.Coord(k)));
        for (const TSquarePoints& g : SquareOf(e).Square.Model.Generators)
            ASSERT_TRUE(std::isfinite(g.length) && std::isfinite(g.top_x) &&
                        std::isfinite(g.top_y));
    }
    EXPECT_FLOAT_EQ(SquareOf(e).Def.SquareTopAngle, 30);
}

TEST_F(SquareDriver, ADefinitionWithTinyValuesIsRefusedEvenQuietly) {
    const auto path = std::filesystem::temp_directory_path() / "brevant-square-tiny.layout";
    std::ofstream(path) << "[DIMENSIONS]\nSquareHeight=0.001\nSquareTopDiameter=10\n"
                           "SquareWidth=20\nSquareLength=16\nBendsPerCorner=99\n";
    ASSERT_TRUE(LoadDefinition(e, path.string()));
    std::filesystem::remove(path);
    EXPECT_EQ(host.Titles(), std::vector<std::string>{kMsgNotEnough});
    EXPECT_TRUE(Lines(1).empty());
}

TEST_F(SquareDriver, ShiftedOrTiltedTopsDevelopHalfAPartAndAZShiftTheWhole) {
    struct Case {
        const char *xs, *ys, *a;
        bool half;
        int fans;
    } cases[] = {{"", "", "", false, 4},
                 {"", "", "", true, 2},
                 {"1", "", "", false, 2},
                 {"", "", "10", false, 2},
                 {"", "2", "", true, 4}};
    for (const auto& c : cases) {
        e.Form.HalfPatternCheckBox.checked = c.half;
        ASSERT_EQ(Calculate("10", "20", "16", "12", c.xs, c.ys, c.a), kDriverDone);
        const SquareShape s = SquareOf(e).Def.Shape();
        EXPECT_EQ(Lines(1).size(),
                  DevelopSquarePattern(SquareOf(e).Square.Model, s, c.fans).Lines.size())
            << c.xs << c.ys << c.a;
    }
}

TEST_F(SquareDriver, StepperAndLayoutChangeRecalculate) {
    ASSERT_EQ(Calculate("10", "20", "16", "12"), kDriverDone);
    e.StepperClicked("NumberOfBendsLabel", 1);
    EXPECT_EQ(e.Form.NumberOfBendsLabel.text, "5");
    EXPECT_EQ(SquareOf(e).Square.Model.Generators.size(), 20u);
    EXPECT_EQ(e.Solid.FirstRing.size(), 20u);
    EXPECT_TRUE(e.Form.RegularDataDisplay.visible);
    EXPECT_EQ(Lines(8).size(), 4u);
    ChooseType(kLayoutCone);
    EXPECT_TRUE(Lines(1).empty());
    host.messages.clear();
    ChooseType(kLayoutSquare);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(e.Drv.LastDriverCode, kDriverDone);
    EXPECT_EQ(Lines(8).size(), 4u);
    EXPECT_TRUE(e.Form.RegularDataDisplay.visible);
}

} // namespace
} // namespace brevant::testing
