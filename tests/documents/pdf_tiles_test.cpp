// The tiling of a pattern over pages: columns and rows by the paper, the 60-tile limit, which
// tiles the printable lines touch, and the outlines drawn into the view.
#include "caddraw/cad_drawing.h"
#include "documents/pdf_paper.h"
#include "documents/pdf_tiles.h"

#include <gtest/gtest.h>

using namespace brevant;

namespace {

// The outline of a w by h rectangle with its lower left corner at the origin.
std::vector<PdfLine> Box(float w, float h) {
    return {{0, 0, w, 0}, {w, 0, w, h}, {w, h, 0, h}, {0, h, 0, 0}};
}

struct TilingCase {
    const char* name;
    PdfExtents extents;
    std::vector<PdfLine> lines;
    int paper;
    bool landscape;
    int columns, rows, recorded, used;
};

} // namespace

TEST(PdfTiling, CasesByPaperSizeAndShape) {
    const float w59 = 58.5f * 7.9f, w60 = 59.5f * 7.9f;
    const TilingCase cases[] = {
        {"10 x 20 on Letter", {0, 0, 10, 20}, Box(10, 20), 0, false, 2, 2, 4, 4},
        {"exactly one tile wide", {0, 0, 7.9, 1}, Box(7.9f, 1), 0, false, 1, 1, 1, 1},
        {"a hair wider", {0, 0, 7.90001, 1}, Box(7.90001f, 1), 0, false, 2, 1, 2, 2},
        {"59 columns", {0, 0, w59, 1}, {{0, 0.5f, w59, 0.5f}}, 0, false, 59, 1, 59, 59},
        {"60 columns, 60 recorded", {0, 0, w60, 1}, {}, 0, false, 60, 1, 60, 0},
        {"beyond 60, the first 60 recorded",
         {0, 0, 100, 100},
         Box(100, 100),
         0,
         false,
         13,
         10,
         60,
         20},
        {"landscape turns the tile", {0, 0, 10, 20}, Box(10, 20), 0, true, 1, 3, 3, 3},
        {"A4 portrait", {0, 0, 7.6677, 11.09291}, Box(7.6677f, 11.09291f), 5, false, 1, 1, 1, 1},
        {"11x17 landscape", {0, 0, 16.5, 10.5}, Box(16.5f, 10.5f), 13, true, 2, 2, 4, 4},
        {"a line crossing the middle tile only",
         {0, 0, 3 * 7.9, 10.4},
         {{1, 5, 3 * 7.9f - 1, 5.2f}, {1, 1, 1, 2}, {3 * 7.9f - 1, 1, 3 * 7.9f - 1, 2}},
         0,
         false,
         3,
         1,
         3,
         3},
        {"zero width still makes a column", {0, 0, 0, 5}, {{0, 0, 0, 5}}, 0, false, 1, 1, 1, 1},
        {"an empty drawing has no tiles", {9000, 9000, -9000, -9000}, {}, 0, false, 0, 0, 0, 0},
    };
    for (const TilingCase& c : cases) {
        const PdfPaper paper = PdfPageSize(c.paper, c.landscape);
        const PdfTiles t = TilePattern(c.extents, paper.WidthInches - 2 * kPdfMargin,
                                       paper.HeightInches - 2 * kPdfMargin, c.lines);
        EXPECT_EQ(t.Columns, c.columns) << c.name;
        EXPECT_EQ(t.Rows, c.rows) << c.name;
        EXPECT_EQ(t.Count, c.recorded) << c.name;
        EXPECT_EQ(t.Used(), c.used) << c.name;
    }
}

TEST(PdfTiling, TilesRunInRowsFromTheTopLeftWithTheirBounds) {
    const PdfTiles t = TilePattern({2, 3, 12, 23}, 7.9f, 10.4f, Box(30, 30));
    ASSERT_EQ(t.Count, 4);
    const int rows[] = {1, 1, 2, 2}, cols[] = {1, 2, 1, 2};
    for (int k = 0; k < 4; ++k) {
        const PdfTile& tile = t.Tiles[std::size_t(k)];
        EXPECT_EQ(tile.Row, rows[k]);
        EXPECT_EQ(tile.Col, cols[k]);
        EXPECT_FLOAT_EQ(tile.MinX, 2 + 7.9f * float(cols[k] - 1));
        EXPECT_FLOAT_EQ(tile.MaxX, tile.MinX + 7.9f);
        EXPECT_FLOAT_EQ(tile.MaxY, 23 - 10.4f * float(rows[k] - 1));
        EXPECT_FLOAT_EQ(tile.MinY, tile.MaxY - 10.4f);
    }
}

TEST(PdfTiling, LineTouchesARectangleByAnEndInsideOrByCrossingAnEdge) {
    struct Case {
        PdfLine line;
        bool touches;
    };
    const Case cases[] = {
        {{1, 1, 2, 2}, true},      // both ends inside
        {{-1, 5, 11, 5}, true},    // crosses, no end inside
        {{-1, -1, 11, 11}, true},  // diagonal through the corners
        {{-5, 5, -1, 5}, false},   // beside it
        {{0, 2, 0, 8}, false},     // on the left edge: parallel never meets
        {{-1, 10, 5, 10}, true},   // ends on the top edge
        {{11, 0, 15, 4}, false},   // outside to the right
        {{-1, 22, 22, -1}, false}, // passes the corner outside
    };
    for (const Case& c : cases)
        EXPECT_EQ(LineTouchesRect(c.line, 0, 0, 10, 10), c.touches)
            << c.line.X1 << "," << c.line.Y1 << " " << c.line.X2 << "," << c.line.Y2;
}

TEST(PdfTiling, GreyLinesAnnotationsAndOtherElementsAreNotPrinted) {
    TCadDrawing d;
    auto line = [&d](int layer, TColor color) {
        d.CadSettings().current_layer = layer;
        d.SetDrawColor(color);
        return d.MakeLine(0, 0, 0, 1, 1, 0);
    };
    line(1, 0xFFFFFFFF);
    line(4, 0xFF00FF00);
    line(1, kPrintBoxColor);
    for (int layer : {5, 7, 8})
        line(layer, 0xFF00FFFF);
    const int deleted = line(1, 0xFFFFFFFF);
    d.Elements()[deleted].Deleted = true;
    d.CadSettings().current_layer = 1;
    d.MakeArc(1, 0, 0, 0, 1, 0, 90);
    d.MakeRectangle(0, 0, 1, 1, 0, 0xFFFFFFFF);
    d.MakeText(0, 0, "x");
    EXPECT_EQ(PrintableLines(d).size(), 2u);
}

TEST(PdfTiling, OutlinesCoverEveryTileWithoutGrowingTheExtents) {
    TCadDrawing d;
    d.MakeLine(0, 0, 0, 10, 20, 0);
    d.SetExtents();
    const PdfExtents x{0, 0, 10, 20};
    DrawTileOutlines(d, x, 7.9f, 10.4f, 3, 2);
    int outlines = 0;
    for (const TElement& e : d.Elements()) {
        if (e.Etype != kElementRectangle) continue;
        ++outlines;
        EXPECT_EQ(e.Layer, kPdfTileLayer);
        EXPECT_EQ(e.LineColor, kPdfTileOutlineColor);
        EXPECT_EQ(e.FillColor, 0u);
    }
    EXPECT_EQ(outlines, 6);
    EXPECT_EQ(d.CadSettings().max_x, 10);
    EXPECT_EQ(d.CadSettings().current_layer, kPdfTileLayer);
    EXPECT_EQ(d.CadSettings().current_linetype, 0);
}

TEST(PdfTiling, OutlinesOfAHugeGridStopAtTheirLimit) {
    TCadDrawing d;
    DrawTileOutlines(d, {-10000, -10000, 10000, 10000}, 7.9f, 10.4f, 1924, 2532);
    EXPECT_EQ(d.Elements().Count(), kMaxPdfTileOutlines);
}
