// The CAD view's transform, zoom operations, redraw and printing, on a recording canvas.
#include "caddraw/cad_draw.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brevant {
namespace {

using testing::RecordingCanvas;
using testing::RecordingPrinter;

struct ViewFixture : ::testing::Test {
    RecordingCanvas canvas;
    TCadDraw view;
    ViewFixture() { view.SetCanvas(&canvas); }
    // Pixels per world unit of the current window.
    double Scale() const {
        return view.CadSettings().xscale[view.CadSettings().current_plot_window];
    }
    // Shows `height` world units over the control height, centred on the origin.
    void ShowHeight(double height) {
        view.CadSettings().view_height[view.CadSettings().current_plot_window] =
            static_cast<float>(height);
        view.ViewCenter(0, 0);
    }
};

TEST_F(ViewFixture, FitPutsTheLargerExtentIntoTheSmallerSideWithAMargin) {
    view.MakeLine(0, 0, 0, 100, 50, 0);
    view.Resize(800, 400);
    const TPixelPoint a = view.CoordToPixel(0, 0, 0), b = view.CoordToPixel(100, 50, 0);
    EXPECT_NEAR(b.x - a.x, 360, 1);
    EXPECT_NEAR(view.CadSettings().view_height[1], 400.0 * 100 / 360, 1e-3);
    const TPixelPoint c = view.CoordToPixel(50, 25, 0);
    EXPECT_EQ(c.x, 400);
    EXPECT_EQ(c.y, 200);
}

TEST_F(ViewFixture, FitOfAFlatDrawingUsesTheSmallestHeightAroundTheOrigin) {
    view.MakeLine(2, 3, 0, 10, 3, 0);
    view.Resize(800, 400);
    EXPECT_FLOAT_EQ(view.CadSettings().view_height[1], 0.04f);
    EXPECT_EQ(view.CenterX(), 0);
    EXPECT_EQ(view.CenterY(), 0);
}

TEST_F(ViewFixture, ZoomStepsChangeTheHeightAndFireOnZoom) {
    view.MakeLine(0, 0, 0, 100, 50, 0);
    view.Resize(800, 400);
    int zooms = 0;
    double lastSize = 0;
    view.OnZoom = [&](TCadDraw&, double size, double, double) { ++zooms, lastSize = size; };
    const double fitted = view.CadSettings().view_height[1];
    const double scale = Scale();
    view.ZoomDouble();
    EXPECT_FLOAT_EQ(view.CadSettings().view_height[1], static_cast<float>(fitted / 2));
    EXPECT_NEAR(Scale(), 2 * scale, 1e-3);
    view.ZoomHalf();
    view.ZoomHalf();
    EXPECT_FLOAT_EQ(view.CadSettings().view_height[1], static_cast<float>(fitted * 2));
    view.ZoomByFactor(4);
    EXPECT_FLOAT_EQ(view.CadSettings().view_height[1], static_cast<float>(fitted / 2));
    view.ZoomByFactor(0); // ignored
    EXPECT_FLOAT_EQ(view.CadSettings().view_height[1], static_cast<float>(fitted / 2));
    EXPECT_EQ(zooms, 5);
    EXPECT_FLOAT_EQ(static_cast<float>(lastSize), static_cast<float>(fitted / 2));
    view.CadSettings().view_height[1] = 0.001f;
    view.SetScale(kZoomApply);
    EXPECT_FLOAT_EQ(view.CadSettings().view_height[1], 0.04f);
}

// One Zoom All fits a part of any size the layouts draw, whatever the view showed before: a
// pattern 1e5 wide after a small one (the extents were once clamped to 10000, so only the
// middle of the pattern showed), a small part after a huge one (a few pixels, rounded, gave no
// fit), and a part lying wholly beyond 9000 from the origin.
TEST_F(ViewFixture, ZoomAllFitsAPartOfAnySizeAfterAnyOther) {
    struct Case {
        double before, size, offset;
    };
    const Case cases[] = {{30, 2.3e5, 0}, {30, 9.9e8, 0},  {2.3e5, 0.05, 0},
                          {9.9e8, 12, 3}, {20, 120, 9500}, {1e-2, 1e4, -2e4}};
    view.Resize(800, 600);
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.before << " then " << c.size << " at " << c.offset);
        view.DeleteAllElements();
        view.MakeLine(0, 0, 0, c.before, c.before / 2, 0);
        view.SetExtents();
        view.ZoomAll();
        view.DeleteAllElements();
        const double x0 = c.offset, y0 = c.offset, x1 = x0 + c.size, y1 = y0 + c.size * 0.45;
        view.MakeLine(x0, y0, 0, x1, y1, 0);
        view.SetExtents();
        view.ZoomAll();
        const TPixelPoint a = view.CoordToPixel(x0, y0, 0), b = view.CoordToPixel(x1, y1, 0);
        for (const TPixelPoint& p : {a, b}) {
            EXPECT_GE(p.x, 0);
            EXPECT_LE(p.x, 800);
            EXPECT_GE(p.y, 0);
            EXPECT_LE(p.y, 600);
        }
        EXPECT_NEAR(b.x - a.x, 540, 2); // the smaller side less its tenth
    }
}

TEST_F(ViewFixture, ZoomLastReturnsToTheViewBeforeTheFit) {
    view.MakeLine(0, 0, 0, 100, 50, 0);
    view.Resize(800, 400);
    view.ViewCenter(7, 8);
    view.ZoomAll();
    view.ZoomLast();
    EXPECT_EQ(view.CenterX(), 7);
    EXPECT_EQ(view.CenterY(), 8);
}

TEST_F(ViewFixture, ZoomWindowFitsTheBoxAndIgnoresAFlatBox) {
    view.MakeLine(0, 0, 0, 100, 50, 0);
    view.Resize(800, 400);
    const double height = view.CadSettings().view_height[1];
    canvas.calls.clear();
    int zooms = 0;
    view.OnZoom = [&](TCadDraw&, double, double, double) { ++zooms; };
    view.ZoomWindow(300, 100, 300, 200);
    EXPECT_EQ(view.CadSettings().view_height[1], height);
    EXPECT_FALSE(canvas.Of("clear").empty()); // still redraws
    EXPECT_EQ(zooms, 1);
    const TDPoint target = view.PixelToCoord(500, 250);
    view.ZoomWindow(400, 200, 600, 300); // 200 x 100 box centred on pixel (500, 250)
    EXPECT_NEAR(view.CadSettings().view_height[1], height / 4, 1e-3);
    EXPECT_NEAR(view.CenterX(), target.x, 0.5 / 3.6); // within the origin's rounding
    EXPECT_NEAR(view.CenterY(), target.y, 0.5 / 3.6);
}

TEST_F(ViewFixture, PixelToCoordInvertsTheTransformInEachPlane) {
    view.Resize(800, 400);
    ShowHeight(40);
    struct Case {
        TDView view;
        TDPoint world;
        TDPoint back;
    };
    const Case cases[] = {
        {TDView::vTOP, {3, -2, 9}, {3, -2, 0}},
        {TDView::vFRONT, {3, 9, -2}, {3, 0, -2}},
        {TDView::vSIDE, {9, 3, -2}, {0, 3, -2}},
    };
    for (const Case& c : cases) {
        view.SetView(c.view);
        ShowHeight(40);
        const TPixelPoint p = view.CoordToPixel(c.world.x, c.world.y, c.world.z);
        const TDPoint back = view.PixelToCoord(p.x, p.y);
        EXPECT_NEAR(back.x, c.back.x, 1e-9);
        EXPECT_NEAR(back.y, c.back.y, 1e-9);
        EXPECT_NEAR(back.z, c.back.z, 1e-9);
    }
}

TEST_F(ViewFixture, QuarterArcIsOneCanvasArcOnTopAndA157SegmentPolylineInFront) {
    view.MakeArc(1, 0, 0, 0, 1000, 0, 90);
    view.Resize(800, 400);
    ShowHeight(400); // scale 1
    const auto arcs = canvas.Of("arc");
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ(arcs[0].args[2], 1000);
    EXPECT_EQ(arcs[0].args[3], 270); // starts at 360 - end angle, runs clockwise on screen
    EXPECT_EQ(arcs[0].args[4], 90);
    EXPECT_TRUE(canvas.Of("polyline").empty());

    view.SetView(TDView::vFRONT);
    ShowHeight(400);
    ASSERT_EQ(canvas.Of("polyline").size(), 1u);
    EXPECT_EQ(canvas.Of("polyline")[0].points.size(), 158u);
    EXPECT_TRUE(canvas.Of("arc").empty());

    view.SetView(TDView::vTOP);
    view.CadSettings().linearcs = true;
    ShowHeight(400);
    EXPECT_EQ(canvas.Of("polyline").size(), 1u);
}

TEST_F(ViewFixture, ArcPolylineSegmentCountIsClamped) {
    view.Resize(800, 400);
    view.CadSettings().linearcs = true;
    struct Case {
        double radius;
        std::size_t points;
    };
    for (const Case& c : {Case{1, 11}, Case{100000, 361}}) {
        view.DeleteAllElements();
        view.MakeArc(1, 0, 0, 0, c.radius, 0, 90);
        ShowHeight(400);
        ASSERT_EQ(canvas.Of("polyline").size(), 1u);
        EXPECT_EQ(canvas.Of("polyline")[0].points.size(), c.points) << c.radius;
    }
}

TEST_F(ViewFixture, RedrawModesChooseElements) {
    view.Resize(800, 400);
    ShowHeight(40);
    view.MakeLine(0, 0, 0, 1, 0, 0);
    view.CadSettings().current_layer = 3;
    view.MakeLine(0, 1, 0, 1, 1, 0);
    const int deleted = view.MakeLine(0, 2, 0, 1, 2, 0);
    view.Elements()[deleted].Deleted = true;
    view.AddToGroup(1);
    struct Case {
        const char* name;
        int mode;
        bool hideLayer3;
        std::size_t lines;
    };
    const Case cases[] = {
        {"normal", kRedrawNormal, false, 2},
        {"normal, layer 3 hidden", kRedrawNormal, true, 1},
        {"all, even hidden", kRedrawAll, true, 2},
        {"group only", kRedrawGroup, false, 1},
        {"copies only", kRedrawCopies, false, 0},
        {"layer 3 only", 12, false, 1},
    };
    for (const Case& c : cases) {
        view.SetLayerVisible(3, !c.hideLayer3);
        view.CadSettings().redraw_mode = c.mode;
        view.Redraw();
        EXPECT_EQ(canvas.Of("line").size(), c.lines) << c.name;
        EXPECT_EQ(view.CadSettings().redraw_mode, kRedrawNormal);
    }
}

TEST_F(ViewFixture, HighlightDecidesTheColourOfLinesButNotOfTexts) {
    view.Resize(800, 400);
    view.SetBackgroundColor(0xFF000000);
    ShowHeight(40);
    const TColor own = 0xFF102030;
    struct Case {
        int highlight;
        TColor colour;
    };
    const Case cases[] = {{0, own},        {1, 0xFFFFFF00}, {2, 0xFFFF0000},
                          {3, 0xFF000000}, {4, own},        {5, 0xFFFF00FF},
                          {7, 0x00000063}, {8, 0xFFFFFF00}, {9, own}};
    for (const Case& c : cases) {
        view.DeleteAllElements();
        view.AddElement(2, own, {0, 0, 0, 1, 1, 0}, 0, 0, 1, c.highlight, {}, 1);
        view.AddElement(5, own, {0, 0, 0, 0, 0, 0}, 0, 0, 1, c.highlight, "t", 1);
        view.Redraw();
        EXPECT_EQ(canvas.Of("line").at(0).stroke, c.colour) << c.highlight;
        EXPECT_EQ(canvas.Of("text").at(0).stroke, own);
    }
}

TEST_F(ViewFixture, ElementKindsPaintAsTheirPrimitives) {
    view.Resize(800, 400);
    ShowHeight(40); // 10 pixels per unit, origin at (400, 200)
    view.MakePoint(1, 1, 0);
    view.MakePoint(1e6, 0, 0); // far beyond the canvas: skipped
    view.MakeText(0, 0, "abc");
    view.MakeRectangle(0, 0, 4, 2, 0xFF0000FF, 0xFFFFFFFF);
    view.MakeRectangle(0, 0, 4, 2, 0, 0xFFFFFFFF);
    view.Redraw();
    const auto lines = canvas.Of("line");
    ASSERT_EQ(lines.size(), 2u); // one cross
    EXPECT_EQ(lines[0].args, (std::vector<double>{415.5, 190.5, 405.5, 190.5}));
    const auto text = canvas.Of("text");
    ASSERT_EQ(text.size(), 1u);
    EXPECT_EQ(text[0].args, (std::vector<double>{400, 200, 21, 12}));
    const auto rects = canvas.Of("rect");
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_TRUE(rects[0].filled);
    EXPECT_EQ(rects[0].fill, 0xFF0000FFu);
    EXPECT_EQ(rects[0].args, (std::vector<double>{380, 190, 40, 20}));
    EXPECT_FALSE(rects[1].filled);
}

TEST_F(ViewFixture, LineStylesSetTheDashAndUnknownStylesKeepThePreviousOne) {
    view.Resize(800, 400);
    ShowHeight(40);
    for (int style : {2, 7, 3, 24, 0}) {
        view.AddElement(2, 0xFFFFFFFF, {0, 0, 0, 1, 1, 0}, 0, style, 1, 0, {}, 1);
    }
    view.Redraw();
    const auto lines = canvas.Of("line");
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].dash, TDashStyle::Dot);
    EXPECT_EQ(lines[1].dash, TDashStyle::Dot);
    EXPECT_EQ(lines[2].dash, TDashStyle::DashDot);
    EXPECT_EQ(lines[3].dash, TDashStyle::DashDotDot);
    EXPECT_EQ(lines[4].dash, TDashStyle::Solid);
}

TEST_F(ViewFixture, AxesAreDrawnInRedWhenShown) {
    view.Resize(800, 400);
    view.MakePoint(0, 0, 0);
    view.SetShowAxis(true);
    const auto lines = canvas.Of("line");
    ASSERT_EQ(lines.size(), 5u); // the point's cross and three axes
    EXPECT_EQ(lines[4].stroke, 0xFFFF0000u);
}

TEST_F(ViewFixture, ViewsSetTheirAnglesAndFireOnChangeView) {
    std::vector<TDView> seen;
    view.OnChangeView = [&](TCadDraw&, TDView v) { seen.push_back(v); };
    view.SetView(TDView::vFRONT);
    EXPECT_EQ(view.CadSettings().view_x, -90);
    EXPECT_EQ(view.CadSettings().current_plot_window, 2);
    view.SetView(TDView::vSIDE);
    EXPECT_EQ(view.CadSettings().view_z, -90);
    view.CadSettings().old_view_x = -30;
    view.SetView(TDView::vISO);
    EXPECT_EQ(view.CadSettings().view_x, -30); // restored
    view.SetView(TDView::vISO);
    EXPECT_EQ(view.CadSettings().view_x, -70); // reset when already isometric
    view.RotateView(10, 20, 30);
    EXPECT_EQ(view.View(), TDView::vISO);
    EXPECT_EQ(seen.size(), 5u);
    view.ComputeCoefficients();
    const TSettings& s = view.CadSettings();
    const double rad = 57.2957795131;
    EXPECT_NEAR(s.coff_cx, std::sin(20 / rad), 1e-12);
    EXPECT_NEAR(s.coff_cy, -std::sin(10 / rad) * std::cos(20 / rad), 1e-12);
}

TEST_F(ViewFixture, PrintCadScalesToThePageAndPrintsOnlyPointsLinesAndArcs) {
    view.MakeLine(0, 0, 0, 100, 50, 0);
    view.MakeArc(1, 50, 25, 0, 10, 0, 180);
    view.MakeText(0, 0, "not printed");
    view.Resize(800, 400);
    view.CadSettings().cdl_filename = "job";
    const double scale = Scale();
    RecordingPrinter printer; // 4800 device pixels wide: t = 6
    const int bottom = view.PrintCad(printer);
    EXPECT_EQ(bottom, 2400);
    EXPECT_EQ(printer.begun, 1);
    EXPECT_EQ(printer.ended, 1);
    EXPECT_EQ(printer.title, "job");
    EXPECT_EQ(printer.font, "ARIAL");
    const auto lines = printer.page.Of("line");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NEAR(lines[0].args[2] - lines[0].args[0], 360 * 6, 6);
    EXPECT_EQ(lines[0].stroke, 0xFF32CD32u); // its own colour unless monochrome
    EXPECT_EQ(printer.page.Of("polyline").size(), 1u);
    EXPECT_TRUE(printer.page.Of("arc").empty());
    EXPECT_TRUE(printer.page.Of("text").empty());
    EXPECT_EQ(Scale(), scale);
    EXPECT_FALSE(view.CadSettings().print_on);
}

TEST_F(ViewFixture, PrintCadInACallersJobKeepsItOpen) {
    view.AddElement(2, 0xFFFFFFFF, {0, 0, 0, 1, 0, 0}, 0, 0, 1, 2, {}, 1);
    view.Resize(800, 400);
    RecordingPrinter printer;
    printer.BeginDoc("outer");
    view.CadSettings().print_stroke_width = 3;
    const int bottom = view.PrintCad(printer, {100, 500}, 0.5);
    EXPECT_EQ(bottom, 500 + 400 * 3);
    EXPECT_EQ(printer.ended, 0);
    const auto lines = printer.page.Of("line");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].stroke, 0xFFFF0000u); // a group member prints red
    EXPECT_EQ(lines[0].width, 3);
    view.Elements()[0].Highlight = 0;
    view.CadSettings().print_monochrome = false;
    view.PrintCad(printer, {100, 500}, 0.5);
    EXPECT_EQ(printer.page.Of("line").back().stroke, 0xFF000000u); // white prints black
}

// A view the host never sized is zoomed in a square of the least size (4 pixels): its print
// fills that square scaled to the page, and the position below it is the square's bottom, not
// the start position, so what is printed after it does not land on the drawing.
TEST_F(ViewFixture, PrintCadOfAViewWithoutSizeReportsTheBottomOfItsPrint) {
    TCadDraw unsized;
    unsized.MakeLine(0, 0, 0, 100, 50, 0);
    unsized.SetExtents();
    unsized.ZoomAll();
    RecordingPrinter printer; // 4800 device pixels wide: t = 4800 / 4 * 0.5
    printer.BeginDoc("outer");
    const int bottom = unsized.PrintCad(printer, {0, 500}, 0.5);
    EXPECT_EQ(bottom, 500 + 2400);
    const auto lines = printer.page.Of("line");
    ASSERT_EQ(lines.size(), 1u);
    for (int y : {1, 3}) {
        EXPECT_GE(lines[0].args[y], 500);
        EXPECT_LE(lines[0].args[y], bottom);
    }
}

TEST_F(ViewFixture, PrintBmpPlacesTheBitmapAtTheControlRatio) {
    view.Resize(800, 400);
    RecordingPrinter printer;
    EXPECT_EQ(view.PrintBMP(printer), 2400);
    const auto images = printer.page.Of("image");
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].args, (std::vector<double>{0, 0, 4800, 2400, 800}));
    TCadDraw headless; // no bitmap: the job is aborted and the failure reported
    headless.Resize(800, 400);
    EXPECT_EQ(headless.PrintBMP(printer), -1);
    EXPECT_EQ(printer.aborted, 1);
    EXPECT_FALSE(headless.LastError().empty());
}

} // namespace
} // namespace brevant

namespace brevant {
namespace {

TEST_F(ViewFixture, PanViewSizeAndCentreMoveTheOrigin) {
    view.Resize(800, 400);
    view.SetViewSize(80); // 40 units high: 10 pixels per unit
    EXPECT_EQ(view.ViewSize(), 80);
    EXPECT_EQ(Scale(), 10);
    view.Pan(3, -2);
    EXPECT_EQ(view.CenterX(), 3);
    const TPixelPoint c = view.CoordToPixel(3, -2, 0);
    EXPECT_EQ(c.x, 400);
    EXPECT_EQ(c.y, 200);
    view.SetCenterX(10);
    EXPECT_EQ(view.CoordToPixel(10, -2, 0).x, 400);
}

TEST_F(ViewFixture, CirclesTooSmallOrTooFarAreSkipped) {
    view.Resize(800, 400);
    view.SetViewSize(80);
    view.DrawCircle(0, 0, 0, 0.05, false);  // under 2 pixels across
    view.DrawCircle(20000, 0, 0, 5, false); // corners beyond 100000 pixels
    EXPECT_TRUE(canvas.Of("ellipse").empty());
    view.DrawCircle(0, 0, 0, 2, true);
    const auto ellipses = canvas.Of("ellipse");
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_EQ(ellipses[0].args, (std::vector<double>{380, 180, 40, 40}));
    EXPECT_TRUE(ellipses[0].filled);
}

} // namespace
} // namespace brevant

namespace brevant {
namespace {

TEST_F(ViewFixture, FarStrokesReachTheCanvasClippedButStillCrossTheView) {
    view.Resize(800, 400);
    view.SetViewSize(80);                    // 10 pixels per unit
    view.MakeLine(-1e8, 0, 0, 1e8, 0, 0);    // 1e9 pixels each way
    view.MakeLine(1e8, 1e8, 0, 2e8, 1e8, 0); // wholly outside: dropped
    view.CadSettings().linearcs = true;
    view.MakeArc(1, 0, 0, 0, 1e7, 0, 90); // polyline of far points
    view.Redraw();
    const auto lines = canvas.Of("line");
    ASSERT_FALSE(lines.empty());
    const auto& l = lines[0].args;
    EXPECT_EQ(l[0], -1e6);
    EXPECT_EQ(l[2], 1e6);
    EXPECT_EQ(l[1], 200.5); // the line still runs through the middle of the view
    for (const auto& c : lines)
        for (double v : c.args)
            EXPECT_LE(std::fabs(v), 1e6);
    EXPECT_TRUE(canvas.Of("polyline").empty());
}

} // namespace
} // namespace brevant
