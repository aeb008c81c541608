// The 3D viewport widget: the OpenGL window started on first show, its stand-in sentence where
// OpenGL is missing, the mouse handling and the availability check.
#include "solid_viewport.h"

#include "engine/layout_engine.h"
#include "solid/solid_camera.h"
#include "solid_gl_window.h"
#include "widget_factory.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace brevant {

namespace {

constexpr int kWheelRestMs = 250; // the view counts as resting this long after a wheel step

QLabel* UnavailableLabel(QWidget* parent, const QString& text) {
    auto* label = Child<QLabel>(parent, text);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setMargin(12);
    label->setAutoFillBackground(true);
    label->setStyleSheet("QLabel { background: black; color: #d0d0d0; }");
    return label;
}

} // namespace

bool OpenGLAvailable() {
    QOffscreenSurface surface;
    surface.create();
    if (!surface.isValid()) return false;
    QOpenGLContext context;
    if (!context.create()) return false;
    const bool ok = context.makeCurrent(&surface);
    if (ok) context.doneCurrent();
    return ok;
}

QWidget* MakeSolidViewport(QWidget* parent, LayoutEngine& engine,
                           const SolidViewportOptions& options) {
    QWidget* w = options.UseOpenGL
                     ? static_cast<QWidget*>(Child<SolidViewport>(parent, engine, options.Shaders))
                     : UnavailableLabel(parent, kNoOpenGLText);
    w->setObjectName("Viewport3D1");
    w->setCursor(Qt::SizeAllCursor);
    w->setMinimumSize(20, 20);
    return w;
}

SolidViewport::SolidViewport(LayoutEngine& engine, SolidShaderSources shaders, QWidget* parent)
    : QWidget(parent), engine_(engine), shaders_(std::move(shaders)) {
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true); // until the OpenGL window covers it
    auto* layout = Owned<QVBoxLayout>(this);
    layout->setContentsMargins(0, 0, 0, 0);
    wheelRest_ = Owned<QTimer>(this);
    wheelRest_->setSingleShot(true);
    wheelRest_->setInterval(kWheelRestMs);
    connect(wheelRest_, &QTimer::timeout, this, [this] {
        if (window_) window_->SetMoving(false);
    });
}

SolidViewport::~SolidViewport() = default;

void SolidViewport::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!started_) Start();
}

// OpenGL starts here, the first time the viewport is shown: the window and its container.
void SolidViewport::Start() {
    started_ = true;
    if (!OpenGLAvailable()) {
        ShowSentence(kNoOpenGLText);
        return;
    }
    auto window = std::make_unique<SolidGLWindow>(engine_, shaders_);
    window->setCursor(cursor());
    window->onUnavailable = [this] { ShowSentence(window_->UnavailableText()); };
    window->onInput = [this](QEvent* e) { Forward(e); };
    window_ = window.get();
    container_ = QWidget::createWindowContainer(window.release(), this); // owns the window
    container_->setMinimumSize(20, 20);
    layout()->addWidget(container_);
    container_->show();
}

void SolidViewport::ShowSentence(const QString& text) {
    unavailable_ = text;
    if (!sentence_) {
        sentence_ = UnavailableLabel(this, text);
        layout()->addWidget(sentence_);
    }
    sentence_->setText(text);
    if (container_) container_->hide();
    sentence_->show();
}

QImage SolidViewport::grabFramebuffer() {
    if (!started_) Start();
    if (window_ && unavailable_.isEmpty()) {
        const QImage frame = window_->GrabFrame();
        if (!frame.isNull()) return frame;
    }
    return grab().toImage();
}

void SolidViewport::SceneChanged() {
    if (window_) window_->SceneChanged();
}

int SolidViewport::LastFrameSamples() const {
    return window_ ? window_->LastSamples() : -1;
}

void SolidViewport::Redraw() {
    if (window_) window_->requestUpdate();
}

// The OpenGL window's input, handed to this widget as its own (the window lies over it), so
// the main window sees mouse releases over the 3D view like any other.
void SolidViewport::Forward(QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        const auto* w = static_cast<QWheelEvent*>(event);
        QWheelEvent copy(container_->mapTo(this, w->position()), w->globalPosition(),
                         w->pixelDelta(), w->angleDelta(), w->buttons(), w->modifiers(), w->phase(),
                         w->inverted());
        QCoreApplication::sendEvent(this, &copy);
        event->setAccepted(copy.isAccepted());
        return;
    }
    const auto* m = static_cast<QMouseEvent*>(event);
    const QPointF at = container_->mapTo(this, m->position());
    QMouseEvent copy(m->type(), at, mapTo(window(), at), m->globalPosition(), m->button(),
                     m->buttons(), m->modifiers());
    QCoreApplication::sendEvent(this, &copy);
    event->setAccepted(copy.isAccepted());
}

void SolidViewport::mousePressEvent(QMouseEvent* event) {
    last_ = event->position().toPoint();
    event->accept();
}

void SolidViewport::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    const QPoint p = event->position().toPoint();
    OrbitCamera(engine_.Solid.Camera, p.x() - last_.x(), p.y() - last_.y());
    last_ = p;
    if (window_) window_->SetMoving(true);
    Redraw();
}

void SolidViewport::mouseReleaseEvent(QMouseEvent* event) {
    if (window_ && !wheelRest_->isActive()) window_->SetMoving(false);
    event->accept();
}

void SolidViewport::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0) return;
    WheelCamera(engine_.Solid.Camera, delta);
    if (window_) window_->SetMoving(true);
    wheelRest_->start();
    Redraw();
    event->accept();
}

} // namespace brevant
