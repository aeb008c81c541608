// The 2D CAD view: one drawing, its settings, the view transform, zoom, redraw, printing and
// mouse handling. The host gives it a size and a canvas and forwards mouse events to it.
#pragma once

#include "caddraw/canvas.h"
#include "caddraw/elements.h"
#include "caddraw/printer.h"
#include "caddraw/settings.h"
#include "caddraw/view_types.h"
#include "geometry/types.h"

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
class TCadDraw {
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

    TColor BackgroundColor() const { return backgroundColor_; }
    void SetBackgroundColor(TColor color); // redraws
    int CadType() const { return settings_.cad_type; }
    void SetCadType(int type); // outside 1..3 stores 1
    bool MousePan() const { return settings_.mouse_pan; }
    void SetMousePan(bool pan); // redraws
    TColor DrawColor() const { return settings_.CurrentColor; }
    void SetDrawColor(TColor color) { settings_.CurrentColor = color; }
    bool ShowAxis() const { return settings_.draw_axis_flag; }
    void SetShowAxis(bool show); // redraws
    TDView View() const { return ViewOfWindow(settings_.current_plot_window); }
    void SetView(TDView view);
    TDFilter PickFilter() const { return FilterFromNumber(settings_.pick_filter); }
    void SetPickFilter(TDFilter filter) { settings_.pick_filter = static_cast<int>(filter); }

    TSettings& CadSettings() { return settings_; }
    const TSettings& CadSettings() const { return settings_; }
    TElements& Elements() { return elements_; }
    const TElements& Elements() const { return elements_; }
    // Copies the list into the view's own list, which stays owned by this view.
    void SetElements(const TElements& source) {
        elements_.Assign(source);
        elements_.SetCaddraw(this);
    }
    TElementChain& ElementChain() { return chain_; }
    const TElementChain& ElementChain() const { return chain_; }

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

    // ---- Creating elements (each returns the new index, or 0 when rejected) -------------
    int MakePoint(double x, double Y, double Z);
    int MakeLine(double x1, double y1, double z1, double x2, double y2, double z2);
    int MakeArc(int view, double x, double Y, double Z, double radius, double StartAngle,
                double EndAngle);
    int MakeText(double x1, double y1, const std::string& s);
    int MakeRectangle(double center_x, double center_y, double rect_width, double rect_height,
                      TColor Fillcolor, TColor LineColor);
    int MakePointX(const TDPoint& point1);
    int MakeLineX(const TDLine& line1);
    int MakeArcX(const TDArc& Arc1);
    // The one creation step behind every Make..., group copy and file reader: checks the
    // coordinates, normalises layer, view and style, appends and grows the running extents.
    int AddElement(int Etype, TColor LineColor, const TCoords& coords, TColor FillColor,
                   int linetype, int Layer, int Highlight, const std::string& text, int view);

    // ---- Extents ----------------------------------------------------------------------
    // Grows min_x..max_y by one element and clamps them to +-10000.
    void UpdateExtents(const TElement& element);
    // Recomputes the extents from every undeleted element on a visible layer.
    void SetExtents();
    void DoMaxMin() { SetExtents(); }

    // ---- Editing the drawing ----------------------------------------------------------
    void AddToGroup(int Index); // 0 = every element
    void ClearGroup();
    void DeleteGroup();
    void RotateGroup(double angle, double CenterX, double CenterY, int NumberOfTimes, bool leave);
    void ShiftGroup(double X, double Y, double Z, int NumberOfTimes, bool leave);
    void ClearDeleted() { elements_.ClearDeleted(); }
    int DeleteDuplicates(bool AllLayers) { return elements_.DeleteDuplicates(AllLayers); }
    // Collects the lines and arcs joined end to end from StartElement into ElementChain.
    // EndElement < 0 means "not given"; EndSearch 0 means the last index.
    void MakeElementChain(int StartElement, int EndElement, const TDPoint& StartPoint,
                          int StartSearch, int EndSearch);
    // Moves every element so that (x, Y, Z) becomes the origin, then redraws.
    void NewOrigin(double x, double Y, double Z);
    TElement* FindItemID(std::int64_t id) { return elements_.FindItemID(id); }
    void DeleteAllElements() { elements_.Clear(); }
    bool LayerVisible(int layer) const;
    void SetLayerVisible(int layer, bool visible); // layers 0 to 254; others ignored

    // ---- Files (CDL, DXF, IGES by CadType) ---------------------------------------------
    bool SaveToFile(const std::string& path);
    bool LoadFromFile(const std::string& path);
    const std::string& LastError() const { return lastError_; }

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

    int W() const { return static_cast<int>(width_) < 4 ? 4 : static_cast<int>(width_); }
    int H() const { return static_cast<int>(height_) < 4 ? 4 : static_cast<int>(height_); }
    void ScaleFromHeight(double h);
    void PlaceOrigin(double halfW, double halfH, bool truncateHalves);
    void FitStep();
    void PanPlacement();
    void FireZoom();
    void Invalidate();
    void PaintElements(int mode);
    void PaintAxes();
    void PanBy(double dxPixels, double dyPixels);
    bool RotateDrag(double X, double Y);
    void WheelZoom(int WheelDelta);
    ICanvas* Target() const;
    void AddRotatedCopy(const TElement& e, double angle, double cx, double cy);
    void AddShiftedCopy(const TElement& e, double dx, double dy, double dz);

    TSettings settings_;
    TElements elements_{this};
    TElementChain chain_{this};
    ICanvas* canvas_ = nullptr;
    IPrinter* printer_ = nullptr; // set while printing
    double width_ = 0;
    double height_ = 0;
    TColor backgroundColor_ = 0;
    TZoomBox zoomBox_;
    bool zoomWindowArmed_ = false;
    bool wheelFlag_ = false;
    std::string lastError_;
};

} // namespace brevant
