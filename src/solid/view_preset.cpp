// The view presets of the 3D view.
#include "solid/view_preset.h"

#include "core/layout_definition.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {

// The model's displayed height: what the camera frames together with its width.
double DisplayedHeight(const SolidModel& s, const ViewPresetJob& job) {
    const LayoutDefinition& d = job.Def;
    switch (job.Layout) {
    case SolidPartKind::SquareToRound:
        return d.SquareHeight * s.DisplayScale;
    case SolidPartKind::PipeIntersection:
        return s.Shaft.Height; // the main pipe as shown
    case SolidPartKind::SpiralFlight:
        return d.SpiralOD * s.DisplayScale;
    default:
        return d.ConeHeight * s.DisplayScale;
    }
}

// The camera's scene Y for the front and reset views.
double CameraHeight(const ViewPresetJob& job, double h) {
    switch (job.Layout) {
    case SolidPartKind::SquareToRound:
        return job.Units == kCentimeters ? -h : -h / 2;
    case SolidPartKind::SpiralFlight:
    case SolidPartKind::PipeIntersection:
        return 0;
    default:
        return -h / 2;
    }
}

} // namespace

bool SetViewPreset(SolidModel& s, const ViewPresetJob& job, int preset) {
    if (preset < kTopView || preset > kResetView) return false;
    const LayoutDefinition& d = job.Def;
    if (job.Layout == SolidPartKind::Cone && (d.BottomDiameter == 0 || d.ConeHeight == 0))
        return false;
    if (job.Layout == SolidPartKind::SquareToRound &&
        (d.SquareTopDiameter == 0 || d.SquareHeight == 0))
        return false;
    if (s.SecondRing.empty()) return false;
    const double w = 2 * s.SecondRing.front().x;
    const double h = DisplayedHeight(s, job);
    const double m = std::max(w, h);
    SolidCamera& c = s.Camera;
    c.ZoomFar = -8 * m;
    c.ZoomNear = -2 * m;
    c.ZoomStep = std::fabs(-8 * m * 0.0005);
    const double distance = -(std::fabs(c.ZoomFar) - std::fabs(c.ZoomNear)) / 2; // -3M
    const double cameraY = CameraHeight(job, h);
    c.RotationY = 0;
    c.Z = distance;
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
    // The pivots of the scaled model.
    const double scale = s.DisplayScale;
    s.TopPivotPosition.x = (job.SquarePage ? d.SquareTopXShift : d.TopShift) * scale;
    s.TopPivotPosition.y = -h;
    if (job.SquarePage)
        s.TopPivotPosition.z = d.SquareTopYShift * scale;
    else
        s.BottomPivotRotationZ = d.BottomAngle;
    return true;
}

} // namespace brevant
