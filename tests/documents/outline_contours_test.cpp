// Reading drawings as a cutting machine needs them: loose lines and arcs become closed
// outlines with shared end points, overlap edges become tabs, lines inside a subdivided piece
// become bend lines, and a strip with cut curves becomes the piece between them.
#include "caddraw/cad_drawing.h"
#include "caddraw/pattern_pen.h"
#include "documents/cam_dxf_writer.h"
#include "documents/outline_contours.h"
#include "documents/svg_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>

namespace brevant {
namespace {

void Pen(TCadDrawing& d, int layer, TColor colour = kColorWhite) {
    d.CadSettings().current_layer = layer;
    d.SetDrawColor(colour);
}
void Line(TCadDrawing& d, double x1, double y1, double x2, double y2) {
    d.MakeLine(x1, y1, 0, x2, y2, 0);
}

// A sector of radii 5 and 10 from 30 to 150 degrees, its radial edges drawn with a slightly
// wrong degree constant, as the sheet draws them.
void Sector(TCadDrawing& d, double x0 = 0, double y0 = 0) {
    d.MakeArc(1, x0, y0, 0, 10, 30, 150);
    d.MakeArc(1, x0, y0, 0, 5, 30, 150);
    const double c = std::cos(30 * 0.01745), s = std::sin(30 * 0.01745);
    Line(d, x0 + 5 * c, y0 + 5 * s, x0 + 10 * c, y0 + 10 * s);
    Line(d, x0 - 5 * c, y0 + 5 * s, x0 - 10 * c, y0 + 10 * s);
}

double SectorArea() {
    return 120.0 / 360 * std::numbers::pi * (100 - 25);
}

TEST(OutlineContours, SectorWithGapsClosesOnTheArcEnds) {
    TCadDrawing d;
    Pen(d, kLayerOutline);
    Sector(d);
    Sector(d, 30, 0); // a second piece on the same sheet
    const ShopOutlines o = BuildShopOutlines(d);
    ASSERT_EQ(o.cut.size(), 2u);
    for (const Contour& c : o.cut) {
        EXPECT_TRUE(c.closed);
        ASSERT_EQ(c.vertices.size(), 4u);
        EXPECT_NEAR(SignedArea(c), SectorArea(), 1e-9);
        // Every vertex is an arc's exact end: on radius 5 or 10 about its piece's apex.
        for (const ContourVertex& v : c.vertices) {
            const double x = v.x < 20 ? v.x : v.x - 30;
            const double r = std::hypot(x, v.y);
            EXPECT_TRUE(std::fabs(r - 5) < 1e-12 || std::fabs(r - 10) < 1e-12) << r;
        }
    }
}

TEST(OutlineContours, OverlapEdgesBecomeTabsAndTheJoinedEdgesMarks) {
    TCadDrawing d;
    Pen(d, kLayerOutline);
    Line(d, 0, 0, 4, 0);
    Line(d, 4, 0, 4, 3);
    Line(d, 4, 3, 0, 3);
    Line(d, 0, 3, 0, 0);
    Pen(d, kLayerOverlap, kColorRed);
    Line(d, 4.5, 3, 4.5, 0); // drawn the other way round
    Line(d, -0.5, 0, -0.5, 3);
    Line(d, 10, 10, 11, 11); // beside nothing: a mark
    const ShopOutlines o = BuildShopOutlines(d);
    ASSERT_EQ(o.cut.size(), 1u);
    EXPECT_EQ(o.cut[0].vertices.size(), 8u);
    EXPECT_NEAR(SignedArea(o.cut[0]), 12 + 2 * 1.5, 1e-12);
    EXPECT_EQ(o.mark.size(), 3u);
}

TEST(OutlineContours, LinesInsideASubdividedPieceAreBendLines) {
    TCadDrawing d;
    Pen(d, kLayerOutline, kColorLime);
    // A fan of triangles from (0, 0) to an arc of points, as a square to round lays out.
    Line(d, 0, 0, 10, 0);
    for (int k = 0; k < 4; ++k) {
        const double a = k * 0.3, b = (k + 1) * 0.3;
        Line(d, 10 * std::cos(a), 10 * std::sin(a), 10 * std::cos(b), 10 * std::sin(b));
        Line(d, 0, 0, 10 * std::cos(b), 10 * std::sin(b));
    }
    const ShopOutlines o = BuildShopOutlines(d);
    ASSERT_EQ(o.cut.size(), 1u);
    EXPECT_EQ(o.cut[0].vertices.size(), 6u);
    EXPECT_GT(SignedArea(o.cut[0]), 0);
    EXPECT_EQ(o.bend.size(), 3u);
}

TEST(OutlineContours, StripWithCutCurvesIsThePieceBetweenThem) {
    // The curves y = 5 + t cos and y = -1 - cos from x = 0 to 2 pi in 8 steps, in a strip from
    // their lowest to their highest point. With t = 1 the curves end at the strip's corners,
    // with t = -1 the upper one ends inside the sides.
    for (const double t : {1.0, -1.0}) {
        TCadDrawing d;
        Pen(d, kLayerOutline);
        const double w = 2 * std::numbers::pi;
        for (int k = 0; k < 8; ++k) {
            const double a = w * k / 8, b = w * (k + 1) / 8;
            Line(d, a, 5 + t * std::cos(a), b, 5 + t * std::cos(b));
            Line(d, a, -1 - std::cos(a), b, -1 - std::cos(b));
        }
        Line(d, 0, 6, w, 6);
        Line(d, 0, -2, w, -2);
        Line(d, w, 6, w, -2);
        Line(d, 0, 6, 0, -2);
        const ShopOutlines o = BuildShopOutlines(d);
        ASSERT_EQ(o.cut.size(), 1u);
        EXPECT_TRUE(o.cut[0].closed);
        EXPECT_NEAR(SignedArea(o.cut[0]), 6 * w, 1e-9) << t; // the cosines cancel over a turn
    }
}

TEST(OutlineContours, SeamAndConstructionLayersStayOffTheOutline) {
    TCadDrawing d;
    Pen(d, kLayerOutline);
    Sector(d);
    d.SetDrawColor(kColorYellow); // the seam, drawn on the outline layer or the bend layer
    Line(d, 0, 5, 0, 10);
    Pen(d, kLayerBend, kColorYellow);
    Line(d, 1, 5, 2, 9);
    Pen(d, kLayerDimension, kColorCyan);
    Line(d, -12, 0, 12, 0);
    Pen(d, kLayerBoundingBox, kColorGrey);
    Line(d, -10, 0, 10, 0);
    const ShopOutlines o = BuildShopOutlines(d);
    ASSERT_EQ(o.cut.size(), 1u);
    EXPECT_NEAR(SignedArea(o.cut[0]), SectorArea(), 1e-9);
    EXPECT_EQ(o.mark.size(), 2u);
    EXPECT_TRUE(o.bend.empty());
}

TEST(OutlineContours, AnOutlineWithAGapStaysOpen) {
    TCadDrawing d;
    Pen(d, kLayerOutline);
    Line(d, 0, 0, 4, 0);
    Line(d, 4, 0, 4, 3);
    Line(d, 4, 3, 0, 3);
    const ShopOutlines o = BuildShopOutlines(d);
    ASSERT_EQ(o.cut.size(), 1u);
    EXPECT_FALSE(o.cut[0].closed);
    EXPECT_EQ(o.cut[0].vertices.size(), 4u);
}

TEST(ShopWriters, UnitsAndSizeFollowTheDisplayUnit) {
    TCadDrawing d;
    Pen(d, kLayerOutline);
    Line(d, 0, 0, 2, 0);
    Line(d, 2, 0, 2, 1);
    Line(d, 2, 1, 0, 1);
    Line(d, 0, 1, 0, 0);
    std::ostringstream dxf, svg;
    WriteCamDxf(dxf, d, {kMillimeters});
    WriteSvg(svg, d, {kMillimeters});
    EXPECT_NE(dxf.str().find("$INSUNITS\r\n 70\r\n4\r\n"), std::string::npos);
    EXPECT_NE(dxf.str().find("$MEASUREMENT\r\n 70\r\n1\r\n"), std::string::npos);
    EXPECT_NE(dxf.str().find(" 10\r\n50.8\r\n"), std::string::npos);
    EXPECT_NE(svg.str().find("width=\"50.8mm\" height=\"25.4mm\" viewBox=\"0.0 -25.4 50.8 25.4\""),
              std::string::npos)
        << svg.str();
}

TEST(ShopWriters, AnEmptyDrawingIsAValidEmptyFile) {
    TCadDrawing d;
    std::ostringstream dxf, svg;
    WriteCamDxf(dxf, d, {kInches});
    WriteSvg(svg, d, {kInches});
    EXPECT_NE(dxf.str().find("ENTITIES\r\n  0\r\nENDSEC\r\n"), std::string::npos);
    EXPECT_TRUE(dxf.str().ends_with("  0\r\nEOF\r\n"));
    EXPECT_NE(svg.str().find("width=\"0.0in\""), std::string::npos);
}

} // namespace
} // namespace brevant
