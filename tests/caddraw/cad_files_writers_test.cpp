// The CDL, DXF and IGES writers: exact file text of the documented cases.
#include "cad_files_fixture.h"
#include "caddraw/cad_colors.h"
#include "caddraw/cdl_format.h"
#include "caddraw/dxf_format.h"
#include "caddraw/iges_format.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace brevant {
namespace {

using test::AddArc;
using test::AddLine;
using test::AddPoint;
using test::CrLfLines;
using Lines = std::vector<std::string>;

std::string Cdl(const TCadDraw& view) {
    std::ostringstream out;
    WriteCdl(out, view.Elements(), view.CadSettings());
    return out.str();
}

std::string Dxf(const TCadDraw& view) {
    std::ostringstream out;
    WriteDxf(out, view.Elements(), view.CadSettings());
    return out.str();
}

std::string Iges(const TCadDraw& view, const std::string& name = "part.igs") {
    std::ostringstream out;
    WriteIges(out, view.Elements(), view.CadSettings(), name);
    return out.str();
}

const Lines kDxfHead = {"  0",    "SECTION", "2",       "HEADER",  "9",        "$ACADVER", "1",
                        "AC1009", "0",       "ENDSEC",  "0",       "SECTION",  "2",        "TABLES",
                        "0",      "ENDSEC",  "0",       "SECTION", "2",        "BLOCKS",   "0",
                        "ENDSEC", "  0",     "SECTION", "  2",     "ENTITIES", "  0"};
const Lines kDxfTail = {"ENDSEC", "0", "EOF", ""};

// An 80-column record: the data, blanks, and the tail ending in column 80.
std::string IgesRecordText(const std::string& data, const std::string& tail) {
    return data + std::string(80 - data.size() - tail.size(), ' ') + tail;
}

Lines Join(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(DxfWriter, EmptyDrawingIsHeaderAndEntitiesFrame) {
    TCadDraw view;
    EXPECT_EQ(CrLfLines(Dxf(view)), Join(kDxfHead, kDxfTail));
}

TEST(DxfWriter, EntitiesWithTheirGroupCodes) {
    TCadDraw view;
    AddLine(view, {0, 0, 0, 10.5, -0.25, 0}, kColorRed, 2);
    AddPoint(view, 1, 2.5, 0, kColorLime, 1);
    AddArc(view, {1, 2, 0, 3, 0, 90}, kColorBlue, 3);
    view.AddElement(kElementCircle, kColorWhite, {4, 5, 0, 2, 0, 0}, 0, 0, 4, 0, {}, 1);
    const Lines entities = {
        "LINE",   "8",  "2", "10", ".0",  "20", ".0",  "30", ".0", "11", "10.5", "21", "-.25", "31",
        ".0",     "62", "1", "0",                                                     //
        "POINT",  "8",  "1", "10", "1.0", "20", "2.5", "30", ".0", "62", "3",    "0", //
        "ARC",    "8",  "3", "10", "1.0", "20", "2.0", "30", ".0", "40", "3.0",  "50", ".0",   "51",
        "90.0",   "62", "5", "0", //
        "CIRCLE", "8",  "4", "10", "4.0", "20", "5.0", "30", ".0", "40", "2.0",  "62", "7",    "0"};
    EXPECT_EQ(CrLfLines(Dxf(view)), Join(Join(kDxfHead, entities), kDxfTail));
}

TEST(CdlWriter, NewViewWritesFourViewLines) {
    TCadDraw view;
    EXPECT_EQ(CrLfLines(Cdl(view)),
              (Lines{"VIEW   1,1,0,0,0,1,0,0,0,1", "VIEW   2,1,0,0,0,0,-1,0,1,0",
                     "VIEW   3,0,0,1,1,0,0,0,1,0", "VIEW   4,0,0,0,0,0,0,0,0,0"}));
}

TEST(CdlWriter, OneLinePerElementKind) {
    TCadDraw view;
    for (int w = 2; w <= 4; ++w)
        view.CadSettings().arc_view[w].flag = 0;
    AddPoint(view, 1, 2.5, 0, kColorLime, 1);
    AddLine(view, {0, 0, 0, 10.5, -0.25, 0}, kColorRed, 2, 2);
    AddArc(view, {1, 2, 0, 3, 0, 90}, kColorBlue, 3, 1, 2);
    view.AddElement(kElementCircle, kColorWhite, {4, 5, 0, 2, 0, 0}, 0, 0, 4, 0, {}, 1);
    view.AddElement(kElementArrow, kColorCyan, {1, 2, 3, 4, 0, 0}, 0, 0, 5, 0, {}, 1);
    view.AddElement(kElementLeader, kColorCyan, {1, 2, 3, 4, 0, 0}, 0, 0, 5, 0, {}, 1);
    view.AddElement(kElementWitness, kColorCyan, {1, 2, 3, 4, 5, 6}, 0, 0, 6, 0, {}, 1);
    view.MakeText(1, 1, "lost");
    view.MakeRectangle(0, 0, 2, 2, 0, kColorRed);
    EXPECT_EQ(
        CrLfLines(Cdl(view)),
        (Lines{"VIEW   1,1,0,0,0,1,0,0,0,1", "POINT  1.0,2.5,.0,10,1,0",
               "LINE   .0,.0,.0,10.5,-.25,.0,12,2,2,1", "ARC    1.0,2.0,.0,3.0,.0,90.0,2,9,3,1,1",
               "CIRCLE 4.0,5.0,.0,2.0,1,15,4,0,,1", "ARROW  1.0,2.0,3.0,4.0,1,11,5",
               "LEADER  3.0,4.0,1.0,2.0,.1,0,1,11,5", "WITNESS  1.0,2.0,4.0,5.0,1,11,6"}));
}

TEST(IgesWriter, TwoLinesNumberDirectoryAndParameters) {
    TCadDraw view;
    AddLine(view, {0, 0, 0, 1, 0, 0}, kColorRed, 2, 2);
    AddLine(view, {1, 0, 0, 1, 1, 0}, kColorBlue, 3, 22);
    const Lines lines = CrLfLines(Iges(view));
    ASSERT_EQ(lines.size(), 1u + 2u + 6u + 3u + 1u);
    for (const std::string& line : lines)
        EXPECT_EQ(line.size(), 80u) << line;
    EXPECT_EQ(lines[0], IgesRecordText("part.igs", "S0000001"));
    EXPECT_EQ(lines[1], IgesRecordText("1H,,1H;,,,6HVARNEK,1H1,16,8,24,8,56,,1.,1,4HINCH,1,0.01,",
                                       "G0000001"));
    EXPECT_EQ(lines[2], IgesRecordText("13H850101.010000,1.000000000E-04,100.,,;", "G0000002"));
    EXPECT_EQ(lines[3], IgesRecordText("     124       1       1       1       1               0",
                                       "00000000D0000001"));
    EXPECT_EQ(lines[4], IgesRecordText("     124       0       3       1", "D0000002"));
    EXPECT_EQ(lines[5], IgesRecordText("     110       2       1       2       0       0       0",
                                       "00000000D0000003"));
    EXPECT_EQ(lines[6], IgesRecordText("     110       0       2       1       2", "D0000004"));
    EXPECT_EQ(lines[7], IgesRecordText("     110       3       1       2       0       0       0",
                                       "00000000D0000005"));
    EXPECT_EQ(lines[8], IgesRecordText("     110       0       4       1       3", "D0000006"));
    EXPECT_EQ(lines[9], IgesRecordText("124,1.,0.,0.,0.,0.,1.,0.,0.,0.,0.,1.,0.;", "1P0000001"));
    EXPECT_EQ(lines[10], IgesRecordText("110,.0,.0,.0,1.0,.0,.0;", "3P0000002"));
    EXPECT_EQ(lines[11], IgesRecordText("110,1.0,.0,.0,1.0,1.0,.0;", "5P0000003"));
    EXPECT_EQ(lines[12], IgesRecordText("S0000001G0000002D0000006P0000003", "T0000001"));
}

TEST(IgesWriter, UnitsAndStartRecordName) {
    TCadDraw view;
    const struct {
        bool metric_machine;
        int number_unit;
        const char* unit;
    } cases[] = {{false, 0, ",1,4HINCH,"},
                 {false, 1, ",10,2HCM,"},
                 {false, 2, ",2,2HMM,"},
                 {true, 1, ",2,2HMM,"}};
    for (const auto& c : cases) {
        view.CadSettings().metric_machine = c.metric_machine;
        view.CadSettings().number_unit = c.number_unit;
        EXPECT_NE(CrLfLines(Iges(view))[1].find(c.unit), std::string::npos) << c.unit;
    }
    std::string name(30, 'a');
    name += std::string(70, 'b');
    EXPECT_EQ(CrLfLines(Iges(view, name))[0], IgesRecordText(std::string(70, 'b'), "S0000001"));
}

TEST(IgesWriter, ArcByCentreStartAndEndPoints) {
    TCadDraw view;
    AddArc(view, {1, 2, 0.5, 2, 0, 90}, kColorYellow, 7);
    const Lines lines = CrLfLines(Iges(view));
    EXPECT_EQ(lines[6], IgesRecordText("     100       0       5       1       7", "D0000004"));
    EXPECT_EQ(lines[8], IgesRecordText("100,.5,1.0,2.0,3.0,2.0,1.0,4.0;", "3P0000002"));
}

TEST(Writers, SkipDeletedElementsAndHiddenLayers) {
    TCadDraw view;
    for (int w = 1; w <= 4; ++w)
        view.CadSettings().arc_view[w].flag = 0;
    AddLine(view, {0, 0, 0, 1, 1, 0}, kColorRed, 1);
    AddLine(view, {5, 5, 0, 6, 6, 0}, kColorRed, 2);
    AddPoint(view, 7, 7, 0, kColorRed, 3);
    AddArc(view, {0, 0, 0, 1, 0, 90}, kColorRed, 4);
    view.Elements()[0].Deleted = true;
    view.CadSettings().visible_layer[2] = false;
    EXPECT_EQ(CrLfLines(Cdl(view)),
              (Lines{"POINT  7.0,7.0,.0,12,3,0", "ARC    .0,.0,.0,1.0,.0,90.0,1,12,4,0,1"}));
    const Lines dxf = CrLfLines(Dxf(view));
    EXPECT_EQ(std::count(dxf.begin(), dxf.end(), "LINE"), 0);
    EXPECT_EQ(std::count(dxf.begin(), dxf.end(), "POINT"), 1);
    EXPECT_EQ(std::count(dxf.begin(), dxf.end(), "ARC"), 1);
    // Directory and parameter sections list the same two elements in the same order.
    const Lines iges = CrLfLines(Iges(view));
    ASSERT_EQ(iges.size(), 1u + 2u + 6u + 3u + 1u);
    EXPECT_EQ(iges[5].substr(0, 8), "     116");
    EXPECT_EQ(iges[7].substr(0, 8), "     100");
    EXPECT_EQ(iges[10].substr(0, 4), "116,");
    EXPECT_EQ(iges[11].substr(0, 4), "100,");
}

TEST(CadColors, WrittenNumbersPerFormat) {
    const struct {
        TColor color;
        int cdl, dxf, iges;
    } cases[] = {
        {kColorBlack, 0, 3, 0},  {kColorNavy, 8, 13, 4},    {kColorBlue, 9, 5, 4},
        {kColorGreen, 1, 12, 3}, {kColorTeal, 5, 4, 7},     {kColorLime, 10, 3, 3},
        {kColorCyan, 11, 11, 7}, {kColorMaroon, 2, 9, 2},   {kColorPurple, 6, 14, 6},
        {kColorOlive, 3, 10, 5}, {kColorGrey, 7, 8, 8},     {kColorSilver, 14, 15, 8},
        {kColorRed, 12, 1, 2},   {kColorMagenta, 13, 6, 6}, {kColorYellow, 4, 2, 5},
        {kColorWhite, 15, 7, 8}, {kColorNone, 10, 0, 3},    {0xFF32CD32, 10, 3, 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CdlColorIndex(c.color), c.cdl) << std::hex << c.color;
        EXPECT_EQ(DxfColorNumber(c.color), c.dxf) << std::hex << c.color;
        EXPECT_EQ(IgesColorNumber(c.color), c.iges) << std::hex << c.color;
    }
}

TEST(CadColors, ReadNumbersPerFormat) {
    EXPECT_EQ(ColorFromCdlIndex(0, 0), kColorBlack);
    EXPECT_EQ(ColorFromCdlIndex(0, kColorBlack), kColorSilver);
    EXPECT_EQ(ColorFromCdlIndex(15, kColorBlack), kColorWhite);
    EXPECT_EQ(ColorFromCdlIndex(15, kColorWhite), kColorSilver);
    EXPECT_EQ(ColorFromCdlIndex(16, 0), kColorGreen);
    EXPECT_EQ(ColorFromCdlIndex(17, 0), kColorGreen);
    EXPECT_EQ(ColorFromCdlIndex(-1, 0), kColorSilver);
    EXPECT_EQ(ColorFromDxfNumber(0, kColorBlack), kColorSilver);
    EXPECT_EQ(ColorFromDxfNumber(4, 0), kColorTeal);
    EXPECT_EQ(ColorFromDxfNumber(16, 0), kColorWhite);
    EXPECT_EQ(ColorFromDxfNumber(256, 0), kColorLime);
    EXPECT_EQ(ColorFromDxfNumber(-3, 0), kColorLime);
    EXPECT_EQ(ColorFromIgesNumber(0), kColorBlack);
    EXPECT_EQ(ColorFromIgesNumber(7), kColorCyan);
    EXPECT_EQ(ColorFromIgesNumber(13), kColorBlue);
    EXPECT_EQ(ColorFromIgesNumber(99), kColorLime);
}

} // namespace
} // namespace brevant
