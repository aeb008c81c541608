// Lines from two points, from a point and a direction, and parallel offsets.
#include "geometry/lines.h"

#include "geometry_test_util.h"

#include <cmath>

using namespace brevant;

TEST(Line2Points, UndefinedWhenThePlanePointsCoincide) {
    const struct {
        TDPoint a, b;
        GeometryStatus status;
    } cases[] = {
        {{0, 0, 0}, {1, 0, 0}, kStatusOk},
        {{2, 3, 0}, {2, 3, 0}, kStatusUndefinedLine},
        {{2, 3, 0}, {2, 3, 5}, kStatusUndefinedLine}, // z is not compared
        {{2, 3, 0}, {2, 4, 0}, kStatusOk},
    };
    for (const auto& c : cases) {
        TDLine line;
        EXPECT_EQ(Line2Points(c.a, c.b, line), c.status);
        EXPECT_EQ(line, (TDLine{c.a, c.b})) << "the line is written in every case";
    }
}

TEST(LinePointAngle, StartsAtThePointInTheXYPlane) {
    const struct {
        TDPoint start;
        double angle, length;
        TDPoint end;
    } cases[] = {
        {{1, 1, 5}, 0, 10, {11, 1, 0}},
        {{1, 1, 5}, 90, 2, {1, 3, 0}},
        {{0, 0, 0}, 225, 1, {-std::sqrt(0.5), -std::sqrt(0.5), 0}},
        // A zero length gives a zero-length line at the start, not a line to the origin.
        {{4, 7, 1}, 30, 0, {4, 7, 0}},
    };
    for (const auto& c : cases) {
        TDLine line;
        EXPECT_EQ(LinePointAngle(c.start, c.angle, c.length, line), kStatusOk);
        test::ExpectPointNear(line.Point1, {c.start.x, c.start.y, 0}, 0);
        test::ExpectPointNear(line.Point2, c.end, 1e-7);
    }
}

TEST(LineOffset, ParallelOnThePickSide) {
    const TDLine base{{0, 0, 0}, {10, 0, 0}};
    const struct {
        TDLine line;
        double distance;
        TDPoint pick;
        TDLine expected;
    } cases[] = {
        {base, 2, {5, 5, 0}, {{0, 2, 0}, {10, 2, 0}}},
        {base, 2, {3, -1, 0}, {{0, -2, 0}, {10, -2, 0}}},
        {{{0, 0, 0}, {0, 10, 0}}, 1, {-4, 2, 0}, {{-1, 0, 0}, {-1, 10, 0}}},
        {{{0, 0, 0}, {4, 4, 0}}, std::sqrt(2.0), {0, 4, 0}, {{-1, 1, 0}, {3, 5, 0}}},
        // A zero distance gives the line itself, not a line collapsed onto the origin.
        {{{1, 2, 0}, {5, 6, 0}}, 0, {0, 9, 0}, {{1, 2, 0}, {5, 6, 0}}},
    };
    for (const auto& c : cases) {
        TDLine out;
        EXPECT_EQ(LineOffset(c.line, c.distance, c.pick, out), kStatusOk);
        test::ExpectPointNear(out.Point1, c.expected.Point1, 1e-5);
        test::ExpectPointNear(out.Point2, c.expected.Point2, 1e-5);
    }
}
