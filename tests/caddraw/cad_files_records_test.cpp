// Record layer of the CAD file formats: number text, fields, DXF pairs, IGES records, lines.
#include "caddraw/cad_field.h"
#include "caddraw/cad_number_text.h"
#include "caddraw/dxf_records.h"
#include "caddraw/iges_records.h"
#include "caddraw/text_line_reader.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <sstream>
#include <vector>

namespace brevant {
namespace {

TEST(CadNumberText, ShortFixedNotation) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {12.34, "12.34"},    {12, "12.0"},      {0.5, ".5"},      {-0.5, "-.5"},
        {0, ".0"},           {-0.00001, "-.0"}, {10.5, "10.5"},   {-0.25, "-.25"},
        {1.23456, "1.2346"}, {100, "100.0"},    {-12.3, "-12.3"}, {0.00004, ".0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CadNumberText(c.value), c.text) << c.value;
}

TEST(ParseCadNumber, ReadsThePrefixAndRejectsNonFinite) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"12.5", 12.5}, {"  -.5", -0.5},    {"+3", 3},
        {"1e3", 1000},  {"7abc", 7},        {"abc", 0},
        {"", 0},        {"nan", 0},         {"inf", 0},
        {"-inf", 0},    {"1e400", DBL_MAX}, {"-1e400", -DBL_MAX},
        {"1e-400", 0},  {".", 0},           {"-", 0},
        {"3,5", 3},     {"1.5D2", 1.5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseCadNumber(c.text), c.value) << c.text;
}

TEST(RoundToInt, ClampsAndRoundsHalfToEven) {
    EXPECT_EQ(RoundToInt(2.5), 2);
    EXPECT_EQ(RoundToInt(3.5), 4);
    EXPECT_EQ(RoundToInt(-1.6), -2);
    EXPECT_EQ(RoundToInt(1e300), INT_MAX);
    EXPECT_EQ(RoundToInt(-1e300), INT_MIN);
    EXPECT_EQ(RoundToInt(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(CadField, CdlAndIgesFields) {
    const struct {
        const char* line;
        CadFieldFlavor flavor;
        int n;
        double value;
    } cases[] = {
        {"POINT  1.0,2.5,.0,10,1,0", CadFieldFlavor::Cdl, 1, 1.0},
        {"POINT  1.0,2.5,.0,10,1,0", CadFieldFlavor::Cdl, 2, 2.5},
        {"POINT  1.0,2.5,.0,10,1,7", CadFieldFlavor::Cdl, 6, 7},
        {"POINT  1.0,2.5,.0,10,1,7", CadFieldFlavor::Cdl, 7, 0},   // beyond the last field
        {"LINE   1, 2 ,3", CadFieldFlavor::Cdl, 2, 2},             // blanks removed
        {"CIRCLE 1,2,3,4,1,10,1,0,,1", CadFieldFlavor::Cdl, 9, 0}, // empty field
        {"ARC    1.5D2,2", CadFieldFlavor::Cdl, 1, 150},           // D exponent
        {"ARC    1D999,2", CadFieldFlavor::Cdl, 1, DBL_MAX},       // overflowing exponent
        {"ARC    -1D999,2", CadFieldFlavor::Cdl, 1, -DBL_MAX},
        {"ARC    0D999,2", CadFieldFlavor::Cdl, 1, 0},
        {"116,1.0,2.5,.0;    3P0000002", CadFieldFlavor::Iges, 4, 0.0},
        {"116,1.0,2.5,-4;    3P0000002", CadFieldFlavor::Iges, 4, -4},
        {"116,1.0,2.5,-4;    3P0000002", CadFieldFlavor::Iges, 1, 116},
        {"NOBLANK1,2", CadFieldFlavor::Cdl, 1, 0}, // nothing is dropped without a blank
        {"LINE 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22", CadFieldFlavor::Cdl, 1,
         1},
        {"LINE 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23", CadFieldFlavor::Cdl, 1,
         0}, // 23 commas with the appended one
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CadField(c.line, c.n, c.flavor), c.value) << c.line << " field " << c.n;
    }
}

TEST(DxfPairWriter, CodesPaddedOnlyWhenAsked) {
    std::ostringstream out;
    TDxfPairWriter dxf(out);
    dxf.Pair(0, "SECTION", true);
    dxf.Pair(2, "ENTITIES");
    dxf.Number(10, 0.5);
    dxf.Pair(62, 7);
    EXPECT_EQ(out.str(), "  0\r\nSECTION\r\n2\r\nENTITIES\r\n10\r\n.5\r\n62\r\n7\r\n");
}

TEST(DxfGroupCode, PlainSignedIntegersOnly) {
    const struct {
        const char* text;
        int code;
    } cases[] = {{"  0", 0}, {"10", 10}, {" 62 ", 62}, {"-5", -5},         {"+8", 8}, {"1 0", 10},
                 {"10a", 0}, {"x", 0},   {"", 0},      {"99999999999", 0}, {"1.5", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(ParseDxfGroupCode(c.text), c.code) << c.text;
}

TEST(IgesRecord, EightyColumnsWithRightAlignedTail) {
    EXPECT_EQ(IgesField8(124), "     124");
    EXPECT_EQ(IgesSequence7(6), "0000006");
    const std::string record = IgesRecord("abc", "S0000001");
    EXPECT_EQ(record.size(), 80u);
    EXPECT_EQ(record.substr(72), "S0000001");
    const std::string long_record = IgesRecord(std::string(75, 'x'), "3P0000002");
    EXPECT_EQ(long_record, std::string(75, 'x') + "3P0000002");
    EXPECT_EQ(IgesColumns("12345", 4, 8), "45");
    EXPECT_EQ(IgesColumns("12345", 7, 8), "");
    EXPECT_EQ(IgesColumn("12345", 80), ' ');
}

std::vector<std::string> ReadAll(const std::string& text, std::size_t max_line = 64 * 1024) {
    std::istringstream in(text);
    TTextLineReader reader(in, max_line);
    std::vector<std::string> lines;
    std::string line;
    while (reader.Next(line))
        lines.push_back(line);
    return lines;
}

TEST(TextLineReader, SplitsCrLfAndLfAndBoundsLongLines) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(ReadAll("a\r\nb\nc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(ReadAll("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(ReadAll(""), Lines{});
    EXPECT_EQ(ReadAll(std::string("x\0y\n", 4)), Lines{std::string("x\0y", 3)});
    // A megabyte line keeps its first characters and the next line is still found.
    const std::string huge(1 << 20, '7');
    EXPECT_EQ(ReadAll(huge + "\r\nnext\r\n", 10), (Lines{"7777777777", "next"}));
    // Lines crossing the reader's internal blocks come out whole.
    const std::string block_crossing(100000, 'b');
    EXPECT_EQ(ReadAll("a\n" + block_crossing + "\nc", 200000), (Lines{"a", block_crossing, "c"}));
}

} // namespace
} // namespace brevant
