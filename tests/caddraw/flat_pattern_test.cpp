// The typed flat pattern: strokes keep their pen and role, what the drawing would refuse is left
// out, and measuring, turning and moving a pattern give what the drawing gives for its
// elements.
#include "caddraw/cad_drawing.h"
#include "caddraw/flat_pattern_builder.h"
#include "caddraw/flat_pattern_render.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace brevant {
namespace {

// A small pattern with every shape: lines and arcs on two pens, a full circle and a box.
FlatPatternBuilder Sample() {
    FlatPatternBuilder b;
    b.SetPen(1, kColorWhite, FlatRole::Outline);
    b.Line(1, 2, 7, 3);
    b.Arc(0, 0, 5, 30, 150);
    b.SetPen(4, kColorLime, FlatRole::Bend);
    b.Line(-2, -1, 3, 4);
    b.Arc(2, 1, 1, 200, 200.00001); // ends that meet: the full circle
    b.SetPen(8, kColorGrey, FlatRole::Frame);
    b.Box(1, 1, 4, 2);
    return b;
}

std::vector<TElement> Undeleted(const TCadDrawing& d) {
    std::vector<TElement> out;
    for (const TElement& e : d.Elements())
        if (!e.Deleted) out.push_back(e);
    return out;
}

void ExpectSameElements(const TCadDrawing& a, const TCadDrawing& b) {
    const auto x = Undeleted(a), y = Undeleted(b);
    ASSERT_EQ(x.size(), y.size());
    for (size_t i = 0; i < x.size(); ++i) {
        EXPECT_EQ(x[i].Etype, y[i].Etype) << i;
        EXPECT_EQ(x[i].Layer, y[i].Layer) << i;
        EXPECT_EQ(x[i].LineColor, y[i].LineColor) << i;
        for (int k = 1; k <= 6; ++k)
            EXPECT_NEAR(x[i].Coord(k), y[i].Coord(k), 1e-12) << i << " coord " << k;
    }
}

TEST(FlatPattern, StrokesKeepTheirPenAndRoleAndRenderInOrder) {
    const FlatPatternBuilder b = Sample();
    const auto& strokes = b.Pattern().Strokes;
    ASSERT_EQ(strokes.size(), 5u);
    EXPECT_EQ(strokes[1].Role, FlatRole::Outline);
    EXPECT_EQ(strokes[2].Role, FlatRole::Bend);
    EXPECT_EQ(strokes[2].Pen, (FlatPen{4, kColorLime}));
    const auto& circle = std::get<FlatArc>(strokes[3].Shape);
    EXPECT_EQ(circle.StartAngle, 0);
    EXPECT_EQ(circle.EndAngle, 360);
    TCadDrawing d;
    RenderFlatPattern(d, b.Pattern());
    const auto elements = Undeleted(d);
    ASSERT_EQ(elements.size(), 5u);
    EXPECT_EQ(elements[0].Etype, kElementLine);
    EXPECT_EQ(elements[1].Etype, kElementArc);
    EXPECT_EQ(elements[3].Layer, 4);
    EXPECT_EQ(elements[4].Etype, kElementRectangle);
    EXPECT_EQ(elements[4].LineColor, kColorGrey);
}

TEST(FlatPattern, WhatTheDrawingRefusesIsLeftOut) {
    FlatPatternBuilder b;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    b.Line(0, 0, nan, 1);
    b.Line(2e9, 0, 1, 1);
    b.Arc(0, 0, 3e9, 0, 90);
    b.Line(0, 0, 1, 1);
    EXPECT_EQ(b.Pattern().Strokes.size(), 1u);
}

TEST(FlatPattern, ExtentsTurnsAndMovesAreTheDrawingsOwn) {
    FlatPatternBuilder b = Sample();
    TCadDrawing d;
    RenderFlatPattern(d, b.Pattern());
    d.SetExtents();
    FlatExtents e = b.Extents();
    EXPECT_EQ(e.MinX, d.CadSettings().min_x);
    EXPECT_EQ(e.MaxY, d.CadSettings().max_y);
    for (double angle : {37.5, 350.0, 400.0}) {
        FlatPatternBuilder turned = Sample();
        turned.RotateAll(angle);
        turned.ShiftAll(3, -2);
        TCadDrawing group;
        RenderFlatPattern(group, Sample().Pattern());
        group.AddToGroup(0);
        group.RotateGroup(angle, 0, 0, 1, false);
        group.AddToGroup(0);
        group.ShiftGroup(3, -2, 0, 1, false);
        TCadDrawing rendered;
        RenderFlatPattern(rendered, turned.Pattern());
        ExpectSameElements(group, rendered); // the box has no turned copy in either
    }
}

TEST(FlatPattern, ShownPatternReplacesTheViewAndAppliesItsHints) {
    TCadDraw view;
    view.MakeLine(-50, -50, 0, 50, 50, 0);
    FlatPatternBuilder b = Sample();
    b.FixView();
    ShowFlatPattern(view, b.Pattern());
    EXPECT_EQ(Undeleted(view).size(), 5u);
    EXPECT_FALSE(view.CadSettings().mouse_pan);
    EXPECT_LT(view.CadSettings().max_x, 50);
}

} // namespace
} // namespace brevant
