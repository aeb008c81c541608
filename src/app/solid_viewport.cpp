// The 3D viewport widget, its stand-in where OpenGL is missing, and the availability check.
#include "solid_viewport.h"

#include "engine/layout_engine.h"
#include "solid/solid_camera.h"
#include "widget_factory.h"

#include <QLabel>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QPainter>
#include <QWheelEvent>

namespace brevant {

namespace {

constexpr int kSamples = 4; // multisampling smooths the silhouette and the overlay lines

QWidget* UnavailableLabel(QWidget* parent, const char* text) {
    auto* label = Child<QLabel>(parent, QString(text));
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
    QWidget* w = options.UseOpenGL && OpenGLAvailable()
                     ? static_cast<QWidget*>(Child<SolidViewport>(parent, engine, options.Shaders))
                     : UnavailableLabel(parent, kNoOpenGLText);
    w->setObjectName("Viewport3D1");
    w->setCursor(Qt::SizeAllCursor);
    w->setMinimumSize(20, 20);
    return w;
}

SolidViewport::SolidViewport(LayoutEngine& engine, SolidShaderSources shaders, QWidget* parent)
    : QOpenGLWidget(parent), engine_(engine), shaders_(std::move(shaders)) {
    QSurfaceFormat f = format();
    f.setDepthBufferSize(24);
    f.setSamples(kSamples);
    setFormat(f);
}

SolidViewport::~SolidViewport() {
    ReleaseGL();
}

// The renderer's GL objects go with the context they were made in.
void SolidViewport::ReleaseGL() {
    if (!renderer_) return;
    makeCurrent();
    renderer_.reset();
    doneCurrent();
}

void SolidViewport::initializeGL() {
    // A widget moved to another window gets a new context: start again in it.
    renderer_.reset();
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &SolidViewport::ReleaseGL,
            Qt::UniqueConnection);
    auto renderer = std::make_unique<SolidRenderer>();
    if (renderer->Initialize(shaders_)) {
        renderer_ = std::move(renderer);
        unavailable_.clear();
        return;
    }
    qWarning("3D preview: %s", qPrintable(renderer->Error()));
    unavailable_ = kNoShadersText;
}

void SolidViewport::paintGL() {
    if (!renderer_) {
        PaintUnavailable();
        return;
    }
    const double ratio = devicePixelRatio();
    const int w = int(width() * ratio), h = int(height() * ratio);
    const SolidFrame frame =
        BuildSolidFrame(engine_.Solid, engine_.SolidOverlayLines(), h > 0 ? double(w) / h : 1);
    renderer_->Render(frame, w, h);
}

void SolidViewport::PaintUnavailable() {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setPen(QColor(0xd0, 0xd0, 0xd0));
    painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                     unavailable_);
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
    update();
}

void SolidViewport::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0) return;
    WheelCamera(engine_.Solid.Camera, delta);
    update();
    event->accept();
}

} // namespace brevant
