// The 3D model of cones and cylinders: end-plane pivots, rings and the closed ring mesh.
#include "solid/cone_model.h"

#include "core/layout_definition.h"
#include "geometry/end_planes.h"
#include "geometry/mesh.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {

bool SquarePage(const SceneJob& e) {
    return e.SquarePage;
}

int RingSize(const SceneJob& e) {
    return std::clamp(e.CircleResolution, 3, 3600);
}

} // namespace

void ClearScene(SolidModel& solid) {
    solid.Mesh1 = SolidMesh{};
    solid.Mesh2 = SolidMesh{};
    solid.Mesh1Material = SolidMaterial::Light;
    solid.Shaft.Visible = false;
    solid.TopPlaneVisible = false;
    solid.BottomPlaneVisible = false;
    solid.Kind = SolidPartKind::None;
    solid.FirstRing.clear();
    solid.SecondRing.clear();
}

void PlaceEndPlanes(SceneJob& e) {
    const auto& d = e.Def;
    auto& s = e.Solid;
    if (SquarePage(e)) {
        s.BottomPivotRotationZ = 0;
        s.TopPivotPosition = {d.SquareTopXShift, -double(d.SquareHeight), d.SquareTopYShift};
        s.TopPivotRotationZ = d.SquareTopAngle;
        return;
    }
    s.BottomPivotRotationZ = d.BottomAngle;
    s.TopPivotPosition = {d.TopShift, -double(d.ConeHeight), 0};
    s.TopPivotRotationZ = d.TopAngle;
}

void ProjectRingsOntoEndPlane(SceneJob& e, TPathArray& top, TPathArray& bottom, int plane) {
    const TConeShape c = ConeShapeOf(e.Def);
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

void BuildRingMesh(SceneJob& e, const TPathArray& topRing, const TPathArray& bottomRing) {
    auto& s = e.Solid;
    s.Mesh1.RotationZ = 0;
    s.Mesh1Material = SolidMaterial::Light;
    s.DisplayScale = 1;
    TPathArray top = topRing, bottom = bottomRing;
    const auto& d = e.Def;
    const bool square = SquarePage(e);
    s.Kind = square ? SolidPartKind::SquareToRound : SolidPartKind::Cone;
    // The model's size is the larger of its base and its height; a wide, low part (base 120,
    // top and height 10) is scaled like any other, whatever its top size.
    const double height = square ? d.SquareHeight : d.ConeHeight;
    const double base = square ? d.SquareWidth : d.BottomDiameter;
    s.DisplayScale = DisplayScaleFor(std::max(base, height));
    if (s.DisplayScale != 1) {
        ScalePath(top, s.DisplayScale);
        ScalePath(bottom, s.DisplayScale);
    }
    SetStripSurface(s.Mesh1, bottom, top, true);
    s.FirstRing = std::move(top);
    s.SecondRing = std::move(bottom);
}

TRingPair ConeSolidRings(SceneJob& e) {
    const TConeShape c = ConeShapeOf(e.Def);
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
    ClearScene(e.Solid);
    PlaceEndPlanes(e);
    e.Solid.Kind = SolidPartKind::Cone;
    const TRingPair rings = ConeSolidRings(e);
    BuildRingMesh(e, rings.Top, rings.Bottom);
}

void BuildObliqueCylinderModel(SceneJob& e) {
    PlaceEndPlanes(e);
    e.Solid.Kind = SolidPartKind::Cone;
    const TConeShape c = ConeShapeOf(e.Def);
    TRingPair r = CylinderRings(c, RingSize(e), true);
    TPathArray top = ToSceneFrame(r.Top), bottom = ToSceneFrame(r.Bottom);
    if (e.Def.TopCutWidth > 0 && e.Def.BottomCutWidth > 0) {
        // Both side cuts: rings only, no surface.
        e.Solid.Mesh1.Vertices.clear();
        e.Solid.Mesh1.Indices.clear();
        e.Solid.Mesh1.Normals.clear();
        e.Solid.FirstRing = std::move(top);
        e.Solid.SecondRing = std::move(bottom);
        return;
    }
    BuildRingMesh(e, top, bottom);
}

} // namespace brevant
