// The CAD view widget: painting, resizing and mouse forwarding.
#include "cad_view_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace brevant {

TShiftState ShiftStateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    TShiftState s = kShiftNone;
    if (modifiers & Qt::ShiftModifier) s |= kShiftShift;
    if (modifiers & Qt::AltModifier) s |= kShiftAlt;
    if (modifiers & Qt::ControlModifier) s |= kShiftCtrl;
    if (buttons & Qt::LeftButton) s |= kShiftLeft;
    if (buttons & Qt::RightButton) s |= kShiftRight;
    if (buttons & Qt::MiddleButton) s |= kShiftMiddle;
    return s;
}

CadViewWidget::CadViewWidget(TCadDraw& view, QWidget* parent)
    : QWidget(parent), view_(view), canvas_(devicePixelRatioF()) {
    setAttribute(Qt::WA_OpaquePaintEvent); // the image covers every pixel: no flicker
    setMouseTracking(true);                // the wheel zooms about the last mouse position
    setFocusPolicy(Qt::WheelFocus);
    setMinimumSize(20, 20);
    view_.SetCanvas(&canvas_);
    view_.OnInvalidate = [this](TCadDraw&) { update(); };
}

CadViewWidget::~CadViewWidget() {
    view_.OnInvalidate = nullptr;
    view_.SetCanvas(nullptr);
}

QImage CadViewWidget::Picture() {
    return canvas_.Image().copy();
}

void CadViewWidget::paintEvent(QPaintEvent*) {
    // Moved to a screen of another pixel density: redraw at the new density, not scaled, and
    // keep the zoom.
    if (canvas_.DevicePixelRatio() != devicePixelRatioF()) {
        canvas_.SetDevicePixelRatio(devicePixelRatioF());
        canvas_.Resize(width(), height());
        view_.Redraw();
    }
    QPainter p(this);
    const QImage& image = canvas_.Image();
    if (image.isNull())
        p.fillRect(rect(), QColor::fromRgba(view_.BackgroundColor()));
    else
        p.drawImage(QPointF(0, 0), image);
    const TZoomBox& box = view_.ZoomBox();
    if (box.visible) {
        p.setPen(QPen(Qt::red, 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(box.left, box.top, box.width, box.height));
    }
}

void CadViewWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    canvas_.SetDevicePixelRatio(devicePixelRatioF());
    view_.Resize(width(), height());
    update();
}

void CadViewWidget::SyncCursor() {
    setCursor(view_.CrossCursor() ? Qt::CrossCursor : Qt::ArrowCursor);
}

void CadViewWidget::mousePressEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    view_.MouseDown(ShiftStateOf(event->buttons(), event->modifiers()), p.x(), p.y());
    update();
}

void CadViewWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    view_.MouseMove(ShiftStateOf(event->buttons(), event->modifiers()), p.x(), p.y());
    if (view_.ZoomBox().visible) update();
}

void CadViewWidget::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    // The released button still counts as held for the release itself.
    const Qt::MouseButtons held = event->buttons() | event->button();
    view_.MouseUp(ShiftStateOf(held, event->modifiers()), p.x(), p.y());
    SyncCursor();
    update();
    if (onMouseRelease) onMouseRelease();
}

void CadViewWidget::wheelEvent(QWheelEvent* event) {
    // One zoom step per notch; fine-grained wheels collect their deltas first.
    wheelRemainder_ += event->angleDelta().y();
    const QPointF p = event->position();
    const TShiftState shift = ShiftStateOf(event->buttons(), event->modifiers());
    view_.MouseMove(shift, p.x(), p.y());
    while (std::abs(wheelRemainder_) >= 120) {
        const int step = wheelRemainder_ > 0 ? 120 : -120;
        wheelRemainder_ -= step;
        view_.MouseWheel(shift, step);
    }
    event->accept();
    update();
}

} // namespace brevant
