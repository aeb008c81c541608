// The camera rig's mouse handlers.
#include "solid/solid_camera.h"

#include <cmath>

namespace brevant {

void OrbitCamera(SolidCamera& camera, double dx, double dy) {
    camera.RotationX -= dy * 0.3;
    camera.RotationY += dx * 0.3;
}

void WheelCamera(SolidCamera& camera, double delta) {
    if (delta < 0) {
        if (camera.Z >= camera.ZoomNear)
            camera.Z = camera.ZoomNear;
        else
            camera.Z = std::min(camera.ZoomNear, camera.Z + std::fabs(delta) * camera.ZoomStep);
    } else if (delta > 0) {
        if (camera.ZoomFar >= camera.Z)
            camera.Z = camera.ZoomFar;
        else
            camera.Z = std::max(camera.ZoomFar, camera.Z - std::fabs(delta) * camera.ZoomStep);
    }
}

} // namespace brevant
