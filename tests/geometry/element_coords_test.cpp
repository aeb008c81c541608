// Reading element coordinates as points, lines and arcs, and the element routines.
#include "geometry/element_coords.h"

#include "geometry_test_util.h"

#include <cmath>

using namespace brevant;

TEST(ElementCoords, AdaptersReadCoordinatesOneToSix) {
    const double c[7] = {99, 1, 2, 3, 4, 5, 6}; // index 0 unused
    const ElementCoords coords = CoordsFrom1Based(c);
    EXPECT_EQ(PointFromCoords(coords), (TDPoint{1, 2, 3}));
    EXPECT_EQ(LineFromCoords(coords), (TDLine{{1, 2, 3}, {4, 5, 6}}));
    EXPECT_EQ(ArcFromCoords(coords), (TDArc{{1, 2, 3}, 4, 5, 6}));
    const std::array<double, 7> a = {99, 1, 2, 3, 4, 5, 6};
    EXPECT_EQ(ArcFromCoords(CoordsFrom1Based(a)), (TDArc{{1, 2, 3}, 4, 5, 6}));
}

TEST(ElementCoords, ArcElementEndPointsAndMidpoint) {
    const double arc[6] = {1, 1, 2, 2, 0, 90};
    TDPoint start = test::kUntouched, end = test::kUntouched;
    EXPECT_EQ(draw::GetArcEndPoints(arc, start, end), 1);
    test::ExpectPointNear(start, {3, 1, -777}, 1e-9);
    test::ExpectPointNear(end, {1, 3, -777}, 1e-9);
    test::ExpectPointNear(draw::MidArc(arc), {1 + std::sqrt(2.0), 1 + std::sqrt(2.0), 2}, 1e-9);

    const double flat[6] = {1, 1, 0, 0, 0, 90};
    start = test::kUntouched;
    EXPECT_EQ(draw::GetArcEndPoints(flat, start, end), 0);
    EXPECT_EQ(start, test::kUntouched);
}

TEST(ElementCoords, ClosestPointByElementType) {
    const TDPoint pick{3, 4, 0};
    const struct {
        const char* what;
        int type;
        double coords[6];
        TDPoint expected;
    } cases[] = {
        {"point", 1, {7, 8, 9, 0, 0, 0}, {7, 8, 9}},
        {"line", 2, {0, 0, 0, 10, 0, 0}, {3, 0, 0}},
        {"arc", 3, {0, 0, 1, 10, 0, 90}, {6, 8, 1}},
        {"text", 5, {1, 1, 1, 1, 1, 1}, test::kUntouched},
        {"empty", 0, {1, 1, 1, 1, 1, 1}, test::kUntouched},
    };
    for (const auto& c : cases) {
        TDPoint p = test::kUntouched;
        EXPECT_EQ(draw::GetClosestPoint(c.type, c.coords, pick, p), 1) << c.what;
        test::ExpectPointNear(p, c.expected, 1e-5);
    }
}
