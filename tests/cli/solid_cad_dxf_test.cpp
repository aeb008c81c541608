// The 3D wire frame written by brevant-cli --solid-cad opens in an independent DXF library
// without audit errors, and its generators measure the part's true side lengths in the
// display unit.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/external_dxf_fixture.h"

#include <cmath>
#include <string>

using nlohmann::json;

namespace {

using brevant::testing::ExternalDxfTest;

// Prints the audit's error count, the number of points and each line's 3D length in order.
constexpr const char* kMeasureScript = R"(
import sys, json, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
lengths, points = [], 0
for e in doc.modelspace():
    if e.dxftype() == "LINE":
        lengths.append((e.dxf.end - e.dxf.start).magnitude)
    elif e.dxftype() == "POINT":
        points += 1
print(json.dumps({"errors": len(auditor.errors), "points": points, "lengths": lengths}))
)";

class SolidCadDxf : public ExternalDxfTest {
protected:
    SolidCadDxf() : ExternalDxfTest(kMeasureScript) {}
};

TEST_F(SolidCadDxf, GeneratorsMeasureThePartsSideLength) {
    struct Case {
        const char* name;
        std::string args;
        size_t lines, points;
        size_t generatorStride; // generators at 0, stride, 2 stride, ...
        size_t generators;
        double length; // of every generator, display unit
    };
    const double slant = std::sqrt(10.0 * 10.0 + 5.0 * 5.0);
    const Case cases[] = {
        {"cone", "--type cone --set TopDiameter=10 --set BottomDiameter=20 --set ConeHeight=10",
         120, 2, 3, 40, slant},
        {"cone in mm",
         "--type cone --units mm --set TopDiameter=254 --set BottomDiameter=508 "
         "--set ConeHeight=254",
         120, 2, 3, 40, 25.4 * slant},
        {"cylinder", "--type cone --set TopDiameter=8 --set BottomDiameter=8 --set ConeHeight=15",
         120, 2, 3, 40, 15},
        // Sixteen generators (their lengths come from the model; here only the file is read).
        {"square to round",
         "--type square --set SquareTopDiameter=6 --set SquareWidth=12 --set SquareHeight=8", 48, 2,
         3, 0, 0},
        // A level strip from the shaft to the flight's edge: (OD - ID) / 2.
        {"spiral", "--type spiral --set SpiralOD=21 --set SpiralID=8 --set SpiralPitch=12", 121, 0,
         1, 41, 6.5},
    };
    for (const Case& c : cases) {
        const std::string file = PathOf("solid.dxf");
        const json window = RunCli(c.args + " --solid-cad '" + file + "'");
        ASSERT_FALSE(window.is_discarded()) << c.name;
        ASSERT_TRUE(window["outputs"][0]["written"]) << c.name;
        EXPECT_EQ(window["outputs"][0]["command"], "solid-cad");
        const json m = Measure(file);
        ASSERT_FALSE(m.is_discarded()) << c.name;
        EXPECT_EQ(m["errors"], 0) << c.name;
        EXPECT_EQ(m["points"], c.points) << c.name;
        ASSERT_EQ(m["lengths"].size(), c.lines) << c.name;
        for (size_t k = 0; k < c.generators; ++k)
            EXPECT_NEAR(m["lengths"][k * c.generatorStride].get<double>(), c.length,
                        1e-4 * c.length)
                << c.name << " generator " << k;
    }
}

TEST_F(SolidCadDxf, BranchPipeGeneratorsReachTheMainPipe) {
    const std::string file = PathOf("pipe.dxf");
    const json window = RunCli("--type pipe --set PipeBigOD=10 --set PipeSmallOD=4 "
                               "--solid-cad '" +
                               file + "'");
    ASSERT_FALSE(window.is_discarded());
    ASSERT_TRUE(window["outputs"][0]["written"]);
    const json m = Measure(file);
    ASSERT_FALSE(m.is_discarded());
    EXPECT_EQ(m["errors"], 0);
    EXPECT_EQ(m["points"], 0);
    ASSERT_EQ(m["lengths"].size(), 121u);
    // Rb + ds below the base plane to Rb - sqrt(Rb^2 - (rs sin phi)^2) above it.
    for (int i = 0; i <= 40; ++i) {
        const double s = 2 * std::sin(i * 2 * M_PI / 40);
        EXPECT_NEAR(m["lengths"][i].get<double>(), 9 + 5 - std::sqrt(25 - s * s), 1e-4) << i;
    }
}

} // namespace
