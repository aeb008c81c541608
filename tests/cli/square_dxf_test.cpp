// The square-to-round flat pattern, written as DXF by brevant-cli, opens in an independent DXF
// library without audit errors and measures what the result display says; the run's JSON
// carries the generator table and the report is written.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/external_dxf_fixture.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

using brevant::testing::ExternalDxfTest;

// Prints the audit's error count and the extents of the lines of layers 1 and 8.
constexpr const char* kMeasureScript = R"(
import sys, json, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
ext = {}
for e in doc.modelspace():
    if e.dxftype() != "LINE":
        continue
    box = ext.setdefault(e.dxf.layer, [1e300, 1e300, -1e300, -1e300, 0])
    for p in (e.dxf.start, e.dxf.end):
        box[0], box[1] = min(box[0], p.x), min(box[1], p.y)
        box[2], box[3] = max(box[2], p.x), max(box[3], p.y)
    box[4] += 1
print(json.dumps({"errors": len(auditor.errors), "extents": ext}))
)";

class SquareDxf : public ExternalDxfTest {
protected:
    SquareDxf() : ExternalDxfTest(kMeasureScript) {}

    void Develop(const std::string& units, const std::string& sets) {
        const std::string dxf = PathOf("flat.dxf");
        report = PathOf("bends.txt");
        window = RunCli("--type square --units " + units + " " + sets + " --flat-cad '" + dxf +
                        "' --report '" + report + "'");
        ASSERT_FALSE(window.is_discarded());
        ASSERT_EQ(window["code"], 0) << window["messages"].dump();
        ASSERT_TRUE(window["outputs"][0]["written"]);
        ASSERT_TRUE(window["outputs"][1]["written"]);
        measured = Measure(dxf);
        ASSERT_FALSE(measured.is_discarded());
        EXPECT_EQ(measured["errors"], 0);
    }
    double Label(const char* name) { return std::stod(window["labels"][name].get<std::string>()); }
    double Extent(const char* layer, int from, int to) {
        const auto& box = measured["extents"][layer];
        return box[to].get<double>() - box[from].get<double>();
    }

    json window, measured;
    std::string report;
};

TEST_F(SquareDxf, WholeAndHalfPatternsMeasureTheDisplayedSize) {
    struct Case {
        const char* units;
        const char* sets;
    } cases[] = {
        {"in", "--set SquareTopDiameter=10 --set SquareWidth=20 --set SquareLength=16 "
               "--set SquareHeight=12 --set BendsPerCorner=6"},
        {"mm", "--set SquareTopDiameter=254 --set SquareWidth=508 --set SquareLength=406.4 "
               "--set SquareHeight=304.8 --set BendsPerCorner=6 --set SquareHalfPattern=1"},
        {"in", "--set SquareTopDiameter=10 --set SquareWidth=20 --set SquareHeight=12 "
               "--set SquareTopXShift=2 --set SquareTopAngle=20"},
    };
    for (const auto& c : cases) {
        Develop(c.units, c.sets);
        EXPECT_NEAR(Extent("1", 0, 2), Label("WidthX"), 2e-4 * Label("WidthX")) << c.sets;
        EXPECT_NEAR(Extent("1", 1, 3), Label("HeightY"), 2e-4 * Label("HeightY")) << c.sets;
        EXPECT_NEAR(Extent("8", 0, 2), Label("WidthX"), 2e-4 * Label("WidthX")) << c.sets;
        EXPECT_EQ(measured["extents"]["8"][4], 4) << c.sets;
        const auto& table = window["results"]["SquareToRound"]["TTrueLengthArray"];
        const int count = window["results"]["BendsPerCorner"].get<int>() * 4;
        ASSERT_EQ(static_cast<int>(table.size()), count);
        for (const auto& g : table) {
            const double dx = g["top_x"].get<double>() - g["bot_x"].get<double>();
            const double dy = g["top_y"].get<double>() - g["bot_y"].get<double>();
            const double dz = g["top_z"].get<double>() - g["bot_z"].get<double>();
            EXPECT_NEAR(g["length"].get<double>(), std::sqrt(dx * dx + dy * dy + dz * dz), 1e-4);
        }
        std::ifstream in(report);
        int lines = 0;
        for (std::string line; std::getline(in, line);)
            ++lines;
        EXPECT_EQ(lines, 6 + count) << c.sets;
    }
}

} // namespace
