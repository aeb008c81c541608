// Mouse handling of the CAD view: wheel zoom, pan and rotate drags, box zoom and picking.
#include "caddraw/cad_draw.h"
#include "caddraw/interaction.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace brevant {
namespace {

using testing::RecordingCanvas;

// An 800 x 400 view showing 40 world units high: 10 pixels per unit, origin at (400, 200).
struct MouseFixture : ::testing::Test {
    RecordingCanvas canvas;
    TCadDraw view;
    MouseFixture() {
        view.SetCanvas(&canvas);
        view.Resize(800, 400);
        Show(40, 0, 0);
    }
    void Show(double height, double cx, double cy) {
        view.CadSettings().view_height[view.CadSettings().current_plot_window] =
            static_cast<float>(height);
        view.ViewCenter(cx, cy);
    }
    TPixelPoint Pixel(double x, double y) const { return view.CoordToPixel(x, y, 0); }
    void ManyLines(int n) {
        for (int i = 0; i < n; ++i)
            view.MakeLine(0, i * 0.01, 0, 1, i * 0.01, 0);
    }
};

TEST_F(MouseFixture, WheelForwardOverAPointMovesTheCentreTowardsIt) {
    const TPixelPoint p = Pixel(10, 5);
    view.MouseMove(kShiftNone, p.x, p.y);
    view.MouseWheel(kShiftNone, 120);
    EXPECT_NEAR(view.CenterX(), 1, 1e-9);
    EXPECT_NEAR(view.CenterY(), 0.5, 1e-9);
    EXPECT_FLOAT_EQ(view.CadSettings().view_height[1], 36);
}

TEST_F(MouseFixture, WheelZoomKeepsThePointUnderTheMouse) {
    struct Case {
        TDView window;
        double mx, my;
        int delta;
        int steps;
    };
    const Case cases[] = {
        {TDView::vTOP, 123, 77, 120, 1},    {TDView::vTOP, 700, 350, -120, 3},
        {TDView::vTOP, 5, 390, 120, 10},    {TDView::vFRONT, 650, 40, 120, 4},
        {TDView::vSIDE, 300, 300, -120, 2},
    };
    for (const Case& c : cases) {
        view.SetView(c.window);
        Show(40, 3, -2);
        const TDPoint before = view.PixelToCoord(c.mx, c.my);
        view.MouseMove(kShiftNone, c.mx, c.my);
        for (int i = 0; i < c.steps; ++i)
            view.MouseWheel(kShiftNone, c.delta);
        const TDPoint after = view.PixelToCoord(c.mx, c.my);
        const double pixel = 1 / view.CadSettings().xscale[view.CadSettings().current_plot_window];
        EXPECT_NEAR(after.x, before.x, pixel) << c.mx << "," << c.my;
        EXPECT_NEAR(after.y, before.y, pixel);
        EXPECT_NEAR(after.z, before.z, pixel);
    }
}

TEST_F(MouseFixture, WheelOnALargeDrawingPaintsAPreviewUntilRelease) {
    ManyLines(1500);
    view.MouseMove(kShiftNone, 400, 200);
    view.MouseWheel(kShiftNone, 120);
    EXPECT_TRUE(view.WheelFlag());
    EXPECT_EQ(canvas.Of("line").size(), 200u);
    view.MouseUp(kShiftNone, 400, 200);
    EXPECT_FALSE(view.WheelFlag());
    EXPECT_EQ(canvas.Of("line").size(), 1500u);
    view.MouseWheel(kShiftNone, 120, /*handled=*/true);
    EXPECT_FALSE(view.WheelFlag());
}

TEST_F(MouseFixture, MiddleDragPansWithAPreviewAndRedrawsOnRelease) {
    ManyLines(1200);
    Show(200, 0, 0); // 2 pixels per unit
    view.MouseDown(kShiftMiddle, 100, 100);
    view.MouseMove(kShiftMiddle, 110, 100);
    EXPECT_NEAR(view.CenterX(), -5, 1e-9);
    EXPECT_TRUE(view.CadSettings().pan_flag);
    EXPECT_EQ(canvas.Of("line").size(), 200u);
    view.MouseMove(kShiftLeft | kShiftCtrl, 110, 120); // left with Ctrl pans too
    EXPECT_NEAR(view.CenterY(), 10, 1e-9);
    view.MouseUp(kShiftNone, 110, 120);
    EXPECT_FALSE(view.CadSettings().pan_flag);
    EXPECT_EQ(canvas.Of("line").size(), 1200u);
}

TEST_F(MouseFixture, OtherButtonStatesDoNotPan) {
    for (TShiftState s : {kShiftLeft, kShiftMiddle | kShiftShift, kShiftRight,
                          kShiftLeft | kShiftCtrl | kShiftShift}) {
        view.MouseDown(s, 100, 100);
        view.MouseMove(s, 150, 100);
        EXPECT_EQ(view.CenterX(), 0) << s;
        EXPECT_FALSE(view.CadSettings().pan_flag);
    }
}

TEST_F(MouseFixture, AltDragRotatesTheIsometricAngles) {
    view.RotateView(-70, 0, -20);
    int changes = 0;
    view.OnChangeView = [&](TCadDraw&, TDView v) {
        ++changes;
        EXPECT_EQ(v, TDView::vISO);
    };
    view.MouseDown(kShiftLeft | kShiftAlt, 100, 100);
    view.MouseMove(kShiftLeft | kShiftAlt, 116, 108);
    EXPECT_NEAR(view.CadSettings().view_x, 290 + 1, 1e-9); // -70 + 8/8, into 0..360
    EXPECT_NEAR(view.CadSettings().view_y, 2, 1e-9);
    EXPECT_EQ(view.CadSettings().old_view_x, view.CadSettings().view_x);
    EXPECT_TRUE(view.CadSettings().dynamic_rotate_flag);
    EXPECT_EQ(changes, 1);
    view.MouseUp(kShiftNone, 116, 108);
    EXPECT_FALSE(view.CadSettings().dynamic_rotate_flag);
}

TEST_F(MouseFixture, BoxZoomIsOneShot) {
    view.PickZoomWindow();
    EXPECT_TRUE(view.CrossCursor());
    view.MouseDown(kShiftLeft, 400, 200);
    EXPECT_TRUE(view.ZoomBox().visible);
    view.MouseMove(kShiftLeft, 600, 300);
    EXPECT_EQ(view.ZoomBox().width, 200);
    EXPECT_EQ(view.ZoomBox().height, 100);
    RecordingCanvas overlay;
    view.PaintZoomBox(overlay);
    ASSERT_EQ(overlay.Of("rect").size(), 1u);
    EXPECT_EQ(overlay.Of("rect")[0].args, (std::vector<double>{400, 200, 200, 100}));
    EXPECT_EQ(overlay.Of("rect")[0].stroke, 0xFFFF0000u);
    EXPECT_FALSE(overlay.Of("rect")[0].filled);
    view.MouseUp(kShiftLeft, 600, 300);
    EXPECT_FALSE(view.ZoomBox().visible);
    overlay.calls.clear();
    view.PaintZoomBox(overlay);
    EXPECT_TRUE(overlay.calls.empty());
    EXPECT_FALSE(view.ZoomWindowArmed());
    EXPECT_FLOAT_EQ(view.CadSettings().view_height[1], 10);
    EXPECT_NEAR(view.CenterX(), 10, 1e-9);
    EXPECT_NEAR(view.CenterY(), -5, 1e-9);
}

// A drawing to pick from: a point at (0, 0), a line from (10, 0) to (20, 0), a quarter arc of
// radius 5 about (0, 15) from 0 to 90 degrees.
struct PickFixture : MouseFixture {
    PickFixture() {
        view.MakePoint(0, 0, 0);
        view.MakeLine(10, 0, 0, 20, 0, 0);
        view.MakeArc(1, 0, 15, 0, 5, 0, 90);
    }
    std::optional<int> PickWorld(double x, double y, TDFilter filter) {
        const TPixelPoint p = Pixel(x, y);
        TPickResult r;
        if (!view.PickAt(static_cast<int>(p.x), static_cast<int>(p.y), filter, r))
            return std::nullopt;
        return r.ElementNumber;
    }
};

TEST_F(PickFixture, FiltersAndToleranceDecideWhatIsFound) {
    struct Case {
        const char* name;
        double x, y;
        TDFilter filter;
        std::optional<int> found;
    };
    const double diag = 5 / std::sqrt(2.0);
    const Case cases[] = {
        {"point within twice the tolerance", 1, 0.5, TDFilter::fAll, 0},
        {"point beyond twice the tolerance", 1.3, 0, TDFilter::fAll, std::nullopt},
        {"lines filter skips a point", 0.2, 0, TDFilter::fLines, std::nullopt},
        {"line near its middle", 15, 0.5, TDFilter::fLines, 1},
        {"line beyond its end", 20.5, 0, TDFilter::fAll, std::nullopt},
        {"line too far from it", 15, 0.7, TDFilter::fAll, std::nullopt},
        {"points filter skips a line", 15, 0, TDFilter::fPoints, std::nullopt},
        {"arc on its sweep", diag, 15 + diag, TDFilter::fArcs, 2},
        {"arc off its sweep", -5, 15, TDFilter::fAll, std::nullopt},
        {"point-arc filter takes the arc", 0.1, 20.2, TDFilter::fPointArc, 2},
        {"point-line filter skips the arc", 0.1, 20.2, TDFilter::fPointLine, std::nullopt},
        {"line-arc filter takes the line", 12, 0, TDFilter::fLineArc, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PickWorld(c.x, c.y, c.filter), c.found) << c.name;
}

TEST_F(PickFixture, HiddenDeletedAndIsometricAreNotPicked) {
    view.SetLayerVisible(1, false);
    EXPECT_EQ(PickWorld(0, 0, TDFilter::fAll), std::nullopt);
    view.SetLayerVisible(1, true);
    view.Elements()[0].Deleted = true;
    EXPECT_EQ(PickWorld(0, 0, TDFilter::fAll), std::nullopt);
    view.Elements()[0].Deleted = false;
    view.SetView(TDView::vISO);
    TPickResult r;
    EXPECT_FALSE(view.PickAt(400, 200, TDFilter::fAll, r));
}

TEST_F(PickFixture, NearestOfOverlappingLinesWinsAndTiesKeepTheEarlier) {
    view.MakeLine(10, 0.2, 0, 20, 0.2, 0); // 3
    view.MakeLine(10, 0.2, 0, 20, 0.2, 0); // 4, same as 3
    EXPECT_EQ(PickWorld(15, 0.15, TDFilter::fLines), 3);
    EXPECT_EQ(PickWorld(15, 0.05, TDFilter::fLines), 1);
}

TEST_F(PickFixture, ReleaseWithAnArmedPickReportsTheElementOnce) {
    int calls = 0;
    TPickResult got;
    view.OnPick = [&](TCadDraw&, int n, TDPoint nearEnd, TDPoint farEnd, TDPoint mid,
                      TDPoint closest) {
        ++calls;
        got = {n, nearEnd, farEnd, mid, closest};
    };
    view.SetPickFilter(TDFilter::fLines);
    EXPECT_EQ(view.CadSettings().pick_filter, 2);
    view.Pick();
    const TPixelPoint p = Pixel(18, 0.3);
    view.MouseDown(kShiftLeft, p.x, p.y);
    view.MouseUp(kShiftLeft, p.x, p.y);
    ASSERT_EQ(calls, 1);
    EXPECT_EQ(got.ElementNumber, 1);
    EXPECT_EQ(got.NearEnd.x, 20);
    EXPECT_EQ(got.FarEnd.x, 10);
    EXPECT_EQ(got.Mid.x, 15);
    EXPECT_NEAR(got.Closest.x, 18, 1e-9);
    EXPECT_NEAR(got.Closest.y, 0, 1e-9);
    EXPECT_FALSE(view.CadSettings().pick_flag);
    view.MouseUp(kShiftLeft, p.x, p.y); // disarmed: no second report
    EXPECT_EQ(calls, 1);
    view.Pick();
    const TPixelPoint miss = Pixel(-15, -15);
    view.MouseUp(kShiftLeft, miss.x, miss.y);
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(view.CadSettings().pick_flag);
}

TEST_F(PickFixture, ArcPickReportsItsEndsAndMiddle) {
    TPickResult r;
    const TPixelPoint p = Pixel(5, 15.2);
    ASSERT_TRUE(view.PickAt(static_cast<int>(p.x), static_cast<int>(p.y), TDFilter::fAll, r));
    EXPECT_EQ(r.ElementNumber, 2);
    EXPECT_NEAR(r.NearEnd.x, 5, 1e-9);
    EXPECT_NEAR(r.FarEnd.y, 20, 1e-9);
    EXPECT_NEAR(r.Mid.x, 5 / std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(std::hypot(r.Closest.x, r.Closest.y - 15), 5, 1e-9);
}

TEST_F(MouseFixture, FrontAndSideViewsPickInTheirOwnPlanes) {
    view.MakeLine(0, 7, 0, 10, 7, 10);  // rises in x and z
    view.MakeArc(2, 0, 0, 0, 5, 0, 90); // a front-plane arc: x and z
    struct Case {
        TDView window;
        TDPoint click;
        std::optional<int> found;
    };
    const double ax = 5 * std::cos(M_PI / 6), az = 2.5; // the arc at 30 degrees
    const Case cases[] = {
        {TDView::vFRONT, {5, 0, 5}, 0},
        {TDView::vFRONT, {5, 0, 6}, std::nullopt},
        {TDView::vFRONT, {ax, 0, az}, 1},
        {TDView::vSIDE, {0, 7, 5}, 0},
        {TDView::vSIDE, {0, ax, az}, std::nullopt}, // the arc is not in the side plane
    };
    for (const Case& c : cases) {
        view.SetView(c.window);
        Show(40, 0, 0);
        const TPixelPoint p = view.CoordToPixel(c.click.x, c.click.y, c.click.z);
        TPickResult r;
        const bool hit =
            view.PickAt(static_cast<int>(p.x), static_cast<int>(p.y), TDFilter::fAll, r);
        EXPECT_EQ(hit ? std::optional<int>(r.ElementNumber) : std::nullopt, c.found)
            << static_cast<int>(c.window) << " " << c.click.x << "," << c.click.z;
    }
}

TEST(ArcAngles, AngleOnArcHandlesWrapAndNegativeAngles) {
    struct Case {
        double angle, start, end;
        bool on;
    };
    const Case cases[] = {{45, 0, 90, true},     {180, 0, 90, false},  {10, 350, 20, true},
                          {340, 350, 20, false}, {355, -10, 20, true}, {200, 30, 30, true},
                          {0, 270, 90, true},    {91, 270, 90, false}};
    for (const Case& c : cases)
        EXPECT_EQ(AngleOnArc(c.angle, c.start, c.end), c.on) << c.angle << " " << c.start;
}

TEST(PickFilter, StoredNumbersMapBack) {
    TCadDraw view;
    for (TDFilter f : {TDFilter::fAll, TDFilter::fPoints, TDFilter::fLines, TDFilter::fArcs,
                       TDFilter::fPointLine, TDFilter::fPointArc, TDFilter::fLineArc}) {
        view.SetPickFilter(f);
        EXPECT_EQ(view.PickFilter(), f);
    }
    view.CadSettings().pick_filter = 77;
    EXPECT_EQ(view.PickFilter(), TDFilter::fAll);
}

} // namespace
} // namespace brevant

namespace brevant {
namespace {

TEST(UnsizedView, PanningBeforeTheFirstResizeKeepsAFiniteView) {
    TCadDraw view;
    view.MouseDown(kShiftMiddle, 0, 0);
    view.MouseMove(kShiftMiddle, 10, 10);
    view.Pan(1, 1);
    EXPECT_TRUE(std::isfinite(view.CenterX()));
    EXPECT_TRUE(std::isfinite(view.CadSettings().xscale[1]));
    EXPECT_GT(view.CadSettings().xscale[1], 0);
}

} // namespace
} // namespace brevant
