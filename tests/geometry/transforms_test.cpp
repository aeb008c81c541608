// Rotation about a centre and the isometric projection.
#include "geometry/transforms.h"

#include "geometry_test_util.h"

#include <cmath>

using namespace brevant;

TEST(RotateAbout, PointsTurnAboutTheCentreAndKeepZ) {
    const struct {
        TDPoint p;
        double cx, cy, angle;
        TDPoint expected;
    } cases[] = {
        {{10, 0, 7}, 0, 0, 90, {0, 10, 7}},
        {{6, 5, 0}, 5, 5, 180, {4, 5, 0}},
        {{1, 1, 0}, 0, 0, -45, {std::sqrt(2.0), 0, 0}},
        {{3, 3, 2}, 3, 3, 60, {3, 3, 2}}, // the centre stays
        // Beyond the 100000 cut-off the distance counts as 0: the point lands on the centre.
        {{200000, 0, 1}, 0, 0, 10, {0, 0, 1}},
    };
    for (const auto& c : cases)
        test::ExpectPointNear(draw::RotateAbout(c.p, c.cx, c.cy, c.angle), c.expected, 1e-5);
}

TEST(RotateAbout, LinesTurnBothEnds) {
    const TDLine line = draw::RotateAbout(TDLine{{1, 0, 0}, {2, 0, 3}}, 0, 0, 90);
    test::ExpectPointNear(line.Point1, {0, 1, 0}, 1e-6);
    test::ExpectPointNear(line.Point2, {0, 2, 3}, 1e-6);
}

TEST(RotateAbout, ArcsTurnTheCentreAndBothAngles) {
    const struct {
        TDArc arc;
        double angle;
        TDArc expected;
    } cases[] = {
        {{{10, 0, 4}, 3, 10, 20}, 90, {{0, 10, 4}, 3, 100, 110}},
        {{{0, 0, 0}, 3, 300, 350}, 90, {{0, 0, 0}, 3, 30, 80}},
        {{{0, 0, 0}, 3, 300, 20}, 90, {{0, 0, 0}, 3, 30, -250}},  // both lose 360
        {{{0, 0, 0}, 3, 270, 300}, 90, {{0, 0, 0}, 3, 360, 390}}, // not above 360: kept
    };
    for (const auto& c : cases) {
        const TDArc out = draw::RotateAbout(c.arc, 0, 0, c.angle);
        test::ExpectPointNear(out.Center, c.expected.Center, 1e-5);
        EXPECT_EQ(out.r, c.expected.r);
        EXPECT_DOUBLE_EQ(out.sa, c.expected.sa);
        EXPECT_DOUBLE_EQ(out.ea, c.expected.ea);
    }
}

TEST(IsoProject, IsometricView) {
    const double s = std::sin(54.7356 / 57.2957795131); // sin of the view tilt
    const struct {
        double x, y, z;
        TDPoint expected;
    } cases[] = {
        {1, 0, 0, {std::sqrt(3.0) / 2 * s, -0.5 * s, 0}},
        {0, 1, 0, {std::sqrt(3.0) / 2 * s, 0.5 * s, 0}},
        {0, 0, 1, {0, s, 1}},
        {2, 2, 2, {2 * std::sqrt(3.0) * s, 2 * s, 2}},
    };
    for (const auto& c : cases)
        test::ExpectPointNear(IsoProject(c.x, c.y, c.z), c.expected, 1e-6);
}
