// The CDL, DXF and IGES readers: documented record handling and hostile input.
#include "cad_files_fixture.h"
#include "caddraw/cad_colors.h"
#include "caddraw/cdl_format.h"
#include "caddraw/dxf_format.h"
#include "caddraw/iges_format.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brevant {
namespace {

void ReadText(TCadDraw& view, int cad_type, const std::string& text) {
    std::istringstream in(text);
    if (cad_type == 1) ReadCdl(in, view);
    if (cad_type == 2) ReadDxf(in, view);
    if (cad_type == 3) ReadIges(in, view);
}

// DXF text from lines, each ended by CR LF.
std::string DxfText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

TEST(CdlReader, RecordsByKeyword) {
    const struct {
        const char* line;
        int count;
        TElementType type;
        TCoords coords;
        TColor color;
        int layer;
        int linetype;
        int view;
    } cases[] = {
        {"POINT  1.0,2.5,.0,10,1,0", 1, kElementPoint, {1, 2.5, 0, 0, 0, 0}, kColorLime, 1, 0, 1},
        {"VPOINT  1,2,3,5,12,4", 1, kElementPoint, {1, 2, 3, 0, 0, 0}, kColorRed, 4, 0, 1},
        {"LINE   1,2,3,4,5,6,9,7,2,1", 1, kElementLine, {1, 2, 3, 4, 5, 6}, kColorBlue, 7, 2, 1},
        {"VLINE  1,2,3,4,5,6,3,12,7,2", 1, kElementLine, {1, 2, 3, 4, 5, 6}, kColorRed, 7, 2, 1},
        {"LINE   1,2,3,4,5,6,9,300,2,1", 1, kElementLine, {1, 2, 3, 4, 5, 6}, kColorBlue, 44, 2, 1},
        {"LINE   1,2,3,4,5,6,9,-3,2,1", 1, kElementLine, {1, 2, 3, 4, 5, 6}, kColorBlue, 252, 2, 1},
        {"ARC    1,2,0,3,10,0.00005,2,4,3,1,1",
         1,
         kElementArc,
         {1, 2, 0, 3, 10, 0},
         kColorYellow,
         3,
         1,
         2},
        {"ARC    1,2,0,3,10,20,9,4,3,1,1",
         1,
         kElementArc,
         {1, 2, 0, 3, 10, 20},
         kColorYellow,
         3,
         1,
         1},
        {"ARC    1,2,0,0,0,90,1,10,3,0,1", 0, kElementArc, {}, 0, 0, 0, 0},
        {"CIRCLE 1,2,3,4,1,12,5,1,,1", 1, kElementArc, {1, 2, 3, 4, 0, 360}, kColorRed, 5, 1, 1},
        {"CIRCLE 1,2,3,4,2,12,5,1,,1", 1, kElementArc, {1, -3, 2, 4, 0, 360}, kColorRed, 5, 1, 2},
        {"CIRCLE 1,2,3,4,3,12,5,1,,1", 1, kElementArc, {-1, 3, 2, 4, 0, 360}, kColorRed, 5, 1, 2},
        {"CIRCLE 1,2,3,4,4,12,5,1,,1", 1, kElementArc, {-1, 2, -3, 4, 0, 360}, kColorRed, 5, 1, 1},
        {"CIRCLE 1,2,3,-4,1,12,5,1,,1", 0, kElementArc, {}, 0, 0, 0, 0},
        {"SPLINE 1,2,3,4,5,6", 0, kElementArc, {}, 0, 0, 0, 0},
        {"LINETYPE 1,2,3,4,5,6", 0, kElementArc, {}, 0, 0, 0, 0},
        {"ARROW  1,2,3,4,1,11,5", 0, kElementArc, {}, 0, 0, 0, 0},
        {"LINE   2e9,2,3,4,5,6,9,7,2,1", 0, kElementArc, {}, 0, 0, 0, 0},
        {"ARC    1,2,0,3,1e300,20,1,4,3,1,1", 0, kElementArc, {}, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        TCadDraw view;
        ReadText(view, 1, std::string(c.line) + "\r\n");
        ASSERT_EQ(view.Elements().Count(), c.count);
        if (c.count == 0) continue;
        const TElement& e = view.Elements()[0];
        EXPECT_EQ(e.Etype, c.type);
        EXPECT_EQ(e.Coords, c.coords);
        EXPECT_EQ(e.LineColor, c.color);
        EXPECT_EQ(e.Layer, c.layer);
        EXPECT_EQ(e.linetype, c.linetype);
        EXPECT_EQ(e.view, c.view);
    }
}

TEST(CdlReader, ViewLinesFillWindowMatrices) {
    TCadDraw view;
    for (int w = 1; w <= 4; ++w)
        view.CadSettings().arc_view[w].flag = 0;
    ReadText(view, 1, "VIEW   9,1,2,3,4,5,6,7,8,9\r\nVIEW   0,5,5,5,5,5,5,5,5,5\r\n");
    const TArcView& window4 = view.CadSettings().arc_view[4];
    EXPECT_EQ(window4.flag, 1);
    EXPECT_EQ(window4.m[0][0], 1); // m11
    EXPECT_EQ(window4.m[1][0], 2); // m21
    EXPECT_EQ(window4.m[0][1], 4); // m12
    EXPECT_EQ(window4.m[2][2], 9); // m33
    for (int w = 1; w <= 3; ++w)
        EXPECT_EQ(view.CadSettings().arc_view[w].flag, 0) << w;
}

TEST(CdlReader, BackgroundDecidesBlackAndWhite) {
    TCadDraw view;
    view.SetBackgroundColor(kColorBlack);
    ReadText(view, 1, "POINT  1,2,0,0,1\r\nPOINT  1,2,0,15,1\r\n");
    EXPECT_EQ(view.Elements()[0].LineColor, kColorSilver);
    EXPECT_EQ(view.Elements()[1].LineColor, kColorWhite);
}

TEST(DxfReader, CircleWithoutAnglesIsFullArc) {
    TCadDraw view;
    ReadText(view, 2,
             DxfText({"0", "CIRCLE", "8", "3", "10", "1", "20", "2", "30", "0", "40", "5", "62",
                      "1", "0", "EOF"}));
    ASSERT_EQ(view.Elements().Count(), 1);
    EXPECT_EQ(view.Elements()[0].Coords, (TCoords{1, 2, 0, 5, 0, 360}));
    EXPECT_EQ(view.Elements()[0].LineColor, kColorRed);
    EXPECT_EQ(view.Elements()[0].Layer, 3);
    EXPECT_TRUE(view.CadSettings().abort2);
}

TEST(DxfReader, ClosedPolylineOfThreeVerticesGivesThreeLines) {
    TCadDraw view;
    ReadText(view, 2,
             DxfText({"0", "POLYLINE", "8",  "4",  "70", "1", "0", "VERTEX", "10", "0", "20", "0",
                      "0", "VERTEX",   "10", "4",  "20", "0", "0", "VERTEX", "10", "4", "20", "3",
                      "0", "SEQEND",   "0",  "EOF"}));
    ASSERT_EQ(view.Elements().Count(), 3);
    EXPECT_EQ(view.Elements()[0].Coords, (TCoords{0, 0, 0, 4, 0, 0}));
    EXPECT_EQ(view.Elements()[1].Coords, (TCoords{4, 0, 0, 4, 3, 0}));
    EXPECT_EQ(view.Elements()[2].Coords, (TCoords{4, 3, 0, 0, 0, 0}));
    for (const TElement& e : view.Elements())
        EXPECT_EQ(e.Layer, 4);
}

TEST(DxfReader, OpenPolylineAndStrayVertices) {
    TCadDraw view;
    ReadText(view, 2, DxfText({"0", "VERTEX", "10", "9",      "0",  "POLYLINE", "70", "0",
                               "0", "VERTEX", "10", "1",      "0",  "VERTEX",   "10", "2",
                               "0", "SEQEND", "0",  "VERTEX", "10", "3",        "0",  "EOF"}));
    ASSERT_EQ(view.Elements().Count(), 1);
    EXPECT_EQ(view.Elements()[0].Coords, (TCoords{1, 0, 0, 2, 0, 0}));
}

void ExpectArc(const TElement& e, const TCoords& expected) {
    ASSERT_EQ(e.Etype, kElementArc);
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_NEAR(e.Coords[i], expected[i], 1e-9) << "coordinate " << i + 1;
}

TEST(DxfReader, PolylineBulgesAreArcs) {
    // A closed outline: two straight sides and two half circles, one counter-clockwise
    // (bulge 1), one clockwise (bulge -1).
    TCadDraw view;
    ReadText(view, 2, DxfText({"0",  "POLYLINE", "8",  "CUT", "66", "1",      "70", "1",
                               "0",  "VERTEX",   "10", "0",   "20", "0",      "0",  "VERTEX",
                               "10", "10",       "20", "0",   "42", "1",      "0",  "VERTEX",
                               "10", "10",       "20", "4",   "0",  "VERTEX", "10", "0",
                               "20", "4",        "42", "-1",  "0",  "SEQEND", "0",  "EOF"}));
    ASSERT_EQ(view.Elements().Count(), 4);
    EXPECT_EQ(view.Elements()[0].Etype, kElementLine);
    // From (10, 0) to (10, 4) counter-clockwise about (10, 2): -90 to 90 degrees.
    ExpectArc(view.Elements()[1], {10, 2, 0, 2, 270, 90});
    EXPECT_EQ(view.Elements()[2].Etype, kElementLine);
    // From (0, 4) clockwise to (0, 0) about (0, 2), through (2, 2): stored counter-clockwise
    // from (0, 0) to (0, 4).
    ExpectArc(view.Elements()[3], {0, 2, 0, 2, 270, 90});
}

TEST(DxfReader, LightweightPolylineWithBulges) {
    TCadDraw view;
    ReadText(view, 2,
             DxfText({"0",  "LWPOLYLINE", "8",  "7",  "90", "3",  "70", "1",  "10",
                      "0",  "20",         "0",  "10", "4",  "20", "0",  "42", "0.41421356237309503",
                      "10", "4",          "20", "4",  "0",  "EOF"}));
    ASSERT_EQ(view.Elements().Count(), 3);
    EXPECT_EQ(view.Elements()[0].Coords, (TCoords{0, 0, 0, 4, 0, 0}));
    // A quarter circle (bulge tan 22.5 degrees) from (4, 0) to (4, 4) about (2, 2).
    ExpectArc(view.Elements()[1], {2, 2, 0, std::sqrt(8.0), 315, 45});
    EXPECT_EQ(view.Elements()[2].Coords, (TCoords{4, 4, 0, 0, 0, 0}));
    for (const TElement& e : view.Elements())
        EXPECT_EQ(e.Layer, 7);
}

TEST(DxfReader, ExtrusionSelectsPlane) {
    const struct {
        const char* x;
        const char* y;
        const char* z;
        TCoords coords;
        int view;
    } cases[] = {
        {"0", "-1", "0", {1, 2, 3, 5, 10, 100}, 2},
        {"0", "1", "0", {1, 2, 3, 5, 10, 100}, 3},
        {"0", "0", "-1", {-1, 2, -3, 5, 80, 170}, 1},
        {"1", "0", "0", {1, 2, 3, 5, 10, 100}, 1},
        {"0", "0", "1", {1, 2, 3, 5, 10, 100}, 1},
        {"0.2", "-0.9", "0", {1, 2, 3, 5, 10, 100}, 2}, // rounded to integers
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.x) + "," + c.y + "," + c.z);
        TCadDraw view;
        view.CadSettings().arc_view[2].m = {};
        view.CadSettings().arc_view[3].m = {};
        ReadText(view, 2,
                 DxfText({"0",  "ARC", "10",  "1",   "20", "2",   "30", "3",   "40", "5", "50",
                          "10", "51",  "100", "210", c.x,  "220", c.y,  "230", c.z,  "0", "EOF"}));
        ASSERT_EQ(view.Elements().Count(), 1);
        EXPECT_EQ(view.Elements()[0].Coords, c.coords);
        EXPECT_EQ(view.Elements()[0].view, c.view);
        if (c.view == 3) {
            EXPECT_EQ(view.CadSettings().arc_view[3].m[0][0], -1);
            EXPECT_EQ(view.CadSettings().arc_view[3].m[2][1], 1);
        }
        if (c.view == 2) {
            EXPECT_EQ(view.CadSettings().arc_view[2].m[2][1], -1);
        }
    }
}

TEST(IgesReader, DirectoryMakesElementsParametersFillThem) {
    TCadDraw view;
    std::ostringstream file;
    TCadDraw written;
    test::AddPoint(written, 1, 2, 3, kColorRed, 9);
    written.CadSettings().number_unit = 2;
    WriteIges(file, written.Elements(), written.CadSettings(), "x");
    ReadText(view, 3, file.str());
    EXPECT_TRUE(view.CadSettings().metric_machine);
    ASSERT_EQ(view.Elements().Count(), 1);
    EXPECT_EQ(view.Elements()[0].Coords, (TCoords{1, 2, 3, 0, 0, 0}));
    EXPECT_EQ(view.Elements()[0].Layer, 9);
}

TEST(IgesReader, ParameterDataOnTwoLines) {
    const std::string d1 = "     110       2       1       1       0       0       0";
    const std::string d2 = "     110       0       2       1     300";
    auto record = [](const std::string& data, const std::string& tail) {
        return data + std::string(80 - data.size() - tail.size(), ' ') + tail + "\r\n";
    };
    const std::string text = record(d1, "00000000D0000001") + record(d2, "D0000002") +
                             record("110,1.,2.,3.,", "1P0000001") +
                             record("4.,5.,6.;", "1P0000002");
    TCadDraw view;
    ReadText(view, 3, text);
    ASSERT_EQ(view.Elements().Count(), 1);
    EXPECT_EQ(view.Elements()[0].Coords, (TCoords{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(view.Elements()[0].Layer, 254);
    EXPECT_EQ(view.Elements()[0].LineColor, kColorRed);
}

// Hostile files: each reader must finish, keep only sound elements and never crash.
TEST(CadReaders, MalformedSamples) {
    const std::string megabyte_line(1 << 20, '9');
    const std::string binary("\x00\xff\x7f\r\r\n\x01\x02LINE\x00\n0\nARC\n\x80", 20);
    const struct {
        const char* name;
        int cad_type;
        std::string text;
        int elements;
    } cases[] = {
        {"cdl empty", 1, "", 0},
        {"cdl binary", 1, binary, 1},                   // "LINE" anywhere in a line makes a line
        {"cdl truncated line", 1, "LINE   1,2,3,4", 1}, // missing fields read 0
        {"cdl nan and inf", 1, "LINE   nan,inf,-inf,1,2,3,9,1,0,1\r\n", 1},
        {"cdl huge numbers", 1, "POINT  1e308,1e308,0,9,1\r\nPOINT  1,1,1e999,9,1\r\n", 1},
        {"cdl huge integers", 1, "LINE   1,2,3,4,5,6,1e300,1e300,-1e300,1\r\n", 1},
        {"cdl megabyte line", 1, "POINT  " + megabyte_line + "\r\nPOINT  1,2,0,9,1\r\n",
         1}, // the first x is too large
        {"cdl many commas", 1, "ARC    1,2,3,4,5,6,7,8,9,0,1,2,3,4,5,6,7,8,9,0,1,2,3,4\r\n", 0},
        {"dxf empty", 2, "", 0},
        {"dxf binary", 2, binary, 0},
        {"dxf truncated entity", 2, "0\r\nLINE\r\n10\r\n1\r\n20", 0},
        {"dxf missing value", 2, "0\r\nLINE\r\n10\r\n", 0},
        {"dxf missing groups", 2, "0\r\nLINE\r\n0\r\nPOINT\r\n0\r\nEOF\r\n", 2},
        {"dxf nan and inf", 2, "0\r\nPOINT\r\n10\r\nnan\r\n20\r\ninf\r\n0\r\nEOF\r\n", 1},
        {"dxf huge radius", 2, "0\r\nCIRCLE\r\n40\r\n1e300\r\n0\r\nEOF\r\n", 0},
        {"dxf huge angle", 2, "0\r\nARC\r\n40\r\n1\r\n50\r\n1e300\r\n0\r\nEOF\r\n", 0},
        {"dxf huge group code", 2, "0\r\nPOINT\r\n99999999999\r\n5\r\n10\r\n1\r\n0\r\nEOF\r\n", 1},
        {"dxf megabyte value", 2, "0\r\nPOINT\r\n10\r\n" + megabyte_line + "\r\n0\r\nEOF\r\n", 0},
        {"dxf text after EOF", 2, "0\r\nEOF\r\n0\r\nPOINT\r\n0\r\n", 0},
        {"iges empty", 3, "", 0},
        {"iges binary", 3, binary, 0},
        {"iges lone directory record", 3, std::string(71, ' ') + "1D0000001\r\n", 0},
        {"iges parameter without directory", 3, std::string(72, ' ') + "P0000002\r\n", 0},
        {"iges huge sequence", 3, "116,1,2,3;" + std::string(62, ' ') + "P9999999999\r\n", 0},
        {"iges unterminated parameter", 3, std::string(72, ' ') + "P0000001", 0},
        {"iges megabyte line", 3, megabyte_line + "D" + megabyte_line + "\r\n", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TCadDraw view;
        ReadText(view, c.cad_type, c.text);
        EXPECT_EQ(view.Elements().Count(), c.elements);
        for (const TElement& e : view.Elements()) {
            for (double v : e.Coords)
                EXPECT_TRUE(std::isfinite(v));
            EXPECT_GE(e.Layer, 1);
            EXPECT_LE(e.Layer, 254);
        }
    }
}

TEST(IgesReader, RejectedCoordinatesDropTheElement) {
    auto record = [](const std::string& data, const std::string& tail) {
        return data + std::string(80 - data.size() - tail.size(), ' ') + tail + "\r\n";
    };
    const std::string d1 = "     116       1       1       1       0       0       0";
    const std::string d2 = "     116       0       2       1       1";
    const std::string text = record(d1, "00000000D0000001") + record(d2, "D0000002") +
                             record(d1, "00000000D0000003") + record(d2, "D0000004") +
                             record("116,5D99,2.,3.;", "1P0000001") +
                             record("116,1.,2.,3.;", "3P0000002");
    TCadDraw view;
    ReadText(view, 3, text);
    ASSERT_EQ(view.Elements().Count(), 1);
    EXPECT_EQ(view.Elements()[0].Coords, (TCoords{1, 2, 3, 0, 0, 0}));
}

} // namespace
} // namespace brevant
