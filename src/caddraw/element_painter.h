// Paints primitives and single elements of a CAD view on its current target (bitmap or
// printer page); shared by the redraw, the immediate drawing and printing. A redraw of the
// screen bitmap paints in batches: the strokes of neighbouring elements in one pen go to the
// canvas together, elements wholly outside the view are skipped and small arcs are drawn as
// the few chords that show them.
#pragma once

#include "caddraw/cad_draw.h"
#include "caddraw/draw_geometry.h"
#include "caddraw/segment_clip.h"
#include "caddraw/stroke_batch.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace brevant {

namespace painter_detail {

constexpr double kFarPixel = 100000; // points and circles beyond this are not drawn
// Strokes are clipped to this box (pixels) before they reach the canvas, so far-off geometry
// at a high zoom cannot overflow a canvas's own fixed-point arithmetic; the visible part of a
// stroke is unchanged.
constexpr double kClipPixel = 1e6;

// A redraw of at least this many elements prepares strokes on a second thread (see
// TCadDraw::PaintElementsAhead): below it, starting the thread costs more than it saves.
constexpr int kPaintAheadElements = 16384;

inline bool InClipBox(double x, double y) {
    return std::fabs(x) <= kClipPixel && std::fabs(y) <= kClipPixel; // false for NaN
}

// Clips a segment to the clip box; false when nothing is left.
inline bool ClipSegment(double& x1, double& y1, double& x2, double& y2) {
    if (InClipBox(x1, y1) && InClipBox(x2, y2)) return true;
    return ClipSegmentToBox(x1, y1, x2, y2, -kClipPixel, kClipPixel, -kClipPixel, kClipPixel);
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
    // The pen a batch is painted in; no dash keeps the canvas's dash.
    struct TPen {
        TColor color = 0;
        double width = 1;
        std::optional<TDashStyle> dash;
        bool operator==(const TPen&) const = default;
    };
    // Strokes prepared away from the canvas (see the recording constructor): runs in one pen
    // each, in painting order, for the elements before `end`.
    struct TPrepared {
        struct TRun {
            TPen pen;
            TStrokeBatch batch;
        };
        std::vector<TRun> runs;
        int end = 0;
        bool tie = false; // a point fell midway between two pixels
    };

    // batched: a redraw of the screen bitmap (see the top of this file); strokes wait in the
    // batch until the pen changes, another kind of element comes, Flush() or destruction.
    // Printing always paints element by element.
    explicit TElementPainter(TCadDraw& view, bool batched = false);
    // A batched painter that records its runs of strokes in `out` instead of painting them,
    // for a thread other than the canvas's: it only reads the view, and takes the pixel density
    // the canvas would give. Only Prepare() and Flush() are for it; its destruction records
    // nothing, so Flush() ends its work.
    TElementPainter(TCadDraw& view, double pixelDensity, TPrepared& out);
    ~TElementPainter();
    TElementPainter(const TElementPainter&) = delete;
    TElementPainter& operator=(const TElementPainter&) = delete;

    bool Ready() const { return canvas_ != nullptr; }
    bool Batched() const { return batched_; }

    // The colour an element is drawn in, by its highlight (points, lines, arcs, circles).
    TColor HighlightColor(const TElement& e) const;
    // Sets the canvas's stroke for a drawing call (the batch, if any, is painted first).
    void Stroke(TColor color, int linetype);
    // Paints the strokes waiting in the batch.
    void Flush();

    void Line(const TDPoint& a, const TDPoint& b, TColor color, int linetype);
    void ClippedLine(double x1, double y1, double x2, double y2);
    void ClippedPolyline(const std::vector<TPixelPoint>& points);
    void Point(const TDPoint& a, TColor color);
    void Arc(const TDArc& a, int view, TColor color, int linetype);
    std::vector<TPixelPoint> ArcPolyline(const TDArc& a, int view, double start, double sweep);
    void Circle(const TDPoint& c, double radius, TColor color, int linetype, bool filled);
    void Text(double x, double y, const std::string& text, TColor color);
    void Rectangle(const TElement& e);
    void Ellipse(double x, double y, double width, double height, TColor color, int linetype);
    // A candle: a box of the candle width (pixels) from top to bottom, with its wick line.
    void Candle(const TElement& e);
    // Paints one element; ellipseShifted centres an ellipse as the single-element paint does.
    void Element(const TElement& e, bool ellipseShifted);
    void OtherElement(const TElement& e, bool ellipseShifted);
    // A recording painter: records the strokes of a point, line or arc and returns true; false
    // (recording nothing) for an element whose painting needs the canvas itself (any other
    // kind) or the pen of the stroke before (a line style without a dash of its own).
    bool Prepare(const TElement& e);
    // Paints what a recording painter prepared, after the strokes waiting here.
    void PaintPrepared(const TPrepared& prepared);

    ICanvas& Canvas() { return *canvas_; }

private:
    // The current window's transform, taken once: world point to pixel exactly as
    // TCadDraw::CoordToPixel maps it.
    struct TPixelMap {
        bool rotated = false;
        double ax = 1, bx = 0, cx = 0, ay = 0, by = 1, cy = 0;
        double xs = 1, ys = -1, xo = 0, yo = 0;
        // Set once a point fell midway between two pixels (see TCadDraw::TPicture::ties).
        mutable bool tie = false;
        TPixelPoint operator()(double x, double y, double z) const {
            double u = x, v = y;
            if (rotated) {
                u = ax * x + bx * y + cx * z;
                v = ay * x + by * y + cy * z;
            }
            const double px = u * xs + xo, py = v * ys + yo;
            const double rx = std::nearbyint(px), ry = std::nearbyint(py);
            tie |= (std::fabs(px - rx) == 0.5) | (std::fabs(py - ry) == 0.5); // no branch
            return {rx, ry};
        }
    };
    static TPixelMap MapOf(const TSettings& s);
    // A strip being painted narrows the box culled to from the view to the strip.
    void CullToPaintBox();

    // Sets the pen of the strokes that follow: the canvas's, or the batch's when batched.
    void Pen(TColor color, int linetype);
    void ApplyPen(const TPen& pen);
    void FlushWhenFull();
    // True when the pixel box lies wholly outside the view (never for a box that is not a
    // number); only a batched painter skips anything.
    bool Outside(double left, double top, double right, double bottom) const;
    void CanvasArc(double cx, double cy, double radius, double startAngle, double sweep);
    void ChordArc(double cx, double cy, double radius, double startAngle, double sweep);
    // The half extents, in pixels, of the full circle of an arc drawn as a polyline.
    TPixelPoint ArcReach(const TDArc& a, int view) const;
    TPixelPoint ArcPoint(const TDArc& a, int view, double angle) const;
    TPixelPoint PlanePoint(const TArcView& av, const TDArc& a, double radians) const;
    const TArcView& ArcViewOf(int view) const;

    TCadDraw& v_;
    TSettings& s_;
    ICanvas* canvas_;
    TPrepared* record_ = nullptr; // set for a recording painter
    TPixelMap map_;
    bool batched_ = false;
    double sagitta_ = 0; // how far chords may leave an arc, in pixels of the view
    // The box a batched painter culls to: the view, or the strip of a scrolled repaint.
    double viewLeft_ = 0;
    double viewTop_ = 0;
    double viewRight_ = 0;
    double viewBottom_ = 0;
    TStrokeBatch batch_;
    TPen batchPen_;
    TColor lastColor_ = 0; // the colour and style the batch's pen was last asked for
    int lastLinetype_ = 0;
    std::optional<TDashStyle> canvasDash_; // the dash this painter last gave the canvas
};

} // namespace brevant
