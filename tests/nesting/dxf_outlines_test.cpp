// Pieces read from DXF files of closed outlines: a cutting-machine DXF read back, loose lines
// and arcs joined, bend lines inside a piece left out, and malformed files refused with their
// reason.
#include "nesting/dxf_outlines.h"

#include "documents/cam_dxf_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace brevant {
namespace {

std::string Dxf(const std::vector<std::string>& groups) {
    std::string text;
    for (const std::string& g : groups)
        text += g + "\r\n";
    return text + "0\r\nEOF\r\n";
}

std::vector<std::string> Line(double x0, double y0, double x1, double y1) {
    auto n = [](double v) { return std::to_string(v); };
    return {"0", "LINE", "8", "0", "10", n(x0), "20", n(y0), "11", n(x1), "21", n(y1)};
}

std::vector<std::string> Arc(double cx, double cy, double r, double a0, double a1) {
    auto n = [](double v) { return std::to_string(v); };
    return {"0", "ARC", "10", n(cx), "20", n(cy), "40", n(r), "50", n(a0), "51", n(a1)};
}

std::vector<std::string> Circle(double cx, double cy, double r) {
    auto n = [](double v) { return std::to_string(v); };
    return {"0", "CIRCLE", "10", n(cx), "20", n(cy), "40", n(r)};
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

bool Read(const std::string& text, std::vector<NestShape>& pieces, std::string& error) {
    std::istringstream in(text);
    return ReadDxfOutlines(in, pieces, error);
}

TEST(DxfOutlines, ACuttingMachineDxfReadsBackAsItsPiece) {
    // A plate with a round end and a round hole, bend lines from edge to edge and a mark.
    ShopOutlines o;
    o.cut.push_back({{{0, 0, 0}, {20, 0, 1}, {20, 10, 0}, {0, 10, 0}}, true});
    o.cut.push_back({{{4, 5, 1}, {8, 5, 1}}, true});
    o.bend.push_back({{{12, 0, 0}, {12, 10, 0}}, false});
    o.bend.push_back({{{16, 0, 0}, {16, 10, 0}}, false});
    o.mark.push_back({{{2, 2, 0}, {3, 3, 0}}, false});
    std::ostringstream out;
    WriteCamDxf(out, o, {});
    std::vector<NestShape> pieces;
    std::string error;
    ASSERT_TRUE(Read(out.str(), pieces, error)) << error;
    ASSERT_EQ(pieces.size(), 1u);
    ASSERT_EQ(pieces[0].holes.size(), 1u);
    const double pi = 3.14159265358979323846;
    EXPECT_NEAR(ShapeArea(pieces[0]), 200 + pi * 25 / 2 - pi * 4, 1e-6);
    EXPECT_NEAR(BoxOf(pieces[0]).maxX, 25, 1e-9);
}

TEST(DxfOutlines, LooseLinesArcsAndCirclesJoinIntoPieces) {
    // A rectangle with a rounded corner, drawn as loose entities with a gap far below the
    // tolerance; a circle left of it; an island inside a hole is a piece of its own.
    const std::string text = Dxf(Join({
        Line(10, 0, 30, 0),
        Line(30, 0, 30, 8),
        Arc(28, 8, 2, 0, 90),
        Line(28, 10, 10, 10.0000001),
        Line(10, 10, 10, 0),
        Circle(0, 5, 3),
        Line(40, 0, 60, 0),
        Line(60, 0, 60, 20),
        Line(60, 20, 40, 20),
        Line(40, 20, 40, 0),
        Circle(50, 10, 6),
        Circle(50, 10, 2),
    }));
    std::vector<NestShape> pieces;
    std::string error;
    ASSERT_TRUE(Read(text, pieces, error)) << error;
    ASSERT_EQ(pieces.size(), 4u); // left to right: circle, rounded rectangle, square, island
    const double pi = 3.14159265358979323846;
    EXPECT_NEAR(ShapeArea(pieces[0]), pi * 9, 1e-6);
    EXPECT_NEAR(ShapeArea(pieces[1]), 200 - 4 + pi, 1e-5);
    EXPECT_EQ(pieces[2].holes.size(), 1u);
    EXPECT_NEAR(ShapeArea(pieces[2]), 400 - pi * 36, 1e-6);
    EXPECT_NEAR(ShapeArea(pieces[3]), pi * 4, 1e-6);
}

TEST(DxfOutlines, MalformedFilesAreRefusedWithTheirReason) {
    const struct {
        const char* what;
        std::string text;
        const char* error;
    } cases[] = {
        {"empty", "", "The file holds no closed outline."},
        {"not a DXF", "hello\nworld\n", "The file holds no closed outline."},
        {"one open line", Dxf(Line(0, 0, 5, 5)), "An outline is not closed near (0, 0)."},
        {"a gap",
         Dxf(Join(
             {Line(0, 0, 10, 0), Line(10, 0, 10, 10), Line(10, 10, 0, 10), Line(0, 10, 0, 0.5)})),
         "An outline is not closed near (0, 0)."},
        {"a line outside the piece",
         Dxf(Join({Line(0, 0, 10, 0), Line(10, 0, 10, 10), Line(10, 10, 0, 10), Line(0, 10, 0, 0),
                   Line(20, 0, 25, 3)})),
         "An outline is not closed near (20, 0)."},
        {"cut off in the middle of an entity", "0\r\nLINE\r\n10\r\n0\r\n20",
         "The file holds no closed outline."},
        {"only points and text", Dxf({"0", "POINT", "10", "1", "20", "1", "0", "TEXT", "1", "x"}),
         "The file holds no closed outline."},
    };
    for (const auto& c : cases) {
        std::vector<NestShape> pieces;
        std::string error;
        EXPECT_FALSE(Read(c.text, pieces, error)) << c.what;
        EXPECT_EQ(error, c.error) << c.what;
        EXPECT_TRUE(pieces.empty()) << c.what;
    }
}

} // namespace
} // namespace brevant
