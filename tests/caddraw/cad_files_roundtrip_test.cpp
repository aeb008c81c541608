// A drawing written as CDL, DXF and IGES reads back to the same geometry and attributes.
#include "cad_files_fixture.h"
#include "caddraw/cad_colors.h"
#include "caddraw/cdl_format.h"
#include "caddraw/dxf_format.h"
#include "caddraw/iges_format.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include <sys/resource.h>

namespace brevant {
namespace {

using test::AddArc;
using test::AddLine;
using test::AddPoint;

// The written number text keeps 4 decimals; IGES arcs come back through their end points, so
// their angles carry the rounding of those points.
constexpr double kTolerance = 1e-3;
constexpr double kAngleTolerance = 0.01;

struct Format {
    const char* name;
    int cad_type;
    bool keeps_line_style;           // DXF writes no line style; IGES only tells 2 from 1
    std::vector<TColor> kept_colors; // palette colours that come back unchanged
};

const std::vector<TColor> kAllPalette = {kColorBlack,  kColorNavy,    kColorBlue,   kColorGreen,
                                         kColorTeal,   kColorLime,    kColorCyan,   kColorMaroon,
                                         kColorPurple, kColorOlive,   kColorGrey,   kColorSilver,
                                         kColorRed,    kColorMagenta, kColorYellow, kColorWhite};

const Format kFormats[] = {
    {"CDL", 1, true, kAllPalette},
    {"DXF",
     2,
     false,
     {kColorNavy, kColorBlue, kColorGreen, kColorTeal, kColorLime, kColorCyan, kColorMaroon,
      kColorPurple, kColorOlive, kColorGrey, kColorSilver, kColorRed, kColorMagenta, kColorYellow,
      kColorWhite}},
    {"IGES",
     3,
     false,
     {kColorBlack, kColorBlue, kColorLime, kColorCyan, kColorRed, kColorMagenta, kColorYellow,
      kColorWhite}},
};

void Write(const TCadDraw& view, int cad_type, std::ostream& out) {
    if (cad_type == 1) WriteCdl(out, view.Elements(), view.CadSettings());
    if (cad_type == 2) WriteDxf(out, view.Elements(), view.CadSettings());
    if (cad_type == 3) WriteIges(out, view.Elements(), view.CadSettings(), "roundtrip");
}

void Read(TCadDraw& view, int cad_type, std::istream& in) {
    if (cad_type == 1) ReadCdl(in, view);
    if (cad_type == 2) ReadDxf(in, view);
    if (cad_type == 3) ReadIges(in, view);
}

// One point, line and arc per palette colour, on layers 1 to 16, with styles 1 and 2.
void BuildDrawing(TCadDraw& view, const std::vector<TColor>& colors) {
    int layer = 1;
    for (TColor color : colors) {
        const double k = layer;
        const int style = layer % 2 == 0 ? 2 : 1;
        AddPoint(view, k, -k / 3, 0, color, layer);
        AddLine(view, {k, 0.25, 0, -k * 2.5, 10.125, 0}, color, layer, style);
        AddArc(view, {k, -k, 0, 1 + k / 8, 30 + k, 200 + k}, color, layer, style);
        ++layer;
    }
}

void ExpectSameElements(const TCadDraw& written, const TCadDraw& read, const Format& format) {
    ASSERT_EQ(read.Elements().Count(), written.Elements().Count()) << format.name;
    for (int i = 0; i < written.Elements().Count(); ++i) {
        const TElement& a = written.Elements()[i];
        const TElement& b = read.Elements()[i];
        SCOPED_TRACE(std::string(format.name) + " element " + std::to_string(i));
        EXPECT_EQ(b.Etype, a.Etype);
        EXPECT_EQ(b.Layer, a.Layer);
        EXPECT_EQ(b.LineColor, a.LineColor);
        if (format.keeps_line_style) {
            EXPECT_EQ(b.linetype, a.linetype);
        }
        for (int c = 1; c <= 6; ++c) {
            const bool angle = a.Etype == kElementArc && c >= 5;
            EXPECT_NEAR(b.Coord(c), a.Coord(c), angle ? kAngleTolerance : kTolerance) << c;
        }
    }
}

TEST(CadFileRoundTrip, PointsLinesArcsLayersStylesColours) {
    for (const Format& format : kFormats) {
        TCadDraw written;
        BuildDrawing(written, format.kept_colors);
        std::stringstream file;
        Write(written, format.cad_type, file);
        TCadDraw read;
        Read(read, format.cad_type, file);
        ExpectSameElements(written, read, format);
    }
}

TEST(CadFileRoundTrip, LineStylesThroughIgesAreSolidOrDotted) {
    TCadDraw written;
    AddLine(written, {0, 0, 0, 1, 1, 0}, kColorRed, 1, 2);
    AddLine(written, {0, 0, 0, 1, 1, 0}, kColorRed, 1, 22);
    AddLine(written, {0, 0, 0, 1, 1, 0}, kColorRed, 1, 3);
    std::stringstream file;
    Write(written, 3, file);
    TCadDraw read;
    Read(read, 3, file);
    ASSERT_EQ(read.Elements().Count(), 3);
    EXPECT_EQ(read.Elements()[0].linetype, 2);
    EXPECT_EQ(read.Elements()[1].linetype, 2);
    EXPECT_EQ(read.Elements()[2].linetype, 1);
}

TEST(CadFileRoundTrip, CirclesComeBackAsFullArcs) {
    for (int cad_type : {1, 2}) {
        TCadDraw written;
        written.AddElement(kElementCircle, kColorRed, {4, 5, 0, 2, 0, 0}, 0, 1, 3, 0, {}, 1);
        std::stringstream file;
        Write(written, cad_type, file);
        TCadDraw read;
        Read(read, cad_type, file);
        ASSERT_EQ(read.Elements().Count(), 1) << cad_type;
        const TElement& arc = read.Elements()[0];
        EXPECT_EQ(arc.Etype, kElementArc);
        EXPECT_EQ(arc.Coords, (TCoords{4, 5, 0, 2, 0, 360}));
        EXPECT_EQ(arc.Layer, 3);
    }
}

// Saving and loading through files: the member functions pick the format by CadType.
class CadFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("brevant_cad_files_" +
                   std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string Path(const std::string& name) const { return (folder_ / name).string(); }

    static std::string Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::filesystem::path folder_;
};

TEST_F(CadFileOnDisk, SaveAndLoadEachFormat) {
    for (const Format& format : kFormats) {
        TCadDraw written;
        BuildDrawing(written, format.kept_colors);
        written.CadSettings().cad_type = format.cad_type;
        const std::string path = Path(std::string("drawing.") + format.name);
        std::ofstream(path, std::ios::binary) << "an older drawing"; // replaced by the save
        ASSERT_TRUE(written.SaveToFile(path)) << written.LastError();
        EXPECT_EQ(written.CadSettings().cdl_filename, path);
        TCadDraw read;
        read.CadSettings().cad_type = format.cad_type;
        read.CadSettings().current_plot_window = 3;
        ASSERT_TRUE(read.LoadFromFile(path)) << read.LastError();
        ExpectSameElements(written, read, format);
        EXPECT_EQ(read.CadSettings().current_plot_window, 3);
        EXPECT_LT(read.CadSettings().min_x, read.CadSettings().max_x); // extents recomputed
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 3)
        << "no temporary file is left behind";
}

TEST_F(CadFileOnDisk, LoadingReplacesTheDrawingAndResetsWindows) {
    const std::string path = Path("views.cdl");
    std::ofstream(path, std::ios::binary)
        << "VIEW   3,1,0,0,0,1,0,0,0,1\r\nPOINT  1.0,2.0,.0,12,1,0\r\n";
    TCadDraw view;
    AddLine(view, {0, 0, 0, 1, 1, 0}, kColorRed, 1);
    view.CadSettings().merge_cad = true;
    view.CadSettings().cad_type = 7;
    ASSERT_TRUE(view.LoadFromFile(path));
    EXPECT_EQ(view.CadSettings().cad_type, 1);
    EXPECT_FALSE(view.CadSettings().merge_cad);
    ASSERT_EQ(view.Elements().Count(), 1);
    EXPECT_EQ(view.Elements()[0].Etype, kElementPoint);
    const auto& arc_view = view.CadSettings().arc_view;
    EXPECT_EQ(arc_view[1].flag, 1);
    EXPECT_EQ(arc_view[2].flag, 0);
    EXPECT_EQ(arc_view[3].flag, 1);
    EXPECT_EQ(arc_view[3].m[0][0], 1);
    EXPECT_EQ(arc_view[4].flag, 0);
}

TEST_F(CadFileOnDisk, MissingFileChangesNothingAndIsReported) {
    TCadDraw view;
    AddLine(view, {0, 0, 0, 1, 1, 0}, kColorRed, 1);
    const std::string path = Path("absent.dxf");
    EXPECT_FALSE(view.LoadFromFile(path));
    EXPECT_NE(view.LastError().find(path), std::string::npos) << view.LastError();
    EXPECT_EQ(view.Elements().Count(), 1);
    EXPECT_EQ(view.CadSettings().arc_view[2].flag, 1);
    // A folder is not a file either.
    EXPECT_FALSE(view.LoadFromFile(folder_.string()));
}

TEST_F(CadFileOnDisk, FailedSaveKeepsTheOldFileAndNamesTheReason) {
    // A folder at the target: the write fails before any file is opened.
    const std::string path = Path("taken.dxf");
    std::filesystem::create_directories(path + "/inside");
    TCadDraw view;
    view.CadSettings().cad_type = 2;
    EXPECT_FALSE(view.SaveToFile(path));
    EXPECT_NE(view.LastError().find(path), std::string::npos) << view.LastError();
    EXPECT_NE(view.LastError().find("it is a folder"), std::string::npos) << view.LastError();
    EXPECT_TRUE(std::filesystem::exists(path + "/inside"));
    EXPECT_TRUE(view.CadSettings().cdl_filename.empty()) << "the file was never open";
}

TEST_F(CadFileOnDisk, SaveIntoMissingFolderFails) {
    TCadDraw view;
    const std::string path = Path("no/such/folder/x.cdl");
    EXPECT_FALSE(view.SaveToFile(path));
    EXPECT_NE(view.LastError().find(path), std::string::npos);
    EXPECT_NE(view.LastError().find("No such file"), std::string::npos) << view.LastError();
}

TEST_F(CadFileOnDisk, WriteErrorIsReportedAndOldFileSurvives) {
    // A file size limit refuses the data the way a full disk does.
    const std::string path = Path("full.cdl");
    std::ofstream(path, std::ios::binary) << "old";
    TCadDraw view;
    for (int i = 0; i < 20000; ++i)
        AddPoint(view, i, i, 0, kColorRed, 1);
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 50000;
    auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = view.SaveToFile(path);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved);
    EXPECT_NE(view.LastError().find("File too large"), std::string::npos) << view.LastError();
    EXPECT_EQ(Contents(path), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1)
        << "no temporary file is left behind";
}

} // namespace
} // namespace brevant
