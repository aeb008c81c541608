// The spiral flight's flat ring, written as DXF by brevant-cli, opens in an independent DXF
// library without audit errors and measures what the display and the results say: the arcs
// are the flat radii and one turn of each helix long, the end lines as long as the flight
// is wide.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/external_dxf_fixture.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

using brevant::testing::ExternalDxfTest;

// Prints one JSON object: the audit's error count and the arcs and lines of each layer.
constexpr const char* kMeasureScript = R"(
import sys, json, math, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
arcs, lines, layers = [], [], {}
for e in doc.modelspace():
    layers[e.dxf.layer] = layers.get(e.dxf.layer, 0) + 1
    if e.dxftype() == "ARC":
        sweep = (e.dxf.end_angle - e.dxf.start_angle) % 360 or 360
        arcs.append({"r": e.dxf.radius, "length": math.radians(sweep) * e.dxf.radius})
    elif e.dxftype() == "LINE":
        s, t = e.dxf.start, e.dxf.end
        lines.append({"length": math.hypot(t.x - s.x, t.y - s.y)})
print(json.dumps({"errors": len(auditor.errors), "arcs": arcs, "lines": lines,
                  "layers": layers}))
)";

class SpiralDxf : public ExternalDxfTest {
protected:
    SpiralDxf() : ExternalDxfTest(kMeasureScript) {}

    // Runs the CLI on the spiral page with the arguments, writes the ring and measures it.
    void Develop(const std::string& args) {
        const std::string dxf = PathOf("flight.dxf");
        window = RunCli("--type spiral " + args + " --flat-cad '" + dxf + "'");
        ASSERT_FALSE(window.is_discarded());
        ASSERT_TRUE(window["messages"].empty()) << window["messages"].dump();
        ASSERT_TRUE(window["outputs"][0]["written"]);
        measured = Measure(dxf);
        ASSERT_FALSE(measured.is_discarded());
        EXPECT_EQ(measured["errors"], 0);
        ASSERT_EQ(measured["arcs"].size(), 2u);
        ASSERT_EQ(measured["lines"].size(), 2u);
        EXPECT_EQ(measured["layers"], json({{"1", 4}})); // the annotations stay out of the file
    }
    double Label(const char* name) { return std::stod(window["labels"][name].get<std::string>()); }
    // Checks the ring against a flight of od, id, pitch, all in the display unit.
    void ExpectRing(double od, double id, double pitch) {
        const json& a = measured["arcs"];
        const bool firstOuter = a[0]["r"].get<double>() > a[1]["r"].get<double>();
        const json& outer = a[firstOuter ? 0 : 1];
        const json& inner = a[firstOuter ? 1 : 0];
        const double tol = 1e-4 * od;
        EXPECT_NEAR(outer["r"].get<double>(), Label("LargeRadius"), tol);
        EXPECT_NEAR(inner["r"].get<double>(), Label("SmallRadius"), tol);
        EXPECT_NEAR(outer["length"].get<double>(), std::hypot(std::numbers::pi * od, pitch), tol);
        EXPECT_NEAR(inner["length"].get<double>(), std::hypot(std::numbers::pi * id, pitch), tol);
        for (const json& l : measured["lines"])
            EXPECT_NEAR(l["length"].get<double>(), (od - id) / 2, tol);
    }

    json window, measured;
};

} // namespace

TEST_F(SpiralDxf, ConveyorFlightExampleMeasuresItsHelixTurns) {
    Develop(std::string("'") + BREVANT_SOURCE_DIR + "/examples/conveyor-flight.layout'");
    ExpectRing(12, 2.375, 9);
    const json& r = window["results"];
    EXPECT_NEAR(r["SpiralOuterRadius"].get<double>(), Label("LargeRadius"), 1e-4);
    EXPECT_NEAR(r["SpiralInnerRadius"].get<double>(), Label("SmallRadius"), 1e-4);
    EXPECT_NEAR(r["SpiralFlatAngle"].get<double>(), Label("AngleA"), 1e-4);
    EXPECT_NEAR(r["SpiralOuterChord"].get<double>(), Label("OuterCord"), 1e-4);
    EXPECT_NEAR(r["SpiralInnerChord"].get<double>(), Label("InnerCord"), 1e-4);
    EXPECT_NEAR(r["SpiralPatternWidth"].get<double>(), Label("WidthX"), 1e-4);
    EXPECT_NEAR(r["SpiralPatternHeight"].get<double>(), Label("HeightY"), 1e-4);
    EXPECT_FLOAT_EQ(r["SpiralThickness"].get<float>(), 0.25f);
}

TEST_F(SpiralDxf, MillimetreFlightIsWrittenInMillimetres) {
    Develop("--units mm --set SpiralOD=533.4 --set SpiralID=203.2 --set SpiralPitch=304.8");
    ExpectRing(533.4, 203.2, 304.8);
    // The results stay in inches whatever the display unit.
    EXPECT_NEAR(window["results"]["SpiralOuterRadius"].get<double>() * 25.4, Label("LargeRadius"),
                1e-2);
}
