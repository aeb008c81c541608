// Frames of the 3D view: scene upload on change, camera per frame, multisample resolve.
#include "solid_frame_drawer.h"

#include <QOpenGLFramebufferObject>

namespace brevant {

SolidFrameDrawer::SolidFrameDrawer() = default;

SolidFrameDrawer::~SolidFrameDrawer() = default;

bool SolidFrameDrawer::Initialize(const SolidShaderSources& shaders) {
    sceneDirty_ = true;
    return renderer_.Initialize(shaders);
}

void SolidFrameDrawer::Draw(const SolidModel& model,
                            const std::function<std::vector<OverlayLine>()>& overlay, QSize size,
                            int samples, QOpenGLFramebufferObject* target) {
    const double aspect = size.height() > 0 ? double(size.width()) / size.height() : 1;
    if (sceneDirty_) {
        frame_ = BuildSolidFrame(model, overlay(), aspect);
        renderer_.Upload(frame_);
        sceneDirty_ = false;
    }
    AimSolidFrame(frame_, model.Camera, aspect);
    if (samples > 0 && QOpenGLFramebufferObject::hasOpenGLFramebufferBlit()) {
        Multisampled(size, samples, target);
        return;
    }
    if (target)
        target->bind();
    else
        QOpenGLFramebufferObject::bindDefault();
    renderer_.Draw(frame_, size.width(), size.height());
}

void SolidFrameDrawer::Multisampled(QSize size, int samples, QOpenGLFramebufferObject* target) {
    if (!multisampled_ || multisampled_->size() != size || multisampledRequest_ != samples) {
        QOpenGLFramebufferObjectFormat f;
        f.setAttachment(QOpenGLFramebufferObject::Depth);
        f.setSamples(samples);
        multisampled_ = std::make_unique<QOpenGLFramebufferObject>(size, f);
        multisampledRequest_ = samples;
    }
    multisampled_->bind();
    renderer_.Draw(frame_, size.width(), size.height());
    const QRect all(QPoint(0, 0), size);
    QOpenGLFramebufferObject::blitFramebuffer(target, all, multisampled_.get(), all);
    if (target)
        target->bind();
    else
        QOpenGLFramebufferObject::bindDefault();
}

} // namespace brevant
