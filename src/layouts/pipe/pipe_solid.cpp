// The branch pipe in 3D: its scene on the upright main pipe and its wire frame for CAD files.
#include "core/angle_units.h"
#include "geometry/mesh.h"
#include "layouts/pipe/pipe_kind.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {

bool OutsideDisplayRange(double a, double b) {
    return std::max(a, b) > 50 || std::min(a, b) < 2;
}

} // namespace

// DisplayScale holds the factor the model is actually shown at: 1 whenever the model is left
// at its size, so the view presets and the pivots never scale a model twice.
void BuildPipeMesh(PartScene& s, const TPathArray& axisRing, const TPathArray& farRing, double db,
                   double ds) {
    s.Overlay = SceneOverlay::Rings;
    TPathArray axis = axisRing, far = farRing;
    s.Shaft = SolidCylinder{false, db, 2.5 * db, db, 0}; // upright
    s.DisplayScale = 1;
    if (OutsideDisplayRange(db, 2.5 * db)) {
        s.DisplayScale = DisplayScaleFor(std::max(4 * ds, 4 * db));
        ScalePath(axis, s.DisplayScale);
        ScalePath(far, s.DisplayScale);
        s.Shaft.Width *= s.DisplayScale;
        s.Shaft.Height *= s.DisplayScale;
        s.Shaft.Depth *= s.DisplayScale;
    }
    s.Shaft.Visible = true;
    s.Mesh1Material = SolidMaterial::Pipe;
    SetStripSurface(s.Mesh1, axis, far, false);
    s.FirstRing = std::move(far);
    s.SecondRing = std::move(axis);
    s.Mesh1.RotationZ = 90; // the branch lies horizontal, meeting the upright main pipe
}

bool AddPipeWireFrame(WireFrame& out, const PipeInputs& in, int ringPoints) {
    const int n = std::max(ringPoints, 3);
    const double rb = in.MainDiameter / 2, rs = in.BranchDiameter / 2, ds = in.BranchDiameter;
    const double o = in.Offset;
    TPathArray cut, far;
    for (int i = 0; i <= n; ++i) {
        const double theta = (i % n) * 360.0 / n * kRadiansPerDegree;
        const double phi = i * 360.0 / n / kDegreesPerRadian;
        const double across = o - rs * std::sin(phi);
        const double root = rb * rb - across * across;
        if (!(root >= 0)) return false; // the branch reaches past the main pipe
        const double x = rs * std::cos(theta), z = rs * std::sin(theta);
        cut.push_back({x, rb - std::sqrt(root), z});
        far.push_back({x, -(rb + ds), z});
    }
    for (int i = 0; i <= n; ++i)
        out.Line(far[i], cut[i], kColorLime);
    for (const TPathArray* ring : {&far, &cut})
        for (int i = 0; i < n; ++i)
            out.Line((*ring)[i], (*ring)[i + 1], kColorLime);
    return true;
}

} // namespace brevant
