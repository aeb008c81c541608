// The modified cone's development: exact lengths over many generated cones, the drawing,
// generator lines and the result display.
#include "geometry/end_planes.h"
#include "layouts/cone/cone_pattern_fixture.h"
#include "layouts/cone/oblique_cone.h"
#include "support/kinds.h"

#include <gtest/gtest.h>

#include <random>

namespace brevant {
namespace {

using test::ConePatternFixture;
using test::Dist;

// Every flat segment of an unrolled ring is exactly as long as the 3D chord it develops, and
// each pair of flat points of one generator is as far apart as the generator's two ring points.
void ExpectExactDevelopment(const TRingPair& r, const TDPoint& apex, const TDPointList& top,
                            const TDPointList& bottom, const std::string& what) {
    ASSERT_EQ(top.size(), r.Top.size()) << what;
    ASSERT_EQ(bottom.size(), r.Bottom.size()) << what;
    for (size_t k = 0; k < top.size(); ++k) {
        const double gen = Dist(r.Top[k], r.Bottom[k]);
        EXPECT_NEAR(Dist(top[k], bottom[k]), gen, 1e-7 * (1 + gen)) << what << " k=" << k;
        if (k == 0) continue;
        const double ct = Dist(r.Top[k - 1], r.Top[k]), cb = Dist(r.Bottom[k - 1], r.Bottom[k]);
        EXPECT_NEAR(Dist(top[k - 1], top[k]), ct, 1e-7 * (1 + ct)) << what << " k=" << k;
        EXPECT_NEAR(Dist(bottom[k - 1], bottom[k]), cb, 1e-7 * (1 + cb)) << what << " k=" << k;
    }
    // Flat distances from the apex (the origin) equal the 3D distances.
    for (size_t k = 0; k < top.size(); ++k)
        EXPECT_NEAR(std::hypot(top[k].x, top[k].y), Dist(r.Top[k], apex),
                    1e-7 * (1 + Dist(r.Top[k], apex)));
}

TEST(ObliqueDevelopment, SegmentsAndGeneratorsKeepTheirTrueLengths) {
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> dia(0.5, 500), frac(0.02, 0.97), h(0.1, 800),
        shift(-300, 300), angle(-30, 30);
    int impossible = 0;
    for (int i = 0; i < 200; ++i) {
        TConeShape c;
        c.B = dia(rng);
        c.T = c.B * frac(rng);
        c.H = h(rng);
        c.S = shift(rng);
        c.TopAngle = angle(rng);
        c.BottomAngle = angle(rng);
        const int P = i % 2 ? 40 : 360;
        const TRingPair r = ConeRings(c, P, false);
        const TDPoint apex = ConeApexPoint(c.T, c.B, c.H, c.S);
        if (!RingsFormFrustum(r.Top, r.Bottom, apex)) {
            ++impossible;
            continue;
        }
        const auto steps = GeneratorSteps(r.Top, r.Bottom, apex);
        const TUnrolledRing ut = UnrollRing(r.Top, apex, steps);
        const TUnrolledRing ub = UnrollRing(r.Bottom, apex, steps);
        ExpectExactDevelopment(r, apex, ut.Points, ub.Points, "cone " + std::to_string(i));
    }
    EXPECT_LT(impossible, 100); // most generated cones are real frustums
}

// A tilted top that reaches past the apex (or below the bottom) is no frustum: the status says
// so and nothing is drawn.
TEST(ObliqueCone, EndPlanesCrossingTheApexAreRejected) {
    // The bottom plane rising above the top plane on one side; a steep top on a flat cone.
    const char* inputs[][6] = {{"4", "30", "12", "-6", "30", "-30"},
                               {"2", "20", "0.5", "", "30", "-30"}};
    for (const auto& in : inputs) {
        ConePatternFixture f;
        f.Calculate(in[0], in[1], in[2], in[3], in[4], in[5]);
        EXPECT_EQ(f.e.Form.StatusLabel.text,
                  "Error: the tilted ends cross each other or reach past the cone's apex");
        EXPECT_TRUE(ConeOf(f.e).State.TopEdgePoints.empty());
        EXPECT_TRUE(test::LinesOnLayer(f.e.CadDraw1, 1).empty());
    }
}

TEST(ObliqueDevelopment, RegularConeClosesOnItsSectorAngle) {
    TConeShape c;
    c.T = 10;
    c.B = 20;
    c.H = 10;
    const TRingPair r = ConeRings(c, 40, false);
    const TUnrolledRing u = UnrollRing(r.Bottom, ConeApexPoint(10, 20, 10, 0));
    // Forty chords: each step is the apex angle of one chord of the bottom circle.
    const double step = 2 * std::asin(10 * std::sin(M_PI / 40) / std::sqrt(500.0));
    EXPECT_NEAR(u.ClosingAngle, 40 * step * 180 / M_PI, 1e-7);
    EXPECT_NEAR(u.Distances[0], 22.3607, 1e-4);
    // One point per degree comes within 0.002 degrees of the sector angle.
    const TRingPair fine = ConeRings(c, 360, false);
    EXPECT_NEAR(UnrollRing(fine.Bottom, ConeApexPoint(10, 20, 10, 0)).ClosingAngle, 160.997, 2e-3);
}

TEST(ObliqueDevelopment, VertexAngleIsExactForTinyAngles) {
    const TDPoint v{0, 0, 0};
    EXPECT_NEAR(VertexAngle3D({1, 0, 0}, v, {0, 1, 0}), 90, 1e-9);
    EXPECT_NEAR(VertexAngle3D({1, 0, 0}, v, {1, 1e-9, 0}), 1e-9 * 57.2957795131, 1e-20);
    EXPECT_EQ(VertexAngle3D({0, 0, 0}, v, {1, 0, 0}), 0);
}

// The whole Calculate in the display units: the engine's flat points develop the rings of the
// inch dimensions it solved.
TEST(ObliqueDevelopment, EngineDevelopmentIsExactInInchesAndMillimetres) {
    struct Case {
        int units;
        const char *T, *B, *H, *S, *ta, *ba;
    } cases[] = {
        {0, "10", "20", "10", "2", "", ""},
        {0, "10", "20", "10", "", "10", ""},
        {0, "4", "30", "20", "-6", "30", "-20"},
        {2, "254", "508", "254", "50.8", "", "12"},
        {2, "100", "900", "400", "-300", "-10", "10"},
        {1, "3", "9", "2", "1", "5", "5"},
    };
    for (const Case& k : cases) {
        ConePatternFixture f;
        f.e.Form.UnitsComboBox.itemIndex = k.units;
        f.Calculate(k.T, k.B, k.H, k.S, k.ta, k.ba);
        const auto& d = ConeOf(f.e).Def;
        ASSERT_TRUE(ConeOf(f.e).State.IsObliqueCone);
        ASSERT_FALSE(ConeOf(f.e).State.TopEdgePoints.empty()) << k.T << " " << k.B;
        TConeShape c{d.TopDiameter,
                     d.BottomDiameter,
                     d.ConeHeight,
                     d.TopShift,
                     d.TopAngle,
                     d.BottomAngle,
                     0,
                     0};
        const TRingPair r =
            ConeRings(c, static_cast<int>(ConeOf(f.e).State.TopEdgePoints.size()), false);
        ExpectExactDevelopment(r, ConeOf(f.e).State.ConeApex, ConeOf(f.e).State.TopEdgePoints,
                               ConeOf(f.e).State.BottomEdgePoints, std::string("units ") + k.T);
        EXPECT_TRUE(test::AllCoordinatesFinite(f.e.CadDraw1));
    }
}

TEST(ObliqueCone, ShiftedConeIsDrawnPlacedAndShown) {
    ConePatternFixture f;
    f.Calculate("10", "20", "10", "2");
    const auto& form = f.e.Form;
    EXPECT_EQ(form.Label10.text, "Modified Cone Dimensions");
    EXPECT_TRUE(form.RegularDataDisplay.visible);
    EXPECT_FALSE(form.LargeRadius.visible);
    EXPECT_FALSE(form.SegmentAngleEdit.visible);
    EXPECT_EQ(form.AngleA.text, f.e.FormatValue(ConeOf(f.e).State.FlatAngle));
    // 40 + 40 ring segments, the start and the end edge.
    EXPECT_EQ(test::LinesOnLayer(f.e.CadDraw1, 1).size(), 82u);
    // Placed with its lower-left extent at the origin, the box measured as the pattern size.
    const TSettings& st = f.e.CadDraw1.CadSettings();
    EXPECT_NEAR(st.min_x, 0, 1e-6);
    EXPECT_NEAR(st.min_y, 0, 1e-6);
    EXPECT_NEAR(ConeOf(f.e).State.PatternWidth, st.max_x, 1e-3);
    EXPECT_NEAR(ConeOf(f.e).State.PatternHeight, st.max_y, 1e-3);
    EXPECT_EQ(form.WidthX.text, f.e.FormatValue(ConeOf(f.e).State.PatternWidth));
    // A shift that is not a sector: the flat angle differs from the regular one.
    EXPECT_GT(std::fabs(ConeOf(f.e).State.FlatAngle - 160.997), 0.5);
}

TEST(ObliqueCone, RegularConeIsNotDevelopedByTriangulation) {
    ConePatternFixture f;
    f.Calculate("10", "20", "10");
    EXPECT_FALSE(ConeOf(f.e).State.IsObliqueCone);
    EXPECT_TRUE(ConeOf(f.e).State.TopEdgePoints.empty());
}

TEST(ObliqueCone, BendLinesSitOnTheirGenerators) {
    ConePatternFixture f;
    f.e.Form.ConeBendLinesCheckBox.checked = true;
    f.e.Form.BendConeSpinBox.SetValue(4);
    f.Calculate("10", "20", "10", "3", "10");
    ASSERT_EQ(ConeOf(f.e).State.TopEdgePoints.size(), 360u);
    const auto bends = test::LinesOnLayer(f.e.CadDraw1, 4);
    ASSERT_EQ(bends.size(), 4u);
    const auto& d = ConeOf(f.e).Def;
    TConeShape c{d.TopDiameter, d.BottomDiameter, d.ConeHeight, d.TopShift, d.TopAngle, 0, 0, 0};
    const TRingPair r = ConeRings(c, 360, false);
    for (int j = 1; j <= 4; ++j) {
        const size_t k = static_cast<size_t>(72 * j);
        EXPECT_NEAR(Dist(bends[j - 1].Point1, bends[j - 1].Point2), Dist(r.Top[k], r.Bottom[k]),
                    1e-6)
            << "bend " << j;
    }
}

TEST(ObliqueCone, GeneratorLookupWrapsAndIgnoresBadAngles) {
    ConePatternFixture f;
    f.Calculate("10", "20", "10", "2");
    const auto& top = ConeOf(f.e).State.TopEdgePoints;
    ConeJobOf cone(f.e);
    ConeJob& job = cone.job;
    DrawGeneratorLine(job, kGeneratorSeam, 360); // the same generator as 0
    DrawGeneratorLine(job, kGeneratorSeam, -0.4);
    DrawGeneratorLine(job, kGeneratorSeam, std::nan(""));
    DrawGeneratorLine(job, 9, 90); // no such style
    ShowFlatPattern(f.e.CadDraw1, cone.flat.Pattern());
    const auto lines = test::LinesOnLayer(f.e.CadDraw1, 3);
    ASSERT_EQ(lines.size(), 2u);
    for (const TDLine& l : lines)
        EXPECT_EQ(l.Point1, top[0]);
}

TEST(ObliqueCone, OverlapLinesRunBesideBothEdges) {
    ConePatternFixture f;
    f.e.Form.Overlap.text = "1";
    f.Calculate("10", "20", "10", "2");
    const auto red = test::LinesOnLayer(f.e.CadDraw1, 2);
    ASSERT_EQ(red.size(), 2u);
    // Each red line is parallel to its edge and as long as it.
    const double start =
        Dist(ConeOf(f.e).State.TopEdgePoints[0], ConeOf(f.e).State.BottomEdgePoints[0]);
    const double end =
        Dist(ConeOf(f.e).State.TopClosingPoint, ConeOf(f.e).State.BottomClosingPoint);
    EXPECT_NEAR(Dist(red[0].Point1, red[0].Point2), start, 1e-6);
    EXPECT_NEAR(Dist(red[1].Point1, red[1].Point2), end, 1e-6);
}

TEST(ObliqueCone, DegenerateInputNeverGivesNaN) {
    const char* inputs[][6] = {
        {"1E30", "2E30", "1E30", "1E29", "30", "-30"},
        {"10", "20", "10", "-1E6", "", ""},
        {"10", "20", "10", "", "30", "30"},
        {"10", "20", "10", "", "-30", "-30"},
        {"20", "10", "10", "2", "", ""},
        {"0.01", "1E30", "0.01", "5", "30", ""},
        {"10", "20", "1E-9", "3", "", ""},
    };
    for (const auto& in : inputs) {
        ConePatternFixture f;
        f.Calculate(in[0], in[1], in[2], in[3], in[4], in[5]);
        EXPECT_TRUE(test::AllCoordinatesFinite(f.e.CadDraw1)) << in[0] << " " << in[3];
        for (const TDPoint& p : ConeOf(f.e).State.TopEdgePoints)
            EXPECT_TRUE(std::isfinite(p.x + p.y));
        EXPECT_TRUE(std::isfinite(ConeOf(f.e).State.FlatAngle));
    }
}

// A file's pattern is the oblique cone developed again with 150 points per ring; the cone's
// own results stay those of the screen.
TEST(ObliqueCone, CadSaveRedevelopsAtTheFinerResolution) {
    ConePatternFixture f;
    f.Calculate("10", "20", "10", "2");
    TCadDraw file;
    ShowFlatPattern(file, ConeOf(f.e).PatternFor(PatternUse::File));
    EXPECT_EQ(test::LinesOnLayer(file, 1).size(), 302u);
    EXPECT_EQ(ConeOf(f.e).State.TopEdgePoints.size(), 40u);
    EXPECT_EQ(test::LinesOnLayer(f.e.CadDraw1, 1).size(), 82u);
}

// One ring point per degree exactly when a bend, seam or side-cut line needs a whole degree.
TEST(ObliqueCone, FineResolutionOnlyForLinesOnWholeDegrees) {
    struct Case {
        bool bendsShown;
        int bends;
        bool cutsShown;
        const char *topCut, *bottomCut;
        bool seamShown;
        int seam;
        size_t points;
    } cases[] = {
        {false, 0, false, "", "", false, 0, 40},   {true, 3, false, "", "", false, 0, 40},
        {true, 4, false, "", "", false, 0, 360},   {false, 6, false, "", "", false, 0, 40},
        {false, 0, true, "2", "", false, 0, 40},   {false, 0, true, "2", "3", false, 0, 360},
        {false, 0, false, "2", "3", false, 0, 40}, {false, 0, false, "", "", true, 0, 40},
        {false, 0, false, "", "", true, 90, 360},
    };
    for (const Case& c : cases) {
        ConePatternFixture f;
        auto& form = f.e.Form;
        form.ConeBendLinesCheckBox.checked = c.bendsShown;
        form.BendConeSpinBox.SetValue(c.bends);
        form.SideCutsCheckBox.checked = c.cutsShown;
        form.TopCutWidthEdit.text = c.topCut;
        form.BottomCutWidthEdit.text = c.bottomCut;
        form.SeamLineCheckBox.checked = c.seamShown;
        form.SeamSpinBox.SetValue(c.seam);
        f.Calculate("10", "20", "10", "2");
        EXPECT_EQ(ConeOf(f.e).State.TopEdgePoints.size(), c.points)
            << c.bendsShown << c.bends << c.cutsShown << c.topCut << c.bottomCut << c.seam;
    }
}

} // namespace
} // namespace brevant
