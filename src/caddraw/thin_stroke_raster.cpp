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

// Blends a shade of the premultiplied colour (the colour at some coverage) over the pixel.
inline void Blend(std::uint32_t& d, std::uint32_t shade) {
    d = shade + ScaleBytes(d, 256 - (shade >> 24));
}

} // namespace

TThinStrokeRaster::TThinStrokeRaster(std::uint32_t* pixels, int width, int height,
                                     std::ptrdiff_t stride, std::uint32_t argb)
    : pixels_(pixels), width_(std::max(0, width)), height_(std::max(0, height)), stride_(stride) {
    const std::uint32_t color = Premultiplied(argb);
    for (unsigned coverage = 0; coverage <= 256; ++coverage)
        shades_[coverage] = ScaleBytes(color, coverage);
}

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

// One walk in integers: the ends along the major axis in 256ths of a pixel, so that a column's
// share of the segment is exact in the 256 steps of coverage, and the minor coordinate in
// 2^-32 pixel, which drifts by less than a thousandth of a pixel over the longest segment a
// bitmap holds. After clipping every coordinate lies within the margin, so the conversions
// stay in range; where one truncates a negative number instead of taking its floor, the
// difference is one unit of these.
void TThinStrokeRaster::Walk(double a, double b, double minorAtA, double slope, bool xMajor) {
    const int size = xMajor ? width_ : height_, minorSize = xMajor ? height_ : width_;
    const int start = static_cast<int>(a * 256 + 0.5), end = static_cast<int>(b * 256 + 0.5);
    const int first = std::max(0, start >> 8); // arithmetic shifts: floors
    const int last = std::min(size - 1, (end - 1) >> 8);
    if (end <= start || first > last) return;
    // Steps along the major axis in the bitmap, and from one minor pixel to the next.
    const std::ptrdiff_t majorStep = xMajor ? 1 : stride_, minorStep = xMajor ? stride_ : 1;
    constexpr double kOne = 4294967296.0; // 2^32
    // The minor coordinate at the centre of each column (row), measured from pixel centres.
    std::int64_t minor =
        static_cast<std::int64_t>((minorAtA + (first + 0.5 - a) * slope - 0.5) * kOne);
    const auto step = static_cast<std::int64_t>(slope * kOne);
    // Both pixels of a column lie in the bitmap when j is below this.
    const auto inner = static_cast<unsigned>(std::max(0, minorSize - 1));
    std::uint32_t* line = pixels_ + first * majorStep;
    for (int i = first, at = first * 256; i <= last; ++i, at += 256, minor += step) {
        // How much of the column the segment crosses (in 256ths): all of it but at its ends.
        const auto cover = static_cast<unsigned>(std::min(end, at + 256) - std::max(start, at));
        const auto j = static_cast<int>(minor >> 32); // a floor: the shift is arithmetic
        // The far pixel's share of the cover, from the fraction in 256ths, rounded.
        const auto frac = static_cast<unsigned>(((minor & 0xffffffffLL) + (1LL << 23)) >> 24);
        const unsigned far = (cover * frac + 128) >> 8, near = cover - far;
        if (static_cast<unsigned>(j) < inner) { // a coverage of 0 leaves a pixel as it is
            Blend(line[j * minorStep], shades_[near]);
            Blend(line[(j + 1) * minorStep], shades_[far]);
        } else {
            if (j >= 0 && j < minorSize) Blend(line[j * minorStep], shades_[near]);
            if (j + 1 >= 0 && j + 1 < minorSize) Blend(line[(j + 1) * minorStep], shades_[far]);
        }
        line += majorStep;
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
    // Each point is the one before turned by da about the centre: two library calls per arc
    // instead of two per chord.
    const double cd = std::cos(da), sd = std::sin(da);
    double c = std::cos(a0), s = std::sin(a0);
    double x = cx + radius * c, y = cy + radius * s;
    for (int i = 1; i <= n; ++i) {
        const double next = c * cd - s * sd;
        s = s * cd + c * sd;
        c = next;
        const double nx = cx + radius * c, ny = cy + radius * s;
        Line(x, y, nx, ny);
        x = nx, y = ny;
    }
}

void TThinStrokeRaster::Dot(double x, double y) {
    const double px = std::floor(x - left_ + 0.5), py = std::floor(y - top_ + 0.5);
    if (!(px >= 0 && py >= 0 && px < width_ && py < height_)) return; // also for NaN
    Blend(pixels_[static_cast<std::ptrdiff_t>(py) * stride_ + static_cast<std::ptrdiff_t>(px)],
          shades_[256]);
}

void TThinStrokeRaster::Prefetch(double x, double y) const {
    const double px = x - left_, py = y - top_;
    if (!(px >= 0 && py >= 0 && px < width_ && py + 1 < height_)) return; // also for NaN
    const std::uint32_t* p =
        pixels_ + static_cast<std::ptrdiff_t>(py) * stride_ + static_cast<std::ptrdiff_t>(px);
#if defined(__GNUC__)
    __builtin_prefetch(p, 1);
    __builtin_prefetch(p + stride_, 1);
#else
    (void)p;
#endif
}

void TThinStrokeRaster::Polyline(const TPixelPoint* points, std::size_t count) {
    for (std::size_t i = 1; i < count; ++i)
        Line(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
}

} // namespace brevant
