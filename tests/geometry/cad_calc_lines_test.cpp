// The calculator's line constructions: tangents from a point and common to two circles,
// perpendiculars, parallels and tangents in a direction.
#include "geometry/cad_calc.h"

#include "cad_calc_test_util.h"
#include "geometry_test_util.h"

#include <cmath>
#include <numbers>

using namespace brevant;

namespace {

const TCadCalc calc;
const TDLine kUntouchedLine{test::kUntouched, test::kUntouched};

// The two points where the tangents from P touch the circle, worked from angles.
void TrueTouches(const TDPoint& P, const TDArc& c, TDPoint& a, TDPoint& b) {
    const double d = test::PlaneDistance(P, c.Center);
    const double phi = std::atan2(P.y - c.Center.y, P.x - c.Center.x);
    const double alpha = std::acos(c.r / d);
    a = {c.Center.x + c.r * std::cos(phi + alpha), c.Center.y + c.r * std::sin(phi + alpha), 0};
    b = {c.Center.x + c.r * std::cos(phi - alpha), c.Center.y + c.r * std::sin(phi - alpha), 0};
}

} // namespace

TEST(CadCalcLines, TangentFromAPointCases) {
    const TDArc circle{{0, 0, 0}, 5, 0, 0};
    TDLine line = kUntouchedLine;
    EXPECT_EQ(calc.LineTangentPoint({5, 5, 0}, {10, 0, 0}, circle, line), kStatusOk);
    test::ExpectPointNear(line.Point1, {10, 0, 0}, 0);
    test::ExpectPointNear(line.Point2, {2.5, 4.330127, 0}, 1e-6);
    // A pick as near to both touching points takes the second one.
    EXPECT_EQ(calc.LineTangentPoint({20, 0, 0}, {10, 0, 0}, circle, line), kStatusOk);
    test::ExpectPointNear(line.Point2, {2.5, -4.330127, 0}, 1e-6);
    // To a zero circle the tangent is the line to its centre; the circle crossing treats the
    // touch as a chord of half length 1e-4 (the square root of its discriminant floor).
    EXPECT_EQ(calc.LineTangentPoint({0, 0, 0}, {3, 4, 0}, {{0, 0, 0}, 0, 0, 0}, line), kStatusOk);
    test::ExpectPointNear(line.Point2, {0, 0, 0}, 2e-4);

    line = kUntouchedLine;
    EXPECT_EQ(calc.LineTangentPoint({5, 5, 0}, {1, 0, 0}, circle, line), kStatusPointsOnSameLine);
    EXPECT_EQ(line, kUntouchedLine);
    // From the centre of a zero circle there is no tangent at all.
    EXPECT_EQ(calc.LineTangentPoint({1, 1, 0}, {2, 2, 0}, {{2, 2, 0}, 0, 0, 0}, line),
              kStatusConcentricCircles);
    EXPECT_EQ(line, kUntouchedLine);
}

TEST(CadCalcLines, TangentFromAPointTouchesOnceNearestThePick) {
    test::RandomPlane random(12);
    for (int i = 0; i < 500; ++i) {
        const TDArc circle{random.Point(50), random.Uniform(0.5, 20), 0, 0};
        const double angle = random.Uniform(0, 2 * std::numbers::pi);
        const double d = circle.r * random.Uniform(1.01, 10);
        const TDPoint from{circle.Center.x + d * std::cos(angle),
                           circle.Center.y + d * std::sin(angle), 0};
        const TDPoint pick = random.Point(60);
        TDLine line;
        ASSERT_EQ(calc.LineTangentPoint(pick, from, circle, line), kStatusOk);
        EXPECT_NEAR(test::LineDistance(circle.Center, line), circle.r, 1e-6 * d);
        EXPECT_NEAR(test::PlaneDistance(line.Point2, circle.Center), circle.r, 1e-6 * d);
        TDPoint a, b;
        TrueTouches(from, circle, a, b);
        const double chosen = test::PlaneDistance(line.Point2, pick);
        EXPECT_LE(chosen,
                  std::min(test::PlaneDistance(a, pick), test::PlaneDistance(b, pick)) + 1e-6 * d);
    }
}

TEST(CadCalcLines, PerpendicularAndParallelThroughAPoint) {
    test::RandomPlane random(7);
    for (int i = 0; i < 500; ++i) {
        const TDLine base{random.Point(100), random.Point(100)};
        const TDPoint p = random.Point(100);
        TDLine perp;
        ASSERT_EQ(calc.LinePerpPoint(p, base, perp), kStatusOk);
        EXPECT_EQ(perp.Point1, p);
        EXPECT_NEAR(test::LineDistance(perp.Point2, base), 0, 1e-6);
        const double bx = base.Point2.x - base.Point1.x, by = base.Point2.y - base.Point1.y;
        const double px = perp.Point2.x - perp.Point1.x, py = perp.Point2.y - perp.Point1.y;
        const double cosine = (bx * px + by * py) / (std::hypot(bx, by) * std::hypot(px, py));
        EXPECT_NEAR(cosine, 0, 1e-6);

        TDLine par;
        ASSERT_EQ(calc.LineParPoint(p, base, par), kStatusOk);
        EXPECT_NEAR(test::LineDistance(p, par), 0, 1e-6);
        EXPECT_NEAR(test::LineDistance(par.Point1, base), test::LineDistance(p, base), 1e-6);
        EXPECT_NEAR(test::LineDistance(par.Point2, base), test::LineDistance(p, base), 1e-6);
    }
    // A point on the line: the parallel is the line itself.
    TDLine par;
    EXPECT_EQ(calc.LineParPoint({5, 0, 0}, {{0, 0, 0}, {10, 0, 0}}, par), kStatusOk);
    test::ExpectPointNear(par.Point1, {0, 0, 0}, 1e-9);
    test::ExpectPointNear(par.Point2, {10, 0, 0}, 1e-9);
}

TEST(CadCalcLines, CommonTangentCases) {
    const struct {
        const char* what;
        TDArc a, b;
        TDPoint pick1, pick2, start, end;
    } cases[] = {
        {"direct",
         {{0, 0, 0}, 2, 0, 0},
         {{10, 0, 0}, 1, 0, 0},
         {0, 3, 0},
         {10, 3, 0},
         {0.2, 1.989975, 0},
         {10.1, 0.994987, 0}},
        {"direct from the larger second circle",
         {{10, 0, 0}, 1, 0, 0},
         {{0, 0, 0}, 2, 0, 0},
         {10, 3, 0},
         {0, 3, 0},
         {0.2, 1.989975, 0},
         {10.1, 0.994987, 0}},
        {"cross",
         {{0, 0, 0}, 1, 0, 0},
         {{10, 0, 0}, 1, 0, 0},
         {0, 2, 0},
         {10, -2, 0},
         {0.2, 0.979796, 0},
         {9.8, -0.979796, 0}},
        {"direct, equal radii",
         {{0, 0, 0}, 1, 0, 0},
         {{10, 0, 0}, 1, 0, 0},
         {0, 2, 0},
         {10, 2, 0},
         {10, 1, 0},
         {0, 1, 0}},
        {"direct, equal radii below",
         {{0, 0, 0}, 1, 0, 0},
         {{10, 0, 0}, 1, 0, 0},
         {0, -2, 0},
         {10, -2, 0},
         {10, -1, 0},
         {0, -1, 0}},
    };
    for (const auto& c : cases) {
        TDLine line = kUntouchedLine;
        EXPECT_EQ(calc.LineTan2Arcs(c.a, c.b, c.pick1, c.pick2, line), kStatusOk) << c.what;
        test::ExpectPointNear(line.Point1, c.start, 1e-6);
        test::ExpectPointNear(line.Point2, c.end, 1e-6);
    }
}

TEST(CadCalcLines, CommonTangentWithoutSolutionLeavesTheLine) {
    const struct {
        const char* what;
        TDArc a, b;
        TDPoint pick1, pick2;
        GeometryStatus status;
    } cases[] = {
        {"concentric",
         {{1, 1, 0}, 2, 0, 0},
         {{1, 1, 0}, 1, 0, 0},
         {1, 4, 0},
         {1, 4, 0},
         kStatusConcentricCircles},
        {"direct, one inside the other",
         {{0, 0, 0}, 5, 0, 0},
         {{1, 0, 0}, 1, 0, 0},
         {0, 6, 0},
         {1, 2, 0},
         kStatusRadiusDoesNotIntersect},
        {"cross, overlapping",
         {{0, 0, 0}, 2, 0, 0},
         {{3, 0, 0}, 2, 0, 0},
         {0, 3, 0},
         {3, -3, 0},
         kStatusRadiusDoesNotIntersect},
    };
    for (const auto& c : cases) {
        TDLine line = kUntouchedLine;
        EXPECT_EQ(calc.LineTan2Arcs(c.a, c.b, c.pick1, c.pick2, line), c.status) << c.what;
        EXPECT_EQ(line, kUntouchedLine) << c.what;
    }
}

// Random disjoint circles and picks: the line lies at each radius from each centre, the picks'
// sides decide between direct and cross, and the tangent touches on the pick's side.
TEST(CadCalcLines, CommonTangentTouchesBothCirclesOnThePicksSide) {
    test::RandomPlane random(3);
    for (int i = 0; i < 1000; ++i) {
        const TDArc a{random.Point(50), random.Uniform(0.1, 10), 0, 0};
        const double gap = a.r + random.Uniform(0.1, 10) + random.Uniform(0.5, 30);
        const double angle = random.Uniform(0, 2 * std::numbers::pi);
        const TDArc b{{a.Center.x + gap * std::cos(angle), a.Center.y + gap * std::sin(angle), 0},
                      random.Uniform(0.1, gap - a.r - 0.4),
                      0,
                      0};
        const TDPoint pick1 = random.Point(60), pick2 = random.Point(60);
        const TDLine centres{a.Center, b.Center};
        const double side1 = test::SignedLineDistance(pick1, centres);
        const double side2 = test::SignedLineDistance(pick2, centres);
        if (std::abs(side1) < 0.01 || std::abs(side2) < 0.01) continue;
        TDLine line;
        ASSERT_EQ(calc.LineTan2Arcs(a, b, pick1, pick2, line), kStatusOk);
        EXPECT_NEAR(test::LineDistance(a.Center, line), a.r, 1e-6);
        EXPECT_NEAR(test::LineDistance(b.Center, line), b.r, 1e-6);
        const bool direct = (side1 > 0) == (side2 > 0);
        const bool centresSameSide = (test::SignedLineDistance(a.Center, line) > 0) ==
                                     (test::SignedLineDistance(b.Center, line) > 0);
        EXPECT_EQ(centresSameSide, direct);
        // The line starts on the circle whose pick decides (the larger one of a direct
        // tangent, Arc1 of a cross tangent), on that pick's side of the centre line.
        const bool firstDecides = !direct || a.r > b.r;
        const TDArc& decider = firstDecides ? a : b;
        const double pickSide = firstDecides ? side1 : side2;
        EXPECT_NEAR(test::PlaneDistance(line.Point1, decider.Center), decider.r, 1e-6);
        EXPECT_GT(test::SignedLineDistance(line.Point1, centres) * pickSide, 0);
    }
}

TEST(CadCalcLines, TangentInADirection) {
    TDLine line = kUntouchedLine;
    EXPECT_EQ(calc.LineTanAngle({{0, 0, 0}, 5, 0, 0}, 0, 10, line), kStatusOk);
    test::ExpectPointNear(line.Point1, {0, 5, 0}, 1e-6);
    test::ExpectPointNear(line.Point2, {10, 5, 0}, 1e-6);
    EXPECT_EQ(calc.LineTanAngle({{1, 1, 3}, 2, 0, 0}, 90, 4, line), kStatusOk);
    test::ExpectPointNear(line.Point1, {-1, 1, 0}, 1e-6);
    test::ExpectPointNear(line.Point2, {-1, 5, 0}, 1e-6);
    // A zero circle: the line starts at its centre, not at the origin.
    EXPECT_EQ(calc.LineTanAngle({{7, 8, 0}, 0, 0, 0}, 0, 3, line), kStatusOk);
    test::ExpectPointNear(line.Point1, {7, 8, 0}, 1e-9);
    test::ExpectPointNear(line.Point2, {10, 8, 0}, 1e-6);
}
