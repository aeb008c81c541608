// Antialiased strokes one pixel wide painted straight onto a premultiplied ARGB bitmap: the
// screen redraw's lines and polylines, without a general rasteriser's per-stroke set-up. A line
// covers the two pixels nearest to it at each step along its longer axis, shaded by its
// distance from their centres, and ends flat at its end points (pixel (i, j) has its centre at
// (i + 0.5, j + 0.5)). Strokes blend over what is there (source over).
#pragma once

#include "caddraw/pixel_point.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace brevant {

class TThinStrokeRaster {
public:
    // pixels: the bitmap's first row; stride: pixels from one row to the next; argb: the
    // stroke colour, not premultiplied.
    TThinStrokeRaster(std::uint32_t* pixels, int width, int height, std::ptrdiff_t stride,
                      std::uint32_t argb);

    // Places the bitmap's first pixel at (left, top) of the coordinates the strokes come in
    // (a raster over part of a larger bitmap); (0, 0) unless set.
    void SetOrigin(double left, double top) { left_ = left, top_ = top; }

    // Paints the segment; the part outside the bitmap is dropped, and a segment without
    // length or with a coordinate that is not a finite number paints nothing.
    void Line(double x1, double y1, double x2, double y2);
    void Polyline(const TPixelPoint* points, std::size_t count);
    // A circular arc as chords that leave it by at most a quarter of a pixel and turn by at
    // most a sixteenth of a turn each; angles in degrees, clockwise on the screen from +x, as
    // ICanvas::DrawArc takes them. Meant for small arcs (a few hundred chords at most are drawn).
    void Arc(double cx, double cy, double radius, double startAngle, double sweep);
    // A line without length: the whole pixel whose centre lies nearest to the point, the pixel
    // below and to the right where the point lies midway.
    void Dot(double x, double y);
    // Asks the processor to fetch the pixels around the point into its cache ahead of a stroke
    // that will paint there: strokes scattered over a bitmap larger than the cache otherwise
    // wait on memory at every step. Paints nothing.
    void Prefetch(double x, double y) const;

private:
    bool Clip(double& x1, double& y1, double& x2, double& y2) const;
    // One step per column (xMajor) or per row, from a to b along the major axis.
    void Walk(double a, double b, double minorAtA, double slope, bool xMajor);

    std::uint32_t* pixels_;
    int width_;
    int height_;
    std::ptrdiff_t stride_;
    // The premultiplied colour at each coverage from 0 to 256, worked out once per raster.
    std::array<std::uint32_t, 257> shades_;
    double left_ = 0;
    double top_ = 0;
};

} // namespace brevant
