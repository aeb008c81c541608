// Painting elements and primitives on the view's target, element by element or in batches.
#include "caddraw/element_painter.h"

#include <array>
#include <numbers>

namespace brevant {

namespace {

using painter_detail::Win;

// A batched painter skips strokes this far (pixels, beyond the pen's width) outside the view.
constexpr double kCullMargin = 2;
// Solid arcs of these radii (pixels) are drawn as chords that leave the true arc by at most
// kChordSagitta pixels (on a screen of normal density), about as closely as an antialiasing
// rasteriser flattens a curve; larger arcs, and arcs of a pixel that such a rasteriser
// draws as a faint dot, go to the canvas as arcs.
constexpr double kChordArcMinRadius = 2;
constexpr double kChordArcRadius = 64;
constexpr double kChordSagitta = 0.25;
// A polyline arc whose whole circle spans less than this (pixels) each side of its centre is
// drawn through five of its points (its quarter points), which round to the pixels that all
// of them would.
constexpr double kDotReach = 0.5;
// A batch is painted once it holds this many points, which bounds its memory.
constexpr std::size_t kBatchPoints = 16384;
constexpr std::size_t kChordTable = static_cast<std::size_t>(kChordArcRadius) + 1;

} // namespace

TElementPainter::TPixelMap TElementPainter::MapOf(const TSettings& s) {
    const int w = Win(s);
    TPixelMap m;
    m.rotated = w != 1;
    if (m.rotated) {
        m.ax = s.coff_ax, m.bx = s.coff_bx, m.cx = s.coff_cx;
        m.ay = s.coff_ay, m.by = s.coff_by, m.cy = s.coff_cy;
    }
    m.xs = s.xscale[w], m.ys = s.yscale[w];
    m.xo = s.x_plot_origin[w], m.yo = s.y_plot_origin[w];
    return m;
}

TElementPainter::TElementPainter(TCadDraw& view, bool batched)
    : v_(view), s_(view.CadSettings()), canvas_(view.Target()), map_(MapOf(view.CadSettings())),
      batched_(batched && !view.CadSettings().print_on),
      sagitta_(kChordSagitta / std::max(1.0, canvas_ ? canvas_->PixelDensity() : 1.0)),
      viewRight_(std::max(view.width_, 4.0)), viewBottom_(std::max(view.height_, 4.0)) {
    // Whatever this painter paints, the bitmap no longer shows the picture the view last
    // painted (a repaint records its own picture after painting).
    view.picture_.valid = false;
    CullToPaintBox();
}

TElementPainter::TElementPainter(TCadDraw& view, double pixelDensity, TPrepared& out)
    : v_(view), s_(view.CadSettings()), canvas_(nullptr), record_(&out),
      map_(MapOf(view.CadSettings())), batched_(!view.CadSettings().print_on),
      sagitta_(kChordSagitta / std::max(1.0, pixelDensity)), viewRight_(std::max(view.width_, 4.0)),
      viewBottom_(std::max(view.height_, 4.0)) {
    CullToPaintBox();
}

void TElementPainter::CullToPaintBox() {
    if (v_.paintBox_) {
        const auto& box = *v_.paintBox_;
        viewLeft_ = box.left, viewTop_ = box.top;
        viewRight_ = box.left + box.width, viewBottom_ = box.top + box.height;
    }
}

TElementPainter::~TElementPainter() {
    if (record_) return; // it shares the view with the painter it prepares for
    Flush();
    v_.paintedTie_ = v_.paintedTie_ || map_.tie;
}

TColor TElementPainter::HighlightColor(const TElement& e) const {
    if (s_.print_on && e.Highlight != kHighlightPicked && e.Highlight != kHighlightGroup &&
        e.Highlight != kHighlightErase && e.Highlight != kHighlightCopy)
        return e.LineColor;
    switch (e.Highlight) {
    case kHighlightPicked:
    case kHighlightChain:
        return kColorYellow;
    case kHighlightGroup:
        return kColorRed;
    case kHighlightErase:
        return v_.BackgroundColor();
    case kHighlightCopy:
        return kColorMagenta;
    case kHighlightHidden:
        return kColorHidden;
    default:
        return e.LineColor;
    }
}

void TElementPainter::Stroke(TColor color, int linetype) {
    Flush();
    if (s_.print_on) {
        if (s_.print_monochrome || color == kColorWhite) color = kColorBlack;
        canvas_->SetStrokeColor(color);
        canvas_->SetStrokeWidth(s_.print_stroke_width);
    } else {
        canvas_->SetStrokeColor(color);
        canvas_->SetStrokeWidth(s_.PenWidth());
    }
    TDashStyle dash = TDashStyle::Solid;
    if (painter_detail::DashOf(linetype, dash)) {
        canvas_->SetDash(dash);
        canvasDash_ = dash;
    }
}

void TElementPainter::Pen(TColor color, int linetype) {
    if (!batched_) {
        Stroke(color, linetype);
        return;
    }
    if (!batch_.Empty() && color == lastColor_ && linetype == lastLinetype_) return;
    lastColor_ = color, lastLinetype_ = linetype;
    TPen pen{color, s_.PenWidth(), {}};
    TDashStyle dash = TDashStyle::Solid;
    if (painter_detail::DashOf(linetype, dash))
        pen.dash = dash;
    else // an unknown style keeps the dash of the stroke before
        pen.dash = batch_.Empty() ? canvasDash_ : batchPen_.dash;
    if (!batch_.Empty() && pen == batchPen_) return;
    Flush();
    batchPen_ = pen;
}

void TElementPainter::ApplyPen(const TPen& pen) {
    canvas_->SetStrokeColor(pen.color);
    canvas_->SetStrokeWidth(pen.width);
    if (pen.dash) {
        canvas_->SetDash(*pen.dash);
        canvasDash_ = pen.dash;
    }
}

void TElementPainter::Flush() {
    if (batch_.Empty()) return;
    if (record_) {
        record_->runs.push_back({batchPen_, std::move(batch_)});
        batch_ = TStrokeBatch();
        return;
    }
    ApplyPen(batchPen_);
    canvas_->DrawStrokes(batch_);
    batch_.Clear();
}

void TElementPainter::PaintPrepared(const TPrepared& prepared) {
    Flush();
    for (const TPrepared::TRun& run : prepared.runs) {
        ApplyPen(run.pen);
        canvas_->DrawStrokes(run.batch);
    }
    map_.tie = map_.tie || prepared.tie;
}

void TElementPainter::FlushWhenFull() {
    if (batch_.Points().size() >= kBatchPoints) Flush();
}

bool TElementPainter::Outside(double left, double top, double right, double bottom) const {
    if (!batched_) return false;
    const double m = s_.PenWidth() + kCullMargin;
    return right < viewLeft_ - m || left > viewRight_ + m || bottom < viewTop_ - m ||
           top > viewBottom_ + m;
}

void TElementPainter::Line(const TDPoint& a, const TDPoint& b, TColor color, int linetype) {
    const TPixelPoint p = map_(a.x, a.y, a.z), q = map_(b.x, b.y, b.z);
    if (Outside(std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x), std::max(p.y, q.y)))
        return;
    Pen(color, linetype);
    ClippedLine(p.x + 0.5, p.y + 0.5, q.x + 0.5, q.y + 0.5);
}

void TElementPainter::ClippedLine(double x1, double y1, double x2, double y2) {
    if (!painter_detail::ClipSegment(x1, y1, x2, y2)) return;
    if (!batched_) {
        canvas_->DrawLine(x1, y1, x2, y2);
        return;
    }
    batch_.AddLine(x1, y1, x2, y2);
    FlushWhenFull();
}

void TElementPainter::ClippedPolyline(const std::vector<TPixelPoint>& points) {
    const bool inside = std::all_of(points.begin(), points.end(), [](const TPixelPoint& p) {
        return painter_detail::InClipBox(p.x, p.y);
    });
    if (!inside) {
        for (std::size_t i = 1; i < points.size(); ++i)
            ClippedLine(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
    } else if (batched_) {
        batch_.BeginPolyline();
        for (const TPixelPoint& p : points)
            batch_.AddPoint(p.x, p.y);
        batch_.EndPolyline();
        FlushWhenFull();
    } else {
        canvas_->DrawPolyline(points);
    }
}

void TElementPainter::Point(const TDPoint& a, TColor color) {
    const TPixelPoint p = map_(a.x, a.y, a.z);
    if (std::fabs(p.x) > painter_detail::kFarPixel || std::fabs(p.y) > painter_detail::kFarPixel)
        return;
    const double x = p.x + 0.5, y = p.y + 0.5;
    if (Outside(x - 5, y - 5, x + 5, y + 5)) return;
    Pen(color, 0);
    if (batched_) {
        batch_.AddLine(x + 5, y, x - 5, y);
        batch_.AddLine(x, y + 5, x, y - 5);
        FlushWhenFull();
        return;
    }
    canvas_->DrawLine(x + 5, y, x - 5, y);
    canvas_->DrawLine(x, y + 5, x, y - 5);
}

void TElementPainter::Arc(const TDArc& a, int view, TColor color, int linetype) {
    const double start = drawgeo::FixAngle(a.sa), end = drawgeo::FixAngle(a.ea);
    const double sweep = drawgeo::GetArcAngle(start, end);
    if (Win(s_) == 1 && !s_.linearcs && view == 1 && !s_.print_on) {
        const TPixelPoint c = map_(a.Center.x, a.Center.y, a.Center.z);
        const double r = std::nearbyint(a.r * s_.xscale[1]);
        const double reach = std::fabs(r);
        if (Outside(c.x - reach, c.y - reach, c.x + reach, c.y + reach)) return;
        Pen(color, linetype);
        CanvasArc(c.x + 0.5, c.y + 0.5, r, end == 0 ? 0 : 360 - end, sweep);
        return;
    }
    if (batched_) {
        const TPixelPoint c = PlanePoint(ArcViewOf(view), {a.Center, 0, 0, 0}, 0);
        const TPixelPoint reach = ArcReach(a, view);
        if (Outside(c.x - reach.x, c.y - reach.y, c.x + reach.x, c.y + reach.y)) return;
        if (reach.x < kDotReach + 1 && reach.y < kDotReach + 1) { // under a pixel across
            Pen(color, linetype);
            std::vector<TPixelPoint> quarters;
            for (int i = 0; i <= 4; ++i)
                quarters.push_back(ArcPoint(a, view, start + i * sweep / 4));
            ClippedPolyline(quarters);
            return;
        }
    }
    Pen(color, linetype);
    ClippedPolyline(ArcPolyline(a, view, start, sweep));
}

void TElementPainter::CanvasArc(double cx, double cy, double radius, double startAngle,
                                double sweep) {
    if (!batched_)
        canvas_->DrawArc(cx, cy, radius, startAngle, sweep);
    else if (radius >= kChordArcMinRadius && radius <= kChordArcRadius && sweep > 0 &&
             sweep <= 360 &&
             batchPen_.dash == TDashStyle::Solid) // a dash runs along the canvas's own arc
        ChordArc(cx, cy, radius, startAngle, sweep);
    else
        batch_.AddArc({cx, cy, radius, startAngle, sweep});
    FlushWhenFull();
}

namespace {

// The angle (radians) of the chords of an arc of the given radius (pixels) that leave it by
// at most the sagitta (pixels).
double ChordStep(double radius, double sagitta) {
    static const std::array<double, kChordTable> steps = [] {
        std::array<double, kChordTable> t{};
        for (std::size_t r = 1; r < kChordTable; ++r)
            t[r] = 2 * std::acos(1 - kChordSagitta / static_cast<double>(r));
        return t;
    }();
    const double whole = std::nearbyint(radius);
    if (sagitta == kChordSagitta && whole == radius && whole >= 1 &&
        whole < static_cast<double>(kChordTable))
        return steps[static_cast<std::size_t>(whole)];
    return 2 * std::acos(1 - sagitta / std::max(radius, sagitta));
}

// Cosine and sine of an angle of at most 2 radians from their series (to the 18th and 19th
// powers): within 1e-14 up to a quarter turn, the angles used here, and cheaper than the
// library's general functions. Horner's scheme, written out.
void CosSinOfStep(double d, double& c, double& s) {
    if (!(std::fabs(d) <= 2)) {
        c = std::cos(d), s = std::sin(d);
        return;
    }
    const double x = d * d;
    c = 1 +
        x * (-1.0 / 2 +
             x * (1.0 / 24 +
                  x * (-1.0 / 720 +
                       x * (1.0 / 40320 + x * (-1.0 / 3628800 +
                                               x * (1.0 / 479001600 +
                                                    x * (-1.0 / 87178291200 +
                                                         x * (1.0 / 20922789888000 +
                                                              x * (-1.0 / 6402373705728000)))))))));
    s = d * (1 + x * (-1.0 / 6 +
                      x * (1.0 / 120 +
                           x * (-1.0 / 5040 +
                                x * (1.0 / 362880 +
                                     x * (-1.0 / 39916800 +
                                          x * (1.0 / 6227020800 +
                                               x * (-1.0 / 1307674368000 +
                                                    x * (1.0 / 355687428096000 +
                                                         x * (-1.0 / 121645100408832000))))))))));
}

// Cosine and sine of an angle of 0 to 360 degrees: a quarter turn at a time, then the series.
void CosSinOfDegrees(double degrees, double& c, double& s) {
    constexpr double kRad = std::numbers::pi / 180;
    if (!(degrees >= 0 && degrees <= 360)) {
        c = std::cos(degrees * kRad), s = std::sin(degrees * kRad);
        return;
    }
    const int quarter = std::min(3, static_cast<int>(degrees / 90));
    double qc = 0, qs = 0;
    CosSinOfStep((degrees - 90 * quarter) * kRad, qc, qs);
    switch (quarter) {
    case 0:
        c = qc, s = qs;
        break;
    case 1:
        c = -qs, s = qc;
        break;
    case 2:
        c = -qc, s = -qs;
        break;
    default:
        c = qs, s = -qc;
        break;
    }
}

} // namespace

// The arc as chords (clockwise on the screen from startAngle, as the canvas arc runs), their
// points turned one step at a time from the first.
void TElementPainter::ChordArc(double cx, double cy, double radius, double startAngle,
                               double sweep) {
    constexpr double kRad = std::numbers::pi / 180;
    const int n =
        std::clamp(static_cast<int>(std::ceil(sweep * kRad / ChordStep(radius, sagitta_))), 1, 360);
    double cd = 0, sd = 0;
    CosSinOfStep(sweep * kRad / n, cd, sd);
    double c = 0, s = 0;
    CosSinOfDegrees(startAngle, c, s);
    batch_.BeginPolyline();
    for (int i = 0; i <= n; ++i) {
        batch_.AddPoint(cx + radius * c, cy + radius * s);
        const double next = c * cd - s * sd;
        s = s * cd + c * sd;
        c = next;
    }
    batch_.EndPolyline();
}

// The matrix that places an arc of the given plane view (the identity for an unknown view).
const TArcView& TElementPainter::ArcViewOf(int view) const {
    static const TArcView kIdentity = {{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}, 1};
    return (view >= 1 && view <= 4) ? s_.arc_view[view] : kIdentity;
}

TPixelPoint TElementPainter::ArcReach(const TDArc& a, int view) const {
    const int w = Win(s_);
    const auto& m = ArcViewOf(view).m;
    const double gx[3] = {w == 1 ? 1 : s_.coff_ax, w == 1 ? 0 : s_.coff_bx,
                          w == 1 ? 0 : s_.coff_cx};
    const double gy[3] = {w == 1 ? 0 : s_.coff_ay, w == 1 ? 1 : s_.coff_by,
                          w == 1 ? 0 : s_.coff_cy};
    // The circle's in-plane axes seen on the screen: each screen coordinate is
    // centre + r (a cos t + b sin t), which reaches |r| sqrt(a^2 + b^2) either side.
    auto reach = [&](const double* g, double scale) {
        const double a1 = g[0] * m[0][0] + g[1] * m[0][1] + g[2] * m[0][2];
        const double b1 = g[0] * m[1][0] + g[1] * m[1][1] + g[2] * m[1][2];
        return std::fabs(a.r * scale) * std::sqrt(a1 * a1 + b1 * b1) + 1; // + the rounding
    };
    return {reach(gx, s_.xscale[w]), reach(gy, s_.yscale[w])};
}

// The point of the arc's circle at the angle (degrees, in the arc's plane), in pixels.
TPixelPoint TElementPainter::ArcPoint(const TDArc& a, int view, double angle) const {
    return PlanePoint(ArcViewOf(view), a, angle / kDrawDegreesPerRadian);
}

TPixelPoint TElementPainter::PlanePoint(const TArcView& av, const TDArc& a, double t) const {
    const auto& m = av.m;
    const double cz = a.Center.z;
    const double u = a.Center.x + a.r * std::cos(t), v = a.Center.y + a.r * std::sin(t);
    const TPixelPoint p =
        map_(u * m[0][0] + v * m[1][0] + cz * m[2][0], u * m[0][1] + v * m[1][1] + cz * m[2][1],
             u * m[0][2] + v * m[1][2] + cz * m[2][2]);
    return {p.x + 0.5, p.y + 0.5};
}

std::vector<TPixelPoint> TElementPainter::ArcPolyline(const TDArc& a, int view, double start,
                                                      double sweep) {
    const double len = std::fabs(kFullTurn * a.r) * sweep / 360 * s_.xscale[Win(s_)];
    const double rounded = std::nearbyint(len);
    int n = rounded < 3600 ? static_cast<int>(rounded) / 10 : 360; // also catches NaN/inf
    n = std::clamp(n, 10, 360);
    const TArcView& av = ArcViewOf(view);
    std::vector<TPixelPoint> points;
    points.reserve(static_cast<std::size_t>(n) + 1);
    for (int i = 0; i <= n; ++i)
        points.push_back(PlanePoint(av, a, (start + i * sweep / n) / kDrawDegreesPerRadian));
    return points;
}

void TElementPainter::Circle(const TDPoint& c, double radius, TColor color, int linetype,
                             bool filled) {
    const TPixelPoint p = map_(c.x, c.y, c.z);
    const double r = std::nearbyint(radius * s_.xscale[Win(s_)]);
    const double left = p.x - r, top = p.y - r, right = p.x + r, bottom = p.y + r;
    for (double k : {left, top, right, bottom})
        if (!(std::fabs(k) <= painter_detail::kFarPixel)) return;
    if (std::fabs(right - left) < 2 && std::fabs(bottom - top) < 2) return;
    Stroke(color, linetype);
    canvas_->SetFillColor(color);
    canvas_->DrawEllipse(left, top, right - left, bottom - top, filled);
}

void TElementPainter::Text(double x, double y, const std::string& text, TColor color) {
    Flush();
    const TPixelPoint p = map_(x, y, 0);
    const TTextSize size = canvas_->MeasureText(text);
    canvas_->FillText(p.x, p.y, size.width, size.height, text, color);
}

void TElementPainter::Rectangle(const TElement& e) {
    Flush();
    const TPixelPoint p = map_(e.Coords[0], e.Coords[1], e.Coords[2]);
    const int w = Win(s_);
    const double pw = std::nearbyint(e.Coords[3] * s_.xscale[w]);
    const double ph = std::fabs(std::nearbyint(e.Coords[4] * s_.yscale[w]));
    const double left = p.x - std::trunc(pw / 2), top = p.y - std::trunc(ph / 2);
    if (e.FillColor != 0) {
        canvas_->SetFillColor(e.FillColor);
        canvas_->DrawRectangle(left, top, pw, ph, true);
        return;
    }
    Stroke(e.LineColor, e.linetype);
    canvas_->DrawRectangle(left, top, pw, ph, false);
}

void TElementPainter::Ellipse(double x, double y, double width, double height, TColor color,
                              int linetype) {
    const TPixelPoint p = map_(x, y, 0);
    const int w = Win(s_);
    const double pw = std::fabs(width * s_.xscale[w]), ph = std::fabs(height * s_.yscale[w]);
    Stroke(color, linetype);
    canvas_->DrawEllipse(p.x - pw / 2, p.y - ph / 2, pw, ph, false);
}

void TElementPainter::Candle(const TElement& e) {
    const TPixelPoint top = map_(e.Coords[0], e.Coords[1], 0);
    const TPixelPoint bottom = map_(e.Coords[0], e.Coords[2], 0);
    const TPixelPoint wickTop = map_(e.Coords[0], e.Coords[3], 0);
    const TPixelPoint wickBottom = map_(e.Coords[0], e.Coords[4], 0);
    const double half = e.Highlight / 2.0;
    Stroke(e.LineColor, 0);
    double x1 = wickTop.x + 0.5, y1 = wickTop.y + 0.5, x2 = wickBottom.x + 0.5,
           y2 = wickBottom.y + 0.5;
    if (painter_detail::ClipSegment(x1, y1, x2, y2)) canvas_->DrawLine(x1, y1, x2, y2);
    canvas_->SetFillColor(e.FillColor != 0 ? e.FillColor : e.LineColor);
    canvas_->DrawRectangle(top.x - half, std::min(top.y, bottom.y), e.Highlight,
                           std::fabs(bottom.y - top.y), true);
}

void TElementPainter::Element(const TElement& e, bool ellipseShifted) {
    const TCoords& c = e.Coords;
    switch (e.Etype) {
    case kElementPoint:
        Point({c[0], c[1], c[2]}, HighlightColor(e));
        break;
    case kElementLine:
        Line({c[0], c[1], c[2]}, {c[3], c[4], c[5]}, HighlightColor(e), e.linetype);
        break;
    case kElementArc:
        Arc(drawgeo::ArcOf(e), e.view, HighlightColor(e), e.linetype);
        break;
    default:
        OtherElement(e, ellipseShifted);
        break;
    }
}

bool TElementPainter::Prepare(const TElement& e) {
    TDashStyle dash = TDashStyle::Solid;
    switch (e.Etype) {
    case kElementPoint:
        break;
    case kElementLine:
    case kElementArc:
        if (!painter_detail::DashOf(e.linetype, dash)) return false;
        break;
    default:
        return false;
    }
    Element(e, false);
    record_->tie = record_->tie || map_.tie;
    return true;
}

void TElementPainter::OtherElement(const TElement& e, bool ellipseShifted) {
    if (s_.print_on) return; // the printer takes points, lines and arcs only
    const TCoords& c = e.Coords;
    switch (e.Etype) {
    case kElementCircle:
        Circle({c[0], c[1], c[2]}, c[3], HighlightColor(e), e.linetype, false);
        break;
    case kElementText:
        Text(c[0], c[1], e.text, e.LineColor);
        break;
    case kElementRectangle:
        Rectangle(e);
        break;
    case kElementEllipse:
        Ellipse(ellipseShifted ? c[0] - c[3] / 2 : c[0], c[1], c[4], c[5], e.LineColor, e.linetype);
        break;
    case kElementCandle:
        Candle(e);
        break;
    default:
        break; // images are kept by the host, not painted here
    }
}

} // namespace brevant
