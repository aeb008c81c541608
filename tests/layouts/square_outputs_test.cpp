// The outputs of the square page: the bend-angle report of "Dimension File", byte for byte, and
// the flat pattern saved as CAD in the display unit.
#include "core/number_format.h"
#include "layouts/square/square_display.h"
#include "square_fixture.h"
#include "support/kinds.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>

namespace brevant::testing {
namespace {

namespace fs = std::filesystem;

struct V {
    double x, y, z;
};
V Sub(const TDPoint& a, const TDPoint& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
V Cross(const V& a, const V& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double Dot(const V& a, const V& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// The angle between the faces (bottom, top, r1) and (bottom, top, r2) from their normals.
double FaceAngle(const TSquarePoints& g, const TSquarePoints& r1, const TSquarePoints& r2) {
    const TDPoint b = BottomPointOf(g), t = TopPointOf(g);
    const V axis = Sub(t, b);
    const V n1 = Cross(axis, Sub(TopPointOf(r1), b)), n2 = Cross(axis, Sub(TopPointOf(r2), b));
    return std::acos(Dot(n1, n2) / std::sqrt(Dot(n1, n1) * Dot(n2, n2))) * 180 / std::numbers::pi;
}

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class SquareOutputs : public SquareTest {
protected:
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir = [] {
        const fs::path d =
            fs::temp_directory_path() / ("brevant-square-out-" + std::to_string(::getpid()));
        fs::create_directories(d);
        return d;
    }();
};

TEST_F(SquareOutputs, DimensionFileWritesTheBendAnglesByteForByte) {
    e.App.CurrentDefinitionName = "hopper";
    e.App.LocaleDecimalSeparator = ',';
    e.Form.UnitsComboBox.itemIndex = kCentimeters;
    ASSERT_EQ(Calculate("25.4", "50.8", "40.64", "30.48", "", "", ""), kDriverDone);
    const auto& t = SquareOf(e).Square.Model.Generators;
    ASSERT_EQ(t.size(), 16u);
    // Twins look past each other: generators 0 and 1 both reach to 15 and 2.
    auto neighbours = [](int k) -> std::pair<int, int> {
        if (k % 4 <= 1) return {(k / 4 * 4 + 15) % 16, (k / 4 * 4 + 2) % 16};
        return {k - 1, (k + 1) % 16};
    };
    std::string expected = "hopper\r\nBend Angles For Square to Round\r\nCentimeters\r\n"
                           "***************\r\nFirst Bend is at Zero Degrees\r\n"
                           "(right side in top view of model, going counter-clockwise)\r\n";
    for (int line = 1; line <= 16; ++line) {
        const int k = line % 16;
        const auto [p, n] = neighbours(k);
        expected += "(" + std::to_string(line) + ") Bend Angle=" +
                    FormatFixed(FaceAngle(t[size_t(k)], t[size_t(p)], t[size_t(n)]), 2, ',') +
                    "\r\n";
    }
    const fs::path file = dir / "bends.txt";
    host.files = {file.string()};
    e.MenuDimensionFileClick();
    ASSERT_EQ(host.saveRequests.size(), 1u);
    EXPECT_EQ(host.saveRequests[0].title, "Save Dimension File");
    EXPECT_EQ(ReadAll(file), expected);
    // A cancelled dialog writes nothing.
    fs::remove(file);
    e.MenuDimensionFileClick();
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(SquareOutputs, ACoplanarJointReportsAStraightBend) {
    // Generator 2's neighbours lie in one plane with it: a flat joint.
    TTrueLengthArray t(16);
    for (int k = 0; k < 16; ++k)
        t[size_t(k)] = {float(k), -10, 0, 0, 0, 5, 0, 0, k};
    EXPECT_NEAR(SquareBendAngles(t, 4)[2], 180, 1e-3);
    EXPECT_NE(SquareBendReportText(t, 4, "", kInches, '.').find("(2) Bend Angle=180.00\r\n"),
              std::string::npos);
}

TEST_F(SquareOutputs, NoReportBeforeACalculation) {
    const fs::path file = dir / "empty.txt";
    host.files = {file.string()};
    host.messages.clear();
    e.MenuDimensionFileClick();
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(host.Titles(), std::vector<std::string>{kMsgCalculateFirst});
}

TEST_F(SquareOutputs, FlatPatternCadIsWrittenInTheDisplayUnitAndTheViewReturnsToInches) {
    e.Form.UnitsComboBox.itemIndex = kMillimeters;
    ASSERT_EQ(Calculate("254", "508", "406.4", "304.8", "", "", ""), kDriverDone);
    const double width = SquareOf(e).Square.BoxWidth;
    const std::string label = e.Form.WidthX.text;
    const fs::path file = dir / "flat.dxf";
    host.files = {file.string()};
    e.MenuSaveFlatCADClick();
    ASSERT_TRUE(fs::exists(file));
    TCadDraw saved;
    saved.CadSettings().cad_type = 2; // DXF
    ASSERT_TRUE(saved.LoadFromFile(file.string()));
    double minX = 1e300, maxX = -1e300;
    const TElements& list = saved.Elements();
    for (int i = 0; i < list.Count(); ++i)
        if (list[i].Etype == kElementLine && list[i].Layer == 1)
            for (int k : {1, 4}) {
                minX = std::min(minX, list[i].Coord(k));
                maxX = std::max(maxX, list[i].Coord(k));
            }
    EXPECT_NEAR(maxX - minX, width * 25.4, 1e-2);
    EXPECT_NEAR(maxX - minX, std::stod(label), 1e-2);
    // Recalculated in inches afterwards.
    EXPECT_NEAR(SquareOf(e).Square.BoxWidth, width, 1e-9);
    EXPECT_EQ(e.Form.WidthX.text, label);
}

} // namespace
} // namespace brevant::testing
