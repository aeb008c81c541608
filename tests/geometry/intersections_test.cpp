// Line-line, line-circle and circle-circle intersections with their failure statuses.
#include "geometry/intersections.h"

#include "geometry_test_util.h"

#include <cmath>

using namespace brevant;

TEST(Point2Lines, CrossingOfTheInfiniteLines) {
    const struct {
        TDLine a, b;
        TDPoint expected;
        double tolerance;
    } cases[] = {
        {{{0, 0, 0}, {10, 10, 0}}, {{0, 10, 0}, {10, 0, 0}}, {5, 5, 0}, 1e-9},
        {{{0, 0, 4}, {1, 1, 4}}, {{0, 10, 4}, {1, 9, 4}}, {5, 5, 0}, 1e-9}, // z = 0
        {{{0, 0, 0}, {1, 2, 0}}, {{10, 0, 0}, {11, -1, 0}}, {10.0 / 3, 20.0 / 3, 0}, 1e-9},
        // A vertical line is a very steep one: the crossing is close, not exact.
        {{{5, 0, 0}, {5, 10, 0}}, {{0, 3, 0}, {10, 3, 0}}, {5, 3, 0}, 1e-5},
        {{{0, 3, 0}, {10, 3, 0}}, {{-2, 0, 0}, {-2, 1, 0}}, {-2, 3, 0}, 1e-5},
    };
    for (const auto& c : cases) {
        TDPoint p = test::kUntouched;
        EXPECT_EQ(Point2Lines(c.a, c.b, p), kStatusOk);
        test::ExpectPointNear(p, c.expected, c.tolerance);
    }
}

TEST(Point2Lines, ParallelLinesLeaveThePointUnwritten) {
    const struct {
        const char* what;
        TDLine a, b;
    } cases[] = {
        {"equal slopes", {{0, 0, 0}, {1, 1, 0}}, {{0, 5, 0}, {3, 8, 0}}},
        {"horizontal", {{0, 0, 0}, {1, 0, 0}}, {{0, 5, 0}, {-3, 5, 0}}},
        {"vertical, equal heights", {{0, 0, 0}, {0, 10, 0}}, {{5, 0, 0}, {5, 10, 0}}},
        // Two vertical lines of different heights must not cross far away.
        {"vertical, other heights", {{0, 0, 0}, {0, 10, 0}}, {{5, 0, 0}, {5, 20, 0}}},
        {"vertical, opposite", {{0, 0, 0}, {0, 10, 0}}, {{5, 7, 0}, {5, 1, 0}}},
    };
    for (const auto& c : cases) {
        TDPoint p = test::kUntouched;
        EXPECT_EQ(Point2Lines(c.a, c.b, p), kStatusParallelLines) << c.what;
        EXPECT_EQ(p, test::kUntouched) << c.what;
    }
}

namespace {

struct NormalLineCase {
    const char* what;
    double a, b, c;
    GeometryStatus status;
    double x1, y1, x2, y2;
};

} // namespace

TEST(PointsNormalLineArc, LineAgainstCircle) {
    const TDArc circle{{0, 0, 0}, 5, 0, 0};
    const double u = -777; // unwritten
    const NormalLineCase cases[] = {
        {"horizontal y = 3", 0, 1, -3, kStatusOk, 4, 3, -4, 3},
        {"nearly horizontal", 5e-8, 1, -3, kStatusOk, 4, 3, -4, 3},
        {"horizontal miss: y written", 0, 1, -6, kStatusArcDoesNotIntersect, u, 6, u, 6},
        {"vertical x = 3", 1, 0, -3, kStatusOk, 3, 4, 3, -4},
        {"vertical tangent", 1, 0, -5, kStatusOk, 5, 1e-4, 5, -1e-4},
        {"vertical miss", 1, 0, -6, kStatusRadiusDoesNotIntersect, u, u, u, u},
        {"no line at all", 0, 0, -3, kStatusUndefinedLine, u, u, u, u},
        {"no line, c = 0", 0, 0, 0, kStatusUndefinedLine, u, u, u, u},
    };
    for (const auto& c : cases) {
        double x1 = u, y1 = u, x2 = u, y2 = u;
        EXPECT_EQ(PointsNormalLineArc(c.a, c.b, c.c, circle, x1, y1, x2, y2), c.status) << c.what;
        EXPECT_NEAR(x1, c.x1, 1e-9) << c.what;
        EXPECT_NEAR(y1, c.y1, 1e-9) << c.what;
        EXPECT_NEAR(x2, c.x2, 1e-9) << c.what;
        EXPECT_NEAR(y2, c.y2, 1e-9) << c.what;
    }
}

TEST(PointsNormalLineArc, ObliqueLineAgainstShiftedCircle) {
    // x + y - 7 = 0 against the circle of radius 5 about (3, 4): through (3, 4) itself.
    const double h = 5 * std::sqrt(0.5);
    double x1, y1, x2, y2;
    const double n = std::sqrt(2.0);
    ASSERT_EQ(PointsNormalLineArc(1 / n, 1 / n, -7 / n, {{3, 4, 0}, 5, 0, 0}, x1, y1, x2, y2),
              kStatusOk);
    EXPECT_NEAR(x1, 3 - h, 1e-9);
    EXPECT_NEAR(y1, 4 + h, 1e-9);
    EXPECT_NEAR(x2, 3 + h, 1e-9);
    EXPECT_NEAR(y2, 4 - h, 1e-9);
}

TEST(Points2Arcs, BothCrossingsInAFixedOrder) {
    const struct {
        const char* what;
        TDArc a, b;
        TDPoint first, second;
    } cases[] = {
        {"side by side", {{0, 0, 2}, 13, 0, 0}, {{10, 0, 9}, 13, 0, 0}, {5, 12, 2}, {5, -12, 2}},
        {"one above the other", {{0, 0, 0}, 5, 0, 0}, {{0, 6, 0}, 5, 0, 0}, {4, 3, 0}, {-4, 3, 0}},
        {"touching", {{0, 0, 0}, 5, 0, 0}, {{10, 0, 0}, 5, 0, 0}, {5, 0, 0}, {5, 0, 0}},
    };
    for (const auto& c : cases) {
        TDPoint p1 = test::kUntouched, p2 = test::kUntouched;
        EXPECT_EQ(Points2Arcs(c.a, c.b, p1, p2), kStatusOk) << c.what;
        test::ExpectPointNear(p1, c.first, 1e-3);
        test::ExpectPointNear(p2, c.second, 1e-3);
    }
}

TEST(Points2Arcs, FailuresLeaveThePointsUnwritten) {
    const struct {
        const char* what;
        TDArc a, b;
        GeometryStatus status;
    } cases[] = {
        {"too far apart",
         {{0, 0, 0}, 4, 0, 0},
         {{10, 0, 0}, 5, 0, 0},
         kStatusRadiusDoesNotIntersect},
        {"concentric", {{1, 1, 0}, 4, 0, 0}, {{1, 1, 0}, 5, 0, 0}, kStatusConcentricCircles},
        {"inside, beside",
         {{0, 0, 0}, 10, 0, 0},
         {{1, 0, 0}, 2, 0, 0},
         kStatusRadiusDoesNotIntersect},
        // Centres one above the other make a horizontal radical line.
        {"inside, above", {{0, 0, 0}, 10, 0, 0}, {{0, 1, 0}, 2, 0, 0}, kStatusArcDoesNotIntersect},
    };
    for (const auto& c : cases) {
        TDPoint p1 = test::kUntouched, p2 = test::kUntouched;
        EXPECT_EQ(Points2Arcs(c.a, c.b, p1, p2), c.status) << c.what;
        EXPECT_EQ(p1, test::kUntouched) << c.what;
        EXPECT_EQ(p2, test::kUntouched) << c.what;
    }
}

TEST(Point2Arcs, TheCrossingNearerThePickAndTheSecondOnATie) {
    const TDArc a{{0, 0, 0}, 13, 0, 0}, b{{10, 0, 0}, 13, 0, 0};
    const struct {
        TDPoint pick, expected;
    } cases[] = {
        {{5, 11, 0}, {5, 12, 0}},
        {{0, -3, 0}, {5, -12, 0}},
        {{5, 0, 0}, {5, -12, 0}}, // exactly between: the second crossing
    };
    for (const auto& c : cases) {
        TDPoint p = test::kUntouched;
        EXPECT_EQ(Point2Arcs(a, b, c.pick, p), kStatusOk);
        test::ExpectPointNear(p, c.expected, 1e-9);
    }
    TDPoint p = test::kUntouched;
    EXPECT_EQ(Point2Arcs(a, TDArc{{0, 0, 0}, 2, 0, 0}, {0, 0, 0}, p), kStatusConcentricCircles);
    EXPECT_EQ(p, test::kUntouched);
}

TEST(PointLineArc, CrossingNearestThePick) {
    const TDArc circle{{0, 0, 1}, 5, 0, 90};
    const struct {
        const char* what;
        TDLine line;
        TDPoint pick, expected;
    } cases[] = {
        {"through the centre", {{-10, 0, 0}, {10, 0, 0}}, {4, 1, 0}, {5, 0, 1}},
        {"through the centre, other side", {{-10, 0, 0}, {10, 0, 0}}, {-6, 0, 0}, {-5, 0, 1}},
        {"oblique through the centre",
         {{0, 0, 0}, {1, 1, 0}},
         {-3, -4, 0},
         {-5 * std::sqrt(0.5), -5 * std::sqrt(0.5), 1}},
        {"chord y = 3, right", {{-10, 3, 0}, {10, 3, 0}}, {4.5, 3.2, 0}, {4, 3, 1}},
        {"chord y = 3, left", {{10, 3, 0}, {-10, 3, 0}}, {-3.5, 2.5, 0}, {-4, 3, 1}},
        {"vertical chord x = 3", {{3, -10, 0}, {3, 10, 0}}, {3.2, -3.5, 0}, {3, -4, 1}},
        {"tangent y = 5", {{-10, 5, 0}, {10, 5, 0}}, {1, 5, 0}, {0, 5, 1}},
    };
    for (const auto& c : cases) {
        TDPoint p = test::kUntouched;
        EXPECT_EQ(PointLineArc(c.line, circle, c.pick, p), kStatusOk) << c.what;
        test::ExpectPointNear(p, c.expected, 1e-5);
    }
}

TEST(PointLineArc, MissingLineStillGivesAPointButReportsIt) {
    TDPoint p = test::kUntouched;
    EXPECT_EQ(PointLineArc({{-10, 6, 0}, {10, 6, 0}}, {{0, 0, 0}, 5, 0, 0}, {0, 6, 0}, p),
              kStatusRadiusDoesNotIntersect);
    EXPECT_NE(p, test::kUntouched);
    EXPECT_NEAR(std::hypot(p.x, p.y), 5, 1e-9); // a point of the circle
}
