// The view presets of the 3D view.
#include "solid/view_preset.h"

#include "core/angle_units.h"
#include "solid/solid_camera.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {

// How much room the part leaves around itself: it fills at most 1/kFitMargin of the angle of
// view.
constexpr double kFitMargin = 1.12;

// A point of an object's own frame placed in the scene: turned about Z by the angle (degrees),
// then shifted along X.
TDPoint Placed(const TDPoint& p, double rotationZ, double shiftX) {
    const double a = rotationZ * kRadiansPerDegree, c = std::cos(a), s = std::sin(a);
    return {c * p.x - s * p.y + shiftX, s * p.x + c * p.y, p.z};
}

void AddMesh(std::vector<TDPoint>& out, const SolidMesh& mesh) {
    if (mesh.Empty()) return;
    for (const TDPoint& v : mesh.Vertices)
        out.push_back(Placed(v, mesh.RotationZ, mesh.PositionX));
}

// The corners of the box round the shaft or main pipe.
void AddShaft(std::vector<TDPoint>& out, const SolidCylinder& c) {
    if (!c.Visible) return;
    for (const double x : {-c.Width / 2, c.Width / 2})
        for (const double y : {-c.Height / 2, c.Height / 2})
            for (const double z : {-c.Depth / 2, c.Depth / 2})
                out.push_back(Placed({x, y, z}, c.RotationZ, 0));
}

bool Finite(const TDPoint& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

// The distance from the target at which every point lies within the angle of view less the
// margin, for the camera's turn and tilt; the picture may be wider than high, not narrower.
double FramingDistance(const SolidCamera& camera, const std::vector<TDPoint>& points) {
    const double halfAngle = std::clamp(camera.ViewAngle, 2.0, 170.0) / 2 * kRadiansPerDegree;
    const double slope = std::tan(halfAngle) / kFitMargin;
    SolidCamera atTarget = camera;
    atTarget.Y = 0;
    atTarget.Z = 0;
    double distance = 0;
    for (const TDPoint& p : points) {
        const TDPoint q = CameraFramePoint(atTarget, p);
        distance = std::max(distance, std::max(std::fabs(q.x), std::fabs(q.y)) / slope - q.z);
    }
    return distance;
}

} // namespace

std::vector<TDPoint> SceneExtentPoints(const SolidModel& s) {
    std::vector<TDPoint> points;
    AddMesh(points, s.Mesh1);
    AddMesh(points, s.Mesh2);
    AddShaft(points, s.Shaft);
    // The rings are drawn in Mesh1's frame.
    for (const TPathArray* ring : {&s.FirstRing, &s.SecondRing})
        for (const TDPoint& p : *ring)
            points.push_back(Placed(p, s.Mesh1.RotationZ, s.Mesh1.PositionX));
    std::erase_if(points, [](const TDPoint& p) { return !Finite(p); });
    return points;
}

bool SetViewPreset(SolidModel& s, const ViewFraming& f, int preset) {
    if (preset < kTopView || preset > kResetView) return false;
    if (!f.Framable || s.SecondRing.empty()) return false;
    const std::vector<TDPoint> points = SceneExtentPoints(s);
    if (points.empty()) return false;
    TDPoint low = points.front(), high = points.front();
    for (const TDPoint& p : points) {
        low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
    }
    SolidCamera& c = s.Camera;
    c.Target = {(low.x + high.x) / 2, (low.y + high.y) / 2, (low.z + high.z) / 2};
    c.RotationY = 0;
    c.RotationX = preset == kTopView ? -90 : preset == kFrontView ? 0 : -15;
    c.Y = 0;
    const double distance = std::max(FramingDistance(c, points), 1e-6);
    c.Z = -distance;
    // The wheel goes from two thirds to eight thirds of the framing distance.
    c.ZoomNear = -distance * 2 / 3;
    c.ZoomFar = -distance * 8 / 3;
    c.ZoomStep = std::fabs(c.ZoomFar * 0.0005);
    // The pivots of the scaled model.
    if (f.MovesTopPivotX) s.TopPivotPosition.x = f.TopPivotX;
    s.TopPivotPosition.y = -f.Height;
    if (f.MovesTopPivotZ) s.TopPivotPosition.z = f.TopPivotZ;
    if (f.TurnsBottomPivot) s.BottomPivotRotationZ = f.BottomPivotRotationZ;
    return true;
}

} // namespace brevant
