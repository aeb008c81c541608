// Antialiased one-pixel strokes on a premultiplied ARGB bitmap.
#include "caddraw/thin_stroke_raster.h"

#include "caddraw/segment_clip.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brevant {

namespace {

// Each byte of x times a / 256 (a from 0 to 256), two bytes at a time.
inline std::uint32_t ScaleBytes(std::uint32_t x, std::uint32_t a) {
    const std::uint32_t rb = (((x & 0x00ff00ffu) * a) >> 8) & 0x00ff00ffu;
    const std::uint32_t ag = (((x >> 8) & 0x00ff00ffu) * a) & 0xff00ff00u;
    return rb | ag;
}

std::uint32_t Premultiplied(std::uint32_t argb) {
    const std::uint32_t a = argb >> 24;
    return (ScaleBytes(argb & 0x00ffffffu, a + (a >> 7)) & 0x00ffffffu) | (a << 24);
}

constexpr double kMargin = 2; // pixels kept beyond the edges when clipping

} // namespace

TThinStrokeRaster::TThinStrokeRaster(std::uint32_t* pixels, int width, int height,
                                     std::ptrdiff_t stride, std::uint32_t argb)
    : pixels_(pixels), width_(std::max(0, width)), height_(std::max(0, height)), stride_(stride),
      color_(Premultiplied(argb)) {}

namespace {

// Blends the premultiplied colour over the pixel with the coverage (0 to 256).
inline void Blend(std::uint32_t& d, std::uint32_t color, unsigned coverage) {
    const std::uint32_t s = ScaleBytes(color, coverage);
    d = s + ScaleBytes(d, 256 - (s >> 24));
}

} // namespace

// Clips to the bitmap and a margin; false when nothing is left.
bool TThinStrokeRaster::Clip(double& x1, double& y1, double& x2, double& y2) const {
    if (!ClipSegmentToBox(x1, y1, x2, y2, -kMargin, width_ + kMargin, -kMargin, height_ + kMargin))
        return false;
    // Coordinates near the limits of doubles lose their digits in the arithmetic above; held
    // to the box, the walk's integer conversions stay in range whatever came in.
    auto hold = [](double& v, double size) { v = std::clamp(v, -kMargin, size + kMargin); };
    hold(x1, width_), hold(x2, width_), hold(y1, height_), hold(y2, height_);
    return true;
}

void TThinStrokeRaster::Line(double x1, double y1, double x2, double y2) {
    x1 -= left_, x2 -= left_, y1 -= top_, y2 -= top_;
    const bool inside = x1 >= 0 && x2 >= 0 && y1 >= 0 && y2 >= 0 && x1 <= width_ && x2 <= width_ &&
                        y1 <= height_ && y2 <= height_; // false for NaN
    if (!inside && !Clip(x1, y1, x2, y2)) return;
    const double dx = x2 - x1, dy = y2 - y1;
    if (std::fabs(dx) >= std::fabs(dy)) {
        if (dx == 0) return;
        if (dx > 0)
            Walk(x1, x2, y1, dy / dx, true);
        else
            Walk(x2, x1, y2, dy / dx, true);
    } else if (dy > 0) {
        Walk(y1, y2, x1, dx / dy, false);
    } else {
        Walk(y2, y1, x2, dx / dy, false);
    }
}

// After clipping every coordinate lies within the margin, so adding it makes the truncation a
// floor.
void TThinStrokeRaster::Walk(double a, double b, double minorAtA, double slope, bool xMajor) {
    constexpr int kShift = 4;
    const int size = xMajor ? width_ : height_, minorSize = xMajor ? height_ : width_;
    const int first = std::max(0, static_cast<int>(a + kShift) - kShift);
    const int last = std::min(size - 1, static_cast<int>(std::ceil(b)) - 1);
    // Steps along the major axis in the bitmap, and from one minor pixel to the next.
    const std::ptrdiff_t majorStep = xMajor ? 1 : stride_, minorStep = xMajor ? stride_ : 1;
    // The minor coordinate at the centre of each column (row), measured from pixel centres.
    double minor = minorAtA + (first + 0.5 - a) * slope - 0.5;
    std::uint32_t* line = pixels_ + first * majorStep;
    for (int i = first; i <= last; ++i, minor += slope, line += majorStep) {
        // How much of the column the segment crosses: all of it but at its ends.
        const double cover = (std::min(b, i + 1.0) - std::max(a, static_cast<double>(i))) * 256;
        if (!(cover > 0)) continue;
        const int j = static_cast<int>(minor + kShift) - kShift;
        const double frac = minor - j;
        const auto near = static_cast<unsigned>(cover * (1 - frac) + 0.5);
        const auto far = static_cast<unsigned>(cover * frac + 0.5);
        if (j >= 0 && j < minorSize && near) Blend(line[j * minorStep], color_, near);
        if (j + 1 >= 0 && j + 1 < minorSize && far) Blend(line[(j + 1) * minorStep], color_, far);
    }
}

void TThinStrokeRaster::Arc(double cx, double cy, double radius, double startAngle, double sweep) {
    constexpr double kSagitta = 0.25, kRad = std::numbers::pi / 180;
    constexpr int kMaxChords = 360;
    if (!(radius > 0) || !std::isfinite(radius) || !std::isfinite(startAngle) ||
        !std::isfinite(sweep))
        return;
    // Chords of at most a sixteenth of a turn keep a small arc round instead of a polygon
    // that a pixel's ink fills across.
    const double step =
        std::min(2 * std::acos(1 - kSagitta / std::max(radius, kSagitta)), std::numbers::pi / 8);
    const double turn = std::min(std::fabs(sweep), 360.0) * kRad;
    const int n = std::clamp(static_cast<int>(std::ceil(turn / step)), 1, kMaxChords);
    const double a0 = startAngle * kRad, da = (sweep < 0 ? -turn : turn) / n;
    double x = cx + radius * std::cos(a0), y = cy + radius * std::sin(a0);
    for (int i = 1; i <= n; ++i) {
        const double nx = cx + radius * std::cos(a0 + i * da),
                     ny = cy + radius * std::sin(a0 + i * da);
        Line(x, y, nx, ny);
        x = nx, y = ny;
    }
}

void TThinStrokeRaster::Dot(double x, double y) {
    const double px = std::floor(x - left_ + 0.5), py = std::floor(y - top_ + 0.5);
    if (!(px >= 0 && py >= 0 && px < width_ && py < height_)) return; // also for NaN
    Blend(pixels_[static_cast<std::ptrdiff_t>(py) * stride_ + static_cast<std::ptrdiff_t>(px)],
          color_, 256);
}

void TThinStrokeRaster::Polyline(const TPixelPoint* points, std::size_t count) {
    for (std::size_t i = 1; i < count; ++i)
        Line(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
}

} // namespace brevant
