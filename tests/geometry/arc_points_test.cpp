// Points on arcs: at an angle, the end points, the midpoint; calculator and drawing copies.
#include "geometry/arc_points.h"
#include "geometry/constants.h"

#include "geometry_test_util.h"

#include <cmath>

using namespace brevant;

TEST(PointArcAngle, PointOnTheCircleWithTheCentresZ) {
    const TDArc arc{{1, 2, 3}, 2, 0, 0};
    const struct {
        double angle;
        TDPoint expected;
    } cases[] = {
        {0, {3, 2, 3}}, {90, {1, 4, 3}}, {180, {-1, 2, 3}}, {-90, {1, 0, 3}}, {450, {1, 4, 3}}};
    for (const auto& c : cases) {
        TDPoint p = test::kUntouched;
        EXPECT_EQ(PointArcAngle(arc, c.angle, p), kStatusOk);
        test::ExpectPointNear(p, c.expected, 1e-8);
        test::ExpectPointNear(draw::PointArcAngle(arc, c.angle), c.expected, 1e-8);
    }
}

TEST(PointArcAngle, CalculatorAndDrawingUseTheirOwnDegreeConstant) {
    const TDArc arc{{0, 0, 0}, 1000, 0, 0};
    TDPoint p;
    ASSERT_EQ(PointArcAngle(arc, 37, p), kStatusOk);
    EXPECT_DOUBLE_EQ(p.x, 1000 * std::cos(37 / kCalcDegreesPerRadian));
    EXPECT_DOUBLE_EQ(draw::PointArcAngle(arc, 37).x, 1000 * std::cos(37 / kDrawDegreesPerRadian));
}

TEST(PointArcAngle, ZeroRadius) {
    const TDArc arc{{4, 5, 6}, 0, 0, 0};
    TDPoint p = test::kUntouched;
    EXPECT_NE(PointArcAngle(arc, 30, p), kStatusOk);
    test::ExpectPointNear(p, {0, 0, 0}, 0);
    // The drawing copy has no zero test: the point is the centre.
    test::ExpectPointNear(draw::PointArcAngle(arc, 30), {4, 5, 6}, 0);
}

TEST(GetArcEndPoints, WritesXAndYOnlyAndNothingForZeroRadius) {
    const TDArc arc{{1, 1, 9}, 2, 90, 180};
    TDPoint start = test::kUntouched, end = test::kUntouched;
    EXPECT_EQ(GetArcEndPoints(arc, start, end), 1);
    test::ExpectPointNear(start, {1, 3, -777}, 1e-8);
    test::ExpectPointNear(end, {-1, 1, -777}, 1e-8);

    start = end = test::kUntouched;
    EXPECT_EQ(draw::GetArcEndPoints(arc, start, end), 1);
    test::ExpectPointNear(start, {1, 3, -777}, 1e-8);

    start = end = test::kUntouched;
    EXPECT_EQ(GetArcEndPoints(TDArc{{1, 1, 0}, 0, 0, 90}, start, end), 0);
    EXPECT_EQ(start, test::kUntouched);
    EXPECT_EQ(end, test::kUntouched);
}

TEST(MidArc, HalfwayAlongTheCounterClockwiseSweep) {
    const struct {
        TDArc arc;
        TDPoint expected;
    } cases[] = {
        {{{0, 0, 2}, 10, 0, 90}, {10 * std::sqrt(0.5), 10 * std::sqrt(0.5), 2}},
        {{{0, 0, 0}, 10, 350, 10}, {10, 0, 0}},  // sweep across 0
        {{{0, 0, 0}, 10, 10, 350}, {-10, 0, 0}}, // the long way round
        {{{1, 1, 0}, 5, 30, 30},
         {1 + 5 * std::cos(210 / kCalcDegreesPerRadian),
          1 + 5 * std::sin(210 / kCalcDegreesPerRadian), 0}},
        {{{3, 4, 5}, 0, 0, 90}, {3, 4, 5}}, // zero radius: the centre
    };
    for (const auto& c : cases) {
        test::ExpectPointNear(MidArc(c.arc), c.expected, 1e-7);
        test::ExpectPointNear(draw::MidArc(c.arc), c.expected, 1e-7);
    }
}
