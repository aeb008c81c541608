// The 2D CAD view: a drawing (TCadDrawing: elements, settings, extents, groups, files) shown
// with a view transform, zoom, redraw, printing and mouse handling. The host gives it a size and
// a canvas and forwards mouse events to it.
#pragma once

#include "caddraw/cad_drawing.h"
#include "caddraw/canvas.h"
#include "caddraw/printer.h"
#include "caddraw/view_types.h"
#include "geometry/types.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brevant {

// Zoom step modes.
inline constexpr int kZoomApply = -1; // apply a view_height written by the caller
inline constexpr int kZoomFit = 0;
inline constexpr int kZoomLast = 2;
inline constexpr int kZoomOut = 3;
inline constexpr int kZoomIn = 4;
inline constexpr int kZoomFactor = 5;

// Redraw modes (settings redraw_mode); 10 to 100 paint only layer mode - 9.
inline constexpr int kRedrawAll = 0;
inline constexpr int kRedrawNormal = 1;
inline constexpr int kRedrawGroup = 2;
inline constexpr int kRedrawCopies = 3;
inline constexpr int kRedrawPreview = 4;
inline constexpr int kPreviewElements = 200;   // elements painted by the fast preview
inline constexpr int kLargeDrawing = 1000;     // wheel zooms above this count use the preview
inline constexpr double kMinViewHeight = 0.04; // smallest world height a window shows

// How a host drives a view: attach a canvas backed by its bitmap (SetCanvas), report the
// control's size (Resize), forward mouse events in pixels with the held buttons and keys
// (MouseDown, MouseMove, MouseUp, MouseWheel), repaint when OnInvalidate fires by showing the
// bitmap and then PaintZoomBox over it, and show a cross cursor while CrossCursor() is true.
// Every operation of the drawing is the view's own; those that change what is shown (groups,
// chains, NewOrigin, the background) paint through the view.
class TElementPainter;

class TCadDraw : public TCadDrawing {
public:
    TCadDraw();
    TCadDraw(const TCadDraw&) = delete;
    TCadDraw& operator=(const TCadDraw&) = delete;

    // ---- Host binding -----------------------------------------------------------------
    // The bitmap the view paints on (not owned; nullptr paints nothing).
    void SetCanvas(ICanvas* canvas) { canvas_ = canvas; }
    ICanvas* Canvas() const { return canvas_; }
    // The control was resized: the bitmap takes the whole-pixel size, then the drawing is fitted.
    void Resize(double width, double height);
    double Width() const { return width_; }
    double Height() const { return height_; }

    // ---- Properties -------------------------------------------------------------------
    static const char* Version() { return "3.0.0.0"; }
    int Tag = 0;
    double ScreenScale = 1;

    bool MousePan() const { return CadSettings().mouse_pan; }
    void SetMousePan(bool pan); // redraws
    bool ShowAxis() const { return CadSettings().draw_axis_flag; }
    void SetShowAxis(bool show); // redraws
    TDView View() const { return ViewOfWindow(CadSettings().current_plot_window); }
    void SetView(TDView view);
    TDFilter PickFilter() const { return FilterFromNumber(CadSettings().pick_filter); }
    void SetPickFilter(TDFilter filter) { CadSettings().pick_filter = static_cast<int>(filter); }

    // The current window's centre and its doubled view height.
    double CenterX() const;
    double CenterY() const;
    void SetCenterX(double x);
    void SetCenterY(double y);
    double ViewSize() const;
    void SetViewSize(double size);

    TOnPickEvent OnPick;
    TOnChangeViewEvent OnChangeView;
    TOnZoomEvent OnZoom;
    TOnInvalidateEvent OnInvalidate;

    // ---- View transform ---------------------------------------------------------------
    // World point to pixel in the current window (rounded, ties to even).
    TPixelPoint CoordToPixel(double x, double y, double z) const;
    // Pixel to world point in the current window.
    TDPoint PixelToCoord(double x, double Y) const;
    // Recomputes coff_ax..coff_cz from view_x, view_y, view_z.
    void ComputeCoefficients();

    // ---- Zoom -------------------------------------------------------------------------
    void ZoomStep(int mode, double factor = 1);
    void ZoomAll();
    void ZoomDouble();
    void ZoomHalf();
    void ZoomLast();
    void ZoomByFactor(double factor);
    void SetScale(int mode) { ZoomStep(mode); }
    void ZoomWindow(double x1, double y1, double x2, double y2);
    void ViewCenter(double x, double Y);
    void Pan(double x, double Y);
    void RotateView(double x, double Y, double Z);

    // ---- Painting ---------------------------------------------------------------------
    void Redraw();
    // A redraw of a large drawing has a second thread prepare the strokes of the elements
    // ahead while this one paints; on unless switched off. The canvas sees the same strokes
    // in the same order either way, only the batches they come in may be cut elsewhere.
    void SetPaintAhead(bool on) { paintAhead_ = on; }
    void DrawLayer(int LayerNumber);
    void DrawElement(int Index);

    // Immediate drawing onto the bitmap, not kept in the drawing.
    void DrawLine(double x1, double y1, double z1, double x2, double y2, double z2);
    void DrawLineX(const TDLine& line1);
    void DrawPoint(double x, double Y, double Z);
    void DrawPointX(const TDPoint& point1);
    void DrawArc(double CenterX, double CenterY, double CenterZ, double radius, double StartAngle,
                 double EndAngle, int view);
    void DrawArcX(const TDArc& Arc1);
    void DrawCircle(double x, double Y, double Z, double radius, bool Filled);
    void DrawLine2(double x1, double y1, double z1, double x2, double y2, double z2, TColor color,
                   int linetype);
    void DrawPoint2(double x, double Y, double Z, TColor color);
    void DrawArc2(double CenterX, double CenterY, double CenterZ, double radius, double StartAngle,
                  double EndAngle, int view, TColor color, int linetype);
    void drawcircle2(double x, double Y, double Z, double radius, bool Filled, TColor color);
    void drawtext(double x, double Y, const std::string& text, TColor color);
    void DrawRectangle(double center_x, double center_y, double width, double height,
                       TColor FillColor, TColor LineColor, int linetype);
    void drawellipse(double x, double Y, double width, double height, TColor color, int linetype);
    void DrawPolygon(const std::vector<TPixelPoint>& PolyPoints, TColor color);
    void DrawFilledPolygon(const std::vector<TPixelPoint>& PolyPoints, TColor Fill);

    // ---- Printing ---------------------------------------------------------------------
    // Prints the drawing at StartPoint (pixels of the page); returns the page y below it.
    int PrintCad(IPrinter& printer, TPixelPoint StartPoint, double scale);
    int PrintCad(IPrinter& printer);
    // Prints the bitmap itself; returns the page y below it.
    int PrintBMP(IPrinter& printer, TPixelPoint StartPoint, double scale);
    int PrintBMP(IPrinter& printer);

    // ---- Mouse ------------------------------------------------------------------------
    void Pick(bool active = true);
    void PickZoomWindow();
    void MouseDown(TShiftState shift, double X, double Y);
    void MouseMove(TShiftState shift, double X, double Y);
    void MouseUp(TShiftState shift, double X, double Y);
    // A wheel turn; handled tells that the host's own handling consumed it.
    void MouseWheel(TShiftState shift, int WheelDelta, bool handled = false);
    // Picks the element nearest to the pixel under the filter; false when nothing is hit.
    bool PickAt(int px, int py, TDFilter filter, TPickResult& result) const;
    const TZoomBox& ZoomBox() const { return zoomBox_; }
    // Paints the rubber band (red dashed outline, no fill) over the view when it is shown; the
    // host calls it after painting the bitmap.
    void PaintZoomBox(ICanvas& canvas) const;
    bool ZoomWindowArmed() const { return zoomWindowArmed_; }
    bool CrossCursor() const { return zoomWindowArmed_; }
    bool WheelFlag() const { return wheelFlag_; }

private:
    friend class TElementPainter;

    // The drawing's hooks: one element or the whole drawing is painted again.
    void ElementChanged(int index) override { DrawElement(index); }
    void DrawingChanged() override { Redraw(); }

    int W() const { return static_cast<int>(width_) < 4 ? 4 : static_cast<int>(width_); }
    int H() const { return static_cast<int>(height_) < 4 ? 4 : static_cast<int>(height_); }
    void ScaleFromHeight(double h);
    void PlaceOrigin(double halfW, double halfH, bool truncateHalves);
    void FitStep();
    void PanPlacement();
    void FireZoom();
    void Invalidate();
    void PaintElements(int mode);
    // Whether redraw mode `mode` paints element e (not deleted).
    bool Selects(const TElement& e, int mode) const;
    // PaintElements for a large drawing on two threads; false (nothing painted) when the
    // second thread cannot start.
    bool PaintElementsAhead(TElementPainter& painter, int mode);
    void PaintAxes();
    void PanBy(double dxPixels, double dyPixels);
    bool RotateDrag(double X, double Y);
    void WheelZoom(int WheelDelta);
    ICanvas* Target() const;

    // What the bitmap shows: everything its picture was painted from but the view's offset,
    // so that a repaint after a pan can scroll the pixels and paint only the uncovered strips.
    struct TPicture {
        bool valid = false;
        TSettings settings; // the offsets and the mouse state left out (PictureSettings)
        std::uint64_t elements = 0;
        std::uint64_t canvasGeneration = 0;
        const ICanvas* canvas = nullptr;
        double width = 0, height = 0, screenScale = 1, density = 1;
        TColor background = 0;
        int mode = kRedrawNormal;
        bool axes = false;
        // Some point fell midway between two pixels; rounding to even keeps such a point where
        // a full repaint puts it only for shifts by an even number of pixels.
        bool ties = false;
        double xOrigin = 0, yOrigin = 0;
    };
    // A box of the bitmap (pixels) a repaint is confined to.
    struct TPaintBox {
        int left = 0, top = 0, width = 0, height = 0;
    };
    // Paints the picture of the mode (and the axes) on the target: scrolled with strips when
    // only the offset moved since the bitmap was painted, in full otherwise.
    void Repaint(int mode, bool axes);
    void RepaintFull(ICanvas& target, int mode, bool axes);
    // The whole-pixel shift from the bitmap's picture to the view now; false when the picture
    // cannot be scrolled to it.
    bool ScrollShift(int mode, bool axes, int& dx, int& dy) const;
    void PaintStrip(ICanvas& target, const TPaintBox& box, int mode);
    TPicture PictureNow(int mode, bool axes) const;

    ICanvas* canvas_ = nullptr;
    IPrinter* printer_ = nullptr; // set while printing
    TPicture picture_;
    std::optional<TPaintBox> paintBox_; // the strip being painted, if any
    bool paintedTie_ = false;           // a painter met a point midway between pixels
    bool paintAhead_ = true;
    double width_ = 0;
    double height_ = 0;
    TZoomBox zoomBox_;
    bool zoomWindowArmed_ = false;
    bool wheelFlag_ = false;
};

} // namespace brevant
