// The 3D scene as Calculate leaves it for each layout type, the view presets and the menu
// commands that place the camera.
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
    void Cone(const std::string& T, const std::string& B, const std::string& H) {
        ChooseType(kLayoutCone);
        e.Form.ConeTopDiameter.text = T, e.Form.ConeBottomDiameter.text = B;
        e.Form.ConeHeight.text = H;
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

TEST_F(SolidScene, ResetViewFramesTheSquareToRoundByItsUnit) {
    struct Case {
        UnitSystem units;
        const char* W;
        const char* H;
        double cameraY;
    };
    // W = 12 in and H = 8 in, typed in each unit.
    const Case cases[] = {{kInches, "12", "8", -4},
                          {kCentimeters, "30.48", "20.32", -8},
                          {kMillimeters, "304.8", "203.2", -4}};
    for (const Case& c : cases) {
        e.Form.UnitsComboBox.itemIndex = c.units;
        Square(c.units == kInches ? "6" : "15.24", c.W, c.H);
        const SolidCamera& cam = e.Solid.Camera;
        EXPECT_NEAR(cam.Z, -36, 1e-4) << c.units;
        EXPECT_DOUBLE_EQ(cam.RotationX, -15);
        EXPECT_DOUBLE_EQ(cam.RotationY, 0);
        EXPECT_NEAR(cam.Y, c.cameraY, 1e-4) << c.units;
        EXPECT_NEAR(cam.ZoomNear, -24, 1e-4);
        EXPECT_NEAR(cam.ZoomFar, -96, 1e-4);
        EXPECT_NEAR(cam.ZoomStep, 0.048, 1e-6);
    }
}

TEST_F(SolidScene, ViewMenusPlaceTheCamera) {
    Square("6", "12", "8");
    e.Solid.Camera.RotationY = 40; // the user has turned the view
    struct Case {
        void (LayoutEngine::*menu)();
        double tilt, y;
    };
    const Case cases[] = {{&LayoutEngine::TopViewMenuClick, -90, 0},
                          {&LayoutEngine::FrontViewMenuClick, 0, -4},
                          {&LayoutEngine::ResetViewMenuClick, -15, -4}};
    for (const Case& c : cases) {
        e.Solid.Camera.Z = -70;
        (e.*c.menu)();
        EXPECT_DOUBLE_EQ(e.Solid.Camera.RotationX, c.tilt);
        EXPECT_DOUBLE_EQ(e.Solid.Camera.RotationY, 0);
        EXPECT_NEAR(e.Solid.Camera.Y, c.y, 1e-9);
        EXPECT_NEAR(e.Solid.Camera.Z, -36, 1e-9);
    }
    // From the reset view a wheel step towards the user, then many: never closer than -24.
    WheelCamera(e.Solid.Camera, -120);
    EXPECT_NEAR(e.Solid.Camera.Z, -30.24, 1e-9);
    for (int k = 0; k < 5; ++k)
        WheelCamera(e.Solid.Camera, -120);
    EXPECT_NEAR(e.Solid.Camera.Z, -24, 1e-9);
}

TEST_F(SolidScene, PresetsFrameEachPartAndMoveThePivotsOntoTheScaledModel) {
    struct Case {
        const char* name;
        std::function<void(SolidScene&)> calculate;
        double z, y; // camera of the reset view
    };
    const Case cases[] = {
        // Cone B 20, H 10: M = 20, camera half way up.
        {"cone", [](SolidScene& t) { t.Cone("10", "20", "10"); }, -60, -5},
        // B 120, T 60, H 60 is shown at 50/120: M = 50.
        {"large cone", [](SolidScene& t) { t.Cone("60", "120", "60"); }, -150, -12.5},
        // Spiral OD 21 (w = h = 21), level with the shaft.
        {"spiral", [](SolidScene& t) { t.Spiral("21", "8", "12"); }, -63, 0},
        // Pipe: the main pipe (25 long) is taller than the branch is wide.
        {"pipe", [](SolidScene& t) { t.Pipe("10", "4"); }, -75, 0},
    };
    for (const Case& c : cases) {
        c.calculate(*this);
        EXPECT_NEAR(e.Solid.Camera.Z, c.z, 1e-4) << c.name;
        EXPECT_NEAR(e.Solid.Camera.Y, c.y, 1e-4) << c.name;
    }
    Cone("60", "120", "60");
    EXPECT_NEAR(e.Solid.TopPivotPosition.y, -25, 1e-4);
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
