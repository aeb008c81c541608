// Plane and space distances with the 100000 cut-off, and midpoints.
#include "geometry/distances.h"

#include "geometry_test_util.h"

using namespace brevant;

TEST(Distance, PlaneDistanceWithCutOff) {
    const struct {
        double x1, y1, x2, y2, expected;
    } cases[] = {
        {0, 0, 3, 4, 5},       {1, 1, 1, 1, 0},           {0, 0, 100001, 0, 0},
        {0, 0, 0, -100001, 0}, {0, 0, 100000, 0, 100000}, {-2, -3, 1, 1, 5},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(Distance(c.x1, c.y1, c.x2, c.y2), c.expected) << c.x2 << "," << c.y2;
}

TEST(Distance, TwoPointsIgnoreZAndSpaceDistanceHasNoCutOff) {
    EXPECT_DOUBLE_EQ(Distance2Points({0, 0, 0}, {3, 4, 12}), 5);
    EXPECT_DOUBLE_EQ(Distance2Points({0, 0, 0}, {100001, 0, 0}), 0);
    EXPECT_DOUBLE_EQ(Distance3D({0, 0, 0}, {100001, 0, 0}), 100001);
    EXPECT_DOUBLE_EQ(Distance3D({0, 0, 0}, {3, 4, 12}), 13);
    EXPECT_DOUBLE_EQ(Distance3D({1, 1, 1}, {1, 1, 1}), 0);
}

TEST(MidPoint, HalfwayOnEveryAxis) {
    test::ExpectPointNear(MidPoint(0, 2, -4, 10, 4, 4), {5, 3, 0}, 0);
    test::ExpectPointNear(MidPoint2Points({1, 1, 1}, {-3, 5, 2}), {-1, 3, 1.5}, 0);
}
