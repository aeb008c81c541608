// Thin antialiased strokes painted straight onto a bitmap: where a line's ink lands and how
// much, flat half-covered ends, dots, small arcs, blending over what is there, and that no
// stroke, however far off or malformed, writes outside the bitmap.
#include "caddraw/thin_stroke_raster.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

namespace brevant {
namespace {

constexpr std::uint32_t kBlack = 0xFF000000u, kGreen = 0xFF00FF00u, kGuard = 0x12345678u;

// A 40 x 30 bitmap on black inside a frame of guard pixels (8 each side) that no stroke may touch.
struct Bitmap {
    static constexpr int kW = 40, kH = 30, kFrame = 8, kStride = kW + 2 * kFrame;
    std::vector<std::uint32_t> store =
        std::vector<std::uint32_t>(static_cast<std::size_t>(kStride) * (kH + 2 * kFrame), kGuard);
    Bitmap() {
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                At(x, y) = kBlack;
    }
    std::uint32_t& At(int x, int y) { return store[(y + kFrame) * kStride + x + kFrame]; }
    TThinStrokeRaster Raster(std::uint32_t argb = kGreen) {
        return TThinStrokeRaster(&At(0, 0), kW, kH, kStride, argb);
    }
    int Green(int x, int y) { return static_cast<int>((At(x, y) >> 8) & 0xFF); }
    int Lit() {
        int n = 0;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                n += Green(x, y) > 0;
        return n;
    }
    bool GuardsKept() const {
        int kept = 0;
        for (std::uint32_t p : store)
            kept += p == kGuard;
        return kept == kStride * (kH + 2 * kFrame) - kW * kH;
    }
};

TEST(ThinStrokeRaster, LinesThroughPixelCentresCoverTheirPixelsWithHalfCoveredEnds) {
    struct Case {
        const char* name;
        double x1, y1, x2, y2;
    } cases[] = {
        {"left to right", 10.5, 10.5, 20.5, 10.5},
        {"right to left", 20.5, 10.5, 10.5, 10.5},
        {"downwards (columns and rows swapped)", 10.5, 10.5, 10.5, 20.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bitmap b;
        b.Raster().Line(c.x1, c.y1, c.x2, c.y2);
        const bool across = c.y1 == c.y2;
        for (int k = 10; k <= 20; ++k) {
            const int g = across ? b.Green(k, 10) : b.Green(10, k);
            EXPECT_EQ(g, k == 10 || k == 20 ? 127 : 255) << k;
        }
        EXPECT_EQ(b.Lit(), 11); // nothing on the neighbouring rows or beyond the ends
    }
}

TEST(ThinStrokeRaster, ALineBetweenPixelCentresSharesItsInkByDistance) {
    Bitmap b;
    b.Raster().Line(5.5, 10.25, 25.5, 10.25); // a quarter above the centres of row 10
    EXPECT_EQ(b.Green(15, 10), 191);
    EXPECT_EQ(b.Green(15, 9), 63);
    EXPECT_EQ(b.Green(15, 11), 0);

    Bitmap slope;
    slope.Raster().Line(10.5, 9.5, 20.5, 12.5); // three rows over ten columns
    for (int x = 11; x < 20; ++x) {
        const int sum =
            slope.Green(x, 9) + slope.Green(x, 10) + slope.Green(x, 11) + slope.Green(x, 12);
        EXPECT_NEAR(sum, 255, 2) << x; // each column carries the line's whole ink
    }
    EXPECT_EQ(slope.Green(16, 11), 204); // 0.2 of a pixel from the centre of row 11
}

// A long shallow line: the ink along it stays where the line passes, from one end to the other.
TEST(ThinStrokeRaster, ALongLineKeepsItsPlaceToTheEnd) {
    constexpr int kW = 4001, kH = 4;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(kW) * kH, kBlack);
    TThinStrokeRaster(pixels.data(), kW, kH, kW, kGreen).Line(0.5, 1.0, 4000.5, 2.0);
    auto green = [&](int x, int y) {
        return static_cast<int>((pixels[static_cast<std::size_t>(y) * kW + x] >> 8) & 0xFF);
    };
    struct Column {
        int x;
        int rows[4]; // the line passes at y = 1 + (x + 0.5 - 0.5) / 4000
    } columns[] = {
        {1000, {64, 191, 0, 0}}, // y = 1.25
        {2000, {0, 255, 0, 0}},  // y = 1.5, the centre of row 1
        {3000, {0, 191, 64, 0}}, // y = 1.75
        {4000, {0, 64, 64, 0}},  // the end, half covered, midway between rows 1 and 2
    };
    for (const Column& c : columns)
        for (int y = 0; y < kH; ++y)
            EXPECT_NEAR(green(c.x, y), c.rows[y], 1) << "x " << c.x << " y " << y;
}

TEST(ThinStrokeRaster, ADotLightsTheWholePixelNearestItsPoint) {
    struct Case {
        double x, y;
        int px, py;
    } cases[] = {{10.49, 7.2, 10, 7}, {10.5, 7.5, 11, 8}, {10.99, 6.6, 11, 7}, {0, 0, 0, 0}};
    for (const Case& c : cases) {
        Bitmap b;
        b.Raster().Dot(c.x, c.y);
        EXPECT_EQ(b.Green(c.px, c.py), 255) << c.x << "," << c.y;
        EXPECT_EQ(b.Lit(), 1);
    }
    Bitmap b;
    for (double far : {-0.6, 39.6, std::numeric_limits<double>::quiet_NaN()})
        b.Raster().Dot(far, far);
    EXPECT_EQ(b.Lit(), 0);
    EXPECT_TRUE(b.GuardsKept());
}

TEST(ThinStrokeRaster, ASmallArcIsARingOfChords) {
    Bitmap b;
    b.Raster().Arc(10.5, 10.5, 1, 0, 360);
    EXPECT_EQ(b.Green(10, 10), 0); // the centre stays clear
    for (auto [x, y] : {std::pair{9, 10}, {11, 10}, {10, 9}, {10, 11}})
        EXPECT_GT(b.Green(x, y), 160) << x << "," << y;

    // A half arc clockwise on the screen from the right: the lower half.
    Bitmap half;
    half.Raster().Arc(20.5, 15.5, 8, 0, 180);
    EXPECT_GT(half.Green(20, 23), 150);
    EXPECT_EQ(half.Green(20, 7), 0);
    Bitmap up;
    up.Raster().Arc(20.5, 15.5, 8, 0, -180); // anticlockwise: the upper half
    EXPECT_GT(up.Green(20, 7), 150);
    EXPECT_EQ(up.Green(20, 23), 0);

    Bitmap none;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    none.Raster().Arc(10.5, 10.5, 0, 0, 360);
    none.Raster().Arc(10.5, 10.5, nan, 0, 360);
    none.Raster().Arc(10.5, 10.5, 3, nan, 90);
    none.Raster().Arc(1e300, 10.5, 3, 0, 90);
    EXPECT_EQ(none.Lit(), 0);
    EXPECT_TRUE(none.GuardsKept());
}

TEST(ThinStrokeRaster, BlendsOverWhatIsThere) {
    Bitmap b;
    b.At(3, 5) = 0xFFFF0000u;                        // red under the stroke
    b.Raster(0x80FFFFFFu).Line(0.5, 5.5, 10.5, 5.5); // half-transparent white
    EXPECT_NEAR(static_cast<int>((b.At(3, 5) >> 16) & 0xFF), 255, 1);
    EXPECT_NEAR(static_cast<int>((b.At(3, 5) >> 8) & 0xFF), 128, 1);
    EXPECT_EQ(b.At(3, 5) >> 24, 0xFFu);
    EXPECT_NEAR(static_cast<int>(b.At(6, 5) & 0xFF), 128, 1); // over black

    // Strokes of one colour crossing each other leave the same pixels in either order.
    Bitmap one, other;
    one.Raster().Line(2.5, 3.2, 30.5, 17.9);
    one.Raster().Line(4.1, 20.5, 28.5, 1.5);
    other.Raster().Line(4.1, 20.5, 28.5, 1.5);
    other.Raster().Line(2.5, 3.2, 30.5, 17.9);
    for (int y = 0; y < Bitmap::kH; ++y)
        for (int x = 0; x < Bitmap::kW; ++x)
            EXPECT_NEAR(one.Green(x, y), other.Green(x, y), 1) << x << "," << y;
}

TEST(ThinStrokeRaster, APolylineJoinsItsSegments) {
    Bitmap b;
    const TPixelPoint points[] = {{10.5, 10.5}, {15.5, 10.5}, {20.5, 12.5}};
    b.Raster().Polyline(points, 3);
    EXPECT_EQ(b.Green(12, 10), 255);
    EXPECT_NEAR(b.Green(15, 10), 191, 1); // two half-covered ends meet
    EXPECT_EQ(b.Green(20, 12), 127);
    const int lit = b.Lit();
    b.Raster().Polyline(points, 1); // a single point draws nothing
    b.Raster().Polyline(points, 0);
    EXPECT_EQ(b.Lit(), lit);
}

TEST(ThinStrokeRaster, KeepsToTheBitmapWhateverTheStroke) {
    const double inf = std::numeric_limits<double>::infinity(),
                 nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* name;
        double x1, y1, x2, y2;
        int lit; // pixels painted; -1: some; -2: any (only that it stays inside)
    } cases[] = {
        {"across the whole width from far off", -1e6, 5.5, 1e6, 5.5, Bitmap::kW},
        {"down the last column", 39.5, -3, 39.5, 40, Bitmap::kH},
        {"along the edge outside", -5, -0.5, 50, -0.5, 0},
        {"wholly outside", 50, 50, 80, 70, 0},
        {"steep across a corner", -3, 25, 6, -4, -1},
        {"far coordinates", -1e9, -1e9, 1e9, 1e9, -1},
        {"huge coordinates", -1e300, -1e300, 1e300, 1e300, -2},
        {"huge and uneven", -1e300, 3.5, 7e299, 20.5, -2},
        {"without length", 7.5, 7.5, 7.5, 7.5, 0},
        {"infinite end", 5.5, 5.5, inf, 5.5, 0},
        {"end not a number", 5.5, 5.5, nan, 8.5, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bitmap b;
        b.Raster().Line(c.x1, c.y1, c.x2, c.y2);
        EXPECT_TRUE(b.GuardsKept());
        if (c.lit >= 0) {
            EXPECT_EQ(b.Lit(), c.lit);
        } else if (c.lit == -1) {
            EXPECT_GT(b.Lit(), 0);
        }
    }
    Bitmap full;
    full.Raster().Line(-1e6, 5.5, 1e6, 5.5);
    for (int x = 0; x < Bitmap::kW; ++x)
        EXPECT_EQ(full.Green(x, 5), 255) << x;
}

} // namespace
} // namespace brevant
