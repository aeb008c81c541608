// The mesh building blocks, the camera's mouse handlers and the overlay lines, on small
// hand-made scenes.
#include "geometry/mesh.h"
#include "solid/solid_camera.h"
#include "solid/solid_overlay.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brevant {
namespace {

double Len(const TDPoint& p) {
    return std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z);
}

TEST(SolidMesh, QuadStripFollowsTheVertexAndIndexScheme) {
    const TPathArray a{{0, 0, 0}, {1, 0, 0}, {1, 0, 1}};
    const TPathArray b{{0, -1, 0}, {1, -1, 0}, {1, -1, 1}};
    struct Case {
        bool closed;
        size_t quads;
    };
    for (const Case c : {Case{false, 2}, Case{true, 3}}) {
        SolidMesh m;
        AddQuadStrip(m, a, b, c.closed);
        ASSERT_EQ(m.Vertices.size(), 4 * c.quads);
        ASSERT_EQ(m.Indices.size(), 6 * c.quads);
        EXPECT_EQ(m.Vertices[4], a[1]);
        EXPECT_EQ(m.Vertices[5], b[1]);
        EXPECT_EQ(m.Vertices[6], b[2]);
        EXPECT_EQ(m.Vertices[7], a[2]);
        EXPECT_EQ((std::vector<int>(m.Indices.begin() + 6, m.Indices.begin() + 12)),
                  (std::vector<int>{5, 6, 7, 7, 4, 5}));
        if (c.closed) {
            EXPECT_EQ(m.Vertices[10], b[0]); // the last quad closes the ring
            EXPECT_EQ(m.Vertices[11], a[0]);
        }
    }
}

// Two unit squares folded 90 degrees along their shared edge x = 0: the vertices on the edge
// get the average of both faces, the others keep their own face's normal.
TEST(SolidMesh, SmoothNormalsAverageTheFacesOfCoincidentVertices) {
    SolidMesh m;
    AddQuadStrip(m, {{0, 0, 0}, {0, 0, 1}}, {{1, 0, 0}, {1, 0, 1}}, false);   // in y = 0
    AddQuadStrip(m, {{0, 0, 0}, {0, 0, 1}}, {{0, -1, 0}, {0, -1, 1}}, false); // in x = 0
    SmoothNormals(m);
    ASSERT_EQ(m.Normals.size(), m.Vertices.size());
    const double r = std::sqrt(0.5);
    for (size_t i = 0; i < m.Vertices.size(); ++i) {
        const TDPoint& v = m.Vertices[i];
        const TDPoint& n = m.Normals[i];
        EXPECT_NEAR(Len(n), 1, 1e-12);
        const bool onEdge = v.x == 0 && v.y == 0;
        if (onEdge) {
            EXPECT_NEAR(std::fabs(n.x), r, 1e-12) << i;
            EXPECT_NEAR(std::fabs(n.y), r, 1e-12) << i;
        } else {
            EXPECT_NEAR(std::fabs(n.x) + std::fabs(n.y), 1, 1e-12) << i;
        }
        EXPECT_NEAR(n.z, 0, 1e-12);
    }
}

TEST(SolidMesh, SmoothingJoinsVerticesOnlyWithinTheThreshold) {
    struct Case {
        double gap;
        bool joined;
    };
    for (const Case c : {Case{0.0005, true}, Case{0.01, false}}) {
        SolidMesh m;
        AddQuadStrip(m, {{0, 0, 0}, {0, 0, 1}}, {{1, 0, 0}, {1, 0, 1}}, false);
        AddQuadStrip(m, {{c.gap, 0, 0}, {c.gap, 0, 1}}, {{c.gap, -1, 0}, {c.gap, -1, 1}}, false);
        SmoothNormals(m);
        // Vertex 0 is the first strip's (0, 0, 0): flat y = 0 face alone gives (0, +-1, 0).
        EXPECT_EQ(std::fabs(m.Normals[0].x) > 0.5, c.joined) << c.gap;
    }
}

TEST(SolidMesh, FacesWithoutAreaStillGiveUnitNormals) {
    SolidMesh m;
    // A corner fan of a square to round: the bottom ring repeats one corner.
    AddQuadStrip(m, {{1, 0, 1}, {1, 0, 1}, {1, 0, 1}}, {{0, -1, 0}, {0.5, -1, 0}, {1, -1, 0}},
                 false);
    AddQuadStrip(m, {{2, 0, 2}, {2, 0, 2}}, {{2, 0, 2}, {2, 0, 2}}, false); // nothing but a point
    SmoothNormals(m);
    for (const TDPoint& n : m.Normals)
        EXPECT_NEAR(Len(n), 1, 1e-12);
}

TEST(SolidMesh, DisplayScaleKeepsSizesBetweenTwoAndFifty) {
    const std::pair<double, double> cases[] = {{20, 1},  {50, 1},      {2, 1}, {120, 50.0 / 120},
                                               {1, 2},   {0.5, 4},     {0, 1}, {-3, 1},
                                               {NAN, 1}, {INFINITY, 1}};
    for (auto [size, scale] : cases)
        EXPECT_DOUBLE_EQ(DisplayScaleFor(size), scale) << size;
}

TEST(SolidCamera, OrbitTiltsAndTurnsByAThirdOfADegreePerPixel) {
    SolidCamera c;
    c.RotationX = -15;
    OrbitCamera(c, 10, 20);
    EXPECT_DOUBLE_EQ(c.RotationX, -21);
    EXPECT_DOUBLE_EQ(c.RotationY, 3);
}

TEST(SolidCamera, WheelStepsWithinTheZoomLimits) {
    struct Case {
        double z, delta, expected;
    };
    // M = 12: near -24, far -96, step 0.048.
    const Case cases[] = {
        {-36, -120, -30.24}, // towards the user: closer by 120 x 0.048
        {-24.48, -120, -24}, // never past the near limit (one more step would give -18.72)
        {-20, -120, -24},    // inside the near limit: back to it
        {-36, 120, -41.76},  // away from the user
        {-95, 120, -96},     // never past the far limit
        {-36, 0, -36},
    };
    for (const Case& k : cases) {
        SolidCamera c;
        c.ZoomNear = -24, c.ZoomFar = -96, c.ZoomStep = 0.048, c.Z = k.z;
        WheelCamera(c, k.delta);
        EXPECT_NEAR(c.Z, k.expected, 1e-12) << k.z << " " << k.delta;
    }
}

// A ring of 40 points on the circle of the radius at the height (scene Y).
TPathArray Ring(double r, double y) {
    TPathArray ring;
    for (int k = 0; k < 40; ++k)
        ring.push_back({r * std::cos(k * M_PI / 20), y, r * std::sin(k * M_PI / 20)});
    return ring;
}

size_t CountColor(const std::vector<OverlayLine>& lines, std::uint32_t color) {
    size_t n = 0;
    for (const OverlayLine& l : lines)
        n += l.Color == color;
    return n;
}

TEST(SolidOverlay, RingsAreClosedExceptForTheSpiralFlight) {
    struct Case {
        SceneOverlay overlay;
        size_t ringLines;
    };
    for (const Case c : {Case{SceneOverlay::RingsWithMarks, 40}, Case{SceneOverlay::Rings, 40},
                         Case{SceneOverlay::OpenRings, 39}}) {
        SolidModel m;
        m.Overlay = c.overlay;
        m.FirstRing = Ring(5, -10);
        m.SecondRing = Ring(10, 0);
        m.Camera.Z = -30;
        const auto lines = OverlayLines(m, {});
        EXPECT_EQ(CountColor(lines, kOverlayFirstRingColor), c.ringLines);
        // The three axes reach |camera Z| either way.
        EXPECT_EQ(lines[0].From, (TDPoint{0, 0, -30}));
        EXPECT_EQ(lines[2].To, (TDPoint{30, 0, 0}));
    }
}

TEST(SolidOverlay, SquareToRoundShowsItsWireFrameAndNoSeam) {
    SolidModel m;
    m.Overlay = SceneOverlay::WireFrame;
    m.FirstRing = Ring(5, -10);
    m.SecondRing = Ring(10, 0);
    AddQuadStrip(m.Mesh1, m.SecondRing, m.FirstRing, true);
    OverlayOptions o;
    o.ShowSeam = true, o.SeamAngle = 90;
    const auto lines = OverlayLines(m, o);
    EXPECT_EQ(lines.size(), 40 * 2 * 3 + 3 + 80); // three edges per triangle, axes, rings
    EXPECT_EQ(CountColor(lines, kOverlaySeamColor), 0u);
}

TEST(SolidOverlay, SeamAndSideCutsStayOnTheRings) {
    SolidModel m;
    m.Overlay = SceneOverlay::RingsWithMarks;
    m.FirstRing = Ring(5, -10);
    m.SecondRing = Ring(10, 0);
    struct Case {
        int seam;
        size_t index;
    };
    for (const Case c : {Case{90, 10}, Case{359, 39}, Case{360, 0}}) {
        OverlayOptions o;
        o.ShowSeam = true, o.SeamAngle = c.seam;
        const auto lines = OverlayLines(m, o);
        ASSERT_EQ(CountColor(lines, kOverlaySeamColor), 1u) << c.seam;
        EXPECT_EQ(lines.back().From, m.FirstRing[c.index]) << c.seam;
        EXPECT_EQ(lines.back().To, m.SecondRing[c.index]) << c.seam;
    }
    OverlayOptions o;
    o.ShowSideCuts = true, o.TopCutAngle = 99, o.BottomCutAngle = 95;
    const auto lines = OverlayLines(m, o);
    ASSERT_EQ(CountColor(lines, kOverlaySideCutColor), 2u);
    const OverlayLine& a = lines[lines.size() - 2];
    const OverlayLine& b = lines.back();
    EXPECT_EQ(a.From, m.FirstRing[11]);
    EXPECT_EQ(a.To, m.SecondRing[10]);
    // The second cut mirrors the first across the X axis.
    EXPECT_NEAR(b.From.z, -a.From.z, 1e-12);
    EXPECT_NEAR(b.To.z, -a.To.z, 1e-12);
    EXPECT_NEAR(b.From.x, a.From.x, 1e-12);
}

} // namespace
} // namespace brevant
