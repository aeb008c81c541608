// A flat pattern's cut outlines as the nester's parts: pieces sorted with their holes, the
// quantities multiplied, arcs kept with finite bulges, the job's unit applied, and the patterns
// a nest cannot take refused.
#include "nesting/pattern_parts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace brevant {
namespace {

CutOutline Square(const std::string& piece, int quantity, double x0, double y0, double side) {
    CutOutline o{piece, quantity, {}};
    o.Line({x0, y0});
    o.Line({x0 + side, y0});
    o.Line({x0 + side, y0 + side});
    o.Line({x0, y0 + side});
    return o;
}

// A whole circle as one arc edge, as a kind may draw a round hole.
CutOutline Circle(double cx, double cy, double r) {
    CutOutline o{"Hole", 1, {}};
    o.Arc({cx + r, cy}, {cx, cy}, 360);
    return o;
}

TEST(PatternParts, PiecesHolesQuantitiesAndTheUnit) {
    FlatPattern p;
    p.Outlines.push_back(Square("Plate", 2, 0, 0, 10));
    p.Outlines.push_back(Circle(5, 5, 2));
    p.Outlines.push_back(Square("Tab", 3, 20, 0, 4));
    std::vector<NestPart> parts;
    std::string error;
    const double mm = 25.4;
    ASSERT_TRUE(AddPatternParts(p, mm, "job.layout", 5, parts, error)) << error;
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[0].name, "job.layout, Plate (1 of 2)");
    EXPECT_EQ(parts[0].quantity, 10);
    ASSERT_EQ(parts[0].shape.holes.size(), 1u);
    for (const NestVertex& v : parts[0].shape.holes[0])
        EXPECT_TRUE(std::isfinite(v.bulge));
    const double expected = (100 - 3.14159265358979 * 4) * mm * mm;
    EXPECT_NEAR(ShapeArea(parts[0].shape), expected, 1e-9 * expected);
    EXPECT_EQ(parts[1].name, "job.layout, Tab (2 of 2)");
    EXPECT_EQ(parts[1].quantity, 15);
    EXPECT_DOUBLE_EQ(parts[1].shape.outer[0].x, 20 * mm);
    EXPECT_NEAR(ShapeArea(parts[1].shape), 16 * mm * mm, 1e-9);
}

TEST(PatternParts, AClockwiseOutlineIsTurnedAndASinglePieceKeepsThePartsName) {
    FlatPattern p;
    CutOutline o = Square("Cone", 1, 0, 0, 3);
    std::reverse(o.Edges.begin(), o.Edges.end());
    p.Outlines.push_back(o);
    std::vector<NestPart> parts;
    std::string error;
    ASSERT_TRUE(AddPatternParts(p, 1, "cone.layout", 1, parts, error)) << error;
    ASSERT_EQ(parts.size(), 1u);
    EXPECT_EQ(parts[0].name, "cone.layout");
    EXPECT_NEAR(LoopArea(parts[0].shape.outer), 9, 1e-12);
}

TEST(PatternParts, PatternsANestCannotTakeAreRefused) {
    FlatPattern none;
    FlatPattern flat;
    CutOutline line{"Strip", 1, {}};
    line.Line({0, 0});
    line.Line({5, 0});
    flat.Outlines.push_back(line);
    FlatPattern nan;
    nan.Outlines.push_back(Square("Plate", 1, std::nan(""), 0, 1));
    FlatPattern many;
    many.Outlines.push_back(Square("Plate", 1000, 0, 0, 1));
    const struct {
        const FlatPattern* pattern;
        int count;
        const char* error;
    } cases[] = {
        {&none, 1, "the part has no cut outline"},
        {&flat, 1, "a cut outline of the part encloses no area"},
        {&nan, 1, "a cut outline of the part has a point that is not a number"},
        {&many, 101, "the part needs 101000 copies of a piece (from 1 to 100000 can be nested)"},
    };
    for (const auto& c : cases) {
        std::vector<NestPart> parts;
        std::string error;
        EXPECT_FALSE(AddPatternParts(*c.pattern, 1, "p", c.count, parts, error));
        EXPECT_EQ(error, c.error);
    }
}

} // namespace
} // namespace brevant
