// The branch pipe's cut curve, the checks of its inputs, its rings and its two drawings.
#include "caddraw/cad_draw.h"
#include "caddraw/flat_pattern_render.h"
#include "layouts/pipe/pipe_geometry.h"
#include "layouts/pipe/pipe_model.h"
#include "layouts/pipe/pipe_pattern.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace brevant {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(PipeCutHeight, MeetsTheWorkedExamples) {
    struct Case {
        double db, ds, o, phi, y;
    };
    const Case cases[] = {
        // Db 12, ds 6, offset 1.
        {12, 6, 1, 0, 6.084},
        {12, 6, 1, 90, 6.343},
        {12, 6, 1, 180, 6.084},
        {12, 6, 1, 270, 7.528},
        // No offset: lowest (ds) at 0 and 180, highest e - sqrt(Rb^2 - rs^2) at 90 and 270.
        {12, 6, 0, 0, 6},
        {12, 6, 0, 180, 6},
        {12, 6, 0, 90, 12 - std::sqrt(27.0)},
        {12, 6, 0, 270, 12 - std::sqrt(27.0)},
        // Equal diameters reach the reference distance e at 90 and 270.
        {12, 12, 0, 90, 18},
        {12, 12, 0, 270, 18},
        {12, 12, 0, 0, 12},
        // The branch touching the main pipe's side (|o| + rs = Rb), to either side.
        {12, 6, 3, 270, 12},
        {12, 6, -3, 90, 12},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(PipeCutHeight({c.db, c.ds, c.o, 0}, c.phi), c.y, 5e-4)
            << c.db << " " << c.ds << " " << c.o << " at " << c.phi;
}

TEST(PipeCutHeight, KeepsItsPrecisionOnAVeryLargeMainPipe) {
    // Against a main pipe this large the cut is nearly flat at ds; the difference of the two
    // large lengths e and sqrt(Rb^2 - z^2) would lose it to rounding.
    const PipeInputs in{1e12, 2, 0.5, 0};
    EXPECT_NEAR(PipeCutHeight(in, 0), 2 + 0.25e-12, 1e-13);
    EXPECT_NEAR(PipeCutHeight(in, 270), 2 + 2.25e-12, 1e-13);
}

TEST(PipeCutHeight, StaysFiniteWhereRoundingTakesTheBranchJustPastTheSide) {
    const double rb = 0.3, rs = 0.1;
    const PipeInputs in{2 * rb, 2 * rs, (rb - rs) * (1 + 1e-15), 0};
    for (double phi : {0.0, 90.0, 180.0, 270.0})
        EXPECT_TRUE(std::isfinite(PipeCutHeight(in, phi))) << phi;
}

TEST(PipeChecks, ReportTheFirstFaultInOrder) {
    struct Case {
        PipeInputs in;
        PipeCheck expected;
    };
    const Case cases[] = {
        {{12, 6, 0, 0}, PipeCheck::Ok},
        {{12, 6, 3, 0}, PipeCheck::Ok},
        {{12, 6, -3, 0}, PipeCheck::Ok},
        {{12, 12, 0, 0}, PipeCheck::Ok},
        {{1e12, 6, 0, 0}, PipeCheck::Ok},
        {{12, 6, 3.01, 0}, PipeCheck::BranchOutside},
        {{12, 6, -3.01, 0}, PipeCheck::BranchOutside},
        {{12, 10, 2, 0}, PipeCheck::BranchOutside},
        {{12, 10, -2, 0}, PipeCheck::BranchOutside},
        {{12, 12.01, 0, 0}, PipeCheck::BranchLarger},
        {{12, 14, 9, 0}, PipeCheck::BranchLarger},
        {{0, 6, 0, 0}, PipeCheck::NotEnough},
        {{12, 0, 0, 0}, PipeCheck::NotEnough},
        {{-12, 6, 0, 0}, PipeCheck::NotEnough},
        {{std::nan(""), 6, 0, 0}, PipeCheck::NotEnough},
        {{12, kInf, 0, 0}, PipeCheck::BranchLarger},
        {{kInf, 6, 0, 0}, PipeCheck::TooLarge},
        {{kInf, kInf, 0, 0}, PipeCheck::TooLarge},
        {{12, 6, std::nan(""), 0}, PipeCheck::TooLarge},
        {{1e10, 1e10, 0, 0}, PipeCheck::TooLarge},
        {{1e10, 1e9, 0, 0}, PipeCheck::TooLarge},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckPipeInputs(c.in), c.expected)
            << c.in.MainDiameter << " " << c.in.BranchDiameter << " " << c.in.Offset;
}

TEST(PipeModel, RingsCircleTheOffsetBranchAxisAtTheMainAxisAndTheReferenceDistance) {
    const PipeInputs in{12, 6, 1, 0};
    const PipeModel m = BuildPipeModel(in, 40);
    ASSERT_EQ(m.AxisRing.size(), 41u);
    ASSERT_EQ(m.FarRing.size(), 41u);
    EXPECT_EQ(m.AxisRing.front(), m.AxisRing.back());
    EXPECT_EQ(m.FarRing.front(), m.FarRing.back());
    for (std::size_t i = 0; i < m.AxisRing.size(); ++i) {
        const TDPoint& a = m.AxisRing[i];
        const TDPoint& f = m.FarRing[i];
        EXPECT_DOUBLE_EQ(a.y, 0);
        EXPECT_DOUBLE_EQ(f.y, -12); // e = Db/2 + ds
        EXPECT_NEAR(std::hypot(a.x, a.z + 1), 3, 1e-12) << i;
        EXPECT_DOUBLE_EQ(a.x, f.x);
        EXPECT_DOUBLE_EQ(a.z, f.z);
    }
    // A quarter turn: across 0, in the offset direction rs - o.
    EXPECT_NEAR(m.AxisRing[10].x, 0, 1e-9);
    EXPECT_NEAR(m.AxisRing[10].z, 2, 1e-9);
}

TEST(PipePattern, ScreenDrawsTheEdgesAndPrintOnlyTheFinerCurve) {
    struct Case {
        bool print;
        int lines;
        int onBaseLine; // lines with an end on the straight edge y = 0
    };
    const PipeInputs in{12, 6, 1, 0};
    const double width = std::numbers::pi * 6;
    for (const Case c : {Case{false, 43, 3}, Case{true, 100, 0}}) {
        TCadDraw flat;
        flat.MakeLine(-5, -5, 0, 99, 99, 0); // an earlier drawing is replaced
        bool pdfInProgress = c.print;
        FlatPatternBuilder pattern;
        DrawPipePattern(pattern, in, pdfInProgress);
        ShowFlatPattern(flat, pattern.Pattern());
        EXPECT_FALSE(pdfInProgress);
        const TElements& list = flat.Elements();
        int lines = 0, onBase = 0;
        double right = 0;
        for (int i = 0; i < list.Count(); ++i) {
            const TElement& l = list[i];
            if (l.Deleted || l.Etype != kElementLine) continue;
            ++lines;
            EXPECT_EQ(l.Layer, 1);
            EXPECT_EQ(l.LineColor, 0xFFFFFFFFu);
            onBase += l.Coord(2) == 0 || l.Coord(5) == 0;
            right = std::max({right, l.Coord(1), l.Coord(4)});
        }
        EXPECT_EQ(lines, c.lines) << c.print;
        EXPECT_EQ(onBase, c.onBaseLine) << c.print;
        EXPECT_NEAR(right, width, 1e-9) << c.print;
    }
}

} // namespace
} // namespace brevant
