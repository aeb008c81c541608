// CalculateSpiralFlight through the engine: inputs, messages and codes, the result display
// with area and weight, units, and the flat pattern CAD save.
#include "engine/engine_fixture.h"
#include "spiral_fixture.h"
#include "support/kinds.h"

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

using namespace brevant;
using brevant::testing::EngineTest;

namespace fs = std::filesystem;

namespace {

class SpiralDriver : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        ChooseType(kLayoutSpiral);
        host.messages.clear();
    }
    int Type(const char* od, const char* id, const char* pitch, bool quiet = false) {
        e.Form.SpiralODEdit.text = od;
        e.Form.SpiralIDEdit.text = id;
        e.Form.SpiralPitchEdit.text = pitch;
        host.messages.clear();
        e.ClearStatus();
        e.ClearViews();
        return e.DispatchCalculation(quiet);
    }
    static double Number(const Label& l) { return std::stod(l.text); }
};

} // namespace

TEST_F(SpiralDriver, ConveyorFlightShowsItsRingInTheDisplay) {
    ASSERT_EQ(Type("21", "8", "12"), kDriverDone);
    const FormModel& f = e.Form;
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(f.RegularDataDisplay.visible);
    EXPECT_EQ(f.Label10.text, "Spiral Flight Dimensions");
    EXPECT_NEAR(Number(f.LargeRadius), 11.12, 0.005);
    EXPECT_NEAR(Number(f.SmallRadius), 4.62, 0.005);
    EXPECT_NEAR(Number(f.AngleA), 345.6, 0.05);
    EXPECT_EQ(f.WidthX.text, e.FormatValue(2 * SpiralOf(e).Flight.SpiralOuterRadius));
    EXPECT_EQ(f.HeightY.text, e.FormatValue(SpiralOf(e).Flight.SpiralPatternHeight));
    EXPECT_EQ(f.OuterCord.text, e.FormatValue(SpiralOf(e).Flight.SpiralOuterChord));
    EXPECT_EQ(f.InnerCord.text, e.FormatValue(SpiralOf(e).Flight.SpiralInnerChord));
    for (const Control* c : {(const Control*)&f.SegmentAngleEdit, (const Control*)&f.Overlap,
                             (const Control*)&f.SegmentAngleCaption,
                             (const Control*)&f.OverlapCaption, (const Control*)&f.Label53,
                             (const Control*)&f.MiddleRadio, (const Control*)&f.SheetDataDisplay,
                             (const Control*)&f.SeamDisplay, (const Control*)&f.BendDisplay})
        EXPECT_FALSE(c->visible) << c->name;
    for (const Control* c : {&f.WidthXCaption, &f.HeightYCaption, &f.AngleACaption,
                             &f.OuterCordCaption, &f.InnerCordCaption})
        EXPECT_TRUE(c->visible) << c->name;
    EXPECT_EQ(e.Drv.CircleResolution, 40);
    EXPECT_EQ(SpiralOf(e).Helices.OuterHelix.size(), 41u);
    EXPECT_EQ(brevant::testing::ElementsOf(e.CadDraw1, kElementArc, 1).size(), 2u);
}

TEST_F(SpiralDriver, SegmentAngleLeftFromAConeIsEmptiedOnTheSpiralDisplay) {
    e.Form.SegmentAngleEdit.text = "30";
    Type("21", "8", "12");
    EXPECT_EQ(e.Form.SegmentAngleEdit.text, "");
}

TEST_F(SpiralDriver, SpiralThicknessIsItsOwnAndGivesTheWeight) {
    e.Material.Thickness = 0.5f;
    e.Form.ThicknessEdit.text = "0.25";
    e.Form.ThicknessCheckBox.checked = true;
    Type("21", "8", "12");
    EXPECT_FLOAT_EQ(SpiralOf(e).Def.SpiralThickness, 0.25f);
    EXPECT_FLOAT_EQ(e.Material.Thickness, 0.5f); // the cone's stays as it was
    const SpiralResults& r = SpiralOf(e).Flight;
    const double area = std::numbers::pi *
                        (double(r.SpiralOuterRadius) * r.SpiralOuterRadius -
                         double(r.SpiralInnerRadius) * r.SpiralInnerRadius) *
                        r.SpiralFlatAngle / 360;
    EXPECT_EQ(e.Form.WeightLabel.text, "Area " + e.FormatValue(area) + " = " +
                                           e.FormatValue(area * 0.25 * 0.2833) + " lb each Steel");
    EXPECT_TRUE(e.Form.ThicknessDisplay.visible);
    EXPECT_FALSE(e.Form.Label53.visible);
    EXPECT_FALSE(e.Form.OutsideRadio.visible);
}

TEST_F(SpiralDriver, MillimetresAreReadAsInchesAndShownAsMillimetres) {
    e.Form.UnitsComboBox.itemIndex = kMillimeters;
    e.App.MaterialMass = 0.1;
    e.App.MaterialName = "Aluminium";
    e.Form.ThicknessEdit.text = "6.35";
    Type("533.4", "203.2", "304.8");
    EXPECT_FLOAT_EQ(SpiralOf(e).Def.SpiralOD, 21);
    EXPECT_NEAR(SpiralOf(e).Def.SpiralThickness, 0.25, 1e-6);
    EXPECT_NEAR(Number(e.Form.LargeRadius), 11.1175 * 25.4, 0.01);
    EXPECT_NEAR(Number(e.Form.AngleA), 345.58, 0.01); // angles are not converted
    const double areaSqIn = SpiralFlightArea(SpiralOf(e).Flight);
    EXPECT_EQ(e.Form.WeightLabel.text, "Area " + e.FormatValue(areaSqIn * 645.16) + " = " +
                                           e.FormatValue(areaSqIn * 0.25 * 0.1 * 0.45359237) +
                                           " kg each Aluminium");
}

TEST_F(SpiralDriver, BadAndDegenerateInputsGiveTheirMessages) {
    const char* notEnough = "Not Enough Dimensions";
    const char* radius = "Error: Small radius is larger than big radius";
    const struct {
        const char *od, *id, *pitch;
        bool quiet;
        int code;
        std::vector<std::string> titles;
    } cases[] = {
        {"", "", "", false, kDriverBadNumber, {}},
        {"0", "0", "0", false, kDriverBadNumber, {}},
        {"21", "8", "1x", false, kDriverBadNumber, {"Bad number in SpiralPitchEdit"}},
        {"21", "", "12", false, kDriverBadNumber, {notEnough}},
        {"21", "", "12", true, kDriverBadNumber, {notEnough}},
        {"21", "8", "0", true, kDriverBadNumber, {notEnough}},
        {"21", "21", "12", false, kDriverDone, {radius}},
        {"8", "21", "12", true, kDriverDone, {radius}},
        {"-21", "-8", "-12", false, kDriverNotEnough, {notEnough}},
        {"-21", "-8", "-12", true, kDriverNotEnough, {}},
    };
    for (const auto& c : cases) {
        const int code = Type(c.od, c.id, c.pitch, c.quiet);
        const std::string where = std::string(c.od) + "/" + c.id + "/" + c.pitch;
        EXPECT_EQ(code, c.code) << where;
        EXPECT_EQ(host.Titles(), c.titles) << where;
        EXPECT_EQ(e.CadDraw1.Elements().Count(), 0) << where;
        EXPECT_FALSE(e.Form.RegularDataDisplay.visible) << where;
        EXPECT_EQ(SpiralOf(e).Flight.SpiralOuterRadius, 0) << where;
        EXPECT_TRUE(SpiralOf(e).Helices.OuterHelix.empty()) << where;
    }
}

TEST_F(SpiralDriver, OnlyOutsideDiameterAndPitchComplainEvenOnALayoutChange) {
    e.Form.SpiralODEdit.text = "21";
    e.Form.SpiralPitchEdit.text = "12";
    ChooseType(kLayoutCone);
    host.messages.clear();
    ChooseType(kLayoutSpiral); // quiet
    EXPECT_EQ(host.Titles(), std::vector<std::string>{"Not Enough Dimensions"});
    EXPECT_EQ(e.Drv.LastDriverCode, kDriverBadNumber);
}

TEST_F(SpiralDriver, ExtremePitchesGiveFiniteResultsOrSaySo) {
    const struct {
        const char* pitch;
        bool drawn;
    } cases[] = {{"0.000001", true}, {"1E-30", true}, {"100000", true}, {"1E30", false}};
    for (const auto& c : cases) {
        EXPECT_EQ(Type("21", "8", c.pitch), kDriverDone) << c.pitch;
        EXPECT_TRUE(host.messages.empty()) << c.pitch;
        EXPECT_LE(SpiralOf(e).Flight.SpiralFlatAngle, 360) << c.pitch;
        EXPECT_GT(SpiralOf(e).Flight.SpiralFlatAngle, 0) << c.pitch;
        if (!c.drawn) {
            EXPECT_EQ(e.Form.StatusLabel.text, "Pattern too large to draw");
            EXPECT_FALSE(e.Form.RegularDataDisplay.visible);
            EXPECT_EQ(e.CadDraw1.Elements().Count(), 0);
            continue;
        }
        EXPECT_EQ(e.Form.StatusLabel.text, "") << c.pitch;
        EXPECT_TRUE(e.Form.RegularDataDisplay.visible) << c.pitch;
        for (const Label* l :
             {&e.Form.LargeRadius, &e.Form.SmallRadius, &e.Form.AngleA, &e.Form.WidthX,
              &e.Form.HeightY, &e.Form.InnerCord, &e.Form.OuterCord}) {
            EXPECT_TRUE(std::isfinite(Number(*l))) << c.pitch << " " << l->name;
            EXPECT_NE(l->text[0], '-') << c.pitch << " " << l->name; // no -0 across a gap
        }
        EXPECT_EQ(e.Form.WeightLabel.text.find("nan"), std::string::npos) << c.pitch;
    }
}

TEST_F(SpiralDriver, FlatPatternCadIsWrittenInTheDisplayUnitAndRedrawnInInches) {
    const fs::path dir =
        fs::temp_directory_path() / ("brevant-spiral-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    e.App.UserDataFolder = dir.string() + "/";
    e.Form.UnitsComboBox.itemIndex = kMillimeters;
    Type("533.4", "203.2", "304.8");
    const double R = SpiralOf(e).Flight.SpiralOuterRadius;
    const std::string path = (dir / "flight.dxf").string();
    host.files.push_back(path);
    e.MenuSaveFlatCADClick();
    TCadDraw saved;
    saved.SetCadType(2);
    ASSERT_TRUE(saved.LoadFromFile(path)) << saved.LastError();
    const brevant::testing::RingArcs ring = brevant::testing::OutlineArcs(saved);
    EXPECT_NEAR(ring.outer.Coord(4), R * 25.4, 1e-3);
    EXPECT_EQ(saved.Elements().Count(), 4); // the outline only: annotations stay out
    EXPECT_NEAR(brevant::testing::OutlineArcs(e.CadDraw1).outer.Coord(4), R, 1e-5);
    fs::remove_all(dir);
}
