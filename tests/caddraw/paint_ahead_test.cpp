// A redraw of a large drawing prepares strokes on a second thread: the canvas must get the same
// strokes, in the same pens and the same order, as when one thread paints everything.
#include "caddraw/cad_draw.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace brevant {
namespace {

using testing::PaintCall;
using testing::RecordingCanvas;

// One call as text: its operation, pen, numbers and points.
std::vector<std::string> Flattened(const std::vector<PaintCall>& calls) {
    std::vector<std::string> out;
    out.reserve(calls.size());
    for (const PaintCall& c : calls) {
        std::string s = c.op + " " + std::to_string(c.stroke) + " " + std::to_string(c.fill) + " " +
                        std::to_string(static_cast<int>(c.dash)) + " " + std::to_string(c.width) +
                        " " + c.text;
        for (double v : c.args)
            s += " " + std::to_string(v);
        for (const TPixelPoint& p : c.points)
            s += " " + std::to_string(p.x) + "," + std::to_string(p.y);
        out.push_back(std::move(s));
    }
    return out;
}

// Lines and arcs of several pens, scattered over a 200 x 100 drawing, with now and then an
// element the second thread leaves to the painting one: a text, a circle, a rectangle, a line
// style that keeps the dash of the stroke before. Some are deleted, picked, hidden or on a
// layer that is switched off.
void FillMixed(TCadDraw& view, int n) {
    std::mt19937 rng(5);
    std::uniform_real_distribution<double> x(-100, 100), y(-50, 50), len(-4, 4), ang(0, 360),
        radius(0.05, 30);
    const TColor colours[] = {0xFF00FF00, 0xFFFF0000, 0xFFFFFFFF};
    for (int i = 0; i < n; ++i) {
        const double cx = x(rng), cy = y(rng);
        const TColor colour = colours[(i / 7) % 3];
        const int linetype = (i % 97 == 0) ? 2 : (i % 1009 == 0) ? 7 : 0;
        const int layer = (i % 501 == 0) ? 9 : 1;
        const int highlight = (i % 301 == 0)   ? kHighlightPicked
                              : (i % 401 == 0) ? kHighlightHidden
                                               : 0;
        int index = 0;
        if (i % 4999 == 0)
            index = view.AddElement(kElementText, colour, {cx, cy, 0, 0, 0, 0}, 0, 0, layer, 0,
                                    "T" + std::to_string(i), 1);
        else if (i % 3001 == 0)
            index = view.AddElement(kElementCircle, colour, {cx, cy, 0, radius(rng), 0, 0}, 0,
                                    linetype, layer, highlight, {}, 1);
        else if (i % 2003 == 0)
            index = view.AddElement(kElementRectangle, colour, {cx, cy, 0, 3, 2, 0}, 0, 0, layer, 0,
                                    {}, 1);
        else if (i % 2 == 0)
            index =
                view.AddElement(kElementLine, colour, {cx, cy, 0, cx + len(rng), cy + len(rng), 0},
                                0, linetype, layer, highlight, {}, 1);
        else
            index =
                view.AddElement(kElementArc, colour, {cx, cy, 0, radius(rng), ang(rng), ang(rng)},
                                0, linetype, layer, highlight, {}, 1);
        if (i % 211 == 0) view.Elements()[index].Deleted = true;
    }
    view.SetLayerVisible(9, false);
}

struct PaintAheadCase {
    const char* name;
    int window; // 1: plan view; others turn the drawing, so arcs come as polylines
    int mode;
    double zoom; // over the fitted drawing
};

class PaintAhead : public ::testing::TestWithParam<PaintAheadCase> {};

TEST_P(PaintAhead, TheCanvasGetsWhatOneThreadPaints) {
    const PaintAheadCase& c = GetParam();
    std::vector<std::string> painted[2];
    for (bool ahead : {false, true}) {
        RecordingCanvas canvas;
        TCadDraw view;
        view.SetCanvas(&canvas);
        view.SetPaintAhead(ahead);
        FillMixed(view, 60000);
        view.Resize(800, 600);
        view.CadSettings().current_plot_window = c.window;
        view.ZoomAll();
        view.ZoomByFactor(c.zoom); // at 3 much of the drawing lies outside the view
        view.CadSettings().redraw_mode = c.mode;
        view.Redraw();
        painted[ahead] = Flattened(canvas.calls);
    }
    ASSERT_GT(painted[0].size(), 30000u);
    ASSERT_EQ(painted[0].size(), painted[1].size());
    for (std::size_t i = 0; i < painted[0].size(); ++i)
        ASSERT_EQ(painted[0][i], painted[1][i]) << "call " << i;
}

INSTANTIATE_TEST_SUITE_P(Redraws, PaintAhead,
                         ::testing::Values(PaintAheadCase{"plan", 1, kRedrawNormal, 1},
                                           PaintAheadCase{"plan_zoomed_in", 1, kRedrawNormal, 3},
                                           PaintAheadCase{"all_layers", 1, kRedrawAll, 1},
                                           PaintAheadCase{"turned", 2, kRedrawNormal, 1}),
                         [](const ::testing::TestParamInfo<PaintAheadCase>& info) {
                             return info.param.name;
                         });

} // namespace
} // namespace brevant
