// The engine's drawing surface on a QPainter: the CAD view's off-screen image and the printer
// page both paint through it. Strokes are antialiased so that lines stay crisp at any zoom.
#pragma once

#include "caddraw/canvas.h"
#include "caddraw/thin_stroke_raster.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <cstdint>
#include <memory>
#include <optional>

namespace brevant {

class PainterCanvas : public ICanvas {
public:
    void SetStrokeColor(TColor color) override;
    void SetStrokeWidth(double width) override;
    void SetDash(TDashStyle dash) override;
    void SetFillColor(TColor color) override;

    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawPolyline(const std::vector<TPixelPoint>& points) override;
    void DrawArc(double cx, double cy, double radius, double startAngle, double sweep) override;
    void DrawEllipse(double left, double top, double width, double height, bool filled) override;
    void DrawRectangle(double left, double top, double width, double height, bool filled) override;
    void DrawPolygon(const std::vector<TPixelPoint>& points, bool filled) override;
    void DrawStrokes(const TStrokeBatch& batch) override;
    TTextSize MeasureText(const std::string& text) override;
    void FillText(double left, double top, double width, double height, const std::string& text,
                  TColor color) override;
    bool DrawImage(const TRasterImage& image, double left, double top, double width,
                   double height) override;

    void SetFont(const QFont& font) {
        font_ = font;
        Touch();
    }
    std::uint64_t Generation() const override { return generation_; }

protected:
    // The painter of the surface, begun when needed; nullptr when the surface cannot paint.
    virtual QPainter* Painter() = 0;
    // A raster that paints thin strokes of the colour straight onto the surface's pixels as
    // QPainter paints them without a transform (within antialiasing shades); none when the
    // surface has no such pixels.
    virtual std::optional<TThinStrokeRaster> ThinStrokes(TColor argb) {
        (void)argb;
        return std::nullopt;
    }
    // The picture may have changed other than through the drawing calls.
    void Touch() { ++generation_; }

private:
    QPainter* Stroking();
    QPainter* Filling();

    QColor stroke_ = Qt::white;
    double width_ = 1;
    Qt::PenStyle dash_ = Qt::SolidLine;
    QColor fill_ = Qt::white;
    QFont font_;
    std::uint64_t generation_ = 0;
};

// The CAD view's bitmap: a QImage of the control's size (times the screen's pixel ratio, so
// that a high-density screen gets sharp lines while the engine works in control pixels).
class ImageCanvas : public PainterCanvas {
public:
    explicit ImageCanvas(double devicePixelRatio = 1) : ratio_(devicePixelRatio) {}
    ~ImageCanvas() override { End(); }

    void Resize(int width, int height) override;
    void Clear(TColor color) override;
    bool ReadPixels(TRasterImage& image) const override;

    // Ends painting so that the image can be shown or copied.
    const QImage& Image();
    void SetDevicePixelRatio(double ratio) {
        if (ratio != ratio_) Touch();
        ratio_ = ratio;
    }
    double DevicePixelRatio() const { return ratio_; }
    double PixelDensity() const override { return ratio_; }
    bool ScrollPixels(int dx, int dy) override;
    void SetClipBox(int left, int top, int width, int height) override;
    void ClearClipBox() override;

protected:
    QPainter* Painter() override;
    std::optional<TThinStrokeRaster> ThinStrokes(TColor argb) override;

private:
    void End();
    // The clip box in the image's own pixels.
    QRect DeviceClip() const;

    double ratio_ = 1;
    QImage image_;
    std::optional<QRect> clip_; // in pixels of the view
    std::unique_ptr<QPainter> painter_;
};

} // namespace brevant
