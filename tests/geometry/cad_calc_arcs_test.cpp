// The calculator's arc constructions: about a centre, through points, tangent to lines and
// circles; the angles they copy and what they leave unwritten on failure.
#include "geometry/cad_calc.h"

#include "cad_calc_test_util.h"
#include "geometry_test_util.h"

#include <cmath>
#include <numbers>

using namespace brevant;

namespace {

const TCadCalc calc;
const TDArc kUntouchedArc{test::kUntouched, -777, -777, -777};

void ExpectArcNear(const TDArc& actual, const TDPoint& centre, double r, double tolerance) {
    test::ExpectPointNear(actual.Center, centre, tolerance);
    EXPECT_NEAR(actual.r, r, tolerance);
}

// A point at distance d from c in a random direction.
TDPoint AtDistance(test::RandomPlane& random, const TDPoint& c, double d) {
    const double a = random.Uniform(0, 2 * std::numbers::pi);
    return {c.x + d * std::cos(a), c.y + d * std::sin(a), 0};
}

} // namespace

// Every arc constructor copies the start and end angles unchanged; the construction gives
// only the centre and the radius.
TEST(CadCalcArcs, StartAndEndAnglesAreCopied) {
    const double sa = 400, ea = -30;
    const TDPoint o{0, 0, 0}, p{4, 0, 0}, q{0, 3, 0};
    const TDLine x{{0, 0, 0}, {10, 0, 0}}, y{{0, 0, 0}, {0, 10, 0}}, slant{{4, 0, 0}, {0, 3, 0}};
    const TDArc unit{{0, 0, 0}, 1, 10, 20}, far{{10, 0, 0}, 1, 30, 40};
    TDArc a[15];
    for (TDArc& arc : a)
        arc = kUntouchedArc;
    TDArc second = kUntouchedArc;
    EXPECT_EQ(calc.ArcCenterRad(o, 2, sa, ea, a[0]), kStatusOk);
    EXPECT_EQ(calc.ArcCenterTanLine(q, x, sa, ea, a[1]), kStatusOk);
    EXPECT_EQ(calc.ArcCenterPoint(o, p, sa, ea, a[2]), kStatusOk);
    EXPECT_EQ(calc.ArcCenterTanArc({9, 9, 0}, {5, 0, 0}, unit, sa, ea, a[3]), kStatusOk);
    EXPECT_EQ(calc.Arc3Points(o, p, q, sa, ea, a[4]), kStatusOk);
    EXPECT_EQ(calc.ArcTanLinePoint(x, {5, 1, 0}, {0, 1, 0}, 1, sa, ea, a[5]), kStatusOk);
    EXPECT_EQ(calc.ArcTan2Lines(x, y, 1, sa, ea, {5, 5, 0}, {5, 5, 0}, a[6]), kStatusOk);
    EXPECT_EQ(calc.ArcTanLineArc(x, far, 1, sa, ea, {10, 2, 0}, {10, 2, 0}, a[7]), kStatusOk);
    EXPECT_EQ(calc.ArcTan2Arcs(unit, far, 12, sa, ea, o, o, a[8]), kStatusOk);
    EXPECT_EQ(calc.ArcTanLine2Points(x, {0, 2, 0}, {4, 2, 0}, sa, ea, a[9]), kStatusOk);
    EXPECT_EQ(calc.ArcTanArcPoint(unit, {3, 3, 0}, {3, 0, 0}, 2, sa, ea, a[10]), kStatusOk);
    EXPECT_EQ(calc.ArcThrough2Points(o, p, 3, sa, ea, a[11], second), kStatusOk);
    EXPECT_EQ(calc.ArcBetween2Points(o, p, sa, ea, a[12]), kStatusOk);
    EXPECT_EQ(calc.ArcTan3Lines(x, y, slant, o, sa, ea, a[13]), kStatusOk);
    a[14] = second;
    for (const TDArc& arc : a) {
        EXPECT_EQ(arc.sa, sa);
        EXPECT_EQ(arc.ea, ea);
    }
}

TEST(CadCalcArcs, CasesWithKnownCircles) {
    const struct {
        const char* what;
        GeometryStatus (*build)(TDArc&);
        TDPoint centre;
        double r;
    } cases[] = {
        {"three points",
         [](TDArc& a) {
             return calc.Arc3Points({0, 0, 0}, {2, 0, 0}, {1, 1, 0}, 0, 0, a);
         },
         {1, 0, 0},
         1},
        {"three points, two equal",
         [](TDArc& a) {
             return calc.Arc3Points({0, 0, 0}, {0, 0, 0}, {4, 0, 0}, 0, 0, a);
         },
         {2, 0, 0},
         2},
        {"centre through a point",
         [](TDArc& a) {
             return calc.ArcCenterPoint({0, 0, 0}, {3, 4, 0}, 0, 0, a);
         },
         {0, 0, 0},
         5},
        {"centre tangent to a line",
         [](TDArc& a) {
             return calc.ArcCenterTanLine({2, 3, 0}, {{0, 0, 0}, {10, 0, 0}}, 0, 0, a);
         },
         {2, 3, 0},
         3},
        {"centre on the line gives radius 0",
         [](TDArc& a) {
             return calc.ArcCenterTanLine({2, 0, 0}, {{0, 0, 0}, {10, 0, 0}}, 0, 0, a);
         },
         {2, 0, 0},
         0},
        {"centre tangent to a circle, outside",
         [](TDArc& a) {
             return calc.ArcCenterTanArc({6, 0, 0}, {10, 0, 0}, {{0, 0, 0}, 2, 0, 0}, 0, 0, a);
         },
         {10, 0, 0},
         8},
        {"centre tangent to a circle, enclosing",
         [](TDArc& a) {
             return calc.ArcCenterTanArc({30, 0, 0}, {10, 0, 0}, {{0, 0, 0}, 2, 0, 0}, 0, 0, a);
         },
         {10, 0, 0},
         12},
        // From inside the circle the touching circle about the centre has radius r - e.
        {"centre tangent to a circle, from inside",
         [](TDArc& a) {
             return calc.ArcCenterTanArc({1, 0, 0}, {1, 0, 0}, {{0, 0, 0}, 5, 0, 0}, 0, 0, a);
         },
         {1, 0, 0},
         4},
        {"between two points",
         [](TDArc& a) {
             return calc.ArcBetween2Points({0, 0, 0}, {4, 0, 0}, 0, 0, a);
         },
         {2, 0, 0},
         2},
        {"tangent to two lines",
         [](TDArc& a) {
             return calc.ArcTan2Lines({{0, 0, 0}, {10, 0, 0}}, {{0, 0, 0}, {0, 10, 0}}, 2, 0, 0,
                                      {5, 5, 0}, {5, 5, 0}, a);
         },
         {2, 2, 0},
         2},
        {"tangent to three lines, a triangle",
         [](TDArc& a) {
             return calc.ArcTan3Lines({{0, 0, 0}, {4, 0, 0}}, {{0, 0, 0}, {0, 3, 0}},
                                      {{4, 0, 0}, {0, 3, 0}}, {50, -50, 0}, 0, 0, a);
         },
         {1, 1, 0},
         1},
        {"tangent to three lines, a strip",
         [](TDArc& a) {
             return calc.ArcTan3Lines({{0, 0, 0}, {10, 0, 0}}, {{0, 4, 0}, {10, 4, 0}},
                                      {{0, 0, 0}, {0, 10, 0}}, {1, 1, 0}, 0, 0, a);
         },
         {2, 2, 0},
         2},
        // Parallel lines drawn in opposite directions are still a strip.
        {"tangent to three lines, a strip drawn both ways",
         [](TDArc& a) {
             return calc.ArcTan3Lines({{0, 0, 0}, {10, 0, 0}}, {{10, 4, 0}, {0, 4, 0}},
                                      {{0, 0, 0}, {0, 10, 0}}, {1, 1, 0}, 0, 0, a);
         },
         {2, 2, 0},
         2},
        {"tangent to a line through a point",
         [](TDArc& a) {
             return calc.ArcTanLinePoint({{0, 0, 0}, {10, 0, 0}}, {10, 1, 0}, {0, 1, 0}, 1, 0, 0,
                                         a);
         },
         {1, 1, 0},
         1},
        {"tangent to a line at a point on it, on the pick's side",
         [](TDArc& a) {
             return calc.ArcTanLinePoint({{0, 0, 0}, {10, 0, 0}}, {4, -3, 0}, {4, 0, 0}, 2, 0, 0,
                                         a);
         },
         {4, -2, 0},
         2},
        {"tangent to a circle through a point",
         [](TDArc& a) {
             return calc.ArcTanArcPoint({{0, 0, 0}, 5, 0, 0}, {3, 3, 0}, {3, 0, 0}, 2, 0, 0, a);
         },
         {2.333333, 1.885618, 0},
         2},
        {"tangent to two circles",
         [](TDArc& a) {
             return calc.ArcTan2Arcs({{0, 0, 0}, 1, 0, 0}, {{10, 0, 0}, 1, 0, 0}, 12, 0, 0,
                                     {0, 0, 0}, {0, 0, 0}, a);
         },
         {5, 12, 0},
         12},
        {"tangent to a line through two points",
         [](TDArc& a) {
             return calc.ArcTanLine2Points({{0, 0, 0}, {10, 0, 0}}, {0, 2, 0}, {4, 2, 0}, 0, 0, a);
         },
         {2, 2, 0},
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TDArc arc = kUntouchedArc;
        EXPECT_EQ(c.build(arc), kStatusOk);
        ExpectArcNear(arc, c.centre, c.r, 1e-6);
    }
}

TEST(CadCalcArcs, ThroughTwoPoints) {
    TDArc a = kUntouchedArc, b = kUntouchedArc;
    EXPECT_EQ(calc.ArcThrough2Points({0, 0, 0}, {10, 0, 0}, 13, 0, 0, a, b), kStatusOk);
    ExpectArcNear(a, {5, 12, 0}, 13, 1e-6);
    ExpectArcNear(b, {5, -12, 0}, 13, 1e-6);
    for (const double radius : {4.0, 0.0, -1.0}) {
        a = kUntouchedArc;
        b = kUntouchedArc;
        EXPECT_EQ(calc.ArcThrough2Points({0, 0, 0}, {10, 0, 0}, radius, 0, 0, a, b), kStatusNoArc);
        EXPECT_EQ(a, kUntouchedArc);
        EXPECT_EQ(b, kUntouchedArc);
    }
    EXPECT_EQ(calc.ArcThrough2Points({3, 3, 0}, {3, 3, 0}, 2, 0, 0, a, b), kStatusNoArc);
    EXPECT_EQ(a, kUntouchedArc);
}

TEST(CadCalcArcs, PartialWritesKeepTheCallersFields) {
    TDArc arc = kUntouchedArc;
    EXPECT_EQ(calc.ArcCenterRad({1, 2, 3}, 4, 5, 6, arc), kStatusOk);
    EXPECT_EQ(arc, (TDArc{{1, 2, -777}, 4, 5, 6}));

    arc = kUntouchedArc;
    EXPECT_EQ(calc.ArcTanLineArc({{0, 0, 0}, {20, 0, 0}}, {{10, 0, 0}, 1, 0, 0}, 1, 5, 6,
                                 {10, 2, 0}, {10, 2, 0}, arc),
              kStatusOk);
    EXPECT_EQ(arc.Center.z, -777);

    // Parallel offsets: r, sa and ea are already written, the centre is not.
    arc = kUntouchedArc;
    EXPECT_EQ(calc.ArcTan2Lines({{0, 0, 0}, {10, 0, 0}}, {{0, 5, 0}, {10, 5, 0}}, 1, 5, 6,
                                {1, 1, 0}, {1, 1, 0}, arc),
              kStatusParallelLines);
    EXPECT_EQ(arc, (TDArc{test::kUntouched, 1, 5, 6}));
}

TEST(CadCalcArcs, FailuresLeaveTheArcUnwritten) {
    const struct {
        const char* what;
        GeometryStatus (*build)(TDArc&);
        GeometryStatus status;
    } cases[] = {
        {"three points on a line",
         [](TDArc& a) {
             return calc.Arc3Points({0, 0, 0}, {1, 1, 0}, {2, 2, 0}, 0, 0, a);
         },
         kStatusPointsOnSameLine},
        {"point too far from the line",
         [](TDArc& a) {
             return calc.ArcTanLinePoint({{0, 0, 0}, {10, 0, 0}}, {10, 1, 0}, {0, 3, 0}, 1, 0, 0,
                                         a);
         },
         kStatusArcDoesNotIntersect},
        {"three lines drawn the same way",
         [](TDArc& a) {
             return calc.ArcTan3Lines({{0, 0, 0}, {10, 0, 0}}, {{0, 4, 0}, {10, 4, 0}},
                                      {{0, 9, 0}, {10, 9, 0}}, {1, 1, 0}, 0, 0, a);
         },
         kStatusNoArc},
        {"three lines through one point",
         [](TDArc& a) {
             return calc.ArcTan3Lines({{0, 0, 0}, {10, 0, 0}}, {{0, 0, 0}, {10, 10, 0}},
                                      {{0, 0, 0}, {-3, 10, 0}}, {1, 1, 0}, 0, 0, a);
         },
         kStatusParallelLines},
        {"two circles too far apart",
         [](TDArc& a) {
             return calc.ArcTan2Arcs({{0, 0, 0}, 1, 0, 0}, {{100, 0, 0}, 1, 0, 0}, 2, 0, 0,
                                     {0, 0, 0}, {0, 0, 0}, a);
         },
         kStatusRadiusDoesNotIntersect},
        {"two concentric circles",
         [](TDArc& a) {
             return calc.ArcTan2Arcs({{0, 0, 0}, 1, 0, 0}, {{0, 0, 0}, 3, 0, 0}, 2, 0, 0, {0, 0, 0},
                                     {0, 0, 0}, a);
         },
         kStatusConcentricCircles},
        {"line and circle too far apart",
         [](TDArc& a) {
             return calc.ArcTanLineArc({{0, 0, 0}, {10, 0, 0}}, {{0, 50, 0}, 1, 0, 0}, 2, 0, 0,
                                       {0, 1, 0}, {0, 60, 0}, a);
         },
         kStatusRadiusDoesNotIntersect},
        {"point too far from the circle",
         [](TDArc& a) {
             return calc.ArcTanArcPoint({{0, 0, 0}, 5, 0, 0}, {20, 1, 0}, {20, 0, 0}, 2, 0, 0, a);
         },
         kStatusRadiusDoesNotIntersect},
        {"points on both sides of the line",
         [](TDArc& a) {
             return calc.ArcTanLine2Points({{0, 0, 0}, {10, 0, 0}}, {1, 1, 0}, {2, -1, 0}, 0, 0, a);
         },
         kStatusRadiusDoesNotIntersect},
        {"two points on the line",
         [](TDArc& a) {
             return calc.ArcTanLine2Points({{0, 0, 0}, {10, 0, 0}}, {1, 0, 0}, {2, 0, 0}, 0, 0, a);
         },
         kStatusRadiusDoesNotIntersect},
        {"coincident points",
         [](TDArc& a) {
             return calc.ArcTanLine2Points({{0, 0, 0}, {10, 0, 0}}, {1, 1, 0}, {1, 1, 0}, 0, 0, a);
         },
         kStatusUndefinedLine},
        {"zero-length line",
         [](TDArc& a) {
             return calc.ArcTanLine2Points({{3, 3, 0}, {3, 3, 0}}, {1, 1, 0}, {2, 1, 0}, 0, 0, a);
         },
         kStatusUndefinedLine},
    };
    for (const auto& c : cases) {
        TDArc arc = kUntouchedArc;
        EXPECT_EQ(c.build(arc), c.status) << c.what;
        EXPECT_EQ(arc, kUntouchedArc) << c.what;
    }
}

// Random arcs of a given radius touching a circle: outside or inside as the pick says, so the
// centre lies at the radius plus or minus the circle's radius from its centre.
TEST(CadCalcArcs, TangentArcCentresLieAtRadiusSumOrDifference) {
    test::RandomPlane random(21);
    int built = 0;
    for (int i = 0; i < 500; ++i) {
        const TDArc circle{random.Point(50), random.Uniform(0.5, 20), 0, 0};
        const double radius = random.Uniform(0.2, 30);
        const bool outside = random.Integer(0, 1) == 1;
        const double reach = outside ? circle.r + radius : std::abs(circle.r - radius);
        if (reach < 0.05) continue;
        // A wanted centre and a line touching the wanted arc, seen from a pick near it.
        const TDPoint wanted = AtDistance(random, circle.Center, reach);
        const TDPoint touch = AtDistance(random, wanted, radius);
        const double dx = touch.x - wanted.x, dy = touch.y - wanted.y;
        const TDLine line{{touch.x - dy, touch.y + dx, 0}, {touch.x + dy, touch.y - dx, 0}};
        if (test::LineDistance(circle.Center, line) < 0.05 * (radius + reach)) continue;
        const TDPoint pick{wanted.x + 1e-3, wanted.y - 1e-3, 0};
        const TDPoint side = outside ? wanted : circle.Center;
        TDArc arc;
        ASSERT_EQ(calc.ArcTanLineArc(line, circle, radius, 0, 0, pick, side, arc), kStatusOk);
        EXPECT_NEAR(test::PlaneDistance(arc.Center, circle.Center), reach, 1e-6);
        EXPECT_NEAR(test::LineDistance(arc.Center, line), radius, 1e-6);

        // Through the point where the wanted arc touches the line; the two circles whose
        // crossing gives the centre must not nearly touch, or no construction is accurate.
        // The circle crossing solves for y first, so centres one nearly above the other lose
        // digits (1e-5 seen); hence the looser tolerance here.
        const double ax = circle.Center.x - wanted.x, ay = circle.Center.y - wanted.y;
        if (std::abs(ax * dy - ay * dx) < 0.1 * std::hypot(ax, ay) * radius) continue;
        ASSERT_EQ(calc.ArcTanArcPoint(circle, pick, touch, radius, 0, 0, arc), kStatusOk);
        EXPECT_NEAR(test::PlaneDistance(arc.Center, touch), radius, 1e-4);
        const double d = test::PlaneDistance(arc.Center, circle.Center);
        EXPECT_NEAR(
            std::min(std::abs(d - circle.r - radius), std::abs(d - std::abs(circle.r - radius))), 0,
            1e-4);
        ++built;
    }
    EXPECT_GT(built, 300);
}

TEST(CadCalcArcs, ArcTouchingTwoCirclesFromOutside) {
    test::RandomPlane random(5);
    for (int i = 0; i < 500; ++i) {
        const TDArc a{random.Point(50), random.Uniform(0.1, 10), 0, 0};
        const double rb = random.Uniform(0.1, 10);
        const TDArc b{AtDistance(random, a.Center, a.r + rb + random.Uniform(0.1, 40)), rb, 0, 0};
        const double gap = test::PlaneDistance(a.Center, b.Center) - a.r - b.r;
        const double radius = std::max(gap, 0.0) / 2 + random.Uniform(0.1, 20);
        TDArc arc;
        ASSERT_EQ(calc.ArcTan2Arcs(a, b, radius, 0, 0, {0, 0, 0}, {0, 0, 0}, arc), kStatusOk);
        EXPECT_NEAR(test::PlaneDistance(arc.Center, a.Center), a.r + radius, 1e-6);
        EXPECT_NEAR(test::PlaneDistance(arc.Center, b.Center), b.r + radius, 1e-6);
    }
}

// Random lines and points: every arc tangent to lines lies at its radius from each of them
// and passes through the points it is built through.
TEST(CadCalcArcs, ArcsTangentToLinesLieAtTheirRadius) {
    test::RandomPlane random(8);
    int built = 0;
    for (int i = 0; i < 500; ++i) {
        const TDLine l1{random.Point(50), random.Point(50)};
        const TDLine l2{random.Point(50), random.Point(50)};
        const TDLine l3{random.Point(50), random.Point(50)};
        const double radius = random.Uniform(0.5, 20);
        const TDPoint pick = random.Point(50);
        TDArc arc;
        if (calc.ArcTan2Lines(l1, l2, radius, 0, 0, pick, pick, arc) == kStatusOk) {
            EXPECT_NEAR(test::LineDistance(arc.Center, l1), radius, 1e-6);
            EXPECT_NEAR(test::LineDistance(arc.Center, l2), radius, 1e-6);
        }
        ASSERT_EQ(calc.ArcTan3Lines(l1, l2, l3, pick, 0, 0, arc), kStatusOk);
        EXPECT_NEAR(test::LineDistance(arc.Center, l1), arc.r, 1e-6);
        EXPECT_NEAR(test::LineDistance(arc.Center, l2), arc.r, 1e-6);
        EXPECT_NEAR(test::LineDistance(arc.Center, l3), arc.r, 1e-6);

        const TDPoint p = random.Point(50);
        const double h = test::LineDistance(p, l1);
        if (h > 0.01 && h < 2 * radius) {
            ASSERT_EQ(calc.ArcTanLinePoint(l1, pick, p, radius, 0, 0, arc), kStatusOk);
            EXPECT_NEAR(test::LineDistance(arc.Center, l1), radius, 1e-6);
            EXPECT_NEAR(test::PlaneDistance(arc.Center, p), radius, 1e-6);
            EXPECT_GT(test::SignedLineDistance(arc.Center, l1) * test::SignedLineDistance(p, l1),
                      0);
            ++built;
        }
        const TDPoint q = random.Point(50);
        if (test::SignedLineDistance(p, l1) * test::SignedLineDistance(q, l1) > 0) {
            ASSERT_EQ(calc.ArcTanLine2Points(l1, p, q, 0, 0, arc), kStatusOk);
            EXPECT_NEAR(test::LineDistance(arc.Center, l1), arc.r, 1e-6 * arc.r);
            EXPECT_NEAR(test::PlaneDistance(arc.Center, p), arc.r, 1e-6 * arc.r);
            EXPECT_NEAR(test::PlaneDistance(arc.Center, q), arc.r, 1e-6 * arc.r);
        }
    }
    EXPECT_GT(built, 50);
}
