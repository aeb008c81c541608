// The dimension report: exact text of the cone and cylinder listings, units, locale, the pages
// that write nothing, and write failures.
#include "layouts/cone/cone_pattern_fixture.h"
#include "layouts/cone/dimension_report.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace brevant {
namespace {

using test::ConePatternFixture;
namespace fs = std::filesystem;

size_t CountNumbered(const std::vector<std::string>& lines, size_t from, size_t to) {
    size_t n = 0;
    for (size_t i = from; i < to && i < lines.size(); ++i)
        n += lines[i].rfind("(", 0) == 0;
    return n;
}

struct ReportFixture : ConePatternFixture {
    fs::path folder;
    fs::path file;
    explicit ReportFixture(const std::string& name)
        : folder(test::TestFolder(name)), file(folder / "part.txt") {
        host.saveAnswer = file.string();
    }
    std::vector<std::string> Report() {
        e.MenuDimensionFileClick();
        return test::SplitCrLf(test::ReadFile(file));
    }
};

TEST(DimensionReport, RegularConeListsFortyPointsPerRingExactly) {
    ReportFixture f("regular");
    f.Calculate("10", "20", "10");
    const std::string text = (f.Report(), test::ReadFile(f.file));
    const auto lines = test::SplitCrLf(text);
    // Every line ends with CR LF: no bare line feed anywhere.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'),
              std::count(text.begin(), text.end(), '\r'));
    ASSERT_EQ(lines.size(), 91u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "Flat Pattern Coordinates");
    EXPECT_EQ(lines[2], "Inches");
    EXPECT_EQ(lines[3], "***************");
    EXPECT_EQ(lines[4], "Top of cone");
    EXPECT_EQ(lines[5], "start angle=0.00 deg,  dist=11.18, X=11.18, Y=0.00");
    EXPECT_EQ(lines[6].rfind("(1) angle=4.02 deg,  dist=11.18, X=", 0), 0u) << lines[6];
    // Forty chords of the top circle develop to a little less than the sector's 161 degrees.
    EXPECT_EQ(lines[45].rfind("(40) angle=160.86 deg,  dist=11.18, X=", 0), 0u) << lines[45];
    EXPECT_EQ(lines[46].rfind("end angle=161.00 deg,  dist=11.18, X=", 0), 0u) << lines[46];
    EXPECT_EQ(lines[47], "****************");
    EXPECT_EQ(lines[48], "Bottom of cone");
    EXPECT_EQ(lines[49], "start angle=0.00 deg,  dist=22.36, X=22.36, Y=0.00");
    EXPECT_EQ(CountNumbered(lines, 5, 47), 40u);
    EXPECT_EQ(CountNumbered(lines, 49, lines.size()), 40u);
    // The pattern on screen stays and no temporary file stays behind.
    EXPECT_FALSE(test::LinesOnLayer(f.e.CadDraw1, 1).empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(f.folder), fs::directory_iterator()), 1);
    ASSERT_EQ(f.host.saves.size(), 1u);
    EXPECT_EQ(f.host.saves[0].title, "Save Dimension File");
    EXPECT_EQ(f.host.saves[0].defaultExtension, "txt");
}

TEST(DimensionReport, BendLinesGiveOnePointPerDegree) {
    ReportFixture f("bends");
    f.e.Form.ConeBendLinesCheckBox.checked = true;
    f.e.Form.BendConeSpinBox.SetValue(4);
    f.Calculate("10", "20", "10");
    const auto lines = f.Report();
    EXPECT_EQ(CountNumbered(lines, 0, lines.size()), 720u);
}

TEST(DimensionReport, UnitsAndLocaleShapeTheNumbers) {
    ReportFixture f("units");
    f.e.Form.UnitsComboBox.itemIndex = 1;
    f.e.App.LocaleDecimalSeparator = ',';
    f.e.App.CurrentDefinitionName = "funnel";
    f.Calculate("25,4", "50,8", "25,4");
    const auto lines = f.Report();
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0], "funnel");
    EXPECT_EQ(lines[2], "Centimeters");
    EXPECT_EQ(lines[5], "start angle=0,00 deg,  dist=28,40, X=28,40, Y=0,00");
}

TEST(DimensionReport, ObliqueCylinderListsBothCutCurvesFromTheMaterialBottom) {
    ReportFixture f("cylinder");
    f.Calculate("10", "10", "20", "", "", "30");
    const auto lines = f.Report();
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ(lines[3], "***************");
    EXPECT_EQ(lines[4], "Top edge of cylinder - from material bottom");
    // A straight top: its two ends at the full height above the lowest bottom point.
    // Bottom point 0 stands tan(30) x 5 = 2.89 below the bottom centre.
    EXPECT_EQ(lines[5], "(0) X=0.00, Y=22.89");
    EXPECT_EQ(lines[6], "(1) X=31.42, Y=22.89");
    EXPECT_EQ(lines[7], "**********************");
    EXPECT_EQ(lines[8], "Bottom edge of cylinder - from material bottom");
    EXPECT_EQ(lines[9], "(0) X=0.00, Y=0.00");
    EXPECT_EQ(lines[29], "(20) X=15.71, Y=5.77");
    EXPECT_EQ(lines[49], "(40) X=31.42, Y=0.00");
    EXPECT_EQ(lines.size(), 50u);
}

TEST(DimensionReport, TiltedTopListsEveryPointAndCloses) {
    ReportFixture f("tiltedtop");
    f.Calculate("10", "10", "20", "", "30");
    const auto lines = f.Report();
    ASSERT_GE(lines.size(), 47u);
    EXPECT_EQ(lines[5], "(0) X=0.00, Y=17.11");
    EXPECT_EQ(lines[45], "(40) X=31.42, Y=17.11");
    EXPECT_EQ(CountNumbered(lines, 0, lines.size()), 82u);
}

TEST(DimensionReport, StraightCylinderAndCancelWriteNothing) {
    ReportFixture f("nothing");
    f.Calculate("10", "10", "20");
    f.e.MenuDimensionFileClick();
    EXPECT_FALSE(fs::exists(f.file));
    f.host.saveAnswer.clear();
    f.Calculate("10", "20", "10");
    f.e.MenuDimensionFileClick();
    EXPECT_FALSE(fs::exists(f.file));
    EXPECT_FALSE(test::LinesOnLayer(f.e.CadDraw1, 1).empty()); // recalculated all the same
}

TEST(DimensionReport, SpiralAndPipePagesAreNotImplemented) {
    const std::pair<int, const char*> pages[] = {{2, "Not implemented for Spiral"},
                                                 {3, "Not implemented for Pipe"}};
    for (auto [page, message] : pages) {
        ReportFixture f("pages");
        f.e.Form.DimTabPage = page;
        f.e.MenuDimensionFileClick();
        ASSERT_EQ(f.host.messages.size(), 1u);
        EXPECT_EQ(f.host.messages[0].title, message);
        EXPECT_TRUE(f.host.saves.empty());
    }
}

TEST(DimensionReport, ExistingFileIsReplacedWhole) {
    ReportFixture f("replace");
    {
        std::ofstream old(f.file, std::ios::binary);
        old << std::string(100000, 'x');
    }
    f.host.answer = kResultYes; // "Overwrite existing file?"
    f.Calculate("10", "20", "10");
    const auto lines = f.Report();
    EXPECT_EQ(lines.size(), 91u);
    EXPECT_EQ(test::ReadFile(f.file).find('x'), std::string::npos);
}

TEST(DimensionReport, UnwritableFileGivesAMessageNamingIt) {
    ReportFixture f("unwritable");
    const fs::path bad = f.folder / "missing" / "part.txt";
    f.host.saveAnswer = bad.string();
    f.Calculate("10", "20", "10");
    f.host.messages.clear();
    f.e.MenuDimensionFileClick();
    EXPECT_FALSE(fs::exists(bad));
    EXPECT_NE(f.e.LastIOError().find(bad.string()), std::string::npos);
    ASSERT_FALSE(f.host.messages.empty());
    EXPECT_NE(f.host.messages[0].title.find(bad.string()), std::string::npos);
}

} // namespace
} // namespace brevant
