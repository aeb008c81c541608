// The camera rig's mouse handlers.
#include "solid/solid_camera.h"

#include "core/angle_units.h"

#include <cmath>

namespace brevant {

void OrbitCamera(SolidCamera& camera, double dx, double dy) {
    camera.RotationX -= dy * 0.3;
    camera.RotationY += dx * 0.3;
}

TDPoint CameraFramePoint(const SolidCamera& camera, const TDPoint& p) {
    constexpr double kRad = kRadiansPerDegree;
    // Undo the turn about the vertical first, then the tilt, then the camera's place on the rig.
    const double x = p.x - camera.Target.x, y = p.y - camera.Target.y, z = p.z - camera.Target.z;
    const double cy = std::cos(-camera.RotationY * kRad), sy = std::sin(-camera.RotationY * kRad);
    const double x1 = cy * x + sy * z, z1 = -sy * x + cy * z;
    const double cx = std::cos(-camera.RotationX * kRad), sx = std::sin(-camera.RotationX * kRad);
    const double y2 = cx * y - sx * z1, z2 = sx * y + cx * z1;
    return {x1, y2 - camera.Y, z2 - camera.Z};
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
