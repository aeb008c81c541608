// The view presets of the 3D view.
#include "solid/view_preset.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {

void PlaceCamera(SolidCamera& c, double m, double cameraY, int preset) {
    c.ZoomFar = -8 * m;
    c.ZoomNear = -2 * m;
    c.ZoomStep = std::fabs(-8 * m * 0.0005);
    c.RotationY = 0;
    c.Z = -(std::fabs(c.ZoomFar) - std::fabs(c.ZoomNear)) / 2; // -3M
    switch (preset) {
    case kTopView:
        c.RotationX = -90; // looking down
        c.Y = 0;
        break;
    case kFrontView:
        c.RotationX = 0;
        c.Y = cameraY;
        break;
    default:
        c.RotationX = -15;
        c.Y = cameraY;
        break;
    }
}

} // namespace

bool SetViewPreset(SolidModel& s, const ViewFraming& f, int preset) {
    if (preset < kTopView || preset > kResetView) return false;
    if (!f.Framable || s.SecondRing.empty()) return false;
    const double w = 2 * s.SecondRing.front().x;
    const double h = f.Height;
    PlaceCamera(s.Camera, std::max(w, h), f.CameraY, preset);
    // The pivots of the scaled model.
    if (f.MovesTopPivotX) s.TopPivotPosition.x = f.TopPivotX;
    s.TopPivotPosition.y = -h;
    if (f.MovesTopPivotZ) s.TopPivotPosition.z = f.TopPivotZ;
    if (f.TurnsBottomPivot) s.BottomPivotRotationZ = f.BottomPivotRotationZ;
    return true;
}

} // namespace brevant
