// The 3D viewport of the "Solid" tab: the engine's scene drawn with OpenGL, orbited by a
// left-button drag and zoomed by the wheel. Where the platform gives no OpenGL, or the driver
// refuses the shaders, a sentence saying so takes its place.
#pragma once

#include "solid_renderer.h"

#include <QOpenGLWidget>
#include <QPoint>

#include <memory>

namespace brevant {

class LayoutEngine;

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
// a SolidViewport where OpenGL is available, otherwise a label with kNoOpenGLText.
QWidget* MakeSolidViewport(QWidget* parent, LayoutEngine& engine,
                           const SolidViewportOptions& options = {});

class SolidViewport : public QOpenGLWidget {
    Q_OBJECT
public:
    SolidViewport(LayoutEngine& engine, SolidShaderSources shaders, QWidget* parent = nullptr);
    ~SolidViewport() override;

    // "" while the scene is drawn; otherwise the sentence the viewport shows instead.
    const QString& UnavailableText() const { return unavailable_; }

protected:
    void initializeGL() override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void ReleaseGL();
    void PaintUnavailable();

    LayoutEngine& engine_;
    SolidShaderSources shaders_;
    std::unique_ptr<SolidRenderer> renderer_;
    QString unavailable_;
    QPoint last_;
};

} // namespace brevant
