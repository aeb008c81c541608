// Painting the engine's primitives with QPainter.
#include "painter_canvas.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace brevant {

namespace {

QColor ColorOf(TColor argb) {
    return QColor::fromRgba(argb);
}

QPolygonF PolygonOf(const std::vector<TPixelPoint>& points) {
    QPolygonF poly;
    poly.reserve(static_cast<qsizetype>(points.size()));
    for (const auto& p : points)
        poly << QPointF(p.x, p.y);
    return poly;
}

} // namespace

void PainterCanvas::SetStrokeColor(TColor color) {
    stroke_ = ColorOf(color);
}
void PainterCanvas::SetStrokeWidth(double width) {
    width_ = width;
}
void PainterCanvas::SetFillColor(TColor color) {
    fill_ = ColorOf(color);
}

void PainterCanvas::SetDash(TDashStyle dash) {
    switch (dash) {
    case TDashStyle::Dot:
        dash_ = Qt::DotLine;
        break;
    case TDashStyle::DashDot:
        dash_ = Qt::DashDotLine;
        break;
    case TDashStyle::DashDotDot:
        dash_ = Qt::DashDotDotLine;
        break;
    default:
        dash_ = Qt::SolidLine;
        break;
    }
}

QPainter* PainterCanvas::Stroking() {
    QPainter* p = Painter();
    if (!p) return nullptr;
    QPen pen(stroke_, width_ > 0 ? width_ : 1, dash_, Qt::FlatCap, Qt::MiterJoin);
    p->setPen(pen);
    p->setBrush(Qt::NoBrush);
    return p;
}

QPainter* PainterCanvas::Filling() {
    QPainter* p = Painter();
    if (!p) return nullptr;
    p->setPen(Qt::NoPen);
    p->setBrush(fill_);
    return p;
}

void PainterCanvas::DrawLine(double x1, double y1, double x2, double y2) {
    if (QPainter* p = Stroking()) p->drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void PainterCanvas::DrawPolyline(const std::vector<TPixelPoint>& points) {
    if (points.size() < 2) return;
    if (QPainter* p = Stroking()) p->drawPolyline(PolygonOf(points));
}

void PainterCanvas::DrawArc(double cx, double cy, double radius, double startAngle, double sweep) {
    QPainter* p = Stroking();
    if (!p || radius <= 0) return;
    // The engine measures clockwise on the screen; Qt measures counter-clockwise.
    const QRectF box(cx - radius, cy - radius, 2 * radius, 2 * radius);
    QPainterPath path;
    path.arcMoveTo(box, -startAngle);
    path.arcTo(box, -startAngle, -sweep);
    p->drawPath(path);
}

namespace {

// One stroke of a batch added to a path as its own subpath, as its single drawing call would
// draw it (a polyline of fewer than two points and an arc without radius draw nothing).
void AddStroke(QPainterPath& path, const TStrokeBatch& batch, const TStrokeBatch::TStroke& s) {
    if (s.kind == TStrokeBatch::TKind::Arc) {
        const TStrokeBatch::TArc& a = batch.ArcOf(s);
        if (!(a.radius > 0)) return;
        const QRectF box(a.cx - a.radius, a.cy - a.radius, 2 * a.radius, 2 * a.radius);
        path.arcMoveTo(box, -a.startAngle);
        path.arcTo(box, -a.startAngle, -a.sweep);
        return;
    }
    if (s.count < 2) return;
    const TPixelPoint* p = batch.PointsOf(s);
    path.moveTo(p[0].x, p[0].y);
    for (std::uint32_t i = 1; i < s.count; ++i)
        path.lineTo(p[i].x, p[i].y);
}

constexpr int kPathElements = 8192;     // a path is drawn and started again at this size
constexpr std::size_t kFetchAhead = 48; // points fetched into the cache ahead of painting
constexpr double kRasterArc = 2;        // thin arcs up to this radius go to the raster as chords

// Paints the stroke with the raster unless it is an arc larger than kRasterArc; false when it
// is left to QPainter. A line without length is the dot QPainter's drawLine makes of it.
bool Rasterised(TThinStrokeRaster& raster, const TStrokeBatch& batch,
                const TStrokeBatch::TStroke& s) {
    if (s.kind == TStrokeBatch::TKind::Arc) {
        const TStrokeBatch::TArc& a = batch.ArcOf(s);
        if (a.radius > kRasterArc) return false;
        raster.Arc(a.cx, a.cy, a.radius, a.startAngle, a.sweep);
        return true;
    }
    const TPixelPoint* p = batch.PointsOf(s);
    if (s.kind == TStrokeBatch::TKind::Line && p[0] == p[1])
        raster.Dot(p[0].x, p[0].y);
    else
        raster.Polyline(p, s.count);
    return true;
}

} // namespace

// A solid batch is drawn as paths of many subpaths: one call each instead of one per stroke.
// With a pen of a device pixel each subpath is stroked on its own, as its own call would be;
// a wider pen outlines the path as a whole, so where strokes of a batch overlap the overlap
// is painted once instead of twice. A line without length is a
// dot to QPainter's drawLine and nothing in a path, so those lines are drawn as lines, all in
// one call (the dots of one colour blend the same in any order). A dashed batch is drawn
// stroke by stroke, so every stroke starts its dash pattern afresh.
//
// On a bitmap that takes them (ThinStrokes), the lines, dots, polylines and small arcs of a
// solid pen of a device pixel at most are painted straight onto its pixels instead, and only
// the larger arcs go through QPainter: strokes of one colour blend over each other the same in
// any order.
void PainterCanvas::DrawStrokes(const TStrokeBatch& batch) {
    if (dash_ != Qt::SolidLine) {
        ICanvas::DrawStrokes(batch);
        return;
    }
    std::optional<TThinStrokeRaster> raster;
    if (width_ <= 1) raster = ThinStrokes(stroke_.rgba());
    QPainterPath path;
    QList<QLineF> dots;
    auto drawPath = [&] {
        if (QPainter* p = Stroking()) p->drawPath(path);
        path.clear();
    };
    // The points a few strokes ahead are fetched into the cache while these are painted.
    const std::vector<TPixelPoint>& points = batch.Points();
    std::size_t fetched = 0;
    for (const TStrokeBatch::TStroke& s : batch.Strokes()) {
        if (raster && s.kind != TStrokeBatch::TKind::Arc) {
            const std::size_t ahead = std::min(points.size(), s.first + s.count + kFetchAhead);
            for (; fetched < ahead; ++fetched)
                raster->Prefetch(points[fetched].x, points[fetched].y);
        }
        if (raster && Rasterised(*raster, batch, s)) continue;
        if (s.kind == TStrokeBatch::TKind::Line) {
            const TPixelPoint* ends = batch.PointsOf(s);
            if (ends[0] == ends[1]) {
                dots.append(QLineF(ends[0].x, ends[0].y, ends[1].x, ends[1].y));
                continue;
            }
        }
        AddStroke(path, batch, s);
        if (path.elementCount() >= kPathElements) drawPath();
    }
    if (!path.isEmpty()) drawPath();
    if (dots.isEmpty()) return;
    if (QPainter* p = Stroking()) p->drawLines(dots.constData(), int(dots.size()));
}

void PainterCanvas::DrawEllipse(double left, double top, double width, double height, bool filled) {
    QPainter* p = filled ? Filling() : Stroking();
    if (p) p->drawEllipse(QRectF(left, top, width, height));
}

void PainterCanvas::DrawRectangle(double left, double top, double width, double height,
                                  bool filled) {
    QPainter* p = filled ? Filling() : Stroking();
    if (p) p->drawRect(QRectF(left, top, width, height));
}

void PainterCanvas::DrawPolygon(const std::vector<TPixelPoint>& points, bool filled) {
    QPainter* p = filled ? Filling() : Stroking();
    if (p && !points.empty()) p->drawPolygon(PolygonOf(points));
}

TTextSize PainterCanvas::MeasureText(const std::string& text) {
    QPainter* p = Painter();
    const QFontMetricsF m = p ? QFontMetricsF(font_, p->device()) : QFontMetricsF(font_);
    const QRectF r = m.boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::AlignLeft | Qt::AlignTop,
                                    QString::fromStdString(text));
    return {r.width(), r.height()};
}

void PainterCanvas::FillText(double left, double top, double width, double height,
                             const std::string& text, TColor color) {
    QPainter* p = Painter();
    if (!p) return;
    p->setFont(font_);
    p->setPen(ColorOf(color));
    p->drawText(QRectF(left, top, width, height), Qt::AlignLeft | Qt::AlignTop,
                QString::fromStdString(text));
}

bool PainterCanvas::DrawImage(const TRasterImage& image, double left, double top, double width,
                              double height) {
    QPainter* p = Painter();
    if (!p || image.width <= 0 || image.height <= 0) return false;
    const QImage source(reinterpret_cast<const uchar*>(image.pixels.data()), image.width,
                        image.height, image.width * 4, QImage::Format_ARGB32);
    p->drawImage(QRectF(left, top, width, height), source);
    return true;
}

// ---- ImageCanvas ----------------------------------------------------------------------

void ImageCanvas::End() {
    if (painter_) painter_->end();
    painter_.reset();
}

// The image's own pixels while nothing else holds them: the painter is ended first (it begins
// again when needed), and an image of another density or format is left to QPainter.
// Within a clip box the raster paints on the box's part of the image only.
std::optional<TThinStrokeRaster> ImageCanvas::ThinStrokes(TColor argb) {
    if (ratio_ != 1 || image_.isNull() || image_.format() != QImage::Format_ARGB32_Premultiplied)
        return std::nullopt;
    End();
    const QRect box = DeviceClip();
    if (box.isEmpty()) return std::nullopt;
    const std::ptrdiff_t stride = image_.bytesPerLine() / 4;
    auto* pixels =
        reinterpret_cast<std::uint32_t*>(image_.bits()) + box.top() * stride + box.left();
    TThinStrokeRaster raster(pixels, box.width(), box.height(), stride, argb);
    raster.SetOrigin(box.left(), box.top());
    return raster;
}

QPainter* ImageCanvas::Painter() {
    if (image_.isNull()) return nullptr;
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, true);
        painter_->setRenderHint(QPainter::TextAntialiasing, true);
        if (clip_) painter_->setClipRect(*clip_);
    }
    return painter_.get();
}

QRect ImageCanvas::DeviceClip() const {
    const QRect whole(0, 0, image_.width(), image_.height());
    if (!clip_) return whole;
    const QRect c = *clip_;
    return QRect(qRound(c.left() * ratio_), qRound(c.top() * ratio_), qRound(c.width() * ratio_),
                 qRound(c.height() * ratio_))
        .intersected(whole);
}

void ImageCanvas::SetClipBox(int left, int top, int width, int height) {
    clip_ = QRect(left, top, width, height);
    if (painter_) painter_->setClipRect(*clip_);
}

void ImageCanvas::ClearClipBox() {
    clip_.reset();
    if (painter_) painter_->setClipping(false);
}

// Rows are moved in the order that reads each before it is overwritten; a shift that is not a
// whole number of the image's own pixels (a fractional density) is refused.
bool ImageCanvas::ScrollPixels(int dx, int dy) {
    const double fx = dx * ratio_, fy = dy * ratio_;
    if (image_.isNull() || image_.format() != QImage::Format_ARGB32_Premultiplied ||
        fx != std::nearbyint(fx) || fy != std::nearbyint(fy))
        return false;
    const int sx = static_cast<int>(fx), sy = static_cast<int>(fy);
    const int w = image_.width(), h = image_.height();
    if (std::abs(sx) >= w || std::abs(sy) >= h) return false;
    End();
    const qsizetype line = image_.bytesPerLine();
    uchar* bits = image_.bits();
    const std::size_t bytes = static_cast<std::size_t>(w - std::abs(sx)) * 4;
    const qsizetype from = sx < 0 ? -sx * 4 : 0, to = sx > 0 ? sx * 4 : 0;
    auto move = [&](int y) {
        std::memmove(bits + y * line + to, bits + (y - sy) * line + from, bytes);
    };
    if (sy > 0)
        for (int y = h - 1; y >= sy; --y)
            move(y);
    else
        for (int y = 0; y < h + sy; ++y)
            move(y);
    return true;
}

void ImageCanvas::Resize(int width, int height) {
    End();
    Touch();
    const int w = std::max(1, width), h = std::max(1, height);
    image_ = QImage(static_cast<int>(w * ratio_), static_cast<int>(h * ratio_),
                    QImage::Format_ARGB32_Premultiplied);
    image_.setDevicePixelRatio(ratio_);
    image_.fill(Qt::black);
}

void ImageCanvas::Clear(TColor color) {
    End();
    if (image_.isNull()) return;
    if (!clip_) {
        image_.fill(QColor::fromRgba(color));
        return;
    }
    const QRect box = DeviceClip();
    const QRgb pixel = qPremultiply(color);
    for (int y = box.top(); y <= box.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(row + box.left(), row + box.left() + box.width(), pixel);
    }
}

const QImage& ImageCanvas::Image() {
    End();
    return image_;
}

bool ImageCanvas::ReadPixels(TRasterImage& image) const {
    if (image_.isNull()) return false;
    const QImage argb = image_.convertToFormat(QImage::Format_ARGB32);
    image.width = argb.width();
    image.height = argb.height();
    image.pixels.resize(static_cast<size_t>(image.width) * static_cast<size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(argb.constScanLine(y));
        std::copy(row, row + image.width, image.pixels.begin() + y * image.width);
    }
    return true;
}

} // namespace brevant
