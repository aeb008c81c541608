// The shop-floor saves from the engine: the setting turns the DXF of the flat pattern and the
// sheet into the cutting-machine file (other formats stay as they are), the SVG command, and
// their cancelled and failed outcomes.
#include "engine/settings_file.h"
#include "engine/shop_saves.h"
#include "engine_fixture.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace brevant;
using brevant::testing::EngineTest;

namespace fs = std::filesystem;

namespace {

class ShopSaves : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        dir = fs::temp_directory_path() / ("brevant-shopsave-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        e.App.UserDataFolder = dir.string() + "/";
        e.Form.ConeTopDiameter.text = "10";
        e.Form.ConeBottomDiameter.text = "20";
        e.Form.ConeHeight.text = "10";
        e.Form.SheetWidth.text = "96";
        e.Form.SheetHeight.text = "48";
        e.CalculateMenuClick();
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string Path(const std::string& name) { return (dir / name).string(); }
    static std::string Text(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    fs::path dir;
};

} // namespace

TEST_F(ShopSaves, SettingChoosesTheCuttingMachineDxfForDxfNamesOnly) {
    struct Case {
        bool setting;
        const char* name;
        const char* present;
        const char* absent;
    };
    const Case cases[] = {
        {false, "plain.dxf", "\r\nARC\r\n", "POLYLINE"},
        {true, "cam.dxf", "\r\nCUT\r\n", "\r\nARC\r\n"},
        {true, "cam.cdl", "VIEW", "POLYLINE"},
    };
    for (const Case& c : cases) {
        e.Form.CamDxfCheckBox.checked = c.setting;
        host.files.push_back(Path(c.name));
        e.MenuSaveFlatCADClick();
        const std::string text = Text(Path(c.name));
        EXPECT_NE(text.find(c.present), std::string::npos) << c.name;
        EXPECT_EQ(text.find(c.absent), std::string::npos) << c.name;
    }
    // The sheet's "Save CAD" follows the same setting: one outline per nested piece.
    host.files.push_back(Path("sheet.dxf"));
    e.SaveCADSheetClick();
    const std::string sheet = Text(Path("sheet.dxf"));
    std::size_t outlines = 0;
    for (std::size_t at = sheet.find("LWPOLYLINE"); at != std::string::npos;
         at = sheet.find("LWPOLYLINE", at + 1))
        ++outlines;
    EXPECT_GT(outlines, 1u);
    EXPECT_NE(sheet.find("$INSUNITS"), std::string::npos);
}

TEST_F(ShopSaves, SvgOutcomes) {
    EXPECT_EQ(MenuSaveFlatSvgClick(e).status, OutputOutcome::Status::Cancelled);
    EXPECT_EQ(host.saveRequests.back().title, "Save Flat Pattern SVG");

    host.files.push_back(Path("flat.svg"));
    EXPECT_EQ(MenuSaveFlatSvgClick(e).status, OutputOutcome::Status::Written);
    EXPECT_NE(Text(Path("flat.svg")).find("<path d=\"M"), std::string::npos);
    EXPECT_TRUE(e.LastIOError().empty());

    // A folder that does not exist: failed, said so, and nothing written.
    host.files.push_back(Path("missing/flat.svg"));
    EXPECT_EQ(MenuSaveFlatSvgClick(e).status, OutputOutcome::Status::Failed);
    EXPECT_NE(e.LastIOError().find("flat.svg"), std::string::npos);
    EXPECT_FALSE(host.messages.empty());
    EXPECT_FALSE(fs::exists(Path("missing/flat.svg")));
}

TEST_F(ShopSaves, ObliqueConeSvgIsDevelopedFinerAndTheViewRestored) {
    e.Form.ConeTopXShift.text = "2";
    e.CalculateMenuClick();
    const int before = e.CadDraw1.Elements().Count();
    host.files.push_back(Path("oblique.svg"));
    ASSERT_EQ(MenuSaveFlatSvgClick(e).status, OutputOutcome::Status::Written);
    const std::string svg = Text(Path("oblique.svg"));
    // 150 divisions per ring rather than 40: well over 300 line segments in the outline.
    EXPECT_GT(std::count(svg.begin(), svg.end(), 'L'), 300);
    EXPECT_EQ(e.CadDraw1.Elements().Count(), before);
}

TEST_F(ShopSaves, SettingIsKeptInTheSettingsFile) {
    LoadSettingsText(e, "[Brevant]\nCamDxf=1\n");
    EXPECT_TRUE(e.Form.CamDxfCheckBox.checked);
    EXPECT_NE(SettingsFileText(e, "").find("CamDxf=1"), std::string::npos);
    EXPECT_TRUE(ApplySettingValue(e, "CamDxf", "0"));
    EXPECT_NE(SettingsFileText(e, "").find("CamDxf=0"), std::string::npos);
}
