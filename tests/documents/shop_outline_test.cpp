// What a cutting machine takes from a flat pattern: the cut outlines as closed contours with
// their arcs as bulges, the bend lines, and the marks, each from the stroke's role and never
// from its pen.
#include "documents/shop_outline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace brevant {
namespace {

FlatStroke LineStroke(FlatRole role, TDPoint from, TDPoint to, FlatPen pen = {}) {
    return {role, pen, FlatLine{from, to}};
}

TEST(ShopOutlinesOf, CutOutlineIsClosedWithItsArcsAsBulges) {
    FlatPattern p;
    CutOutline o{"Ring piece", 3, {}};
    o.Arc({2, 0, 0}, {0, 0, 0}, 90);  // outer arc, counter-clockwise
    o.Line({0, 2, 0});                // in along the end
    o.Arc({0, 1, 0}, {0, 0, 0}, -90); // inner arc back, clockwise
    o.Line({1, 0, 0});
    p.Outlines.push_back(o);
    const ShopOutlines s = ShopOutlinesOf(p);
    ASSERT_EQ(s.cut.size(), 1u);
    const Contour& c = s.cut[0];
    EXPECT_TRUE(c.closed);
    ASSERT_EQ(c.vertices.size(), 4u);
    const double quarter = std::tan(std::numbers::pi / 8);
    EXPECT_NEAR(c.vertices[0].bulge, quarter, 1e-12);
    EXPECT_EQ(c.vertices[1].bulge, 0);
    EXPECT_NEAR(c.vertices[2].bulge, -quarter, 1e-12);
    EXPECT_NEAR(SignedArea(c), std::numbers::pi * (4 - 1) / 4, 1e-9);
}

TEST(ShopOutlinesOf, OutlineWithAPointThatIsNotANumberIsLeftOut) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    FlatPattern p;
    CutOutline bad{"Bad", 1, {}};
    bad.Line({0, 0, 0});
    bad.Line({nan, 1, 0});
    bad.Line({1, 1, 0});
    CutOutline good{"Good", 1, {}};
    good.Line({0, 0, 0});
    good.Line({1, 0, 0});
    good.Line({1, 1, 0});
    p.Outlines = {bad, good};
    const ShopOutlines s = ShopOutlinesOf(p);
    ASSERT_EQ(s.cut.size(), 1u);
    EXPECT_EQ(s.cut[0].vertices[1].x, 1);
}

TEST(ShopOutlinesOf, MarksComeFromRolesWhateverThePen) {
    FlatPattern p;
    const FlatPen yellow{1, kColorYellow}, red{2, kColorRed};
    p.Strokes = {
        LineStroke(FlatRole::TabJoin, {5, 0, 0}, {5, 1, 0}, red),
        LineStroke(FlatRole::Outline, {0, 0, 0}, {9, 0, 0}, yellow),
        LineStroke(FlatRole::Seam, {1, 0, 0}, {1, 1, 0}, red),
        LineStroke(FlatRole::Dimension, {0, -1, 0}, {9, -1, 0}, yellow),
        LineStroke(FlatRole::SideCut, {2, 0, 0}, {2, 1, 0}),
        LineStroke(FlatRole::Guide, {0, 2, 0}, {9, 2, 0}, yellow),
        LineStroke(FlatRole::Overlap, {6, 0, 0}, {6, 1, 0}, yellow),
    };
    p.HiddenTabJoins.push_back({{7, 0, 0}, {7, 1, 0}});
    const ShopOutlines s = ShopOutlinesOf(p);
    EXPECT_TRUE(s.cut.empty()) << "strokes are drawn; only outlines are cut";
    EXPECT_TRUE(s.bend.empty());
    // Seam and side cuts, then the edges tabs are bent along, the hidden ones last.
    ASSERT_EQ(s.mark.size(), 4u);
    const double xs[] = {1, 2, 5, 7};
    for (std::size_t i = 0; i < 4; ++i) {
        ASSERT_EQ(s.mark[i].vertices.size(), 2u);
        EXPECT_EQ(s.mark[i].vertices[0].x, xs[i]) << i;
        EXPECT_FALSE(s.mark[i].closed);
    }
}

TEST(ShopOutlinesOf, EachFanOfBendLinesRunsClockwiseAboutItsCorner) {
    FlatPattern p;
    // Two fans, each drawn counter-clockwise about its corner.
    for (double a : {200.0, 220.0, 240.0})
        p.Strokes.push_back(LineStroke(
            FlatRole::Bend, {0, 0, 0},
            {std::cos(a / 180 * std::numbers::pi), std::sin(a / 180 * std::numbers::pi), 0}));
    for (double y : {1.0, 2.0})
        p.Strokes.push_back(LineStroke(FlatRole::Bend, {10, 0, 0}, {9, y, 0}));
    const ShopOutlines s = ShopOutlinesOf(p);
    ASSERT_EQ(s.bend.size(), 5u);
    EXPECT_NEAR(s.bend[0].vertices[1].y, std::sin(240 / 180.0 * std::numbers::pi), 1e-12);
    EXPECT_NEAR(s.bend[2].vertices[1].y, std::sin(200 / 180.0 * std::numbers::pi), 1e-12);
    EXPECT_EQ(s.bend[3].vertices[1].y, 2);
    EXPECT_EQ(s.bend[4].vertices[1].y, 1);
}

TEST(ShopOutlinesOf, ArcStrokeRunsCounterClockwiseFromItsStartAngle) {
    FlatPattern p;
    p.Strokes.push_back({FlatRole::Seam, {}, FlatArc{{1, 1, 0}, 2, 90, 180}});
    p.Strokes.push_back({FlatRole::Seam, {}, FlatArc{{0, 0, 0}, 0, 0, 90}}); // no radius
    const ShopOutlines s = ShopOutlinesOf(p);
    ASSERT_EQ(s.mark.size(), 1u);
    const Contour& c = s.mark[0];
    EXPECT_NEAR(c.vertices[0].x, 1, 1e-9);
    EXPECT_NEAR(c.vertices[0].y, 3, 1e-9);
    EXPECT_NEAR(c.vertices[0].bulge, std::tan(std::numbers::pi / 8), 1e-9);
    EXPECT_NEAR(c.vertices[1].x, -1, 1e-9);
    EXPECT_NEAR(c.vertices[1].y, 1, 1e-9);
}

} // namespace
} // namespace brevant
