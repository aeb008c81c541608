// The spiral flight in 3D: its scene on the shaft and its wire frame for CAD files.
#include "geometry/mesh.h"
#include "layouts/spiral/spiral_kind.h"

#include <algorithm>

namespace brevant {

namespace {

bool OutsideDisplayRange(double a, double b) {
    return std::max(a, b) > 50 || std::min(a, b) < 2;
}

} // namespace

// DisplayScale holds the factor the model is actually shown at: 1 whenever the model is left
// at its size, so the view presets and the pivots never scale a model twice.
void BuildSpiralMesh(PartScene& s, const TPathArray& outerHelix, const TPathArray& innerHelix,
                     double od, double id, double pitch) {
    s.Overlay = SceneOverlay::OpenRings;
    s.Mesh1Material = SolidMaterial::Light;
    TPathArray outer = outerHelix, inner = innerHelix;
    s.Shaft = SolidCylinder{false, id, 2 * pitch, id, 0};
    s.DisplayScale = 1;
    if (OutsideDisplayRange(pitch, od)) {
        s.DisplayScale = DisplayScaleFor(std::max(pitch, od));
        ScalePath(outer, s.DisplayScale);
        ScalePath(inner, s.DisplayScale);
        s.Shaft.Width *= s.DisplayScale;
        s.Shaft.Height *= s.DisplayScale;
        s.Shaft.Depth *= s.DisplayScale;
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

void AddSpiralWireFrame(WireFrame& out, const SpiralModel& helices) {
    const TPathArray& inner = helices.InnerHelix;
    const TPathArray& outer = helices.OuterHelix;
    const size_t n = std::min(inner.size(), outer.size());
    for (size_t i = 0; i < n; ++i)
        out.Line(inner[i], outer[i], kColorLime);
    for (const TPathArray* helix : {&inner, &outer})
        for (size_t i = 0; i + 1 < n; ++i)
            out.Line((*helix)[i], (*helix)[i + 1], kColorLime);
}

} // namespace brevant
