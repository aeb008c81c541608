// Draws the 3D view's frames in one OpenGL context: the scene's geometry is uploaded when the
// scene changes, the camera is aimed for every frame, and a multisampled frame is drawn
// off-screen and resolved into the target. The viewport's window and the benchmark share it.
#pragma once

#include "solid_frame.h"
#include "solid_renderer.h"

#include <QSize>

#include <functional>
#include <memory>
#include <vector>

class QOpenGLFramebufferObject;

namespace brevant {

class SolidFrameDrawer {
public:
    SolidFrameDrawer();
    ~SolidFrameDrawer(); // with the context current
    SolidFrameDrawer(const SolidFrameDrawer&) = delete;
    SolidFrameDrawer& operator=(const SolidFrameDrawer&) = delete;

    // Builds the renderer's programs in the current context; false, with Error(), when refused.
    bool Initialize(const SolidShaderSources& shaders);
    const QString& Error() const { return renderer_.Error(); }

    // The scene changed: its geometry is taken again for the next frame.
    void SceneChanged() { sceneDirty_ = true; }

    // Draws a frame of the model over the given size in pixels into target (nullptr: the
    // context's default framebuffer) with the given samples per pixel (0: none). overlay is
    // asked for the overlay lines only when the scene is taken again.
    void Draw(const SolidModel& model, const std::function<std::vector<OverlayLine>()>& overlay,
              QSize size, int samples, QOpenGLFramebufferObject* target);

private:
    void Multisampled(QSize size, int samples, QOpenGLFramebufferObject* target);

    SolidRenderer renderer_;
    std::unique_ptr<QOpenGLFramebufferObject> multisampled_;
    int multisampledRequest_ = 0; // the samples it was made for (the driver may give fewer)
    SolidFrame frame_;
    bool sceneDirty_ = true;
};

} // namespace brevant
