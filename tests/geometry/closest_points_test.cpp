// Feet of perpendiculars on lines and nearest points of circles.
#include "geometry/closest_points.h"

#include "geometry_test_util.h"

#include <cmath>

using namespace brevant;

TEST(GetClosestPointLine, FootOfThePerpendicularOnTheInfiniteLine) {
    const struct {
        TDLine line;
        TDPoint pick, foot;
    } cases[] = {
        {{{0, 0, 0}, {10, 0, 0}}, {3, 4, 0}, {3, 0, 0}},
        {{{0, 0, 0}, {10, 0, 0}}, {-20, -4, 0}, {-20, 0, 0}}, // beyond the segment
        {{{2, -5, 0}, {2, 5, 0}}, {7, 1, 0}, {2, 1, 0}},      // vertical line
        {{{0, 0, 0}, {10, 10, 0}}, {0, 10, 0}, {5, 5, 0}},
        {{{0, 0, 3}, {10, 10, 3}}, {10, 0, 8}, {5, 5, 0}}, // the foot has z = 0
        {{{0, 0, 0}, {10, 0, 0}}, {4, 0, 0}, {4, 0, 0}},   // pick on the line
    };
    for (const auto& c : cases) {
        TDPoint foot = test::kUntouched;
        EXPECT_EQ(GetClosestPointLine(c.line, c.pick, foot), kStatusOk);
        test::ExpectPointNear(foot, c.foot, 1e-5);
        foot = test::kUntouched;
        EXPECT_EQ(draw::GetClosestPointLine(c.line, c.pick, foot), kStatusOk);
        test::ExpectPointNear(foot, c.foot, 1e-5);
    }
}

TEST(GetClosestPointArc, PointOfTheWholeCircleTowardThePick) {
    const struct {
        TDArc arc;
        TDPoint pick, expected;
    } cases[] = {
        {{{1, 1, 2}, 5, 0, 90}, {1, 10, 0}, {1, 6, 2}},
        {{{1, 1, 2}, 5, 0, 90}, {-9, 1, 0}, {-4, 1, 2}}, // outside the sweep: still found
        {{{0, 0, 0}, 5, 0, 0}, {1, 1, 0}, {5 * std::sqrt(0.5), 5 * std::sqrt(0.5), 0}},
        {{{3, 4, 1}, 0, 0, 0}, {9, 9, 0}, {3, 4, 1}}, // zero radius: the centre
    };
    for (const auto& c : cases) {
        TDPoint p = test::kUntouched;
        EXPECT_EQ(GetClosestPointArc(c.arc, c.pick, p), kStatusOk);
        test::ExpectPointNear(p, c.expected, 1e-5);
        p = test::kUntouched;
        EXPECT_EQ(draw::GetClosestPointArc(c.arc, c.pick, p), kStatusOk);
        test::ExpectPointNear(p, c.expected, 1e-5);
    }
}
