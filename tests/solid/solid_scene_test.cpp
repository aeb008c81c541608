// The 3D scene as Calculate leaves it for each layout type, the view presets and the menu
// commands that place the camera.
#include "core/angle_units.h"
#include "engine/engine_fixture.h"
#include "solid/solid_camera.h"
#include "solid/view_preset.h"
#include "support/kinds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace brevant {
namespace {

using testing::EngineTest;

class SolidScene : public EngineTest {
public:
    void Square(const std::string& D, const std::string& W, const std::string& H) {
        ChooseType(kLayoutSquare);
        e.Form.SquareTopDiameter.text = D, e.Form.SquareWidth.text = W;
        e.Form.SquareLength.text.clear(), e.Form.SquareHeight.text = H;
        e.CalculateMenuClick();
    }
    void Spiral(const std::string& od, const std::string& id, const std::string& pitch) {
        ChooseType(kLayoutSpiral);
        e.Form.SpiralODEdit.text = od, e.Form.SpiralIDEdit.text = id;
        e.Form.SpiralPitchEdit.text = pitch;
        e.CalculateMenuClick();
    }
    void Pipe(const std::string& main, const std::string& branch) {
        ChooseType(kLayoutPipe);
        e.Form.BigPipeDiaEdit.text = main, e.Form.SmallPipeDiaEdit.text = branch;
        e.CalculateMenuClick();
    }
    void Cone(const std::string& T, const std::string& B, const std::string& H,
              const std::string& shift = "") {
        ChooseType(kLayoutCone);
        e.Form.ConeTopDiameter.text = T, e.Form.ConeBottomDiameter.text = B;
        e.Form.ConeHeight.text = H, e.Form.ConeTopXShift.text = shift;
        e.CalculateMenuClick();
    }
};

// Whatever the part, the mesh is whole: six indices per quad, all in range, one unit normal
// per vertex.
TEST_F(SolidScene, EveryLayoutTypeBuildsASoundMesh) {
    struct Case {
        const char* name;
        std::function<void(SolidScene&)> calculate;
        SceneOverlay overlay;
        size_t quads;
        size_t ringPoints;
    };
    const Case cases[] = {
        {"cone", [](SolidScene& t) { t.Cone("10", "20", "10"); }, SceneOverlay::RingsWithMarks, 40,
         40},
        {"square", [](SolidScene& t) { t.Square("10", "12", "8"); }, SceneOverlay::WireFrame, 16,
         16},
        {"spiral", [](SolidScene& t) { t.Spiral("21", "8", "12"); }, SceneOverlay::OpenRings, 40,
         41},
        {"pipe", [](SolidScene& t) { t.Pipe("10", "4"); }, SceneOverlay::Rings, 40, 41},
    };
    for (const Case& c : cases) {
        c.calculate(*this);
        const SolidModel& s = e.Solid;
        EXPECT_EQ(s.Overlay, c.overlay) << c.name;
        EXPECT_EQ(s.FirstRing.size(), c.ringPoints) << c.name;
        EXPECT_EQ(s.SecondRing.size(), c.ringPoints) << c.name;
        ASSERT_EQ(s.Mesh1.Indices.size(), 6 * c.quads) << c.name;
        ASSERT_EQ(s.Mesh1.Vertices.size(), 4 * c.quads) << c.name;
        ASSERT_EQ(s.Mesh1.Normals.size(), s.Mesh1.Vertices.size()) << c.name;
        for (int i : s.Mesh1.Indices)
            ASSERT_TRUE(i >= 0 && size_t(i) < s.Mesh1.Vertices.size()) << c.name;
        for (const TDPoint& n : s.Mesh1.Normals)
            ASSERT_NEAR(std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z), 1, 1e-9) << c.name;
    }
}

TEST_F(SolidScene, SpiralFlightSitsOnItsShaftWithASecondTurn) {
    struct Case {
        const char* od;
        const char* id;
        const char* pitch;
        double scale;
    };
    for (const Case c : {Case{"21", "8", "12", 1}, Case{"100", "20", "30", 0.5}}) {
        Spiral(c.od, c.id, c.pitch);
        const SolidModel& s = e.Solid;
        const double pitch = std::stod(c.pitch), id = std::stod(c.id);
        EXPECT_DOUBLE_EQ(s.DisplayScale, c.scale) << c.od;
        EXPECT_NEAR(s.SecondRing[0].x, std::stod(c.od) / 2 * c.scale, 1e-4); // outer helix
        EXPECT_NEAR(s.FirstRing[0].x, id / 2 * c.scale, 1e-4);               // inner helix
        EXPECT_TRUE(s.Shaft.Visible);
        EXPECT_DOUBLE_EQ(s.Shaft.RotationZ, 90);
        EXPECT_NEAR(s.Shaft.Width, id * c.scale, 1e-9);
        EXPECT_NEAR(s.Shaft.Height, 2 * pitch * c.scale, 1e-9);
        EXPECT_EQ(s.Mesh2.Vertices, s.Mesh1.Vertices);
        EXPECT_EQ(s.Mesh2.Indices, s.Mesh1.Indices);
        EXPECT_DOUBLE_EQ(s.Mesh1.RotationZ, 90);
        EXPECT_DOUBLE_EQ(s.Mesh2.RotationZ, 90);
        EXPECT_NEAR(s.Mesh1.PositionX, -pitch * c.scale, 1e-9);
        EXPECT_DOUBLE_EQ(s.Mesh2.PositionX, 0);
        EXPECT_EQ(s.Mesh1Material, SolidMaterial::Light);
    }
}

TEST_F(SolidScene, BranchPipeMeetsAnUprightMainPipe) {
    struct Case {
        const char* db;
        const char* ds;
        double scale;
    };
    // Db 24: the main pipe (60 long) is too long to show; 4 Db = 96 sets the scale. Db 15 is
    // shown at its size (the main pipe is 37.5 long), and the display scale says so.
    for (const Case c : {Case{"10", "4", 1}, Case{"24", "8", 50.0 / 96}, Case{"15", "6", 1}}) {
        Pipe(c.db, c.ds);
        const SolidModel& s = e.Solid;
        const double db = std::stod(c.db);
        EXPECT_NEAR(s.DisplayScale, c.scale, 1e-12) << c.db;
        EXPECT_EQ(s.Mesh1Material, SolidMaterial::Pipe);
        EXPECT_TRUE(s.Shaft.Visible);
        EXPECT_DOUBLE_EQ(s.Shaft.RotationZ, 0);
        EXPECT_NEAR(s.Shaft.Height, 2.5 * db * c.scale, 1e-9);
        EXPECT_NEAR(s.Shaft.Width, db * c.scale, 1e-9);
        EXPECT_DOUBLE_EQ(s.Mesh1.RotationZ, 90);
        // First the far ring, then the ring at the main axis.
        EXPECT_LT(s.FirstRing[0].y, 0);
        EXPECT_NEAR(s.SecondRing[0].y, 0, 1e-12);
    }
}

TEST_F(SolidScene, ChangingTheLayoutTypeEmptiesTheScene) {
    Spiral("21", "8", "12");
    ASSERT_FALSE(e.Solid.Mesh1.Empty());
    // The cone page's inputs cannot be read: its driver stops before clearing anything.
    e.Form.ConeHeight.text = "abc";
    ChooseType(kLayoutCone);
    EXPECT_TRUE(e.Solid.Mesh1.Empty());
    EXPECT_TRUE(e.Solid.Mesh2.Empty());
    EXPECT_FALSE(e.Solid.Shaft.Visible);
    EXPECT_TRUE(e.Solid.FirstRing.empty());
    EXPECT_DOUBLE_EQ(e.Solid.Mesh1.PositionX, 0);
    EXPECT_EQ(e.Solid.Overlay, SceneOverlay::None);
}

// The largest share of the half angle of view that any point of the part takes, across the
// picture's height (the picture is at least as wide as high), and whether all lie in front.
struct Framing {
    double fill = 0;
    bool inFront = true;
};
Framing FramingOf(const SolidModel& s) {
    const double slope = std::tan(s.Camera.ViewAngle / 2 * kRadiansPerDegree);
    Framing f;
    for (const TDPoint& p : SceneExtentPoints(s)) {
        const TDPoint q = CameraFramePoint(s.Camera, p);
        f.inFront = f.inFront && q.z > 0;
        f.fill = std::max(f.fill, std::max(std::fabs(q.x), std::fabs(q.y)) / q.z / slope);
    }
    return f;
}

// Every layout type at every size the display scale meets (shrunk, as is, enlarged), in each of
// the three presets: the whole part lies inside the angle of view with a margin, and fills a
// good part of it (not lost in the middle).
TEST_F(SolidScene, PresetsFitTheWholePartWithAMargin) {
    struct Case {
        const char* name;
        std::function<void(SolidScene&)> calculate;
    };
    const Case cases[] = {
        {"cone", [](SolidScene& t) { t.Cone("10", "20", "10"); }},
        {"shifted cone", [](SolidScene& t) { t.Cone("10", "20", "10", "6"); }},
        {"tall small cone", [](SolidScene& t) { t.Cone("0.2", "0.5", "1.5"); }},
        {"wide large cone", [](SolidScene& t) { t.Cone("300", "1200", "100"); }},
        {"cylinder", [](SolidScene& t) { t.Cone("10", "10", "40"); }},
        {"square", [](SolidScene& t) { t.Square("10", "20", "12"); }},
        {"large square", [](SolidScene& t) { t.Square("100", "400", "50"); }},
        {"spiral", [](SolidScene& t) { t.Spiral("21", "8", "12"); }},
        {"long pitch spiral", [](SolidScene& t) { t.Spiral("6", "2", "40"); }},
        {"pipe", [](SolidScene& t) { t.Pipe("10", "4"); }},
        {"large pipe", [](SolidScene& t) { t.Pipe("200", "190"); }},
    };
    for (const Case& c : cases) {
        c.calculate(*this);
        ASSERT_TRUE(host.messages.empty()) << c.name << ": " << host.Titles().front();
        for (const int preset : {kTopView, kFrontView, kResetView}) {
            SCOPED_TRACE(std::string(c.name) + " preset " + std::to_string(preset));
            e.Solid.Camera.RotationY = 40; // the user has turned the view
            ASSERT_TRUE(e.SetViewPreset(preset));
            EXPECT_DOUBLE_EQ(e.Solid.Camera.RotationY, 0);
            const Framing f = FramingOf(e.Solid);
            EXPECT_TRUE(f.inFront);
            EXPECT_LE(f.fill, 0.9);
            EXPECT_GE(f.fill, 0.75);
        }
    }
}

TEST_F(SolidScene, ViewMenusPlaceTheCamera) {
    Square("6", "12", "8");
    e.Solid.Camera.RotationY = 40; // the user has turned the view
    struct Case {
        void (LayoutEngine::*menu)();
        double tilt;
    };
    const Case cases[] = {{&LayoutEngine::TopViewMenuClick, -90},
                          {&LayoutEngine::FrontViewMenuClick, 0},
                          {&LayoutEngine::ResetViewMenuClick, -15}};
    for (const Case& c : cases) {
        e.Solid.Camera.Z = -500;
        (e.*c.menu)();
        EXPECT_DOUBLE_EQ(e.Solid.Camera.RotationX, c.tilt);
        EXPECT_DOUBLE_EQ(e.Solid.Camera.RotationY, 0);
        // Aimed at the middle of the part: half way up, above the middle of the base.
        EXPECT_NEAR(e.Solid.Camera.Target.y, -4, 1e-9);
        EXPECT_NEAR(e.Solid.Camera.Target.x, 0, 1e-9);
        EXPECT_LT(e.Solid.Camera.Z, 0);
        EXPECT_GT(e.Solid.Camera.Z, -500);
    }
    // From the reset view the wheel comes closer by its step, never past two thirds of the
    // framing distance, and goes back no farther than eight thirds.
    const SolidCamera framed = e.Solid.Camera;
    EXPECT_NEAR(framed.ZoomNear, framed.Z * 2 / 3, 1e-9);
    EXPECT_NEAR(framed.ZoomFar, framed.Z * 8 / 3, 1e-9);
    WheelCamera(e.Solid.Camera, -120);
    EXPECT_NEAR(e.Solid.Camera.Z, framed.Z + 120 * framed.ZoomStep, 1e-9);
    for (int k = 0; k < 100; ++k)
        WheelCamera(e.Solid.Camera, -120);
    EXPECT_NEAR(e.Solid.Camera.Z, framed.ZoomNear, 1e-9);
    for (int k = 0; k < 1000; ++k)
        WheelCamera(e.Solid.Camera, 120);
    EXPECT_NEAR(e.Solid.Camera.Z, framed.ZoomFar, 1e-9);
}

TEST_F(SolidScene, PresetsMoveThePivotsOntoTheScaledModel) {
    // B 120, T 60, H 60 is shown at 50/120: the top pivot at 25.
    Cone("60", "120", "60");
    EXPECT_NEAR(e.Solid.TopPivotPosition.y, -25, 1e-4);
}

// A sideways drag turns the part about the vertical through its middle, whatever the tilt: a
// vertical line through the target stays upright in the middle of the picture.
TEST_F(SolidScene, SidewaysDragTurnsAboutTheVertical) {
    Square("6", "12", "8");
    for (const double tilt : {-15.0, -40.0}) {
        e.Solid.Camera.RotationX = tilt;
        e.Solid.Camera.RotationY = 0;
        OrbitCamera(e.Solid.Camera, 150, 0); // 45 degrees
        const TDPoint t = e.Solid.Camera.Target;
        for (const double dy : {-6.0, 6.0}) {
            const TDPoint q = CameraFramePoint(e.Solid.Camera, {t.x, t.y + dy, t.z});
            EXPECT_NEAR(q.x, 0, 1e-9) << tilt << " " << dy;
        }
        // The point that was straight in front of the middle now lies to one side.
        const TDPoint front = CameraFramePoint(e.Solid.Camera, {t.x, t.y, t.z - 6});
        EXPECT_GT(std::fabs(front.x), 4);
    }
}

TEST_F(SolidScene, PresetsLeaveTheCameraWithoutAPartToShow) {
    e.Solid.Camera.Z = -70;
    e.Solid.Camera.RotationY = 40;
    e.TopViewMenuClick(); // nothing calculated
    EXPECT_DOUBLE_EQ(e.Solid.Camera.Z, -70);
    Cone("10", "20", "10");
    ConeOf(e).Def.ConeHeight = 0; // a cone without its height is not framed
    e.Solid.Camera.RotationY = 40;
    EXPECT_FALSE(e.SetViewPreset(kTopView));
    EXPECT_DOUBLE_EQ(e.Solid.Camera.RotationY, 40);
    ConeOf(e).Def.ConeHeight = 10;
    EXPECT_FALSE(e.SetViewPreset(4));
    EXPECT_TRUE(e.SetViewPreset(kTopView));
}

} // namespace
} // namespace brevant
