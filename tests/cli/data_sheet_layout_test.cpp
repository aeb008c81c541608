// The data sheet of brevant-cli keeps its texts and its drawings apart: no word that pdftotext
// finds on the page lies within the extent of a drawing's lines, the flat pattern's print and
// the sheet's print do not overlap, and everything stays on the page.
#include "support/pdf_inspect.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A box in points, y downward from the top of the page (pdftotext's way).
struct Box {
    double x0, y0, x1, y1;
    std::string what;
    bool Overlaps(const Box& b) const { return x0 < b.x1 && b.x0 < x1 && y0 < b.y1 && b.y0 < y1; }
};

std::string Describe(const Box& b) {
    return b.what + " [" + std::to_string(b.x0) + ", " + std::to_string(b.y0) + " - " +
           std::to_string(b.x1) + ", " + std::to_string(b.y1) + "]";
}

// The words of the page with their boxes, as pdftotext -bbox reports them.
std::vector<Box> Words(const std::string& pdf) {
    const std::string html = pdf + ".html";
    const std::string command = "pdftotext -bbox '" + pdf + "' '" + html + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
    const std::string text = brevant::testing::ReadBytes(html);
    static const std::regex word(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" )re"
                                 R"re(yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<Box> words;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), word);
         it != std::sregex_iterator(); ++it)
        words.push_back({std::stod(it->str(1)), std::stod(it->str(2)), std::stod(it->str(3)),
                         std::stod(it->str(4)), it->str(5)});
    return words;
}

// The drawings of the page: the lines stroked between two texts belong together (a rule, the
// flat pattern's print, the sheet's print); their extent, turned to y downward.
std::vector<Box> Drawings(const brevant::testing::PdfPageView& page) {
    const double height = page.mediaBox.at(3);
    std::vector<Box> drawings;
    static const std::regex segment(R"(([-\d.]+) ([-\d.]+) m\r\n([-\d.]+) ([-\d.]+) l\r\n)");
    std::size_t start = 0;
    while (start < page.content.size()) {
        std::size_t end = page.content.find("BT\r\n", start);
        if (end == std::string::npos) end = page.content.size();
        const std::string run = page.content.substr(start, end - start);
        Box box{1e9, 1e9, -1e9, -1e9, "lines"};
        int count = 0;
        for (auto it = std::sregex_iterator(run.begin(), run.end(), segment);
             it != std::sregex_iterator(); ++it, ++count)
            for (int p : {1, 3}) {
                const double x = std::stod(it->str(p)), y = height - std::stod(it->str(p + 1));
                box = {std::min(box.x0, x), std::min(box.y0, y), std::max(box.x1, x),
                       std::max(box.y1, y), "lines"};
            }
        if (count > 0) {
            box.what = std::to_string(count) + " lines";
            drawings.push_back(box);
        }
        start = end + 4;
    }
    return drawings;
}

struct SheetCase {
    const char* name;
    std::string arguments;
    std::size_t drawings; // runs of lines: rules and prints
};

std::string Example(const char* name) {
    return std::string("'") + BREVANT_SOURCE_DIR + "/examples/" + name + "' ";
}

const SheetCase kCases[] = {
    // The date rule, the flat pattern and the nested sheet.
    {"hopper cone with its sheet", Example("hopper-cone.layout") + "--type cone", 3},
    {"cone with thickness, side cuts and overlap",
     Example("hopper-cone.layout") +
         "--type cone --set ShowThickness=1 --set MaterialThickness=0.25 --set ShowSideCut=1 "
         "--set TopCutWidth=4 --set BottomCutWidth=8 --set Overlap=1",
     3},
    {"tall sheet",
     Example("hopper-cone.layout") + "--type cone --set SheetWidth=48 "
                                     "--set SheetHeight=240",
     3},
    {"offset reducer", Example("offset-reducer.layout") + "--type cone --units mm", 3},
    {"mitred cylinder", Example("mitred-cylinder.layout") + "--type cone", 3},
    // The date rule, the rule under "Results:" and the flat pattern.
    {"square to round", Example("square-to-round.layout") + "--type square", 3},
    {"conveyor flight", Example("conveyor-flight.layout") + "--type spiral", 3},
    {"branch pipe", Example("branch-pipe.layout") + "--type pipe", 3},
    {"lobster elbow with thickness",
     Example("lobster-elbow.layout") +
         "--type elbow --set ShowThickness=1 --set MaterialThickness=0.1",
     3},
    // The date rule and the flat pattern.
    {"offset hopper", Example("offset-hopper.layout") + "--type transition", 2},
};

class DataSheetLayout : public ::testing::TestWithParam<SheetCase> {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("brevant-sheet-layout-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_P(DataSheetLayout, TextsStayOffTheDrawings) {
    const SheetCase& c = GetParam();
    const std::string pdf = (dir_ / "sheet.pdf").string();
    const std::string command = std::string("'") + BREVANT_CLI_PATH + "' " + c.arguments +
                                " --data-sheet '" + pdf + "' >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const brevant::testing::PdfView view(brevant::testing::ReadBytes(pdf));
    ASSERT_EQ(view.Pages().size(), 1u);
    const auto& page = view.Pages()[0];
    const std::vector<Box> words = Words(pdf);
    const std::vector<Box> drawings = Drawings(page);
    ASSERT_GT(words.size(), 10u);
    ASSERT_EQ(drawings.size(), c.drawings);
    const Box sheet{0, 0, page.mediaBox[2], page.mediaBox[3], "page"};
    for (std::size_t i = 0; i < drawings.size(); ++i) {
        const Box& d = drawings[i];
        EXPECT_TRUE(d.x0 >= 0 && d.y0 >= 0 && d.x1 <= sheet.x1 && d.y1 <= sheet.y1)
            << Describe(d) << " leaves the page";
        for (const Box& w : words)
            EXPECT_FALSE(w.Overlaps(d))
                << "\"" << w.what << "\" " << Describe(w) << " over " << Describe(d);
        for (std::size_t j = i + 1; j < drawings.size(); ++j)
            EXPECT_FALSE(d.Overlaps(drawings[j]))
                << Describe(d) << " and " << Describe(drawings[j]);
    }
}

INSTANTIATE_TEST_SUITE_P(Parts, DataSheetLayout, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string n = info.param.name;
    for (char& ch : n)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return n;
});

} // namespace
