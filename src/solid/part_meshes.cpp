// The spiral flight's and the branch pipe's meshes.
#include "solid/part_meshes.h"

#include "geometry/mesh.h"

#include <algorithm>

namespace brevant {

namespace {

bool OutsideDisplayRange(double a, double b) {
    return std::max(a, b) > 50 || std::min(a, b) < 2;
}

void ScaleCylinder(SolidCylinder& c, double f) {
    c.Width *= f;
    c.Height *= f;
    c.Depth *= f;
}

} // namespace

// DisplayScale holds the factor the model is actually shown at: 1 whenever the model is left
// at its size, so the view presets and the pivots never scale a model twice.
void BuildSpiralMesh(SolidModel& s, const TPathArray& outerHelix, const TPathArray& innerHelix,
                     double od, double id, double pitch) {
    s.Kind = SolidPartKind::SpiralFlight;
    s.Mesh1Material = SolidMaterial::Light;
    TPathArray outer = outerHelix, inner = innerHelix;
    s.Shaft = SolidCylinder{false, id, 2 * pitch, id, 0};
    s.DisplayScale = 1;
    if (OutsideDisplayRange(pitch, od)) {
        s.DisplayScale = DisplayScaleFor(std::max(pitch, od));
        ScalePath(outer, s.DisplayScale);
        ScalePath(inner, s.DisplayScale);
        ScaleCylinder(s.Shaft, s.DisplayScale);
    }
    s.Shaft.RotationZ = 90; // the shaft's axis lies horizontal
    s.Shaft.Visible = true;
    SetStripSurface(s.Mesh1, outer, inner, false);
    s.FirstRing = std::move(inner);
    s.SecondRing = std::move(outer);
    s.Mesh1.RotationZ = 90;
    // The second turn: the same strip, one pitch further along the shaft than the first.
    s.Mesh2 = s.Mesh1;
    SmoothNormals(s.Mesh2);
    s.Mesh2.RotationZ = 90;
    s.Mesh2.PositionX = 0;
    s.Mesh1.PositionX = -pitch * s.DisplayScale;
}

void BuildPipeMesh(SolidModel& s, const TPathArray& axisRing, const TPathArray& farRing, double db,
                   double ds) {
    s.Kind = SolidPartKind::PipeIntersection;
    TPathArray axis = axisRing, far = farRing;
    s.Shaft = SolidCylinder{false, db, 2.5 * db, db, 0}; // upright
    s.DisplayScale = 1;
    if (OutsideDisplayRange(db, 2.5 * db)) {
        s.DisplayScale = DisplayScaleFor(std::max(4 * ds, 4 * db));
        ScalePath(axis, s.DisplayScale);
        ScalePath(far, s.DisplayScale);
        ScaleCylinder(s.Shaft, s.DisplayScale);
    }
    s.Shaft.Visible = true;
    s.Mesh1Material = SolidMaterial::Pipe;
    SetStripSurface(s.Mesh1, axis, far, false);
    s.FirstRing = std::move(far);
    s.SecondRing = std::move(axis);
    s.Mesh1.RotationZ = 90; // the branch lies horizontal, meeting the upright main pipe
}

} // namespace brevant
