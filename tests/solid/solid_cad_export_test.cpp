// "Save 3D CAD": the wire frame of each layout type (order, colours, units), the file types
// by extension and the command's dialog, cancel and failure.
#include "core/colors.h"
#include "core/messages.h"
#include "engine/engine_fixture.h"
#include "solid/solid_cad_export.h"
#include "support/kinds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace brevant {
namespace {

namespace fs = std::filesystem;
using testing::EngineTest;

TDPoint Start(const TElement& el) {
    return {el.Coord(1), el.Coord(2), el.Coord(3)};
}
TDPoint End(const TElement& el) {
    return {el.Coord(4), el.Coord(5), el.Coord(6)};
}
double Dist(const TDPoint& a, const TDPoint& b) {
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) +
                     (a.z - b.z) * (a.z - b.z));
}
void ExpectNear(const TDPoint& a, const TDPoint& b, double tol, const std::string& what) {
    EXPECT_NEAR(a.x, b.x, tol) << what;
    EXPECT_NEAR(a.y, b.y, tol) << what;
    EXPECT_NEAR(a.z, b.z, tol) << what;
}

class SolidCad : public EngineTest {
protected:
    // The wire frame the command would write, element by element.
    std::vector<TElement> WireFrame() {
        TCadDrawing d;
        EXPECT_EQ(e.BuildSolidCad(d), "");
        std::vector<TElement> out;
        for (int i = 0; i < d.Elements().Count(); ++i)
            out.push_back(d.Elements()[i]);
        return out;
    }
    static size_t Count(const std::vector<TElement>& els, int type) {
        size_t n = 0;
        for (const TElement& el : els)
            n += el.Etype == type;
        return n;
    }
    void Cone(const std::string& T, const std::string& B, const std::string& H,
              const std::string& shift = "") {
        e.Form.ConeTopDiameter.text = T, e.Form.ConeBottomDiameter.text = B;
        e.Form.ConeHeight.text = H, e.Form.ConeTopXShift.text = shift;
        e.CalculateMenuClick();
    }
    fs::path Folder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        fs::path p = fs::temp_directory_path() / ("brevant-solid-cad-" + std::string(info->name()));
        fs::remove_all(p);
        fs::create_directories(p);
        return p;
    }
};

TEST_F(SolidCad, RegularConeFollowsTheLineScheme) {
    Cone("10", "20", "10");
    const auto els = WireFrame();
    ASSERT_EQ(els.size(), 122u);
    EXPECT_EQ(Count(els, kElementLine), 120u);
    EXPECT_EQ(Count(els, kElementPoint), 2u);
    // The generator of point 0, then the top edge from point 0 to 1 and the bottom edge.
    const double step = 2 * M_PI / 40;
    const TDPoint top0{5, 0, 10}, top1{5 * std::cos(step), 5 * std::sin(step), 10};
    const TDPoint bottom0{10, 0, 0}, bottom1{10 * std::cos(step), 10 * std::sin(step), 0};
    ExpectNear(Start(els[0]), top0, 1e-5, "generator 0 start");
    ExpectNear(End(els[0]), bottom0, 1e-5, "generator 0 end");
    ExpectNear(Start(els[1]), top0, 1e-5, "top edge start");
    ExpectNear(End(els[1]), top1, 1e-5, "top edge end");
    ExpectNear(Start(els[2]), bottom0, 1e-5, "bottom edge start");
    ExpectNear(End(els[2]), bottom1, 1e-5, "bottom edge end");
    ExpectNear(Start(els[3]), top1, 1e-5, "generator 1 start");
    // The two closing edges, then the bottom centre and the top centre.
    ExpectNear(End(els[118]), top0, 1e-5, "closing top edge");
    ExpectNear(End(els[119]), bottom0, 1e-5, "closing bottom edge");
    EXPECT_EQ(els[120].Etype, kElementPoint);
    ExpectNear(Start(els[120]), {0, 0, 0}, 0, "bottom centre");
    ExpectNear(Start(els[121]), {0, 0, 10}, 1e-6, "top centre");
    for (const TElement& el : els) {
        EXPECT_EQ(el.LineColor, kColorLime);
        EXPECT_EQ(el.Layer, 1);
    }
    // Every generator has the slant height.
    for (size_t i = 0; i < 120; i += 3)
        EXPECT_NEAR(Dist(Start(els[i]), End(els[i])), std::sqrt(100 + 25), 1e-5) << i;
}

TEST_F(SolidCad, ShiftedConeHasItsTopCentreOverTheShiftAndThePivotStaysThere) {
    Cone("10", "20", "10", "3");
    // The export's top centre is the true-size top; the scene's pivot stays where it was.
    e.Solid.TopPivotPosition = {};
    const auto els = WireFrame();
    ExpectNear(Start(els.back()), {3, 0, 10}, 1e-6, "top centre");
    EXPECT_EQ(e.Solid.TopPivotPosition, (TDPoint{}));
}

TEST_F(SolidCad, SideCutsAddTwoCyanLinesMirroredAcrossY) {
    e.Form.SideCutsCheckBox.checked = true;
    e.Form.TopCutWidthEdit.text = "4";
    e.Form.BottomCutWidthEdit.text = "8";
    Cone("10", "20", "10");
    const auto els = WireFrame();
    ASSERT_EQ(els.size(), 124u);
    const TElement& a = els[122];
    const TElement& b = els[123];
    EXPECT_EQ(a.LineColor, kColorCyan);
    EXPECT_EQ(b.LineColor, kColorCyan);
    // From the top circle at the cone's height to the bottom circle.
    EXPECT_NEAR(std::hypot(a.Coord(1), a.Coord(2)), 5, 1e-5);
    EXPECT_NEAR(a.Coord(3), 10, 1e-6);
    EXPECT_NEAR(std::hypot(a.Coord(4), a.Coord(5)), 10, 1e-5);
    EXPECT_NEAR(a.Coord(6), 0, 1e-6);
    EXPECT_GT(std::fabs(a.Coord(2)), 1);
    for (int k : {1, 3, 4, 6})
        EXPECT_DOUBLE_EQ(b.Coord(k), a.Coord(k)) << k;
    for (int k : {2, 5})
        EXPECT_DOUBLE_EQ(b.Coord(k), -a.Coord(k)) << k;
}

TEST_F(SolidCad, SquareToRoundStandsOnItsRectangle) {
    ChooseType(kLayoutSquare);
    e.Form.SquareTopDiameter.text = "6", e.Form.SquareWidth.text = "12";
    e.Form.SquareLength.text = "10", e.Form.SquareHeight.text = "8";
    e.Form.SquareTopXShift.text = "1", e.Form.SquareTopYShift.text = "-2";
    e.CalculateMenuClick();
    const auto els = WireFrame();
    const size_t n = SquareOf(e).Square.Model.TopRing.size();
    ASSERT_EQ(n, 16u);
    ASSERT_EQ(els.size(), 3 * n + 2);
    ExpectNear(Start(els.back()), {1, -2, 8}, 1e-6, "top centre");
    // The generators are the model's true lengths; the top ends lie on the shifted circle.
    for (size_t k = 0; k < n; ++k) {
        const TElement& g = els[k == 0 ? 0 : 3 * k];
        EXPECT_NEAR(Dist(Start(g), End(g)), SquareOf(e).Square.Model.Generators[k].length, 1e-4)
            << k;
        EXPECT_NEAR(std::hypot(g.Coord(1) - 1, g.Coord(2) + 2), 3, 1e-4) << k;
        EXPECT_NEAR(g.Coord(3), 8, 1e-5);
        EXPECT_NEAR(std::fabs(g.Coord(4)), 6, 1e-5);
        EXPECT_NEAR(std::fabs(g.Coord(5)), 5, 1e-5);
        EXPECT_NEAR(g.Coord(6), 0, 1e-9);
    }
}

TEST_F(SolidCad, SpiralFlightWritesTheHelicesOfItsLastCalculation) {
    ChooseType(kLayoutSpiral);
    EXPECT_TRUE(WireFrame().empty()); // nothing calculated yet
    e.Form.SpiralODEdit.text = "100", e.Form.SpiralIDEdit.text = "20";
    e.Form.SpiralPitchEdit.text = "30";
    e.CalculateMenuClick();
    ASSERT_DOUBLE_EQ(e.Solid.DisplayScale, 0.5); // the preview shows it at half size
    const auto els = WireFrame();
    ASSERT_EQ(els.size(), 41u + 40 + 40);
    EXPECT_EQ(Count(els, kElementPoint), 0u);
    for (size_t i = 0; i <= 40; ++i) {
        const TElement& g = els[i]; // inner to outer, level
        EXPECT_NEAR(std::hypot(g.Coord(1), g.Coord(3)), 10, 1e-4) << i;
        EXPECT_NEAR(std::hypot(g.Coord(4), g.Coord(6)), 50, 1e-4) << i;
        EXPECT_DOUBLE_EQ(g.Coord(2), g.Coord(5));
        EXPECT_NEAR(g.Coord(2), -30.0 * (i + 1) / 40, 1e-4) << i; // heights are negative y
    }
    // The outer helix's edges come last; the helix is open.
    EXPECT_NEAR(std::hypot(els.back().Coord(4), els.back().Coord(6)), 50, 1e-4);
    ExpectNear(End(els.back()), End(els[40]), 1e-9, "last outer point");
}

TEST_F(SolidCad, BranchPipeHasGeneratorsAndTwoOpenRings) {
    ChooseType(kLayoutPipe);
    e.Form.BigPipeDiaEdit.text = "10", e.Form.SmallPipeDiaEdit.text = "4";
    e.Form.PipeOffsetEdit.text = "1";
    e.CalculateMenuClick();
    const auto els = WireFrame();
    ASSERT_EQ(els.size(), 121u);
    EXPECT_EQ(Count(els, kElementPoint), 0u);
    const double rb = 5, rs = 2, o = 1;
    for (int i = 0; i <= 40; ++i) {
        const TElement& g = els[size_t(i)];
        const double phi = i * 2 * M_PI / 40;
        // From the far ring, Rb + ds below the base plane, to the cut on the main pipe.
        EXPECT_NEAR(g.Coord(2), -(rb + 4), 1e-5);
        const double cut = rb - std::sqrt(rb * rb - std::pow(o - rs * std::sin(phi), 2));
        EXPECT_NEAR(g.Coord(5), cut, 1e-5) << i;
        EXPECT_NEAR(std::hypot(g.Coord(4), g.Coord(6)), rs, 1e-5);
    }
    ExpectNear(Start(els[41]), Start(els[0]), 1e-9, "far ring starts at generator 0");
    ExpectNear(End(els[80]), Start(els[0]), 1e-5, "far ring closes");
    ExpectNear(Start(els[81]), End(els[0]), 1e-9, "cut ring starts at generator 0");
}

TEST_F(SolidCad, BranchPipeOutsideItsMainPipeIsRefused) {
    ChooseType(kLayoutPipe);
    PipeOf(e).Def.PipeBigOD = 10, PipeOf(e).Def.PipeSmallOD = 8, PipeOf(e).Def.PipeOffset = 2;
    TCadDrawing d;
    EXPECT_EQ(e.BuildSolidCad(d), std::string(kMsgPipeOutside));
    EXPECT_EQ(d.Elements().Count(), 0);
    const fs::path dir = Folder();
    host.files.push_back((dir / "pipe.dxf").string());
    const OutputOutcome out = e.SaveSolidCad();
    EXPECT_EQ(out.status, OutputOutcome::Status::Refused);
    EXPECT_FALSE(fs::exists(dir / "pipe.dxf"));
    ASSERT_FALSE(host.messages.empty());
    // Nothing was calculated from these values: the save asks for a calculation first.
    EXPECT_EQ(host.messages.back().title, kMsgCalculateFirst);
}

TEST_F(SolidCad, EveryCoordinateIsInTheDisplayUnit) {
    struct Case {
        int type;
        std::function<void(LayoutEngine&)> inputs;
    };
    const Case cases[] = {
        {kLayoutCone,
         [](LayoutEngine& e) {
             e.Form.ConeTopDiameter.text = "10", e.Form.ConeBottomDiameter.text = "20";
             e.Form.ConeHeight.text = "10", e.Form.ConeTopXShift.text = "3";
         }},
        {kLayoutSpiral,
         [](LayoutEngine& e) {
             e.Form.SpiralODEdit.text = "21", e.Form.SpiralIDEdit.text = "8";
             e.Form.SpiralPitchEdit.text = "12";
         }},
        {kLayoutPipe,
         [](LayoutEngine& e) {
             e.Form.BigPipeDiaEdit.text = "10", e.Form.SmallPipeDiaEdit.text = "4";
         }},
    };
    for (const Case& c : cases) {
        e.Form.UnitsComboBox.itemIndex = kInches;
        ChooseType(c.type);
        c.inputs(e);
        e.CalculateMenuClick();
        const auto inches = WireFrame();
        e.Form.UnitsComboBox.itemIndex = kMillimeters; // a millimetre user, same part
        const auto mm = WireFrame();
        ASSERT_EQ(mm.size(), inches.size());
        ASSERT_FALSE(mm.empty());
        for (size_t i = 0; i < mm.size(); ++i)
            for (int k = 1; k <= 6; ++k)
                ASSERT_NEAR(mm[i].Coord(k), 25.4 * inches[i].Coord(k), 1e-3) << c.type << i;
    }
}

TEST(SolidCadType, ExtensionChoosesTheFileType) {
    const std::pair<const char*, int> cases[] = {
        {"part.dxf", kCadTypeDxf},  {"part.DXF", kCadTypeDxf},   {"part.cdl", kCadTypeCdl},
        {"part.Igs", kCadTypeIges}, {"part.iges", kCadTypeIges}, {"part.IGES", kCadTypeIges},
        {"part.txt", kCadTypeDxf},  {"part", kCadTypeDxf},       {"dir.cdl/part", kCadTypeDxf},
    };
    for (auto [name, type] : cases)
        EXPECT_EQ(CadTypeOfPath(name), type) << name;
}

TEST_F(SolidCad, CommandAsksForTheFileAndWritesEachType) {
    Cone("10", "20", "10");
    const fs::path dir = Folder();
    // Cancelled: nothing written.
    EXPECT_EQ(e.SaveSolidCad().status, OutputOutcome::Status::Cancelled);
    ASSERT_EQ(host.saveRequests.size(), 1u);
    EXPECT_EQ(host.saveRequests[0].title, "Save 3D CAD");
    EXPECT_NE(host.saveRequests[0].filter.find("3D CAD"), std::string::npos);
    EXPECT_EQ(host.saveRequests[0].fileName.find('.'), std::string::npos);
    // DXF and CDL read back with the 120 lines; an IGES file declares the display unit.
    for (const char* name : {"part.dxf", "part.cdl"}) {
        host.files.push_back((dir / name).string());
        EXPECT_TRUE(e.SaveSolidCad().written()) << name;
        TCadDrawing back;
        back.SetCadType(CadTypeOfPath(name));
        ASSERT_TRUE(back.LoadFromFile((dir / name).string())) << name;
        int lines = 0;
        for (int i = 0; i < back.Elements().Count(); ++i)
            lines += back.Elements()[i].Etype == kElementLine;
        EXPECT_EQ(lines, 120) << name;
    }
    e.Form.UnitsComboBox.itemIndex = kMillimeters;
    host.files.push_back((dir / "part.igs").string());
    EXPECT_TRUE(e.SaveSolidCad().written());
    std::ifstream in(dir / "part.igs");
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("2HMM"), std::string::npos);
}

} // namespace
} // namespace brevant
