// The native OpenGL window that draws the 3D view inside the "Solid" tab. It is embedded with a
// window container, so the rest of the main window paints without OpenGL; its context is made
// when it is first needed. The scene's geometry is uploaded once per scene, and each frame only
// aims the camera. A software renderer draws plain frames while the user turns or zooms the
// view and one multisampled frame once the view rests; a hardware renderer multisamples always.
#pragma once

#include "solid_frame_drawer.h"

#include <QImage>
#include <QString>
#include <QWindow>

#include <functional>
#include <memory>

class QOpenGLContext;

namespace brevant {

class LayoutEngine;

inline constexpr int kRestSamples = 4; // multisampling smooths the silhouette and the overlay

// True for the renderers that rasterise on the processor (GL_RENDERER strings such as
// "llvmpipe (LLVM 15.0.6, 256 bits)", "softpipe", "Software Rasterizer").
bool IsSoftwareRenderer(const QString& glRenderer);
// The samples per pixel of a frame: kRestSamples, or none for a software renderer while the
// view moves.
int FrameSamples(bool softwareRenderer, bool moving);

class SolidGLWindow : public QWindow {
    Q_OBJECT
public:
    SolidGLWindow(LayoutEngine& engine, SolidShaderSources shaders);
    ~SolidGLWindow() override;

    // Makes the context and builds the renderer when not done yet; false when OpenGL or the
    // shaders are unavailable, with UnavailableText() saying which.
    bool Prepare();
    // "" while the scene is drawn; otherwise the sentence to show instead.
    const QString& UnavailableText() const { return unavailable_; }
    // Called once when the view turns out to be unavailable.
    std::function<void()> onUnavailable;
    // Receives the window's mouse and wheel events (the host widget handles them).
    std::function<void(QEvent*)> onInput;

    // The engine's scene may have changed: its geometry is taken again before the next frame,
    // which is requested.
    void SceneChanged();
    // The user is turning or zooming the view (true), or has stopped (false: the view is drawn
    // once more at rest quality if the last frame was not).
    void SetMoving(bool moving);
    // A frame at rest quality drawn off-screen, at the window's size in device pixels.
    QImage GrabFrame();
    // The samples of the last frame shown (for tests).
    int LastSamples() const { return lastSamples_; }

protected:
    void exposeEvent(QExposeEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void Paint();
    QSize FramebufferSize() const;
    void DrawFrame(int samples, QOpenGLFramebufferObject* target);
    void ReleaseGL();
    void MarkUnavailable(const char* text);

    LayoutEngine& engine_;
    SolidShaderSources shaders_;
    std::unique_ptr<QOpenGLContext> context_;
    std::unique_ptr<SolidFrameDrawer> drawer_;
    QString unavailable_;
    bool software_ = false;
    bool moving_ = false;
    int lastSamples_ = -1;
};

} // namespace brevant
