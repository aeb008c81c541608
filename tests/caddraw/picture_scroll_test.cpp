// A repaint after a pan scrolls the bitmap and paints only the strips it uncovers, and only
// when nothing but the view's offset changed since the bitmap was painted: every other change
// of what is shown repaints the whole bitmap.
#include "caddraw/cad_draw.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace brevant {
namespace {

using testing::RecordingCanvas;
using testing::RecordingPrinter;

struct Box {
    int left, top, width, height;
    bool operator==(const Box&) const = default;
};

// Records as the recording canvas does, and takes scrolls and clip boxes.
class ScrollingCanvas : public RecordingCanvas {
public:
    std::vector<std::pair<int, int>> scrolls;
    std::vector<Box> clips;
    std::uint64_t generation = 0;
    bool canScroll = true;
    bool ScrollPixels(int dx, int dy) override {
        if (!canScroll) return false;
        scrolls.emplace_back(dx, dy);
        return true;
    }
    int fullClears = 0; // the whole bitmap cleared: a full repaint began
    void SetClipBox(int left, int top, int width, int height) override {
        clips.push_back({left, top, width, height});
        clipped_ = true;
    }
    void ClearClipBox() override { clipped_ = false; }
    void Clear(TColor color) override {
        if (!clipped_) ++fullClears;
        RecordingCanvas::Clear(color);
    }
    std::uint64_t Generation() const override { return generation; }

private:
    bool clipped_ = false;
};

// A 200 x 100 view at 10 pixels per unit, origin at (100, 50), with a row of steep lines in
// the middle and one line across the whole width.
void Show(TCadDraw& view, ScrollingCanvas& canvas) {
    view.SetCanvas(&canvas);
    view.Resize(200, 100);
    view.CadSettings().view_height[1] = 10;
    for (int i = -8; i <= 8; ++i)
        view.MakeLine(i + 0.13, -4.17, 0, i + 0.61, 4.29, 0);
    view.MakeLine(-12, 1.03, 0, 12, 1.03, 0);
    view.ViewCenter(0, 0);
}

struct ScrollFixture : ::testing::Test {
    ScrollingCanvas canvas;
    TCadDraw view;
    ScrollFixture() { Show(view, canvas); }
    // Pans by whole pixels of the view and tells whether the bitmap was scrolled.
    bool PanScrolls(int dxPixels, int dyPixels = 0) {
        const auto before = canvas.scrolls.size();
        view.Pan(dxPixels / view.CadSettings().xscale[1], dyPixels / view.CadSettings().yscale[1]);
        return canvas.scrolls.size() > before;
    }
};

TEST_F(ScrollFixture, APanScrollsAndPaintsOnlyTheUncoveredStrips) {
    ASSERT_TRUE(PanScrolls(3));
    // The centre moved right by 3 pixels: the picture moves left and the right edge opens.
    EXPECT_EQ(canvas.scrolls.back(), std::make_pair(-3, 0));
    ASSERT_EQ(canvas.clips.size(), 1u);
    EXPECT_EQ(canvas.clips[0], (Box{197, 0, 3, 100}));
    // Only the line reaching into that strip was painted again.
    const auto lines = canvas.Of("line");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_GE(std::max(lines[0].args[0], lines[0].args[2]), 197);

    canvas.clips.clear();
    ASSERT_TRUE(PanScrolls(-4, 6));
    EXPECT_EQ(canvas.scrolls.back(), std::make_pair(4, -6)); // the centre went left and down
    ASSERT_EQ(canvas.clips.size(), 2u);
    EXPECT_EQ(canvas.clips[0], (Box{0, 0, 4, 100}));
    EXPECT_EQ(canvas.clips[1], (Box{4, 94, 196, 6}));
}

TEST_F(ScrollFixture, EveryOtherChangeRepaintsTheWholeBitmap) {
    struct Case {
        std::string name;
        std::function<void(TCadDraw&, ScrollingCanvas&)> change;
    };
    RecordingPrinter printer;
    const std::vector<Case> cases = {
        {"element added", [](TCadDraw& v, ScrollingCanvas&) { v.MakeLine(0, 0, 0, 1, 1, 0); }},
        {"element recoloured",
         [](TCadDraw& v, ScrollingCanvas&) { v.Elements()[2].LineColor = kColorRed; }},
        {"element deleted", [](TCadDraw& v, ScrollingCanvas&) { v.Elements()[3].Deleted = true; }},
        {"selection", [](TCadDraw& v, ScrollingCanvas&) { v.AddToGroup(4); }},
        {"layer hidden", [](TCadDraw& v, ScrollingCanvas&) { v.SetLayerVisible(1, false); }},
        {"background", [](TCadDraw& v, ScrollingCanvas&) { v.SetBackgroundColor(kColorWhite); }},
        {"pen width", [](TCadDraw& v, ScrollingCanvas&) { v.CadSettings().SetPenWidth(3); }},
        {"immediate line",
         [](TCadDraw& v, ScrollingCanvas&) { v.DrawLine2(0, 0, 0, 2, 2, 0, kColorRed, 0); }},
        {"one element painted", [](TCadDraw& v, ScrollingCanvas&) { v.DrawElement(1); }},
        {"bitmap resized or new font", [](TCadDraw&, ScrollingCanvas& c) { ++c.generation; }},
        {"screen scale", [](TCadDraw& v, ScrollingCanvas&) { v.ScreenScale = 2; }},
        {"zoom", [](TCadDraw& v, ScrollingCanvas&) { v.CadSettings().view_height[1] = 20; }},
        {"another window",
         [](TCadDraw& v, ScrollingCanvas&) { v.CadSettings().current_plot_window = 2; }},
        {"whole drawing mode",
         [](TCadDraw& v, ScrollingCanvas&) { v.CadSettings().redraw_mode = kRedrawAll; }},
        {"axes shown",
         [](TCadDraw& v, ScrollingCanvas&) { v.CadSettings().draw_axis_flag = true; }},
        {"printed", [&](TCadDraw& v, ScrollingCanvas&) { v.PrintCad(printer); }},
        {"list assigned",
         [](TCadDraw& v, ScrollingCanvas&) {
             TElements copy = v.Elements();
             v.Elements() = copy;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScrollingCanvas canvas;
        TCadDraw v;
        Show(v, canvas);
        const double step = 3 / v.CadSettings().xscale[1];
        v.Pan(step, 0);
        ASSERT_EQ(canvas.scrolls.size(), 1u); // unchanged, a pan scrolls
        const int full = canvas.fullClears;
        c.change(v, canvas);
        v.Pan(step, 0);
        // The whole bitmap was painted again after the change: by the change itself (those
        // that show the drawing again) or by the pan instead of a scroll.
        EXPECT_GT(canvas.fullClears, full);
    }
}

TEST_F(ScrollFixture, AScrollIsRefusedWhereItWouldNotShowWhatARepaintShows) {
    EXPECT_FALSE(PanScrolls(0));   // a redraw without a move refreshes the whole picture
    EXPECT_FALSE(PanScrolls(200)); // moved by the whole width: nothing to keep
    EXPECT_TRUE(PanScrolls(5));
    canvas.canScroll = false; // a canvas that cannot scroll is painted in full
    EXPECT_FALSE(PanScrolls(5));
    EXPECT_EQ(canvas.calls[0].op, "clear");
    canvas.canScroll = true;
    EXPECT_TRUE(PanScrolls(5));
}

// An end midway between two pixels rounds to the even one: a shift by an odd number of pixels
// moves it by one more or one less than the shift, so only even shifts may be scrolled.
TEST_F(ScrollFixture, PointsMidwayBetweenPixelsAllowOnlyEvenShifts) {
    view.MakeLine(0.05, 0, 0, 1, 1, 0); // 0.05 units is half a pixel
    view.Redraw();
    EXPECT_FALSE(PanScrolls(3));
    EXPECT_TRUE(PanScrolls(4));
    EXPECT_FALSE(PanScrolls(-1));
}

TEST_F(ScrollFixture, ADragPanScrollsItsPreview) {
    view.MouseDown(kShiftMiddle, 100, 50);
    view.MouseMove(kShiftMiddle, 100, 50);
    view.MouseMove(kShiftMiddle, 97, 50); // the preview, painted in full
    const auto before = canvas.scrolls.size();
    view.MouseMove(kShiftMiddle, 94, 50);
    EXPECT_EQ(canvas.scrolls.size(), before + 1);
    view.MouseUp(kShiftMiddle, 94, 50); // the whole drawing again, in full
    EXPECT_EQ(canvas.scrolls.size(), before + 1);
    EXPECT_EQ(canvas.calls[0].op, "clear");
}

} // namespace
} // namespace brevant
