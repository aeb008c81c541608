// A drawing without a view: files read and written through memory, editing, and the hooks by
// which a view paints what a drawing operation changed.
#include "caddraw/cad_draw.h"
#include "caddraw/cad_drawing.h"
#include "caddraw/cdl_format.h"
#include "caddraw/dxf_format.h"
#include "caddraw/iges_format.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

namespace brevant {
namespace {

constexpr TColor kRed = 0xFFFF0000;
constexpr TColor kBlue = 0xFF0000FF;
constexpr TColor kYellow = 0xFFFFFF00; // a chained element
constexpr TColor kBackground = 0xFF000000;
constexpr double kTolerance = 1e-3;      // files keep 4 decimals
constexpr double kAngleTolerance = 0.01; // IGES arcs come back through their end points

void BuildDrawing(TCadDrawing& drawing) {
    drawing.SetDrawColor(kRed);
    drawing.CadSettings().current_layer = 3;
    drawing.MakePoint(1.5, -2.25, 0.5);
    drawing.MakeLine(0, 0, 0, 12.5, 7.25, 0);
    drawing.SetDrawColor(kBlue);
    drawing.CadSettings().current_layer = 7;
    drawing.MakeArc(1, 4, 5, 0, 2.5, 30, 120);
    drawing.MakeArc(1, -6, 1, 0, 1, 0, 360);
    const int hidden = drawing.MakeLine(50, 50, 0, 60, 60, 0);
    drawing.Elements()[hidden].Deleted = true; // never written
}

struct Format {
    const char* name;
    std::function<void(std::ostream&, const TCadDrawing&)> write;
    std::function<void(std::istream&, TCadDrawing&)> read;
};

const Format kFormats[] = {
    {"CDL", [](std::ostream& o, const TCadDrawing& d) { WriteCdl(o, d); },
     [](std::istream& i, TCadDrawing& d) { ReadCdl(i, d); }},
    {"DXF", [](std::ostream& o, const TCadDrawing& d) { WriteDxf(o, d); },
     [](std::istream& i, TCadDrawing& d) { ReadDxf(i, d); }},
    {"IGES", [](std::ostream& o, const TCadDrawing& d) { WriteIges(o, d, "memory"); },
     [](std::istream& i, TCadDrawing& d) { ReadIges(i, d); }},
};

TEST(PlainDrawing, FilesRoundTripThroughMemoryWithoutAView) {
    TCadDrawing source;
    BuildDrawing(source);
    for (const Format& format : kFormats) {
        SCOPED_TRACE(format.name);
        std::ostringstream out;
        format.write(out, source);
        TCadDrawing read;
        read.MakePoint(99, 99, 0); // replaced, not merged
        std::istringstream in(out.str());
        format.read(in, read);
        read.SetExtents();
        ASSERT_EQ(read.Elements().Count(), 4);
        for (int i = 0; i < 4; ++i) {
            const TElement& want = source.Elements()[i];
            const TElement& got = read.Elements()[i];
            EXPECT_EQ(got.Etype, want.Etype) << i;
            EXPECT_EQ(got.Layer, want.Layer) << i;
            EXPECT_EQ(got.LineColor, want.LineColor) << i;
            for (int c = 1; c <= 6; ++c) {
                const double tolerance = c >= 5 ? kAngleTolerance : kTolerance;
                EXPECT_NEAR(got.Coord(c), want.Coord(c), tolerance) << i << " coord " << c;
            }
        }
        const TSettings& s = read.CadSettings();
        EXPECT_NEAR(s.min_x, -7, kTolerance);
        EXPECT_NEAR(s.max_x, 12.5, kTolerance);
        EXPECT_NEAR(s.min_y, -2.25, kTolerance);
        EXPECT_NEAR(s.max_y, 7.25, kTolerance);
    }
}

// The same editing on a plain drawing and on a view gives the same elements: nothing a drawing
// operation does depends on being shown.
TEST(PlainDrawing, EditingMatchesTheSameEditingOnAView) {
    auto edit = [](TCadDrawing& d) {
        d.MakeLine(0, 0, 0, 10, 0, 0);
        d.MakeArc(1, 10, 5, 0, 5, 270, 90);
        d.MakeLine(0, 10, 0, 10, 10, 0);
        d.MakeText(2, 2, "label");
        d.ClearGroup();
        d.AddToGroup(0);
        d.RotateGroup(90, 0, 0, 1, false);
        d.AddToGroup(0);
        d.ShiftGroup(5, 1, 0, 1, false);
        d.ClearGroup();
        d.NewOrigin(1, 1, 0);
        d.MakeElementChain(7, -1, TDPoint{4, 0, 0}, 0, 0);
    };
    TCadDrawing plain;
    edit(plain);
    testing::RecordingCanvas canvas;
    TCadDraw view;
    view.SetCanvas(&canvas);
    view.Resize(400, 300);
    edit(view);
    ASSERT_EQ(plain.Elements().Count(), view.Elements().Count());
    for (int i = 0; i < plain.Elements().Count(); ++i) {
        const TElement& a = plain.Elements()[i];
        const TElement& b = view.Elements()[i];
        EXPECT_EQ(a.Etype, b.Etype) << i;
        EXPECT_EQ(a.Highlight, b.Highlight) << i;
        EXPECT_EQ(a.Deleted, b.Deleted) << i;
        EXPECT_EQ(a.Coords, b.Coords) << i;
    }
    EXPECT_EQ(plain.ElementChain().Count(), view.ElementChain().Count());
    EXPECT_GT(plain.ElementChain().Count(), 1);
}

// On a view, drawing operations that change the look of elements paint them at once, and
// those that change the drawing as a whole redraw it.
TEST(PlainDrawing, ViewPaintsWhatDrawingOperationsChange) {
    struct Case {
        const char* name;
        std::function<void(TCadDraw&)> operation;
        bool redrawn;      // the bitmap was cleared and the drawing painted again
        std::size_t lines; // lines painted since the last clear
        TColor last_line;  // colour of the last line painted
    };
    const Case cases[] = {
        {"AddToGroup", [](TCadDraw& v) { v.AddToGroup(1); }, false, 1, kRed},
        {"ClearGroup", [](TCadDraw& v) { v.ClearGroup(); }, false, 2, kBlue},
        {"RotateGroup erases the source",
         [](TCadDraw& v) { v.AddToGroup(1), v.RotateGroup(90, 0, 0, 1, false); }, false, 2,
         kBackground},
        {"MakeElementChain",
         [](TCadDraw& v) {
             v.MakeElementChain(0, -1, {0, 0, 0}, 0, 0);
         },
         false, 1, kYellow},
        {"DeleteGroup", [](TCadDraw& v) { v.AddToGroup(1), v.DeleteGroup(); }, true, 1, kBlue},
        {"NewOrigin", [](TCadDraw& v) { v.NewOrigin(1, 0, 0); }, true, 2, kBlue},
        {"SetBackgroundColor", [](TCadDraw& v) { v.SetBackgroundColor(kBackground); }, true, 2,
         kBlue},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::RecordingCanvas canvas;
        TCadDraw view;
        view.SetCanvas(&canvas);
        view.Resize(400, 300);
        view.SetBackgroundColor(kBackground);
        view.SetDrawColor(kBlue);
        view.MakeLine(0, 0, 0, 1, 0, 0);
        view.MakeLine(1, 0, 0, 1, 1, 0);
        canvas.calls.clear();
        int invalidated = 0;
        view.OnInvalidate = [&invalidated](TCadDraw&) { ++invalidated; };
        c.operation(view);
        ASSERT_FALSE(canvas.calls.empty());
        EXPECT_EQ(canvas.calls.front().op == "clear", c.redrawn);
        const auto lines = canvas.Of("line");
        ASSERT_EQ(lines.size(), c.lines);
        EXPECT_EQ(lines.back().stroke, c.last_line);
        EXPECT_GT(invalidated, 0);
    }
}

} // namespace
} // namespace brevant
