// Paints primitives and single elements of a CAD view on its current target (bitmap or
// printer page); shared by the redraw, the immediate drawing and printing.
#pragma once

#include "caddraw/cad_draw.h"
#include "caddraw/draw_geometry.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace brevant {

namespace painter_detail {

constexpr double kFarPixel = 100000; // points and circles beyond this are not drawn
// Strokes are clipped to this box (pixels) before they reach the canvas, so far-off geometry
// at a high zoom cannot overflow a canvas's own fixed-point arithmetic; the visible part of a
// stroke is unchanged.
constexpr double kClipPixel = 1e6;

inline bool InClipBox(double x, double y) {
    return std::fabs(x) <= kClipPixel && std::fabs(y) <= kClipPixel; // false for NaN
}

// Liang-Barsky clipping of a segment to the clip box; false when nothing is left.
inline bool ClipSegment(double& x1, double& y1, double& x2, double& y2) {
    if (InClipBox(x1, y1) && InClipBox(x2, y2)) return true;
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return false;
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 + kClipPixel, kClipPixel - x1, y1 + kClipPixel, kClipPixel - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const double ax = x1 + t0 * dx, ay = y1 + t0 * dy;
    x2 = x1 + t1 * dx, y2 = y1 + t1 * dy;
    x1 = ax, y1 = ay;
    return true;
}

// The dash of a line style; false keeps the dash of the previous drawing call.
inline bool DashOf(int linetype, TDashStyle& dash) {
    switch (linetype) {
    case 0:
    case 1:
    case 21:
        dash = TDashStyle::Solid;
        return true;
    case 2:
    case 22:
        dash = TDashStyle::Dot;
        return true;
    case 3:
    case 23:
        dash = TDashStyle::DashDot;
        return true;
    case 4:
    case 24:
        dash = TDashStyle::DashDotDot;
        return true;
    default:
        return false;
    }
}

inline int Win(const TSettings& s) {
    return std::clamp(s.current_plot_window, 1, 4);
}

} // namespace painter_detail

// Paints primitives and elements on the view's current target (bitmap or printer page).
class TElementPainter {
public:
    explicit TElementPainter(TCadDraw& view)
        : v_(view), s_(view.CadSettings()), canvas_(view.Target()) {}

    bool Ready() const { return canvas_ != nullptr; }

    // The colour an element is drawn in, by its highlight (points, lines, arcs, circles).
    TColor HighlightColor(const TElement& e) const {
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

    void Stroke(TColor color, int linetype) {
        if (s_.print_on) {
            if (s_.print_monochrome || color == kColorWhite) color = kColorBlack;
            canvas_->SetStrokeColor(color);
            canvas_->SetStrokeWidth(s_.print_stroke_width);
        } else {
            canvas_->SetStrokeColor(color);
            canvas_->SetStrokeWidth(s_.PenWidth());
        }
        TDashStyle dash = TDashStyle::Solid;
        if (painter_detail::DashOf(linetype, dash)) canvas_->SetDash(dash);
    }

    void Line(const TDPoint& a, const TDPoint& b, TColor color, int linetype) {
        const TPixelPoint p = v_.CoordToPixel(a.x, a.y, a.z), q = v_.CoordToPixel(b.x, b.y, b.z);
        Stroke(color, linetype);
        ClippedLine(p.x + 0.5, p.y + 0.5, q.x + 0.5, q.y + 0.5);
    }

    void ClippedLine(double x1, double y1, double x2, double y2) {
        if (painter_detail::ClipSegment(x1, y1, x2, y2)) canvas_->DrawLine(x1, y1, x2, y2);
    }

    void ClippedPolyline(const std::vector<TPixelPoint>& points) {
        const bool inside = std::all_of(points.begin(), points.end(), [](const TPixelPoint& p) {
            return painter_detail::InClipBox(p.x, p.y);
        });
        if (inside) {
            canvas_->DrawPolyline(points);
            return;
        }
        for (std::size_t i = 1; i < points.size(); ++i)
            ClippedLine(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
    }

    void Point(const TDPoint& a, TColor color) {
        const TPixelPoint p = v_.CoordToPixel(a.x, a.y, a.z);
        if (std::fabs(p.x) > painter_detail::kFarPixel ||
            std::fabs(p.y) > painter_detail::kFarPixel)
            return;
        Stroke(color, 0);
        const double x = p.x + 0.5, y = p.y + 0.5;
        canvas_->DrawLine(x + 5, y, x - 5, y);
        canvas_->DrawLine(x, y + 5, x, y - 5);
    }

    void Arc(const TDArc& a, int view, TColor color, int linetype) {
        const double start = drawgeo::FixAngle(a.sa), end = drawgeo::FixAngle(a.ea);
        const double sweep = drawgeo::GetArcAngle(start, end);
        Stroke(color, linetype);
        if (painter_detail::Win(s_) == 1 && !s_.linearcs && view == 1 && !s_.print_on) {
            const TPixelPoint c = v_.CoordToPixel(a.Center.x, a.Center.y, a.Center.z);
            const double r = std::nearbyint(a.r * s_.xscale[1]);
            canvas_->DrawArc(c.x + 0.5, c.y + 0.5, r, end == 0 ? 0 : 360 - end, sweep);
            return;
        }
        ClippedPolyline(ArcPolyline(a, view, start, sweep));
    }

    std::vector<TPixelPoint> ArcPolyline(const TDArc& a, int view, double start, double sweep) {
        const int w = painter_detail::Win(s_);
        const double len = std::fabs(kFullTurn * a.r) * sweep / 360 * s_.xscale[w];
        const double rounded = std::nearbyint(len);
        int n = rounded < 3600 ? static_cast<int>(rounded) / 10 : 360; // also catches NaN/inf
        n = std::clamp(n, 10, 360);
        static const TArcView kIdentity = {{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}, 1};
        const TArcView& av = (view >= 1 && view <= 4) ? s_.arc_view[view] : kIdentity;
        const auto& m = av.m;
        std::vector<TPixelPoint> points;
        points.reserve(static_cast<std::size_t>(n) + 1);
        const double cz = a.Center.z;
        for (int i = 0; i <= n; ++i) {
            const double t = (start + i * sweep / n) / kDrawDegreesPerRadian;
            const double u = a.Center.x + a.r * std::cos(t), v = a.Center.y + a.r * std::sin(t);
            const TPixelPoint p = v_.CoordToPixel(u * m[0][0] + v * m[1][0] + cz * m[2][0],
                                                  u * m[0][1] + v * m[1][1] + cz * m[2][1],
                                                  u * m[0][2] + v * m[1][2] + cz * m[2][2]);
            points.push_back({p.x + 0.5, p.y + 0.5});
        }
        return points;
    }

    void Circle(const TDPoint& c, double radius, TColor color, int linetype, bool filled) {
        const TPixelPoint p = v_.CoordToPixel(c.x, c.y, c.z);
        const double r = std::nearbyint(radius * s_.xscale[painter_detail::Win(s_)]);
        const double left = p.x - r, top = p.y - r, right = p.x + r, bottom = p.y + r;
        for (double k : {left, top, right, bottom})
            if (!(std::fabs(k) <= painter_detail::kFarPixel)) return;
        if (std::fabs(right - left) < 2 && std::fabs(bottom - top) < 2) return;
        Stroke(color, linetype);
        canvas_->SetFillColor(color);
        canvas_->DrawEllipse(left, top, right - left, bottom - top, filled);
    }

    void Text(double x, double y, const std::string& text, TColor color) {
        const TPixelPoint p = v_.CoordToPixel(x, y, 0);
        const TTextSize size = canvas_->MeasureText(text);
        canvas_->FillText(p.x, p.y, size.width, size.height, text, color);
    }

    void Rectangle(const TElement& e) {
        const TPixelPoint p = v_.CoordToPixel(e.Coords[0], e.Coords[1], e.Coords[2]);
        const int w = painter_detail::Win(s_);
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

    void Ellipse(double x, double y, double width, double height, TColor color, int linetype) {
        const TPixelPoint p = v_.CoordToPixel(x, y, 0);
        const int w = painter_detail::Win(s_);
        const double pw = std::fabs(width * s_.xscale[w]), ph = std::fabs(height * s_.yscale[w]);
        Stroke(color, linetype);
        canvas_->DrawEllipse(p.x - pw / 2, p.y - ph / 2, pw, ph, false);
    }

    // A candle: a box of the candle width (pixels) from top to bottom, with its wick line.
    void Candle(const TElement& e) {
        const TPixelPoint top = v_.CoordToPixel(e.Coords[0], e.Coords[1], 0);
        const TPixelPoint bottom = v_.CoordToPixel(e.Coords[0], e.Coords[2], 0);
        const TPixelPoint wickTop = v_.CoordToPixel(e.Coords[0], e.Coords[3], 0);
        const TPixelPoint wickBottom = v_.CoordToPixel(e.Coords[0], e.Coords[4], 0);
        const double half = e.Highlight / 2.0;
        Stroke(e.LineColor, 0);
        ClippedLine(wickTop.x + 0.5, wickTop.y + 0.5, wickBottom.x + 0.5, wickBottom.y + 0.5);
        canvas_->SetFillColor(e.FillColor != 0 ? e.FillColor : e.LineColor);
        canvas_->DrawRectangle(top.x - half, std::min(top.y, bottom.y), e.Highlight,
                               std::fabs(bottom.y - top.y), true);
    }

    // Paints one element; ellipseShifted centres an ellipse as the single-element paint does.
    void Element(const TElement& e, bool ellipseShifted) {
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

    void OtherElement(const TElement& e, bool ellipseShifted) {
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
            Ellipse(ellipseShifted ? c[0] - c[3] / 2 : c[0], c[1], c[4], c[5], e.LineColor,
                    e.linetype);
            break;
        case kElementCandle:
            Candle(e);
            break;
        default:
            break; // images are kept by the host, not painted here
        }
    }

    ICanvas& Canvas() { return *canvas_; }

private:
    TCadDraw& v_;
    TSettings& s_;
    ICanvas* canvas_;
};

} // namespace brevant
