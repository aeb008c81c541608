// The 3D view's OpenGL window: context, scene upload, frame quality and off-screen grabs.
#include "solid_gl_window.h"

#include "engine/layout_engine.h"
#include "solid_viewport.h"

#include <QExposeEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QPlatformSurfaceEvent>

namespace brevant {

bool IsSoftwareRenderer(const QString& glRenderer) {
    for (const char* name : {"llvmpipe", "softpipe", "Software Rasterizer", "SWR", "GDI Generic",
                             "Apple Software Renderer", "Microsoft Basic Render Driver"})
        if (glRenderer.contains(QLatin1String(name), Qt::CaseInsensitive)) return true;
    return false;
}

int FrameSamples(bool softwareRenderer, bool moving) {
    return softwareRenderer && moving ? 0 : kRestSamples;
}

SolidGLWindow::SolidGLWindow(LayoutEngine& engine, SolidShaderSources shaders)
    : engine_(engine), shaders_(std::move(shaders)) {
    setSurfaceType(QSurface::OpenGLSurface);
    QSurfaceFormat f;
    f.setDepthBufferSize(24);
    setFormat(f);
}

SolidGLWindow::~SolidGLWindow() {
    ReleaseGL();
}

// The renderer's GL objects go with the context they were made in, which must be current to
// free them: on this window's surface, or on a stand-in once the surface is gone.
void SolidGLWindow::ReleaseGL() {
    if (!context_ || !drawer_) return;
    QOffscreenSurface standIn;
    bool current = context_->makeCurrent(this);
    if (!current) {
        standIn.setFormat(context_->format());
        standIn.create();
        current = context_->makeCurrent(&standIn);
    }
    drawer_.reset();
    if (current) context_->doneCurrent();
}

void SolidGLWindow::MarkUnavailable(const char* text) {
    const bool first = unavailable_.isEmpty();
    unavailable_ = text;
    if (first && onUnavailable) onUnavailable();
}

bool SolidGLWindow::Prepare() {
    if (!unavailable_.isEmpty()) return false;
    if (drawer_) return true;
    if (!handle()) create();
    if (!context_) {
        context_ = std::make_unique<QOpenGLContext>();
        context_->setFormat(requestedFormat());
        if (!context_->create()) {
            context_.reset();
            MarkUnavailable(kNoOpenGLText);
            return false;
        }
    }
    if (!context_->makeCurrent(this)) {
        MarkUnavailable(kNoOpenGLText);
        return false;
    }
    software_ = IsSoftwareRenderer(QString::fromLatin1(
        reinterpret_cast<const char*>(context_->functions()->glGetString(GL_RENDERER))));
    auto drawer = std::make_unique<SolidFrameDrawer>();
    if (!drawer->Initialize(shaders_)) {
        qWarning("3D preview: %s", qPrintable(drawer->Error()));
        drawer.reset(); // its GL objects go while the context is current
        context_->doneCurrent();
        MarkUnavailable(kNoShadersText);
        return false;
    }
    drawer_ = std::move(drawer);
    return true;
}

void SolidGLWindow::SceneChanged() {
    if (drawer_) drawer_->SceneChanged();
    requestUpdate();
}

void SolidGLWindow::SetMoving(bool moving) {
    if (moving_ == moving) return;
    moving_ = moving;
    if (!moving && lastSamples_ != FrameSamples(software_, false)) requestUpdate();
}

QSize SolidGLWindow::FramebufferSize() const {
    const QSize s = size() * devicePixelRatio();
    return {std::max(1, s.width()), std::max(1, s.height())};
}

// With the context current: a frame of the engine's scene into target (nullptr: the window).
void SolidGLWindow::DrawFrame(int samples, QOpenGLFramebufferObject* target) {
    drawer_->Draw(
        engine_.Solid, [this] { return engine_.SolidOverlayLines(); }, FramebufferSize(), samples,
        target);
}

void SolidGLWindow::Paint() {
    if (!isExposed() || !Prepare() || !context_->makeCurrent(this)) return;
    const int samples = FrameSamples(software_, moving_);
    DrawFrame(samples, nullptr);
    lastSamples_ = samples;
    context_->swapBuffers(this);
}

QImage SolidGLWindow::GrabFrame() {
    if (!Prepare() || !context_->makeCurrent(this)) return {};
    QOpenGLFramebufferObjectFormat format;
    format.setAttachment(QOpenGLFramebufferObject::Depth);
    QOpenGLFramebufferObject target(FramebufferSize(), format);
    DrawFrame(FrameSamples(software_, false), &target);
    QImage image = target.toImage();
    image.setDevicePixelRatio(devicePixelRatio());
    return image;
}

void SolidGLWindow::exposeEvent(QExposeEvent*) {
    if (isExposed()) Paint();
}

bool SolidGLWindow::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::UpdateRequest:
        Paint();
        return true;
    case QEvent::PlatformSurface:
        if (static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
            QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed)
            ReleaseGL();
        break;
    default:
        break;
    }
    return QWindow::event(event);
}

void SolidGLWindow::mousePressEvent(QMouseEvent* event) {
    if (onInput) onInput(event);
}

void SolidGLWindow::mouseMoveEvent(QMouseEvent* event) {
    if (onInput) onInput(event);
}

void SolidGLWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (onInput) onInput(event);
}

void SolidGLWindow::wheelEvent(QWheelEvent* event) {
    if (onInput) onInput(event);
}

} // namespace brevant
