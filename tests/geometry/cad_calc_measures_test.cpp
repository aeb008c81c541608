// The calculator's points, measures, element adapters, status texts and expression parsing.
#include "geometry/cad_calc.h"

#include "caddraw/element.h"
#include "geometry_test_util.h"

#include <cmath>
#include <numbers>

using namespace brevant;

namespace {

const TCadCalc calc;

TElement Element(int type, TCoords coords) {
    TElement e;
    e.Etype = type;
    e.Coords = coords;
    return e;
}

} // namespace

TEST(CadCalcMeasures, VersionAndStatusTexts) {
    EXPECT_EQ(calc.Version(), "3.0.0.0");
    EXPECT_EQ(calc.CalcErr(908), "3 POINTS ON SAME LINE");
    EXPECT_EQ(calc.CalcErr(902), "PARALLEL LINES");
    EXPECT_EQ(calc.CalcErr(-1), "Undefined");
    EXPECT_EQ(calc.CalcErr(901), "Undefined");
}

TEST(CadCalcMeasures, PointsWrittenOnlyAsFarAsSaid) {
    TDPoint p = test::kUntouched;
    EXPECT_EQ(calc.PointXYZ(1, 2, 3, p), 1);
    EXPECT_EQ(p, (TDPoint{1, 2, 3}));
    p = test::kUntouched;
    EXPECT_EQ(calc.PointCenterArc({{4, 5, 6}, 1, 0, 0}, p), kStatusOk);
    EXPECT_EQ(p, (TDPoint{4, 5, -777}));
}

TEST(CadCalcMeasures, LengthsAndDirections) {
    EXPECT_DOUBLE_EQ(calc.GetLineLength({{0, 0, 0}, {3, 4, 12}}), 13);
    EXPECT_DOUBLE_EQ(calc.GetLineLength({{0, 0, 0}, {200000, 0, 0}}), 200000); // no cut-off
    EXPECT_DOUBLE_EQ(calc.GetAngle2Points({1, 1, 0}, {2, 2, 0}), calc.GetAngle(1, 1, 2, 2));
    EXPECT_NEAR(calc.GetAngle2Points({1, 1, 0}, {2, 2, 0}), 45, 1e-6);
    const struct {
        TDLine line;
        double angle;
    } cases[] = {
        {{{0, 0, 0}, {10, 10, 0}}, 225},  {{{0, 0, 0}, {10, 0, 0}}, 0},
        {{{3, 3, 0}, {3, 3, 0}}, 0},      {{{0, 0, 0}, {0, 5, 0}}, 90},
        {{{0, 0, 0}, {0, -5, 0}}, 270},   {{{0, 0, 0}, {-5, 0, 0}}, 180},
        {{{0, 0, 0}, {-10, 10, 0}}, 315}, {{{0, 0, 0}, {-10, -10, 0}}, 45},
        {{{0, 0, 0}, {10, -10, 0}}, 135},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(calc.AngleOfLine(c.line), c.angle, 1e-6)
            << c.line.Point2.x << "," << c.line.Point2.y;
}

TEST(CadCalcMeasures, ElementAdaptersAndNearestPoints) {
    const TElement line = Element(2, {0, 0, 0, 10, 0, 0});
    const TElement arc = Element(3, {0, 0, 2, 5, 0, 90});
    const TElement point = Element(1, {1, 2, 3, 0, 0, 0});
    EXPECT_EQ(calc.PointFromElement(line), (TDPoint{0, 0, 0}));
    EXPECT_EQ(calc.LineFromElement(line), (TDLine{{0, 0, 0}, {10, 0, 0}}));
    EXPECT_EQ(calc.ArcFromElement(arc), (TDArc{{0, 0, 2}, 5, 0, 90}));

    const struct {
        const char* what;
        TElement e;
        TDPoint pick, closest, closestEnd;
    } cases[] = {
        {"point", point, {9, 9, 0}, {1, 2, 3}, {1, 2, 3}},
        {"line, near the start", line, {3, 4, 0}, {3, 0, 0}, {0, 0, 0}},
        {"line, beyond the end", line, {12, -1, 0}, {12, 0, 0}, {10, 0, 0}},
        {"line, a tie takes the second end", line, {5, 3, 0}, {5, 0, 0}, {10, 0, 0}},
        {"arc", arc, {1, 8, 0}, {0.620174, 4.961389, 2}, {0, 5, 2}},
        {"arc, near the start", arc, {8, 1, 0}, {4.961389, 0.620174, 2}, {5, 0, 2}},
        {"text element",
         Element(5, {1, 1, 0, 1, 1, 0}),
         {1, 1, 0},
         test::kUntouched,
         test::kUntouched},
    };
    for (const auto& c : cases) {
        TDPoint closest = test::kUntouched, end = test::kUntouched;
        EXPECT_EQ(calc.GetClosestPoint(c.e, c.pick, closest), 1) << c.what;
        EXPECT_EQ(calc.GetClosestEndPoint(c.e, c.pick, end), 1) << c.what;
        SCOPED_TRACE(c.what);
        test::ExpectPointNear(closest, c.closest, 1e-5);
        test::ExpectPointNear(end, c.closestEnd, 1e-5);
    }
    // A zero-radius arc has both ends at its centre.
    TDPoint end = test::kUntouched;
    EXPECT_EQ(calc.GetClosestEndPoint(Element(3, {4, 4, 0, 0, 0, 90}), {9, 9, 0}, end), 1);
    test::ExpectPointNear(end, {4, 4, 0}, 1e-9);
}

TEST(CadCalcMeasures, ParseEvaluatesWithADotAndDropsTheStatus) {
    EXPECT_DOUBLE_EQ(calc.Parse("2*3.25+0.5"), 7);
    EXPECT_DOUBLE_EQ(calc.Parse(" 12.5 "), 12.5);
    EXPECT_DOUBLE_EQ(calc.Parse("1/0"), 0);
    EXPECT_DOUBLE_EQ(calc.Parse("2*("), 0);
    EXPECT_DOUBLE_EQ(calc.Parse(""), 0);
}

TEST(CadCalcMeasures, ForwardedRoutinesKeepTheirRules) {
    TDPoint p = test::kUntouched;
    // Equal circles: the crossings are equally near a pick on the centre line; the second wins.
    EXPECT_EQ(calc.Point2Arcs({{0, 0, 0}, 5, 0, 0}, {{6, 0, 0}, 5, 0, 0}, {3, 0, 0}, p), kStatusOk);
    test::ExpectPointNear(p, {3, -4, 0}, 1e-6);
    EXPECT_EQ(calc.PointArcAngle({{0, 0, 0}, 0, 0, 0}, 30, p), kStatusZeroRadius);
    EXPECT_DOUBLE_EQ(calc.GetArcLength(10, 30, 30),
                     calc.GetArcAngle(30, 30) / 360 * 20 * std::numbers::pi);
    EXPECT_DOUBLE_EQ(calc.Distance(0, 0, 100001, 0), 0);
    EXPECT_DOUBLE_EQ(calc.Distance3D({0, 0, 0}, {100001, 0, 0}), 100001);
    EXPECT_NEAR(calc.GetVertexAngle(1, 0, 0, 0, 0, 0, 0, 1, 0), 90, 1e-9);
    EXPECT_EQ(calc.MidPoint2Points({0, 0, 0}, {2, 4, 6}), (TDPoint{1, 2, 3}));
}
