// The circle through three points and its collinear failure.
#include "geometry/circle_3points.h"

#include "geometry_test_util.h"

using namespace brevant;

TEST(Arc3Points, CircleThroughThreePoints) {
    const struct {
        const char* what;
        TDPoint p1, p2, p3;
        TDPoint centre;
        double r;
    } cases[] = {
        {"triangle", {0, 0, 0}, {2, 0, 0}, {1, 1, 0}, {1, 0, 0}, 1},
        {"z ignored", {3, 0, 7}, {0, 3, 7}, {-3, 0, 7}, {0, 0, 0}, 3},
        {"first two equal", {0, 0, 0}, {0, 0, 0}, {4, 0, 0}, {2, 0, 0}, 2},
        {"last two equal", {0, 0, 0}, {0, 6, 0}, {0, 6, 0}, {0, 3, 0}, 3},
        {"outer two equal", {1, 1, 5}, {1, 5, 5}, {1, 1, 5}, {1, 3, 0}, 2},
        {"all equal", {2, 2, 0}, {2, 2, 0}, {2, 2, 0}, {2, 2, 0}, 0},
    };
    for (const auto& c : cases) {
        TDArc arc;
        EXPECT_EQ(Arc3Points(c.p1, c.p2, c.p3, 15, 75, arc), kStatusOk) << c.what;
        test::ExpectPointNear(arc.Center, c.centre, 1e-9);
        EXPECT_NEAR(arc.r, c.r, 1e-9) << c.what;
        EXPECT_EQ(arc.sa, 15);
        EXPECT_EQ(arc.ea, 75);
    }
}

TEST(Arc3Points, PointsOnOneLineLeaveTheArcUnwritten) {
    const struct {
        const char* what;
        TDPoint p1, p2, p3;
    } cases[] = {
        {"in order", {0, 0, 0}, {1, 1, 0}, {2, 2, 0}},
        {"horizontal", {0, 0, 0}, {1, 0, 0}, {5, 0, 0}},
        {"first between", {0, 0, 0}, {1, 0, 0}, {-1, 0, 0}},
        {"first between, oblique", {0, 0, 0}, {1, 2, 0}, {-2, -4, 0}},
        {"within 0.001 radian", {0, 0, 0}, {10, 10, 0}, {20, 20.005, 0}},
    };
    const TDArc untouched{{-1, -1, -1}, -1, -1, -1};
    for (const auto& c : cases) {
        TDArc arc = untouched;
        EXPECT_EQ(Arc3Points(c.p1, c.p2, c.p3, 0, 90, arc), kStatusPointsOnSameLine) << c.what;
        EXPECT_EQ(arc, untouched) << c.what;
    }
}
