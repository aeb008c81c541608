// "Print Data Sheet" into the engine's PDF printer: the page's cells for each input page, the
// sheet line, the prints of the views, and a file that cannot be written.
#include "documents/pdf_printer.h"
#include "engine_fixture.h"
#include "support/kinds.h"
#include "support/pdf_inspect.h"

#include <algorithm>
#include <filesystem>
#include <regex>
#include <set>

using namespace brevant;
using brevant::testing::EngineTest;
using brevant::testing::PdfView;

namespace fs = std::filesystem;

namespace {

class DataSheet : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        dir = fs::temp_directory_path() / ("brevant-datasheet-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    void Calculate(int type, std::initializer_list<std::pair<const char*, const char*>> fields) {
        ChooseType(type);
        for (auto [name, text] : fields)
            e.Form.FindEdit(name)->text = text;
        e.CalculateMenuClick();
    }
    // Prints the sheet into a PDF file and reads its one page back.
    brevant::testing::PdfPageView Print(const std::string& name) {
        const std::string path = (dir / name).string();
        PdfPrinter printer(path);
        EXPECT_TRUE(e.PrintDataSheet(printer));
        EXPECT_TRUE(printer.Written()) << printer.LastError();
        EXPECT_TRUE(brevant::testing::QpdfCheckPasses(path));
        EXPECT_EQ(brevant::testing::RenderedPageCount(path), 1);
        const PdfView pdf(brevant::testing::ReadBytes(path));
        EXPECT_EQ(pdf.Pages().size(), 1u);
        return pdf.Pages().empty() ? brevant::testing::PdfPageView{} : pdf.Pages()[0];
    }
    static bool Has(const brevant::testing::PdfPageView& page, const std::string& text) {
        return std::find(page.texts.begin(), page.texts.end(), text) != page.texts.end();
    }
    // The "x y Td" position of a text on the page.
    static std::string PositionOf(const brevant::testing::PdfPageView& page,
                                  const std::string& text) {
        std::smatch m;
        const std::regex re("(\\d+ [\\d.]+) Td\\r\\n\\(" + text + "\\) Tj");
        return std::regex_search(page.content, m, re) ? m.str(1) : "";
    }
    fs::path dir;
};

} // namespace

TEST_F(DataSheet, EachInputPagePrintsItsHeadingCellsAndPattern) {
    struct Case {
        int type;
        std::vector<std::pair<const char*, const char*>> fields;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {kLayoutCone,
         {{"ConeTopDiameter", "10"}, {"ConeBottomDiameter", "20"}, {"ConeHeight", "10"}},
         {"Cone Dimensions:", "Bottom Diameter: 20 in", "Top Diameter: 10 in", "Cone Height: 10 in",
          "Full Cone", "Flat Pattern:", "File Name: \\(none\\)"}}, // as a PDF string
        {kLayoutSquare,
         {{"SquareTopDiameter", "10"}, {"SquareWidth", "16"}, {"SquareHeight", "10"}},
         {"Square to Round Dimensions:", "Square Width: 16 in", "Height: 10 in", "Units: Inches",
          "Number of Corner Bends: 4", "Results: "}},
        {kLayoutSpiral,
         {{"SpiralODEdit", "12"}, {"SpiralIDEdit", "4"}, {"SpiralPitchEdit", "10"}},
         {"Spiral Dimensions:", "Outside Diameter: 12 in", "Pitch: 10 in", "Results: "}},
        {kLayoutPipe,
         {{"BigPipeDiaEdit", "10"}, {"SmallPipeDiaEdit", "6"}, {"PipeOffsetEdit", "1"}},
         {"Pipe Dimensions:", "Main Pipe Diameter: 10 in", "Small Pipe Diameter: 6 in",
          "Offset: 1 in", "Results: "}},
    };
    for (const Case& c : cases) {
        ChooseType(c.type);
        for (auto [name, text] : c.fields)
            e.Form.FindEdit(name)->text = text;
        e.CalculateMenuClick();
        const auto page = Print("page" + std::to_string(c.type) + ".pdf");
        ASSERT_FALSE(page.texts.empty());
        EXPECT_EQ(page.texts[0].rfind("Date: ", 0), 0u) << c.type;
        for (const std::string& text : c.texts)
            EXPECT_TRUE(Has(page, text)) << c.type << ": " << text;
        EXPECT_GT(page.segments.size(), 10u) << c.type; // the pattern's print
    }
}

TEST_F(DataSheet, SquareSheetNamesBothOrientations) {
    Calculate(kLayoutCone, {{"ConeTopDiameter", "10"},
                            {"ConeBottomDiameter", "20"},
                            {"ConeHeight", "10"},
                            {"SheetWidth", "48"},
                            {"SheetHeight", "48"}});
    const auto page = Print("sheet.pdf");
    const std::string line = "Sheet:48 X 48 in = " + std::to_string(ConeOf(e).State.SheetCount) +
                             " pcs.   48 X 48 in = 0 pcs.";
    EXPECT_TRUE(Has(page, line)) << line;
}

// Thickness, weight, side cuts and overlap all shown: every text has a place of its own, the
// side cuts in the rows below the thickness.
TEST_F(DataSheet, ThicknessAndSideCutsArePrintedInRowsOfTheirOwn) {
    e.Form.ThicknessCheckBox.checked = true;
    e.Form.SideCutsCheckBox.checked = true;
    Calculate(kLayoutCone, {{"ConeTopDiameter", "10"},
                            {"ConeBottomDiameter", "20"},
                            {"ConeHeight", "10"},
                            {"ThicknessEdit", "0.25"},
                            {"Overlap", "1"},
                            {"TopArcLengthEdit", "4"},
                            {"BottomArcLengthEdit", "8"}});
    const auto page = Print("cuts.pdf");
    const std::string thickness = PositionOf(page, "Thickness: 0.25 in");
    const std::string cut = PositionOf(page, "Top Cut Width: [\\d.]+ in");
    const std::string arc = PositionOf(page, "Top Arc Length: 4 in");
    ASSERT_FALSE(thickness.empty());
    ASSERT_FALSE(cut.empty());
    ASSERT_FALSE(arc.empty());
    const auto y = [](const std::string& at) { return std::stod(at.substr(at.find(' ') + 1)); };
    EXPECT_GT(y(thickness), y(cut)); // the page's y runs upward
    EXPECT_GT(y(cut), y(arc));
    std::set<std::string> places;
    static const std::regex td(R"((\d+ [\d.]+) Td)");
    for (auto it = std::sregex_iterator(page.content.begin(), page.content.end(), td);
         it != std::sregex_iterator(); ++it)
        EXPECT_TRUE(places.insert(it->str(1)).second) << "two texts at " << it->str(1);
}

TEST_F(DataSheet, AFileThatCannotBeWrittenIsReported) {
    Calculate(kLayoutCone,
              {{"ConeTopDiameter", "10"}, {"ConeBottomDiameter", "20"}, {"ConeHeight", "10"}});
    const std::string path = (dir / "missing" / "x.pdf").string();
    PdfPrinter printer(path);
    e.PrintDataSheet(printer);
    EXPECT_FALSE(printer.Written());
    EXPECT_NE(printer.LastError().find(path), std::string::npos);
    EXPECT_FALSE(fs::exists(path));
}
