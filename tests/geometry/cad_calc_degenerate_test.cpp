// Degenerate input to every construction of the calculator: zero-length lines, parallel and
// concurrent lines, zero radii, concentric circles, coincident points. Each call returns a
// known status, and on success results without NaN or infinity.
#include "geometry/cad_calc.h"

#include "cad_calc_test_util.h"

#include <gtest/gtest.h>

#include <vector>

using namespace brevant;

namespace {

const TCadCalc calc;

const std::vector<TDPoint> kPoints = {{0, 0, 0}, {5, 0, 0}, {0, 5, 0}, {5, 5, 0}};
const std::vector<TDLine> kLines = {
    {{0, 0, 0}, {0, 0, 0}},   // zero length
    {{0, 0, 0}, {10, 0, 0}},  // horizontal through the origin
    {{0, 5, 0}, {10, 5, 0}},  // parallel to it
    {{0, 0, 0}, {0, 10, 0}},  // vertical through the origin
    {{5, -1, 0}, {5, 10, 0}}, // vertical, through two of the points
};
const std::vector<TDArc> kArcs = {
    {{0, 0, 0}, 0, 0, 0}, // zero radius at the origin
    {{0, 0, 0}, 5, 0, 0}, // through two of the points
    {{0, 0, 0}, 2, 0, 0}, // concentric with both above
    {{5, 5, 0}, 0, 0, 0}, // zero radius at a point
};

template <class Result> void Check(GeometryStatus status, const Result& result) {
    EXPECT_TRUE(test::KnownStatus(status)) << status;
    if (status == kStatusOk) {
        EXPECT_TRUE(test::Finite(result));
    }
}

} // namespace

TEST(CadCalcDegenerate, LinesGiveKnownStatusesAndFiniteResults) {
    for (const TDPoint& p : kPoints)
        for (const TDPoint& q : kPoints) {
            for (const TDArc& a : kArcs) {
                TDLine line;
                Check(calc.LineTangentPoint(q, p, a, line), line);
                Check(calc.LineTanAngle(a, p.x, q.y, line), line);
                for (const TDArc& b : kArcs)
                    Check(calc.LineTan2Arcs(a, b, p, q, line), line);
            }
            for (const TDLine& l : kLines) {
                TDLine line;
                Check(calc.LinePerpPoint(p, l, line), line);
                Check(calc.LineParPoint(p, l, line), line);
            }
        }
}

TEST(CadCalcDegenerate, ArcsGiveKnownStatusesAndFiniteResults) {
    for (const TDPoint& p : kPoints)
        for (const TDPoint& q : kPoints) {
            TDArc arc, other;
            Check(calc.ArcThrough2Points(p, q, 2.5, 0, 0, arc, other), arc);
            Check(calc.ArcBetween2Points(p, q, 0, 0, arc), arc);
            for (const TDPoint& s : kPoints)
                Check(calc.Arc3Points(p, q, s, 0, 0, arc), arc);
            for (const TDArc& a : kArcs) {
                Check(calc.ArcCenterTanArc(q, p, a, 0, 0, arc), arc);
                Check(calc.ArcTanArcPoint(a, q, p, a.r, 0, 0, arc), arc);
                Check(calc.ArcTanArcPoint(a, q, p, 0, 0, 0, arc), arc);
                for (const TDArc& b : kArcs)
                    Check(calc.ArcTan2Arcs(a, b, a.r, 0, 0, p, q, arc), arc);
            }
            for (const TDLine& l : kLines) {
                Check(calc.ArcCenterTanLine(p, l, 0, 0, arc), arc);
                Check(calc.ArcTanLinePoint(l, q, p, 0, 0, 0, arc), arc);
                Check(calc.ArcTanLinePoint(l, q, p, 5, 0, 0, arc), arc);
                Check(calc.ArcTanLine2Points(l, p, q, 0, 0, arc), arc);
                for (const TDArc& a : kArcs)
                    Check(calc.ArcTanLineArc(l, a, 1, 0, 0, p, q, arc), arc);
                for (const TDLine& m : kLines) {
                    Check(calc.ArcTan2Lines(l, m, 0, 0, 0, p, q, arc), arc);
                    for (const TDLine& n : kLines)
                        Check(calc.ArcTan3Lines(l, m, n, p, 0, 0, arc), arc);
                }
            }
        }
}
