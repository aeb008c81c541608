// Fewer triangles for fine quad strips: a smooth ring of thousands of quads is drawn with far
// fewer, every ring point stays within the tolerance of the drawn edges, corners and creases
// are kept, and surfaces of other layouts are drawn as they are. Also the frame quality the
// viewport chooses for each renderer.
#include "geometry/mesh.h"
#include "solid/solid_model.h"
#include "solid_frame.h"
#include "solid_gl_window.h"
#include "strip_simplify.h"

#include <QTest>

#include <cmath>
#include <functional>
#include <numbers>

using namespace brevant;

namespace {

// A closed ring path of n points on the curve.
TPathArray Ring(int n, const std::function<TDPoint(double)>& curve) {
    TPathArray ring;
    for (int i = 0; i < n; ++i)
        ring.push_back(curve(2 * std::numbers::pi * i / n));
    return ring;
}

TDPoint Circle(double r, double y, double t) {
    return {r * std::cos(t), y, r * std::sin(t)};
}

// A point of the square of half side h at the parameter t (0 .. 2 pi once round).
TDPoint Square(double h, double y, double t) {
    const double u = 4 * t / (2 * std::numbers::pi); // 0 .. 4, one unit per side
    const int side = std::min(3, int(u));
    const double f = u - side;
    const TDPoint corners[] = {{h, y, -h}, {h, y, h}, {-h, y, h}, {-h, y, -h}, {h, y, -h}};
    const TDPoint& a = corners[side];
    const TDPoint& b = corners[side + 1];
    return {a.x + f * (b.x - a.x), y, a.z + f * (b.z - a.z)};
}

SurfaceDraw SurfaceOf(const TPathArray& a, const TPathArray& b, bool closed) {
    SolidModel model;
    SetStripSurface(model.Mesh1, a, b, closed);
    return BuildSolidFrame(model, {}, 1).Surfaces.at(0);
}

// The smallest distance from p to the surface's quad edges along the rings (the edges from
// vertex 4i to 4i+3 and from 4i+1 to 4i+2).
double DistanceToRingEdges(const SurfaceDraw& s, const TDPoint& p) {
    auto at = [&s](size_t v) {
        return QVector3D(s.Positions[3 * v], s.Positions[3 * v + 1], s.Positions[3 * v + 2]);
    };
    const QVector3D q(float(p.x), float(p.y), float(p.z));
    double best = 1e30;
    for (size_t v = 0; v + 3 < s.Positions.size() / 3; v += 4)
        for (const auto& [i, j] : {std::pair{v, v + 3}, std::pair{v + 1, v + 2}}) {
            const QVector3D a = at(i), d = at(j) - a;
            const float len2 = d.lengthSquared();
            const float t =
                len2 > 0 ? std::clamp(QVector3D::dotProduct(q - a, d) / len2, 0.0f, 1.0f) : 0;
            best = std::min(best, double((q - (a + t * d)).length()));
        }
    return best;
}

// The tolerance of a strip between the two rings (from their bounding box).
double ToleranceOf(const TPathArray& a, const TPathArray& b) {
    SurfaceDraw all;
    for (const TPathArray* ring : {&a, &b})
        for (const TDPoint& p : *ring)
            all.Positions.insert(all.Positions.end(), {float(p.x), float(p.y), float(p.z)});
    return StripTolerance(all);
}

bool HasVertex(const SurfaceDraw& s, const TDPoint& p) {
    for (size_t i = 0; i + 2 < s.Positions.size(); i += 3)
        if (std::fabs(s.Positions[i] - p.x) < 1e-5 && std::fabs(s.Positions[i + 1] - p.y) < 1e-5 &&
            std::fabs(s.Positions[i + 2] - p.z) < 1e-5)
            return true;
    return false;
}

} // namespace

class StripSimplifyTest : public QObject {
    Q_OBJECT

private slots:
    // A cone of 3600 points a ring, the finest the layouts build, closed; a cylinder of a
    // coarse ring; an open helicoid (a spiral flight's strip).
    void fineSmoothStripsGetFewerQuadsWithinTheTolerance_data() {
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("helicoid");
        QTest::addColumn<double>("mostQuadsShare"); // drawn quads over the strip's quads, at most
        QTest::newRow("finest cone") << 3600 << false << 0.15;
        QTest::newRow("everyday cone: as it is") << 40 << false << 1.0;
        QTest::newRow("finest spiral flight") << 3600 << true << 0.25;
    }

    void fineSmoothStripsGetFewerQuadsWithinTheTolerance() {
        QFETCH(int, points);
        QFETCH(bool, helicoid);
        QFETCH(double, mostQuadsShare);
        TPathArray a, b;
        for (int i = 0; i <= points; ++i) {
            const double t = 2 * std::numbers::pi * i / points;
            a.push_back(helicoid ? TDPoint{10.5 * std::cos(t), -12 * t / 6.2832, 10.5 * std::sin(t)}
                                 : Circle(10, 0, t));
            b.push_back(helicoid ? TDPoint{4 * std::cos(t), -12 * t / 6.2832, 4 * std::sin(t)}
                                 : TDPoint{3 + 5 * std::cos(t), -10, 5 * std::sin(t)});
        }
        const SurfaceDraw s = SurfaceOf(a, b, false);
        const double quads = double(s.Indices.size()) / 6;
        QVERIFY2(quads <= mostQuadsShare * points, qPrintable(QString::number(quads)));
        QCOMPARE(s.Positions.size(), size_t(quads * 12));
        QCOMPARE(s.Normals.size(), s.Positions.size());
        const double tolerance = ToleranceOf(a, b);
        for (size_t i = 0; i < a.size(); ++i) {
            QVERIFY2(DistanceToRingEdges(s, a[i]) <= tolerance * 1.01,
                     qPrintable(QString::number(i)));
            QVERIFY(DistanceToRingEdges(s, b[i]) <= tolerance * 1.01);
        }
        QVERIFY(HasVertex(s, a.front()) && HasVertex(s, a.back()));
    }

    // A square duct of 400 quads a side: its sides merge, its corners stay where they are.
    void cornersAreKept() {
        const TPathArray a = Ring(1600, [](double t) { return Square(10, 0, t); });
        const TPathArray b = Ring(1600, [](double t) { return Square(6, -8, t); });
        const SurfaceDraw s = SurfaceOf(a, b, true);
        QVERIFY2(s.Indices.size() / 6 <= 48, qPrintable(QString::number(s.Indices.size() / 6)));
        for (const TDPoint& corner : {TDPoint{10, 0, -10}, TDPoint{10, 0, 10}, TDPoint{-10, 0, 10},
                                      TDPoint{-10, 0, -10}, TDPoint{6, -8, 6}, TDPoint{-6, -8, -6}})
            QVERIFY2(HasVertex(s, corner),
                     qPrintable(QString("%1 %2").arg(corner.x).arg(corner.z)));
    }

    // Triangles that are not a quad strip (here the same quads with one triangle turned) are
    // drawn as the engine made them.
    void otherLayoutsStayAsTheyAre() {
        const TPathArray a = Ring(400, [](double t) { return Circle(10, 0, t); });
        const TPathArray b = Ring(400, [](double t) { return Circle(10, -5, t); });
        SolidModel model;
        SetStripSurface(model.Mesh1, a, b, true);
        std::swap(model.Mesh1.Indices[6], model.Mesh1.Indices[7]);
        const SurfaceDraw s = BuildSolidFrame(model, {}, 1).Surfaces.at(0);
        QCOMPARE(s.Indices.size(), model.Mesh1.Indices.size());
        SurfaceDraw same = s;
        SimplifyQuadStrip(same, 0); // no tolerance: nothing merges
        QCOMPARE(same.Indices, s.Indices);
    }

    void softwareRenderersDrawPlainFramesWhileTheViewMoves_data() {
        QTest::addColumn<QString>("renderer");
        QTest::addColumn<bool>("software");
        QTest::newRow("Mesa llvmpipe") << "llvmpipe (LLVM 15.0.6, 256 bits)" << true;
        QTest::newRow("Mesa softpipe") << "softpipe" << true;
        QTest::newRow("Windows") << "GDI Generic" << true;
        QTest::newRow("a graphics card") << "Mesa Intel(R) UHD Graphics 620 (KBL GT2)" << false;
        QTest::newRow("another card") << "NVIDIA GeForce GTX 1650/PCIe/SSE2" << false;
    }

    void softwareRenderersDrawPlainFramesWhileTheViewMoves() {
        QFETCH(QString, renderer);
        QFETCH(bool, software);
        QCOMPARE(IsSoftwareRenderer(renderer), software);
        QCOMPARE(FrameSamples(software, false), kRestSamples);
        QCOMPARE(FrameSamples(software, true), software ? 0 : kRestSamples);
    }
};

QTEST_APPLESS_MAIN(StripSimplifyTest)
#include "strip_simplify_test.moc"
