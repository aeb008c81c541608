#include "caddraw/cad_draw.h"
#include "engine_fixture.h"
#include "support/kinds.h"

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace brevant;
using brevant::testing::EngineTest;

namespace fs = std::filesystem;

namespace {

class CadSaves : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        dir = fs::temp_directory_path() / ("brevant-cadsave-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        e.App.UserDataFolder = dir.string() + "/";
    }
    void TearDown() override { fs::remove_all(dir); }

    void TypeCone(const char* t, const char* b, const char* h, const char* shift = "") {
        e.Form.ConeTopDiameter.text = t;
        e.Form.ConeBottomDiameter.text = b;
        e.Form.ConeHeight.text = h;
        e.Form.ConeTopXShift.text = shift;
        e.Form.SheetWidth.text = "96";
        e.Form.SheetHeight.text = "48";
        e.CalculateMenuClick();
    }
    // Reads a saved drawing back with the reader of its extension.
    static void Load(TCadDraw& view, const std::string& path) {
        const std::string ext = fs::path(path).extension().string();
        view.SetCadType(ext == ".cdl" ? 1 : ext == ".dxf" ? 2 : 3);
        EXPECT_TRUE(view.LoadFromFile(path)) << view.LastError();
    }
    // The largest arc radius of a drawing read back.
    double LargestRadius(const std::string& path) {
        TCadDraw view;
        Load(view, path);
        double r = 0;
        for (int i = 0; i < view.Elements().Count(); ++i)
            if (view.Elements()[i].Etype == kElementArc)
                r = std::max(r, view.Elements()[i].Coord(4));
        return r;
    }
    std::string Saved(const std::string& name) { return (dir / name).string(); }
    fs::path dir;
};

} // namespace

TEST_F(CadSaves, FileTypeFollowsTheExtension) {
    TypeCone("10", "20", "10");
    const std::pair<const char*, const char*> cases[] = {
        {"a.iges", "S0000001"}, {"b.txt", "SECTION"}, {"c.Cdl", "VIEW"}, {"d.igs", "S0000001"}};
    for (auto [name, marker] : cases) {
        host.files.push_back(Saved(name));
        e.MenuSaveFlatCADClick();
        std::ifstream in(Saved(name), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        EXPECT_NE(text.str().find(marker), std::string::npos) << name;
    }
    EXPECT_EQ(host.saveRequests.back().title, "Save 2D CAD");
    EXPECT_EQ(host.saveRequests.back().filter,
              "CAD (*.dxf)|*.dxf|CAD (*.cdl)|*.cdl|CAD (*.igs)|*.igs|All Files (*.*)|*.*");
}

TEST_F(CadSaves, MillimetreSaveScalesAndTheViewReturnsToInches) {
    e.Form.UnitsComboBox.itemIndex = kMillimeters;
    TypeCone("254", "508", "254");
    const double inchRadius = ConeOf(e).State.FlatLargeRadius;
    host.files.push_back(Saved("flat.dxf"));
    e.MenuSaveFlatCADClick();
    EXPECT_NEAR(LargestRadius(Saved("flat.dxf")), inchRadius * 25.4, 1e-3);
    // The pattern is drawn again in inches afterwards.
    double r = 0;
    for (int i = 0; i < e.CadDraw1.Elements().Count(); ++i)
        if (e.CadDraw1.Elements()[i].Etype == kElementArc)
            r = std::max(r, e.CadDraw1.Elements()[i].Coord(4));
    EXPECT_NEAR(r, inchRadius, 1e-4);
}

TEST_F(CadSaves, SheetSavedTwiceWritesTheSameCoordinates) {
    e.Form.UnitsComboBox.itemIndex = kMillimeters;
    TypeCone("254", "508", "254");
    host.files = {Saved("s1.cdl"), Saved("s2.cdl")};
    e.SaveCADSheetClick();
    e.SaveCADSheetClick();
    auto read = [](const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    };
    EXPECT_FALSE(read(Saved("s1.cdl")).empty());
    EXPECT_EQ(read(Saved("s1.cdl")), read(Saved("s2.cdl")));
}

TEST_F(CadSaves, AnnotationLayersAreLeftOut) {
    TypeCone("10", "20", "10");
    host.files.push_back(Saved("flat.cdl"));
    e.MenuSaveFlatCADClick();
    TCadDraw view;
    Load(view, Saved("flat.cdl"));
    for (int i = 0; i < view.Elements().Count(); ++i) {
        const int layer = view.Elements()[i].Layer;
        EXPECT_TRUE(layer < 5 || layer > 7) << layer;
    }
    EXPECT_TRUE(e.CadDraw1.LayerVisible(5)); // shown again afterwards
}

TEST_F(CadSaves, ObliqueConeIsWrittenFromTheFineDevelopment) {
    TypeCone("10", "20", "10", "2");
    host.files.push_back(Saved("oblique.dxf"));
    e.MenuSaveFlatCADClick();
    EXPECT_EQ(host.saveRequests.back().title, "Save Flat CAD");
    TCadDraw view;
    Load(view, Saved("oblique.dxf"));
    EXPECT_GT(view.Elements().Count(), 2 * 150); // two edges of 150 segments at least
    EXPECT_EQ(e.Drv.CircleResolution, 40);
}

TEST_F(CadSaves, CancelledDialogWritesNothingAndAFailedWriteIsReported) {
    TypeCone("10", "20", "10");
    host.files.push_back("");
    e.MenuSaveFlatCADClick();
    EXPECT_TRUE(fs::is_empty(dir));
    host.files.push_back(Saved("missing/folder/x.dxf"));
    host.messages.clear();
    e.MenuSaveFlatCADClick();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].title.find("missing/folder/x.dxf"), std::string::npos);
    EXPECT_FALSE(e.LastIOError().empty());
}
