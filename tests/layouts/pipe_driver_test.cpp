// Calculate on the pipe page: the drawn pattern, the messages of bad and degenerate inputs, the
// pipe's own material thickness and the flat CAD save.
#include "pipe_fixture.h"
#include "support/kinds.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>

namespace brevant::testing {
namespace {

constexpr const char* kLarger = "Error: Small pipe is larger than Main pipe";
constexpr const char* kOutside = "Error: Small pipe is not within Main pipe";
constexpr const char* kTooLarge = "Pattern too large to draw";

bool AnyResultDisplayShown(const FormModel& f) {
    for (const Panel* p : {&f.RegularDataDisplay, &f.SeamDisplay, &f.SideCutDisplay,
                           &f.ThicknessDisplay, &f.SheetDataDisplay, &f.BendDisplay})
        if (p->visible) return true;
    return false;
}

TEST_F(PipeTest, CalculateDrawsTheBranchPatternAndItsRings) {
    EXPECT_EQ(Calculate("12", "6", "1"), kDriverDone);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(e.Form.StatusLabel.text, "");
    EXPECT_EQ(Lines().size(), 43u); // left edge, 40 curve lines, straight edge, right edge
    EXPECT_FALSE(AnyResultDisplayShown(e.Form));
    EXPECT_EQ(e.Drv.CircleResolution, 40);
    ASSERT_TRUE(PipeOf(e).State.Developed);
    EXPECT_NEAR(PipeOf(e).State.PatternWidth, 18.85, 5e-3);
    EXPECT_DOUBLE_EQ(PipeOf(e).State.ReferenceDistance, 12);
    ASSERT_EQ(PipeOf(e).State.CutHeights.size(), 41u);
    EXPECT_NEAR(PipeOf(e).State.CutHeights[30], 7.528, 5e-4);
    EXPECT_EQ(PipeOf(e).State.Model.AxisRing.size(), 41u);
    EXPECT_EQ(PipeOf(e).State.Model.FarRing.size(), 41u);
}

TEST_F(PipeTest, BadAndDegenerateInputsSayWhyAndDrawNothing) {
    const std::string hugeNumber = "1" + std::string(40, '0'); // beyond single precision
    const std::string huge = "99999999999*99999999999*99999999999";
    struct Case {
        std::string main, branch, offset;
        int code;
        std::vector<std::string> messages;
        std::string status;
        bool drawn;
    };
    const Case cases[] = {
        {"6", "12", "", kDriverDone, {kLarger}, "", false},
        {"12", "10", "2", kDriverDone, {kOutside}, "", false},
        // Past the main pipe's side on the other side of its axis.
        {"12", "10", "-2", kDriverDone, {kOutside}, "", false},
        {"12", "6", "-3.5", kDriverDone, {kOutside}, "", false},
        // Touching the side, and a branch as large as the main pipe: still a pattern.
        {"12", "6", "-3", kDriverDone, {}, "", true},
        {"12", "12", "", kDriverDone, {}, "", true},
        {"0", "6", "", kDriverBadNumber, {"Not Enough Dimensions"}, "", false},
        {"12", "", "", kDriverBadNumber, {"Not Enough Dimensions"}, "", false},
        {"-12", "6", "", kDriverBadNumber, {"Not Enough Dimensions"}, "", false},
        {"", "", "", kDriverBadNumber, {}, "", false},
        {"0", "0", "1", kDriverBadNumber, {}, "", false},
        {"12", "6", "x", kDriverBadNumber, {"Bad number in PipeOffsetEdit"}, "", false},
        {hugeNumber, "6", "", kDriverDone, {}, kTooLarge, false},
        {hugeNumber, hugeNumber, "", kDriverDone, {}, kTooLarge, false},
        {"6", hugeNumber, "", kDriverDone, {kLarger}, "", false},
        {huge, huge, "", kDriverDone, {}, kTooLarge, false},
        // A huge main pipe under a small branch: a nearly flat cut.
        {"1000000000000", "1", "0.5", kDriverDone, {}, "", true},
    };
    for (const Case& c : cases) {
        const std::string label = c.main + " / " + c.branch + " / " + c.offset;
        EXPECT_EQ(Calculate(c.main, c.branch, c.offset), c.code) << label;
        EXPECT_EQ(host.Titles(), c.messages) << label;
        EXPECT_EQ(e.Form.StatusLabel.text, c.status) << label;
        EXPECT_EQ(PipeOf(e).State.Developed, c.drawn) << label;
        EXPECT_EQ(ElementCount() > 0, c.drawn) << label;
        EXPECT_TRUE(AllCoordsFinite()) << label;
        EXPECT_FALSE(AnyResultDisplayShown(e.Form)) << label;
        for (double y : PipeOf(e).State.CutHeights)
            EXPECT_TRUE(std::isfinite(y) && y > 0) << label;
    }
}

TEST_F(PipeTest, PipeThicknessIsKeptApartFromTheConeMaterialThickness) {
    e.Form.UnitsComboBox.itemIndex = kMillimeters;
    e.Material.Thickness = 0.5f;
    e.Form.ThicknessEdit.text = "6.35";
    ASSERT_EQ(Calculate("304.8", "152.4", "25.4"), kDriverDone);
    EXPECT_NEAR(PipeOf(e).State.MaterialThickness, 0.25, 1e-6);
    EXPECT_FLOAT_EQ(e.Material.Thickness, 0.5f);
    // A later failed read keeps the thickness but forgets the pattern.
    ASSERT_EQ(Calculate("152.4", "304.8"), kDriverDone);
    EXPECT_NEAR(PipeOf(e).State.MaterialThickness, 0.25, 1e-6);
    EXPECT_FALSE(PipeOf(e).State.Developed);
    EXPECT_TRUE(PipeOf(e).State.Model.FarRing.empty());
}

TEST_F(PipeTest, FlatCadIsWrittenInTheDisplayUnitAndTheViewStaysInInches) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("brevant-pipe-" + std::to_string(::getpid()) + ".cdl");
    e.Form.UnitsComboBox.itemIndex = kMillimeters;
    ASSERT_EQ(Calculate("304.8", "152.4", "25.4"), kDriverDone);
    host.files.push_back(path.string());
    e.MenuSaveFlatCADClick();
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    std::filesystem::remove(path);
    // The right edge of the pattern, pi x 152.4 mm, is in the file.
    EXPECT_NE(text.str().find("478.77"), std::string::npos) << text.str().substr(0, 400);
    double right = 0;
    for (const TElement& l : Lines())
        right = std::max({right, l.Coord(1), l.Coord(4)});
    EXPECT_NEAR(right, std::numbers::pi * PipeOf(e).Def.PipeSmallOD, 1e-9);
}

} // namespace
} // namespace brevant::testing
