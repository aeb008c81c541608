// A redraw of the screen bitmap in batches: strokes of neighbouring elements in one pen reach
// the canvas together and in order, elements wholly outside the view are skipped, small solid
// arcs come as chords close to the arc, and printing and immediate drawing are left as they
// were.
#include "caddraw/cad_draw.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace brevant {
namespace {

using testing::PaintCall;
using testing::RecordingCanvas;
using testing::RecordingPrinter;

// Records the calls as the recording canvas does, and the size of every batch it is handed.
class BatchCanvas : public RecordingCanvas {
public:
    std::vector<std::size_t> batches;
    double density = 1;
    void DrawStrokes(const TStrokeBatch& batch) override {
        batches.push_back(batch.Count());
        RecordingCanvas::DrawStrokes(batch);
    }
    double PixelDensity() const override { return density; }
};

// An 800 x 400 view showing 40 world units high: 10 pixels per unit, origin at (400, 200).
struct BatchFixture : ::testing::Test {
    BatchCanvas canvas;
    TCadDraw view;
    BatchFixture() {
        view.SetCanvas(&canvas);
        view.Resize(800, 400);
        view.CadSettings().view_height[1] = 40;
        view.ViewCenter(0, 0);
    }
    // The redraw's calls of one kind.
    std::vector<PaintCall> Redrawn(const std::string& op) {
        canvas.batches.clear();
        view.Redraw();
        return canvas.Of(op);
    }
};

TEST_F(BatchFixture, NeighboursInOnePenShareABatchAndATextKeepsTheOrder) {
    view.AddElement(2, 0xFF00FF00, {0, 0, 0, 1, 0, 0}, 0, 0, 1, 0, {}, 1);
    view.AddElement(2, 0xFF00FF00, {0, 1, 0, 1, 1, 0}, 0, 0, 1, 0, {}, 1);
    view.AddElement(5, 0xFFFFFFFF, {0, 2, 0, 0, 0, 0}, 0, 0, 1, 0, "t", 1);
    view.AddElement(2, 0xFF00FF00, {0, 3, 0, 1, 3, 0}, 0, 0, 1, 0, {}, 1);
    view.AddElement(2, 0xFFFF0000, {0, 4, 0, 1, 4, 0}, 0, 0, 1, 0, {}, 1);
    view.AddElement(2, 0xFFFF0000, {0, 5, 0, 1, 5, 0}, 0, 2, 1, 0, {}, 1); // dotted
    canvas.batches.clear();
    view.Redraw();
    EXPECT_EQ(canvas.batches, (std::vector<std::size_t>{2, 1, 1, 1}));
    std::vector<std::string> order;
    for (const PaintCall& c : canvas.calls)
        order.push_back(c.op);
    EXPECT_EQ(order,
              (std::vector<std::string>{"clear", "line", "line", "text", "line", "line", "line"}));
    const auto lines = canvas.Of("line");
    EXPECT_EQ(lines[3].stroke, 0xFFFF0000u);
    EXPECT_EQ(lines[4].dash, TDashStyle::Dot);
}

TEST_F(BatchFixture, ElementsWhollyOutsideTheViewAreSkipped) {
    struct Case {
        const char* name;
        TCoords line; // world; the view shows x -40..40, y -20..20
        bool drawn;
    };
    const Case cases[] = {
        {"inside", {0, 0, 0, 1, 1, 0}, true},
        {"crossing the left edge", {-50, 0, 0, -30, 0, 0}, true},
        {"passing through from corner to corner", {-100, -50, 0, 100, 50, 0}, true},
        {"left of the view", {-60, 0, 0, -45, 5, 0}, false},
        {"above the view", {0, 25, 0, 10, 30, 0}, false},
        {"just beyond the right edge, within the pen's margin", {40.2, 0, 0, 41, 0, 0}, true},
    };
    for (const Case& c : cases) {
        view.DeleteAllElements();
        view.AddElement(2, 0xFFFFFFFF, c.line, 0, 0, 1, 0, {}, 1);
        EXPECT_EQ(Redrawn("line").size(), c.drawn ? 1u : 0u) << c.name;
    }
    // Immediate drawing paints what it is asked to, wherever it is.
    canvas.calls.clear();
    view.DrawLine(-60, 0, 0, -45, 5, 0);
    EXPECT_EQ(canvas.Of("line").size(), 1u);
}

TEST_F(BatchFixture, ArcsOutsideTheViewAreSkippedInEveryWindow) {
    view.MakeArc(1, 100, 0, 0, 5, 0, 90);  // 60 units right of the view's edge
    view.MakeArc(1, 0, 0, 0, 100, 0, 360); // a circle round the whole view: it passes outside
    view.MakeArc(1, 40, 0, 0, 3, 0, 360);  // crosses the view's right edge
    EXPECT_EQ(Redrawn("arc").size(), 1u);  // the circle round the view is drawn as an arc
    EXPECT_EQ(canvas.Of("polyline").size(), 1u) << "the crossing circle";
    view.SetView(TDView::vFRONT);
    view.CadSettings().view_height[2] = 40;
    view.ViewCenter(0, 0);
    EXPECT_EQ(Redrawn("polyline").size(), 2u);
}

// A solid arc of a few pixels comes as chords: every point on the circle, every chord within a
// quarter pixel of it (an eighth on a canvas of double density), the ends at the arc's ends.
TEST_F(BatchFixture, SmallSolidArcsComeAsChordsCloseToTheArc) {
    for (const double density : {1.0, 2.0}) {
        canvas.density = density;
        for (const double radius : {0.2, 0.6, 2.0, 6.4}) { // 2 to 64 pixels
            view.DeleteAllElements();
            view.MakeArc(1, 1, 2, 0, radius, 30, 250);
            const auto polylines = Redrawn("polyline");
            ASSERT_EQ(polylines.size(), 1u) << radius;
            EXPECT_TRUE(canvas.Of("arc").empty());
            const TPixelPoint c = view.CoordToPixel(1, 2, 0);
            const double r = std::nearbyint(radius * 10), cx = c.x + 0.5, cy = c.y + 0.5;
            const auto& p = polylines[0].points;
            for (std::size_t i = 0; i < p.size(); ++i) {
                EXPECT_NEAR(std::hypot(p[i].x - cx, p[i].y - cy), r, 1e-9);
                if (i == 0) continue;
                const double chord = std::hypot(p[i].x - p[i - 1].x, p[i].y - p[i - 1].y);
                EXPECT_LE(r - std::sqrt(r * r - chord * chord / 4), 0.25 / density + 1e-9);
            }
            // On the screen (y down) the arc runs clockwise from 360 - 250 = 110 degrees to
            // 110 + 220 = 330 degrees.
            const double k = std::numbers::pi / 180;
            EXPECT_NEAR(p.front().x, cx + r * std::cos(110 * k), 1e-9);
            EXPECT_NEAR(p.front().y, cy + r * std::sin(110 * k), 1e-9);
            EXPECT_NEAR(p.back().x, cx + r * std::cos(330 * k), 1e-9);
            EXPECT_NEAR(p.back().y, cy + r * std::sin(330 * k), 1e-9);
        }
    }
}

TEST_F(BatchFixture, ArcsTheCanvasDrawsItself) {
    struct Case {
        const char* name;
        double radius; // world units, 10 pixels each
        int linetype;
    };
    const Case cases[] = {
        {"a pixel across: the canvas's dot", 0.1, 0},
        {"larger than 64 pixels", 7, 0},
        {"dotted: the dash runs along the canvas's arc", 2, 2},
    };
    for (const Case& c : cases) {
        view.DeleteAllElements();
        view.AddElement(3, 0xFFFFFFFF, {0, 0, 0, c.radius, 10, 100}, 0, c.linetype, 1, 0, {}, 1);
        EXPECT_EQ(Redrawn("arc").size(), 1u) << c.name;
        EXPECT_TRUE(canvas.Of("polyline").empty()) << c.name;
    }
}

// In a turned window an arc under a pixel across is drawn through its quarter points only.
TEST_F(BatchFixture, ArcsUnderAPixelInATurnedWindowTakeFivePoints) {
    view.SetView(TDView::vFRONT);
    view.CadSettings().view_height[2] = 40;
    view.ViewCenter(0, 0);
    view.MakeArc(1, 0, 0, 0, 0.02, 0, 360); // 0.2 pixels
    view.MakeArc(1, 5, 0, 0, 1, 0, 360);    // 10 pixels: the full polyline
    const auto polylines = Redrawn("polyline");
    ASSERT_EQ(polylines.size(), 2u);
    EXPECT_EQ(polylines[0].points.size(), 5u);
    EXPECT_EQ(polylines[1].points.size(), 11u);
}

// A large drawing in one pen reaches the canvas in several bounded batches, nothing lost.
TEST_F(BatchFixture, LargeDrawingsComeInBoundedBatches) {
    for (int i = 0; i < 30000; ++i)
        view.MakeLine(-10 + (i % 200) * 0.1, -10 + (i / 200) * 0.1, 0, 0, 0, 0);
    EXPECT_EQ(Redrawn("line").size(), 30000u);
    EXPECT_GT(canvas.batches.size(), 1u);
}

// Printing paints element by element, arcs as their polylines, whatever the view shows.
TEST_F(BatchFixture, PrintingIsNotBatched) {
    view.MakeArc(1, 0, 0, 0, 1, 0, 90);
    view.MakeLine(-60, 0, 0, -45, 5, 0); // outside the view, inside the page
    RecordingPrinter printer;
    view.PrintCad(printer);
    EXPECT_EQ(printer.page.Of("line").size(), 1u);
    EXPECT_EQ(printer.page.Of("polyline").size(), 1u);
    EXPECT_EQ(printer.page.Of("polyline")[0].points.size(), 11u);
}

} // namespace
} // namespace brevant
