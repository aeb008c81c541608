// Emptying a part's scene.
#include "geometry/part_scene.h"

namespace brevant {

void ClearScene(PartScene& scene) {
    scene.Mesh1 = SolidMesh{};
    scene.Mesh2 = SolidMesh{};
    scene.Mesh1Material = SolidMaterial::Light;
    scene.Shaft.Visible = false;
    scene.TopPlaneVisible = false;
    scene.BottomPlaneVisible = false;
    scene.Overlay = SceneOverlay::None;
    scene.FirstRing.clear();
    scene.SecondRing.clear();
}

void SetRingSurface(PartScene& s, const TPathArray& topRing, const TPathArray& bottomRing,
                    double size, SceneOverlay overlay) {
    s.Mesh1.RotationZ = 0;
    s.Mesh1Material = SolidMaterial::Light;
    s.Overlay = overlay;
    TPathArray top = topRing, bottom = bottomRing;
    s.DisplayScale = DisplayScaleFor(size);
    if (s.DisplayScale != 1) {
        ScalePath(top, s.DisplayScale);
        ScalePath(bottom, s.DisplayScale);
    }
    SetStripSurface(s.Mesh1, bottom, top, true);
    s.FirstRing = std::move(top);
    s.SecondRing = std::move(bottom);
}

} // namespace brevant
