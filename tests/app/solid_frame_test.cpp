// The 3D view's frame without OpenGL: where the camera rig puts scene points on the screen,
// the grid lines and what a frame draws for a scene.
#include "solid_frame.h"

#include "solid/solid_camera.h"

#include <QTest>

#include <cmath>
#include <numbers>

using namespace brevant;

Q_DECLARE_METATYPE(brevant::TDPoint)
Q_DECLARE_METATYPE(brevant::SolidCamera)

namespace {

// Normalised device coordinates of a scene point: x right, y up, z towards the far plane.
QVector3D Screen(const SolidCamera& camera, const TDPoint& p) {
    const QMatrix4x4 m = CameraProjection(camera, 1.5) * CameraView(camera);
    const QVector4D clip = m * QVector4D(float(p.x), float(p.y), float(p.z), 1);
    return clip.toVector3DAffine();
}

SolidCamera Rig(double rx, double ry, double y, double z) {
    SolidCamera c;
    c.RotationX = rx;
    c.RotationY = ry;
    c.Y = y;
    c.Z = z;
    return c;
}

// A ring mesh of a cylinder of radius 5 and height 10 with n quads, four vertices each, as the
// ring meshes are built.
SolidMesh RingMesh(int n) {
    SolidMesh m;
    auto at = [n](int i, double y) {
        const double t = 2 * std::numbers::pi * (i % n) / n;
        return TDPoint{5 * std::cos(t), y, 5 * std::sin(t)};
    };
    for (int i = 0; i < n; ++i) {
        const int b = int(m.Vertices.size());
        m.Vertices.insert(m.Vertices.end(), {at(i, 0), at(i, -10), at(i + 1, -10), at(i + 1, 0)});
        m.Indices.insert(m.Indices.end(), {b + 1, b + 2, b + 3, b + 3, b, b + 1});
    }
    return m;
}

bool Near(const QVector3D& a, const QVector3D& b) {
    return (a - b).length() < 1e-5f;
}

float Extent(const std::vector<float>& xyz, int axis) {
    float e = 0;
    for (size_t i = size_t(axis); i < xyz.size(); i += 3)
        e = std::max(e, std::fabs(xyz[i]));
    return e;
}

} // namespace

class SolidFrameTest : public QObject {
    Q_OBJECT

private slots:
    // Each row: a camera rig, a scene point and where it must appear; (0, 0) is the middle of
    // the view, "sign" compares against it with a margin.
    void cameraRigPutsPointsWhereTheUserSeesThem_data() {
        QTest::addColumn<SolidCamera>("camera");
        QTest::addColumn<TDPoint>("point");
        QTest::addColumn<int>("xSign"); // -1 left, 0 centre, 1 right
        QTest::addColumn<int>("ySign"); // -1 below, 0 centre, 1 above
        const SolidCamera front = Rig(0, 0, -5, -60), top = Rig(-90, 0, 0, -60);
        const SolidCamera reset = Rig(-15, 0, -5, -60), turned = Rig(0, 90, 0, -60);
        QTest::newRow("front: +X is right") << front << TDPoint{10, -5, 0} << 1 << 0;
        QTest::newRow("front: a height is up") << front << TDPoint{0, -15, 0} << 0 << 1;
        QTest::newRow("front: the base is below") << front << TDPoint{0, 0, 0} << 0 << -1;
        QTest::newRow("reset: looks at the camera height") << reset << TDPoint{0, -5, 0} << 0 << 0;
        QTest::newRow("reset: the base is below") << reset << TDPoint{0, 0, 0} << 0 << -1;
        QTest::newRow("top: +X is right") << top << TDPoint{10, 0, 0} << 1 << 0;
        QTest::newRow("top: the far side is up") << top << TDPoint{0, 0, 10} << 0 << 1;
        QTest::newRow("turned right: +Z is left") << turned << TDPoint{0, 0, 10} << -1 << 0;
    }

    void cameraRigPutsPointsWhereTheUserSeesThem() {
        QFETCH(SolidCamera, camera);
        QFETCH(TDPoint, point);
        QFETCH(int, xSign);
        QFETCH(int, ySign);
        const QVector3D s = Screen(camera, point);
        QVERIFY2(std::fabs(s.z()) < 1, "inside the depth range");
        auto side = [](float v) { return v > 0.05f ? 1 : v < -0.05f ? -1 : 0; };
        QCOMPARE(side(s.x()), xSign);
        QCOMPARE(side(s.y()), ySign);
    }

    // The view presets frame the part with the engine's rig; the picture must use the same one,
    // target, turn about the vertical and tilt included.
    void viewMatchesTheEnginesCameraFrame() {
        SolidCamera c = Rig(-25, 50, -2, -40);
        c.Target = {3, -4, 1};
        for (const TDPoint& p : {TDPoint{0, 0, 0}, TDPoint{10, -5, 2}, TDPoint{-3, 7, -8}}) {
            const TDPoint q = CameraFramePoint(c, p);
            const QVector3D eye = CameraView(c).map(QVector3D(float(p.x), float(p.y), float(p.z)));
            QVERIFY((eye - QVector3D(float(q.x), float(-q.y), float(-q.z))).length() < 1e-3f);
        }
    }

    void topViewSeesHigherPointsNearer() {
        const SolidCamera top = Rig(-90, 0, 0, -60);
        QVERIFY(Screen(top, {0, -5, 0}).z() < Screen(top, {0, 0, 0}).z());
    }

    void gridLines_data() {
        QTest::addColumn<double>("size");
        QTest::addColumn<double>("spacing");
        QTest::addColumn<int>("lines"); // each way
        QTest::newRow("bottom plane: ten cells") << 20.0 << 2.0 << 11;
        QTest::newRow("smaller top plane, same spacing") << 10.0 << 2.0 << 6;
        QTest::newRow("spacing 0 gives ten cells") << 20.0 << 0.0 << 11;
        QTest::newRow("too fine a spacing gives ten cells") << 20.0 << 1e-6 << 11;
        QTest::newRow("a spacing wider than the plane gives ten cells") << 1.0 << 5.0 << 11;
        QTest::newRow("no plane") << 0.0 << 1.0 << 0;
        QTest::newRow("not a number") << std::nan("") << 1.0 << 0;
    }

    void gridLines() {
        QFETCH(double, size);
        QFETCH(double, spacing);
        QFETCH(int, lines);
        const LineDraw grid = GridLines(size, spacing, kGridColor);
        QCOMPARE(grid.Positions.size(), size_t(lines) * 4 * 3);
        QCOMPARE(grid.Colors.size(), size_t(lines) * 4 * 4);
        if (lines == 0) return;
        QCOMPARE(Extent(grid.Positions, 0), float(size / 2));
        QCOMPARE(Extent(grid.Positions, 1), 0.0f);
        QCOMPARE(Extent(grid.Positions, 2), float(size / 2));
        QVERIFY(std::fabs(grid.Colors[3] - 0x50 / 255.0f) < 1e-6); // translucent
    }

    void frameDrawsWhatTheSceneShows() {
        SolidModel model;
        model.Shaft = {true, 8, 24, 8, 90};
        model.Mesh1 = RingMesh(8);
        model.Mesh1.RotationZ = 90;
        model.Mesh1.PositionX = -12;
        model.Mesh1Material = SolidMaterial::Pipe;
        model.Mesh2 = RingMesh(8);
        model.Mesh2.Normals.assign(model.Mesh2.Vertices.size(), TDPoint{0, -1, 0});
        model.Mesh2.Indices.insert(model.Mesh2.Indices.end(), {0, 1, 500}); // dropped
        model.TopPlaneVisible = true;
        model.TopPivotPosition = {3, -10, 0};
        const SolidFrame f = BuildSolidFrame(model, {{{0, 0, 0}, {1, 0, 0}, 0xFFFF0000}}, 1.5);

        QCOMPARE(f.Surfaces.size(), size_t(3));
        const SurfaceDraw& shaft = f.Surfaces[0];
        QCOMPARE(Extent(shaft.Positions, 0), 4.0f);
        QCOMPARE(Extent(shaft.Positions, 1), 12.0f);
        QCOMPARE(Extent(shaft.Positions, 2), 4.0f);
        QVERIFY(shaft.Positions.size() >= size_t(kShaftSubdivisions) * 2 * 3);
        QVERIFY(Near(shaft.Model.map(QVector3D(0, 1, 0)), QVector3D(-1, 0, 0)));
        const SurfaceDraw& mesh1 = f.Surfaces[1];
        QCOMPARE(mesh1.Material.Diffuse, PipeMaterial().Diffuse);
        // A mesh that came without normals is smoothed: one unit normal per vertex, radial on
        // the ring.
        QCOMPARE(mesh1.Normals.size(), mesh1.Positions.size());
        for (size_t i = 0; i < mesh1.Normals.size(); i += 3) {
            const QVector3D n(mesh1.Normals[i], mesh1.Normals[i + 1], mesh1.Normals[i + 2]);
            const QVector3D radial(mesh1.Positions[i], 0, mesh1.Positions[i + 2]);
            QVERIFY(std::fabs(QVector3D::dotProduct(n, radial.normalized())) > 0.95f);
        }
        QVERIFY(Near(mesh1.Model.map(QVector3D(1, 0, 0)), QVector3D(-12, 1, 0)));
        const SurfaceDraw& mesh2 = f.Surfaces[2];
        QCOMPARE(mesh2.Material.Diffuse, LightMaterial().Diffuse);
        QCOMPARE(mesh2.Normals[1], -1.0f); // the engine's normals are kept
        QCOMPARE(mesh2.Indices.size(), model.Mesh2.Indices.size() - 3);

        QCOMPARE(f.Grids.size(), size_t(1)); // the bottom plane is hidden
        QVERIFY(Near(f.Grids[0].Model.map(QVector3D()), QVector3D(3, -10, 0)));
        // The overlay turns and moves with Mesh1.
        QCOMPARE(f.Overlay.Positions.size(), size_t(6));
        QVERIFY(Near(f.Overlay.Model.map(QVector3D(1, 0, 0)), QVector3D(-12, 1, 0)));
    }
};

QTEST_APPLESS_MAIN(SolidFrameTest)
#include "solid_frame_test.moc"
