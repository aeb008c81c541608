// The 3D model of cones and cylinders: end-plane pivots, rings and the closed ring mesh.
#include "solid/cone_model.h"

#include "core/layout_definition.h"
#include "geometry/end_planes.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {

// The factor that brings a model of the given size into the range 2 to 50.
double DisplayScaleFor(double size) {
    if (!(size > 0) || !std::isfinite(size)) return 1;
    if (size > 50) return 50 / size;
    if (size < 2) return 2 / size;
    return 1;
}

bool SquarePage(const SceneJob& e) {
    return e.SquarePage;
}

int RingSize(const SceneJob& e) {
    return std::clamp(e.CircleResolution, 3, 3600);
}

void ScaleRing(TPathArray& ring, double f) {
    for (TDPoint& q : ring)
        q = {q.x * f, q.y * f, q.z * f};
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
    const double height = square ? d.SquareHeight : d.ConeHeight;
    const double topSize = square ? d.SquareTopDiameter : d.TopDiameter;
    if (std::max(height, topSize) > 50 || std::min(height, topSize) < 2) {
        const double base = square ? d.SquareWidth : d.BottomDiameter;
        s.DisplayScale = DisplayScaleFor(std::max(base, height));
        ScaleRing(top, s.DisplayScale);
        ScaleRing(bottom, s.DisplayScale);
    }
    const size_t n = std::min(top.size(), bottom.size());
    auto& vertices = s.Mesh1.Vertices;
    auto& indices = s.Mesh1.Indices;
    vertices.clear();
    indices.clear();
    s.Mesh1.Normals.clear();
    for (size_t i = 0; n >= 2 && i < n; ++i) {
        const size_t j = (i + 1) % n;
        const int v = static_cast<int>(vertices.size());
        vertices.insert(vertices.end(), {bottom[i], top[i], top[j], bottom[j]});
        indices.insert(indices.end(), {v + 1, v + 2, v + 3, v + 3, v, v + 1});
    }
    s.FirstRing = std::move(top);
    s.SecondRing = std::move(bottom);
}

void BuildConeModel(SceneJob& e) {
    ClearScene(e.Solid);
    PlaceEndPlanes(e);
    e.Solid.Kind = SolidPartKind::Cone;
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
    BuildRingMesh(e, top, bottom);
}

void BuildObliqueCylinderModel(SceneJob& e) {
    PlaceEndPlanes(e);
    e.Solid.Kind = SolidPartKind::Cone;
    const TConeShape c = ConeShapeOf(e.Def);
    TRingPair r = CylinderRings(c, RingSize(e), true);
    TPathArray top = ToSceneFrame(r.Top), bottom = ToSceneFrame(r.Bottom);
    if (e.Def.TopCutWidth > 0 && e.Def.BottomCutWidth > 0) {
        // Both side cuts: rings only, no surface.
        e.Solid.Mesh1 = SolidMesh{};
        e.Solid.FirstRing = std::move(top);
        e.Solid.SecondRing = std::move(bottom);
        return;
    }
    BuildRingMesh(e, top, bottom);
}

} // namespace brevant
