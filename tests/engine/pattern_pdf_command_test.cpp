// "Save Flat Pattern PDF" on every layout type: the pages, their paper, full scale measured
// from the file, the status texts, the dialogs and the settings it follows.
#include "core/messages.h"
#include "engine/layout_registry.h"
#include "engine_fixture.h"
#include "support/pdf_inspect.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <regex>

using namespace brevant;
using brevant::testing::EngineTest;
using brevant::testing::PdfView;
using brevant::testing::ReadBytes;

namespace fs = std::filesystem;

namespace {

class PatternPdf : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        dir = fs::temp_directory_path() / ("brevant-patternpdf-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        e.App.UserDataFolder = dir.string() + "/";
    }
    void TearDown() override { fs::remove_all(dir); }

    void Type(std::initializer_list<std::pair<const char*, const char*>> fields) {
        for (auto [name, text] : fields)
            e.Form.FindEdit(name)->text = text;
        e.CalculateMenuClick();
        host.messages.clear();
    }
    // Runs the command answering the save dialog with the file; returns the file's path.
    std::string Save(const std::string& name) {
        const std::string path = (dir / name).string();
        host.files.push_back(path);
        e.MenuPrintToPDFClick();
        return path;
    }
    // The number at the start of the status text "n Paper Pages".
    int StatusPages() const { return std::stoi(e.Form.StatusLabel.text); }

    fs::path dir;
};

struct LayoutCase {
    const char* name;
    int type;
    std::vector<std::pair<const char*, const char*>> fields;
};

const std::vector<LayoutCase>& Layouts() {
    static const std::vector<LayoutCase> cases = {
        {"regular cone",
         kLayoutCone,
         {{"ConeTopDiameter", "10"}, {"ConeBottomDiameter", "20"}, {"ConeHeight", "10"}}},
        {"cylinder",
         kLayoutCone,
         {{"ConeTopDiameter", "10"}, {"ConeBottomDiameter", "10"}, {"ConeHeight", "20"}}},
        {"oblique cone",
         kLayoutCone,
         {{"ConeTopDiameter", "10"},
          {"ConeBottomDiameter", "20"},
          {"ConeHeight", "10"},
          {"ConeTopXShift", "3"}}},
        {"square to round",
         kLayoutSquare,
         {{"SquareTopDiameter", "10"}, {"SquareWidth", "16"}, {"SquareHeight", "10"}}},
        {"spiral flight",
         kLayoutSpiral,
         {{"SpiralODEdit", "12"}, {"SpiralIDEdit", "4"}, {"SpiralPitchEdit", "10"}}},
        {"pipe intersection",
         kLayoutPipe,
         {{"BigPipeDiaEdit", "10"}, {"SmallPipeDiaEdit", "6"}, {"PipeOffsetEdit", "1"}}},
    };
    return cases;
}

} // namespace

TEST_F(PatternPdf, EveryLayoutTypeWritesCheckedPagesOfItsPaper) {
    struct Paper {
        int index;
        bool landscape;
        double width, height;
    };
    const Paper papers[] = {{0, false, 612, 792}, {5, true, 841.89, 595.28}};
    for (const LayoutCase& c : Layouts()) {
        for (const Paper& p : papers) {
            SCOPED_TRACE(std::string(c.name) + " paper " + std::to_string(p.index));
            ChooseType(c.type);
            e.Form.PDFCombo.itemIndex = p.index;
            e.Form.CheckRadio(p.landscape ? e.Form.LandscapeRadio : e.Form.PortraitRadio);
            for (auto [name, text] : c.fields)
                e.Form.FindEdit(name)->text = text;
            e.CalculateMenuClick();
            host.messages.clear();
            host.opened.clear();
            const std::string path =
                Save(std::string(c.name) + "-" + std::to_string(p.index) + ".pdf");
            EXPECT_TRUE(host.messages.empty()) << host.Titles().front();
            ASSERT_TRUE(fs::exists(path));
            EXPECT_EQ(host.opened, std::vector<std::string>{path});
            const PdfView pdf(ReadBytes(path));
            const int pages = StatusPages();
            EXPECT_GT(pages, 0);
            EXPECT_EQ(int(pdf.Pages().size()), pages);
            for (const auto& page : pdf.Pages()) {
                EXPECT_EQ(page.mediaBox, (std::vector<double>{0, 0, p.width, p.height}));
                EXPECT_FALSE(page.segments.empty());
            }
            EXPECT_TRUE(brevant::testing::QpdfCheckPasses(path));
            EXPECT_EQ(brevant::testing::RenderedPageCount(path), pages);
        }
    }
}

// A cylinder 10 across and 20 high unrolls into a strip pi x 10 wide: put every page's lines
// back at their tile's place and the strip spans exactly that many inches of 72 points.
TEST_F(PatternPdf, CylinderStripSpansItsFullWidthAcrossTheTiles) {
    Type({{"ConeTopDiameter", "10"}, {"ConeBottomDiameter", "10"}, {"ConeHeight", "20"}});
    const std::string path = Save("cylinder.pdf");
    EXPECT_EQ(e.Form.StatusLabel.text, "8 Letter Pages");
    const PdfView pdf(ReadBytes(path));
    ASSERT_EQ(pdf.Pages().size(), 8u);
    const double tw = 7.9f * 72.0, th = 10.4f * 72.0;
    double left = 1e9, right = -1e9, bottom = 1e9, top = -1e9;
    static const std::regex label(R"(Row: (\d+) Col: (\d+))");
    for (const auto& page : pdf.Pages()) {
        std::smatch m;
        ASSERT_TRUE(std::regex_search(page.texts[0], m, label));
        const int row = std::stoi(m.str(1)), col = std::stoi(m.str(2));
        // The border and its label come first; then the pattern's lines.
        for (std::size_t i = 4; i < page.segments.size(); ++i) {
            const auto& s = page.segments[i];
            for (auto [x, y] : {std::pair{s.x1, s.y1}, std::pair{s.x2, s.y2}}) {
                const double gx = x + (col - 1) * tw, gy = y - (row - 1) * th;
                left = std::min(left, gx), right = std::max(right, gx);
                bottom = std::min(bottom, gy), top = std::max(top, gy);
            }
        }
    }
    EXPECT_NEAR(right - left, std::numbers::pi * 10 * 72, 0.01);
    EXPECT_NEAR(top - bottom, 20 * 72, 0.01);
}

TEST_F(PatternPdf, PagesCarryTheirLabelBorderAndScaleNote) {
    e.Form.UnitsComboBox.itemIndex = 2; // millimetres
    e.UpdateUnitLabels();
    Type({{"ConeTopDiameter", "254"}, {"ConeBottomDiameter", "254"}, {"ConeHeight", "508"}});
    const PdfView pdf(ReadBytes(Save("labels.pdf")));
    ASSERT_EQ(pdf.Pages().size(), 8u);
    const char* labels[] = {"Row: 1 Col: 1", "Row: 1 Col: 2", "Row: 1 Col: 3", "Row: 1 Col: 4",
                            "Row: 2 Col: 1", "Row: 2 Col: 2", "Row: 2 Col: 3", "Row: 2 Col: 4"};
    for (std::size_t k = 0; k < 8; ++k) {
        const auto& page = pdf.Pages()[k];
        ASSERT_EQ(page.texts.size(), 2u);
        EXPECT_EQ(page.texts[0], labels[k]);
        EXPECT_EQ(page.texts[1], "Border 200.66 x 264.16 mm: measure it to check the print scale");
        EXPECT_NE(page.content.find("/F1 20 Tf\r\nBT\r\n25 752 Td"), std::string::npos);
        // The note must survive a printer's unprintable band (0.3 in = 21.6 pt from every edge,
        // its descenders included) and stay legible: 9 pt or more.
        static const std::regex note(
            R"(/F\d+ (\d+) Tf\r\nBT\r\n([-\d.]+) ([-\d.]+) Td\r\n\(Border)");
        std::smatch m;
        ASSERT_TRUE(std::regex_search(page.content, m, note));
        const double size = std::stod(m.str(1)), x = std::stod(m.str(2)), y = std::stod(m.str(3));
        EXPECT_GE(size, 9);
        EXPECT_GE(x, 21.6);
        EXPECT_GE(y - 0.25 * size, 21.6);
        const auto& s = page.segments;
        EXPECT_EQ((std::vector<double>{s[0].x1, s[0].y1, s[0].x2, s[0].y2}),
                  (std::vector<double>{21, 770, 21, 21}));
        EXPECT_EQ((std::vector<double>{s[2].x1, s[2].y1, s[2].x2, s[2].y2}),
                  (std::vector<double>{590, 21, 590, 770}));
    }
}

TEST_F(PatternPdf, LineWeightFollowsTheSettings) {
    const std::pair<RadioButton*, const char*> weights[] = {
        {&e.Form.LineThin, "0 w"}, {&e.Form.LineMedium, "1 w"}, {&e.Form.LineThick, "2 w"}};
    Type({{"ConeTopDiameter", "4"}, {"ConeBottomDiameter", "6"}, {"ConeHeight", "3"}});
    for (auto [radio, op] : weights) {
        e.Form.CheckRadio(*radio);
        const PdfView pdf(ReadBytes(Save(std::string(radio->caption) + ".pdf")));
        ASSERT_FALSE(pdf.Pages().empty());
        EXPECT_EQ(pdf.Pages()[0].content.rfind(op, 0), 0u) << radio->caption;
    }
}

TEST_F(PatternPdf, SixtyTilesOrMoreAreRefusedWithoutADialog) {
    // 59 columns of 7.9 in print; 60 do not, used or not.
    const double pi = std::numbers::pi;
    const std::pair<double, bool> widths[] = {{58.5 * 7.9, true}, {59.5 * 7.9, false}};
    for (auto [strip, accepted] : widths) {
        const std::string d = std::to_string(strip / pi);
        Type({{"ConeTopDiameter", d.c_str()},
              {"ConeBottomDiameter", d.c_str()},
              {"ConeHeight", "5"}});
        host.saveRequests.clear();
        const std::string path = Save(accepted ? "59.pdf" : "60.pdf");
        EXPECT_EQ(fs::exists(path), accepted) << strip;
        EXPECT_EQ(host.saveRequests.size(), accepted ? 1u : 0u);
        if (accepted) {
            EXPECT_EQ(e.Form.StatusLabel.text, "59 Letter Pages");
            EXPECT_EQ(PdfView(ReadBytes(path)).Pages().size(), 59u);
        } else {
            EXPECT_EQ(e.Form.StatusLabel.text, kMsgPdfTooManyPages);
            host.files.clear();
        }
    }
}

TEST_F(PatternPdf, DialogAsksForTheDefaultNameAndAnExistingFileOnlyWithYes) {
    Type({{"ConeTopDiameter", "4"}, {"ConeBottomDiameter", "6"}, {"ConeHeight", "3"}});
    const std::string path = (dir / "old.pdf").string();
    std::ofstream(path) << "old";
    host.answers = {kResultNo};
    Save("old.pdf");
    ASSERT_EQ(host.saveRequests.size(), 1u);
    EXPECT_EQ(host.saveRequests[0].title, "Save Pattern PDF");
    EXPECT_EQ(host.saveRequests[0].initialFolder + host.saveRequests[0].fileName,
              e.App.UserDataFolder + "layout.pdf");
    EXPECT_EQ(host.Titles(), std::vector<std::string>{kMsgOverwrite});
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_TRUE(host.opened.empty());
    host.answers = {kResultYes};
    Save("old.pdf");
    EXPECT_EQ(ReadBytes(path).rfind("%PDF-1.4", 0), 0u);
    EXPECT_EQ(host.opened, std::vector<std::string>{path});
    host.opened.clear();
    e.MenuPrintToPDFClick(); // the dialog cancelled
    EXPECT_TRUE(host.opened.empty());
}

TEST_F(PatternPdf, AFileThatCannotBeWrittenIsReportedAndNotOpened) {
    Type({{"ConeTopDiameter", "4"}, {"ConeBottomDiameter", "6"}, {"ConeHeight", "3"}});
    EXPECT_FALSE(fs::exists(Save("no-such-folder/x.pdf")));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].title.find("no-such-folder/x.pdf"), std::string::npos);
    EXPECT_EQ(e.LastIOError(), host.messages[0].title);
    EXPECT_TRUE(host.opened.empty());
}

TEST_F(PatternPdf, ViewKeepsThePrintDrawingAndTileOutlinesAndResolutionIsRestored) {
    Type({{"ConeTopDiameter", "10"}, {"ConeBottomDiameter", "20"}, {"ConeHeight", "10"}});
    const int resolution = e.Drv.CircleResolution;
    Save("cone.pdf");
    int outlines = 0, annotations = 0;
    for (const TElement& el : e.CadDraw1.Elements()) {
        outlines += el.Etype == kElementRectangle && el.Layer == 6;
        annotations += el.Layer == 5 || el.Layer == 7;
    }
    EXPECT_GT(outlines, 0);
    EXPECT_EQ(annotations, 0);
    EXPECT_EQ(e.Drv.CircleResolution, resolution);
}

TEST_F(PatternPdf, NothingCalculatedWritesNoPdf) {
    host.messages.clear();
    const std::string path = Save("empty.pdf");
    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(host.saveRequests.empty()); // refused before the file dialog
    EXPECT_EQ(host.Titles(), std::vector<std::string>{kMsgCalculateFirst});
}
