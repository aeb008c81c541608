// The 3D viewport widget and the OpenGL availability check.
#include "solid_viewport.h"

#include "widget_factory.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <QPainter>

namespace brevant {

namespace {

class GlViewport : public QOpenGLWidget, protected QOpenGLFunctions {
public:
    explicit GlViewport(QWidget* parent) : QOpenGLWidget(parent) {}

protected:
    void initializeGL() override { initializeOpenGLFunctions(); }
    void paintGL() override {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
};

class PlainViewport : public QWidget {
public:
    explicit PlainViewport(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::black); }
};

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

QWidget* MakeSolidViewport(QWidget* parent) {
    QWidget* w = OpenGLAvailable() ? static_cast<QWidget*>(Child<GlViewport>(parent))
                                   : static_cast<QWidget*>(Child<PlainViewport>(parent));
    w->setObjectName("Viewport3D1");
    w->setCursor(Qt::SizeAllCursor);
    w->setAttribute(Qt::WA_OpaquePaintEvent);
    w->setMinimumSize(20, 20);
    return w;
}

} // namespace brevant
