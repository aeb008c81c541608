// The frame of the 3D view: surfaces, grids, overlay and camera from the scene model.
#include "solid_frame.h"

#include "core/angle_units.h"
#include "geometry/mesh.h"
#include "strip_simplify.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brevant {

namespace {

constexpr int kMaxGridCells = 100;

QVector3D Rgb(std::uint32_t argb) {
    return {float((argb >> 16) & 0xFF) / 255.0f, float((argb >> 8) & 0xFF) / 255.0f,
            float(argb & 0xFF) / 255.0f};
}

void PushRgba(std::vector<float>& out, std::uint32_t argb) {
    const QVector3D c = Rgb(argb);
    out.insert(out.end(), {c.x(), c.y(), c.z(), float((argb >> 24) & 0xFF) / 255.0f});
}

void PushPoint(std::vector<float>& out, double x, double y, double z) {
    out.insert(out.end(), {float(x), float(y), float(z)});
}

void PushPoint(std::vector<float>& out, const TDPoint& p) {
    PushPoint(out, p.x, p.y, p.z);
}

bool ValidTriangle(const SolidMesh& mesh, size_t t) {
    const auto n = static_cast<long long>(mesh.Vertices.size());
    for (size_t k = 0; k < 3; ++k) {
        const int i = mesh.Indices[t + k];
        if (i < 0 || i >= n) return false;
    }
    return true;
}

std::vector<TDPoint> NormalsOf(const SolidMesh& mesh) {
    if (mesh.Normals.size() == mesh.Vertices.size()) return mesh.Normals;
    SolidMesh smoothed = mesh;
    SmoothNormals(smoothed);
    return smoothed.Normals;
}

SurfaceDraw MeshSurface(const SolidMesh& mesh, const SurfaceMaterial& material) {
    SurfaceDraw s;
    s.Model = MeshPlacement(mesh);
    s.Material = material;
    const std::vector<TDPoint> normals = NormalsOf(mesh);
    s.Positions.reserve(mesh.Vertices.size() * 3);
    s.Normals.reserve(normals.size() * 3);
    for (const TDPoint& v : mesh.Vertices)
        PushPoint(s.Positions, v);
    for (const TDPoint& n : normals)
        PushPoint(s.Normals, n);
    s.Indices.reserve(mesh.Indices.size());
    for (size_t t = 0; t + 2 < mesh.Indices.size(); t += 3)
        if (ValidTriangle(mesh, t))
            for (size_t k = 0; k < 3; ++k)
                s.Indices.push_back(static_cast<unsigned>(mesh.Indices[t + k]));
    SimplifyQuadStrip(s, StripTolerance(s));
    return s;
}

QMatrix4x4 PivotPlacement(const TDPoint& position, double rotationZ) {
    QMatrix4x4 m;
    m.translate(float(position.x), float(position.y), float(position.z));
    m.rotate(float(rotationZ), 0, 0, 1);
    return m;
}

LineDraw OverlayDraw(const SolidModel& model, const std::vector<OverlayLine>& overlay) {
    LineDraw d;
    d.Model = MeshPlacement(model.Mesh1);
    d.Positions.reserve(overlay.size() * 6);
    d.Colors.reserve(overlay.size() * 8);
    for (const OverlayLine& line : overlay) {
        PushPoint(d.Positions, line.From);
        PushPoint(d.Positions, line.To);
        PushRgba(d.Colors, line.Color);
        PushRgba(d.Colors, line.Color);
    }
    return d;
}

} // namespace

SurfaceMaterial LightMaterial() {
    return {Rgb(0xFFC0C0C0), Rgb(0xFF000000), Rgb(0xFF484750), Rgb(0xFF606060), 30};
}

SurfaceMaterial PipeMaterial() {
    return {Rgb(0xFF00FFFF), Rgb(0xFF202020), Rgb(0xFF484750), Rgb(0xFF606060), 30};
}

QMatrix4x4 MeshPlacement(const SolidMesh& mesh) {
    return PivotPlacement({mesh.PositionX, 0, 0}, mesh.RotationZ);
}

QMatrix4x4 CameraView(const SolidCamera& camera) {
    // The inverse of the rig T(target) * Ry * Rx * T(0, Y, Z), then Y and Z turned round for
    // OpenGL; the same as CameraFramePoint.
    QMatrix4x4 v;
    v.scale(1, -1, -1);
    v.translate(0, float(-camera.Y), float(-camera.Z));
    v.rotate(float(-camera.RotationX), 1, 0, 0);
    v.rotate(float(-camera.RotationY), 0, 1, 0);
    v.translate(float(-camera.Target.x), float(-camera.Target.y), float(-camera.Target.z));
    return v;
}

QMatrix4x4 CameraProjection(const SolidCamera& camera, double aspect) {
    const double distance = std::hypot(camera.Y, camera.Z);
    const double nearPlane = std::max(0.01, distance / 100);
    const double farPlane = 4 * distance + 200;
    double angle = camera.ViewAngle > 1 && camera.ViewAngle < 170 ? camera.ViewAngle : 20;
    if (!(aspect > 0)) aspect = 1;
    // The angle of view holds across the narrower side: a picture higher than wide opens up
    // vertically, so that a part framed for the angle still fits.
    if (aspect < 1) {
        const double half = angle / 2 * kRadiansPerDegree;
        angle = 2 * std::atan(std::tan(half) / aspect) / kRadiansPerDegree;
    }
    QMatrix4x4 p;
    p.perspective(float(angle), float(aspect), float(nearPlane), float(farPlane));
    return p;
}

SurfaceDraw CylinderSurface(const SolidCylinder& cylinder) {
    SurfaceDraw s;
    s.Model = PivotPlacement({}, cylinder.RotationZ);
    s.Material = LightMaterial();
    const double a = cylinder.Width / 2, b = cylinder.Depth / 2, h = cylinder.Height / 2;
    constexpr int n = kShaftSubdivisions;
    auto vertex = [&s](double x, double y, double z, double nx, double ny, double nz) {
        PushPoint(s.Positions, x, y, z);
        const double len = std::sqrt(nx * nx + ny * ny + nz * nz);
        PushPoint(s.Normals, nx / len, ny / len, nz / len);
    };
    // The side: a seam column at both ends so every column has its own normal.
    for (int i = 0; i <= n; ++i) {
        const double t = 2 * std::numbers::pi * i / n, c = std::cos(t), sn = std::sin(t);
        const double nx = b * c, nz = a * sn; // the ellipse's outward normal
        vertex(a * c, -h, b * sn, nx, 0, nz);
        vertex(a * c, h, b * sn, nx, 0, nz);
    }
    for (unsigned i = 0; i < unsigned(n); ++i) {
        const unsigned k = 2 * i;
        s.Indices.insert(s.Indices.end(), {k, k + 1, k + 3, k + 3, k + 2, k});
    }
    // The two end discs, each a fan round its centre.
    for (const double y : {-h, h}) {
        const auto centre = unsigned(s.Positions.size() / 3);
        vertex(0, y, 0, 0, y < 0 ? -1 : 1, 0);
        for (int i = 0; i <= n; ++i) {
            const double t = 2 * std::numbers::pi * i / n;
            vertex(a * std::cos(t), y, b * std::sin(t), 0, y < 0 ? -1 : 1, 0);
        }
        for (unsigned i = 0; i < unsigned(n); ++i)
            s.Indices.insert(s.Indices.end(), {centre, centre + 1 + i, centre + 2 + i});
    }
    return s;
}

LineDraw GridLines(double size, double spacing, std::uint32_t argb) {
    LineDraw d;
    const double half = std::fabs(size) / 2;
    if (!(half > 0) || !std::isfinite(half)) return d;
    const double ratio = std::fabs(size) / spacing;
    int cells = std::isfinite(ratio) ? int(std::lround(ratio)) : 0;
    if (cells < 1 || cells > kMaxGridCells) cells = 10;
    for (int k = 0; k <= cells; ++k) {
        const double u = -half + 2 * half * k / cells;
        PushPoint(d.Positions, u, 0, -half);
        PushPoint(d.Positions, u, 0, half);
        PushPoint(d.Positions, -half, 0, u);
        PushPoint(d.Positions, half, 0, u);
        for (int v = 0; v < 4; ++v)
            PushRgba(d.Colors, argb);
    }
    return d;
}

SolidFrame BuildSolidFrame(const SolidModel& model, const std::vector<OverlayLine>& overlay,
                           double aspect) {
    SolidFrame f;
    if (model.Shaft.Visible) f.Surfaces.push_back(CylinderSurface(model.Shaft));
    if (!model.Mesh1.Empty())
        f.Surfaces.push_back(MeshSurface(model.Mesh1, model.Mesh1Material == SolidMaterial::Pipe
                                                          ? PipeMaterial()
                                                          : LightMaterial()));
    if (!model.Mesh2.Empty()) f.Surfaces.push_back(MeshSurface(model.Mesh2, LightMaterial()));
    if (model.BottomPlaneVisible) {
        f.Grids.push_back(GridLines(model.BottomPlaneSize, model.GridFrequency, kGridColor));
        f.Grids.back().Model = PivotPlacement({}, model.BottomPivotRotationZ);
    }
    if (model.TopPlaneVisible) {
        f.Grids.push_back(GridLines(model.TopPlaneSize, model.GridFrequency, kGridColor));
        f.Grids.back().Model = PivotPlacement(model.TopPivotPosition, model.TopPivotRotationZ);
    }
    f.Overlay = OverlayDraw(model, overlay);
    AimSolidFrame(f, model.Camera, aspect);
    return f;
}

void AimSolidFrame(SolidFrame& frame, const SolidCamera& camera, double aspect) {
    frame.View = CameraView(camera);
    frame.Projection = CameraProjection(camera, aspect);
    // The light comes with the viewer, from above and to the left of the camera: whichever way
    // the part is turned, the faces towards the user are lit and shaded by their slope.
    frame.LightDirection = QVector3D(0.35f, -0.45f, -0.82f).normalized();
}

} // namespace brevant
