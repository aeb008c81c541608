// The 3D viewport of the "Solid" tab: the engine's scene drawn with OpenGL, orbited by a
// left-button drag and zoomed by the wheel. OpenGL starts only when the viewport is first
// shown, in a native window embedded in it, so the main window starts and paints without
// OpenGL. Where the platform gives no OpenGL, or the driver refuses the shaders, a sentence
// saying so takes its place.
#pragma once

#include "solid_renderer.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

class QLabel;
class QTimer;

namespace brevant {

class LayoutEngine;
class SolidGLWindow;

inline constexpr const char* kNoOpenGLText = "3D preview unavailable: no OpenGL on this display.";
inline constexpr const char* kNoShadersText =
    "3D preview unavailable: the graphics driver could not build the 3D shaders.";

struct SolidViewportOptions {
    bool UseOpenGL = true; // false: the sentence alone, as on a display without OpenGL
    SolidShaderSources Shaders = DefaultSolidShaders();
};

// True when an OpenGL context can be created and made current on an off-screen surface.
bool OpenGLAvailable();

// Creates the viewport widget ("Viewport3D1", four-way arrow cursor) over the engine's scene:
// a SolidViewport, or with UseOpenGL false a label with kNoOpenGLText.
QWidget* MakeSolidViewport(QWidget* parent, LayoutEngine& engine,
                           const SolidViewportOptions& options = {});

class SolidViewport : public QWidget {
    Q_OBJECT
public:
    SolidViewport(LayoutEngine& engine, SolidShaderSources shaders, QWidget* parent = nullptr);
    ~SolidViewport() override;

    // "" while the scene is drawn (or OpenGL has not started yet); otherwise the sentence the
    // viewport shows instead.
    const QString& UnavailableText() const { return unavailable_; }
    // The view at rest quality as the viewport's window draws it (starting OpenGL if it has
    // not started), or the sentence shown instead.
    QImage grabFramebuffer();
    // The engine's scene may have changed: drawn again from it.
    void SceneChanged();
    // The samples per pixel of the last frame shown; -1 before the first.
    int LastFrameSamples() const;

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void Start();
    void ShowSentence(const QString& text);
    void Forward(QEvent* event);
    void Redraw();

    LayoutEngine& engine_;
    SolidShaderSources shaders_;
    SolidGLWindow* window_ = nullptr; // owned by container_
    QWidget* container_ = nullptr;
    QLabel* sentence_ = nullptr;
    QTimer* wheelRest_ = nullptr;
    QString unavailable_;
    QPoint last_;
    bool started_ = false;
};

} // namespace brevant
