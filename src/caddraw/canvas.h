// The drawing surface the CAD view paints on: the screen bitmap, a printer page or a test fake.
#pragma once

#include "caddraw/pixel_point.h"
#include "caddraw/stroke_batch.h"
#include "core/controls.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brevant {

// Dash styles of strokes.
enum class TDashStyle { Solid, Dot, DashDot, DashDotDot };

// The measured size of a text in pixels.
struct TTextSize {
    double width = 0;
    double height = 0;
};

// A copy of a canvas's pixels (ARGB, row by row from the top).
struct TRasterImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// All coordinates are pixels with y down. Strokes use the current colour, width and dash;
// fills use the fill colour.
class ICanvas {
public:
    virtual ~ICanvas() = default;

    // Resizes the surface (whole pixels); called by the view when its control is resized.
    virtual void Resize(int width, int height) = 0;
    // Fills the whole surface with the colour.
    virtual void Clear(TColor color) = 0;

    virtual void SetStrokeColor(TColor color) = 0;
    virtual void SetStrokeWidth(double width) = 0;
    virtual void SetDash(TDashStyle dash) = 0;
    virtual void SetFillColor(TColor color) = 0;

    virtual void DrawLine(double x1, double y1, double x2, double y2) = 0;
    virtual void DrawPolyline(const std::vector<TPixelPoint>& points) = 0;
    // A circular arc about (cx, cy). Angles in degrees measured clockwise on the screen from
    // the +x direction (y down); the arc runs clockwise on the screen from startAngle by sweep.
    virtual void DrawArc(double cx, double cy, double radius, double startAngle, double sweep) = 0;
    // The ellipse inscribed in the box; filled in the fill colour or stroked.
    virtual void DrawEllipse(double left, double top, double width, double height, bool filled) = 0;
    virtual void DrawRectangle(double left, double top, double width, double height,
                               bool filled) = 0;
    // A closed polygon, filled in the fill colour or stroked.
    virtual void DrawPolygon(const std::vector<TPixelPoint>& points, bool filled) = 0;
    // The batch's strokes in order, in the current stroke colour, width and dash, each as
    // DrawLine, DrawPolyline or DrawArc paints it; this default makes exactly those calls. A
    // canvas may paint the batch in fewer calls where that gives the same picture.
    virtual void DrawStrokes(const TStrokeBatch& batch);

    // Device pixels per pixel of the view (2 on a high-density screen); the view flattens the
    // curves it hands over as chords finely enough for them.
    virtual double PixelDensity() const { return 1; }

    // The size the canvas's font gives the text.
    virtual TTextSize MeasureText(const std::string& text) = 0;
    // Fills the text left-aligned into the box in the colour, with the canvas's font.
    virtual void FillText(double left, double top, double width, double height,
                          const std::string& text, TColor color) = 0;

    // Copies the surface's pixels; false when the surface cannot be read.
    virtual bool ReadPixels(TRasterImage& image) const {
        (void)image;
        return false;
    }
    // Moves the surface's pixels by whole pixels of the view (dx to the right, dy down), for a
    // view that only moved; the strips it uncovers keep stale pixels until painted. False, with
    // nothing moved, when the surface cannot. A surface that scrolls also clips (SetClipBox).
    virtual bool ScrollPixels(int dx, int dy) {
        (void)dx, (void)dy;
        return false;
    }
    // Confines Clear and every drawing call to the box (pixels of the view) until
    // ClearClipBox; used only on a surface whose ScrollPixels succeeded.
    virtual void SetClipBox(int left, int top, int width, int height) {
        (void)left, (void)top, (void)width, (void)height;
    }
    virtual void ClearClipBox() {}
    // Changes whenever the surface's picture may change other than through these calls (a new
    // size, pixel density or font), so that a view never scrolls a picture made before it.
    virtual std::uint64_t Generation() const { return 0; }

    // Draws an image scaled into the box; false when the surface cannot take images.
    virtual bool DrawImage(const TRasterImage& image, double left, double top, double width,
                           double height) {
        (void)image, (void)left, (void)top, (void)width, (void)height;
        return false;
    }
};

} // namespace brevant
