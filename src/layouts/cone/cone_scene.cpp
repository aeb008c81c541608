// The 3D model of cones and cylinders: end-plane pivots, rings and the closed ring mesh.
#include "layouts/cone/cone_scene.h"

#include "geometry/end_planes.h"
#include "geometry/mesh.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {

int RingSize(const SceneJob& e) {
    return std::clamp(e.CircleResolution, 3, 3600);
}

// The ring mesh of a cone: its size is the larger of its base and its height, so a wide, low
// part (base 120, top and height 10) is scaled like any other, whatever its top size.
void BuildRingMesh(SceneJob& e, const TPathArray& top, const TPathArray& bottom) {
    const double size = std::max<double>(e.Def.BottomDiameter, e.Def.ConeHeight);
    SetRingSurface(e.Scene, top, bottom, size, SceneOverlay::RingsWithMarks);
}

} // namespace

void PlaceEndPlanes(SceneJob& e) {
    const ConeDefinition& d = e.Def;
    PartScene& s = e.Scene;
    s.BottomPivotRotationZ = d.BottomAngle;
    s.TopPivotPosition = {d.TopShift, -double(d.ConeHeight), 0};
    s.TopPivotRotationZ = d.TopAngle;
}

void ProjectRingsOntoEndPlane(SceneJob& e, TPathArray& top, TPathArray& bottom, int plane) {
    const TConeShape c = e.Def.Shape();
    const bool isTop = plane == kTopPlane;
    // The rings arrive in the scene frame; the planes are built with the height up.
    TPathArray up = ToSceneFrame(isTop ? top : bottom);
    const TEndPlane p =
        isTop ? TiltedPlane(c.S, c.H, 0, c.TopAngle) : TiltedPlane(0, 0, 0, c.BottomAngle);
    if (e.Def.IsCylinder) {
        if (isTop) up = ToSceneFrame(bottom);
        const TDPoint axis = isTop ? TDPoint{c.S, c.H, 0} : TDPoint{0, 1, 0};
        for (TDPoint& q : up)
            q = MoveAlongDirectionOntoPlane(q, axis, p);
        (isTop ? top : bottom) = ToSceneFrame(up);
        return;
    }
    const double angle = isTop ? c.TopAngle : c.BottomAngle;
    const double ellipse = isTop ? c.TopEllipseWidth : c.BottomEllipseWidth;
    if (angle == 0 && ellipse == 0) return;
    if (c.B == c.T) return; // no apex
    const TDPoint apex = ConeApexPoint(c.T, c.B, c.H, c.S);
    for (TDPoint& q : up) {
        if (isTop) q.y = c.H;
        q = MoveThroughPointOntoPlane(q, apex, p);
    }
    (isTop ? top : bottom) = ToSceneFrame(up);
}

TRingPair ConeSolidRings(SceneJob& e) {
    const TConeShape c = e.Def.Shape();
    const int n = RingSize(e);
    // Plan of both ends, at height 0 for now; ellipses replace the circle points.
    TPathArray top = CircleRing(n, c.S, c.T / 2, 0);
    TPathArray bottom = CircleRing(n, 0, c.B / 2, 0);
    if (c.TopEllipseWidth != 0) FitRingToEllipse(top, c.S, c.T / 2, c.TopEllipseWidth / 2);
    if (c.BottomEllipseWidth != 0) FitRingToEllipse(bottom, 0, c.B / 2, c.BottomEllipseWidth / 2);
    top = ToSceneFrame(top);
    bottom = ToSceneFrame(bottom);
    if (c.TopAngle == 0) {
        for (TDPoint& q : top)
            q.y = -c.H;
    } else {
        ProjectRingsOntoEndPlane(e, top, bottom, kTopPlane);
    }
    if (c.BottomAngle != 0 || c.BottomEllipseWidth != 0)
        ProjectRingsOntoEndPlane(e, top, bottom, kBottomPlane);
    return {std::move(top), std::move(bottom)};
}

void BuildConeModel(SceneJob& e) {
    ClearScene(e.Scene);
    PlaceEndPlanes(e);
    e.Scene.Overlay = SceneOverlay::RingsWithMarks;
    const TRingPair rings = ConeSolidRings(e);
    BuildRingMesh(e, rings.Top, rings.Bottom);
}

void BuildObliqueCylinderModel(SceneJob& e) {
    PlaceEndPlanes(e);
    e.Scene.Overlay = SceneOverlay::RingsWithMarks;
    const TConeShape c = e.Def.Shape();
    TRingPair r = CylinderRings(c, RingSize(e), true);
    TPathArray top = ToSceneFrame(r.Top), bottom = ToSceneFrame(r.Bottom);
    if (e.Def.TopCutWidth > 0 && e.Def.BottomCutWidth > 0) {
        // Both side cuts: rings only, no surface.
        e.Scene.Mesh1.Vertices.clear();
        e.Scene.Mesh1.Indices.clear();
        e.Scene.Mesh1.Normals.clear();
        e.Scene.FirstRing = std::move(top);
        e.Scene.SecondRing = std::move(bottom);
        return;
    }
    BuildRingMesh(e, top, bottom);
}

void SizeGridPlanes(PartScene& s, const ConeDefinition& d) {
    const double scale = s.DisplayScale;
    const double a = d.BottomDiameter * scale;
    s.GridFrequency = a / 10;
    s.TopPlaneSize = d.TopDiameter * scale;
    s.BottomPlaneSize = a;
    s.TopPlaneVisible = true;
    s.BottomPlaneVisible = true;
}

} // namespace brevant
