// The flat pattern of every kind of cone, written as DXF by brevant-cli, opens in an
// independent DXF library without audit errors and measures what the result display says.
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

// Prints one JSON object: the audit's error count and the arcs and lines of layer 1.
constexpr const char* kMeasureScript = R"(
import sys, json, math, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
arcs, lines = [], []
for e in doc.modelspace():
    if e.dxf.layer != "1":
        continue
    if e.dxftype() == "ARC":
        sweep = (e.dxf.end_angle - e.dxf.start_angle) % 360 or 360
        arcs.append({"r": e.dxf.radius, "length": math.radians(sweep) * e.dxf.radius})
    elif e.dxftype() == "LINE":
        s, t = e.dxf.start, e.dxf.end
        lines.append({"dx": abs(t.x - s.x), "dy": abs(t.y - s.y),
                      "length": math.hypot(t.x - s.x, t.y - s.y)})
print(json.dumps({"errors": len(auditor.errors), "arcs": arcs, "lines": lines}))
)";

class ConeDxf : public ExternalDxfTest {
protected:
    ConeDxf() : ExternalDxfTest(kMeasureScript) {}

    // Runs the CLI with the inputs, writes the flat pattern and measures it.
    void Develop(const std::string& units, const std::string& sets) {
        const std::string dxf = PathOf("flat.dxf");
        window = RunCli("--units " + units + " " + sets + " --flat-cad '" + dxf + "'");
        ASSERT_FALSE(window.is_discarded());
        ASSERT_TRUE(window["outputs"][0]["written"]) << window["messages"].dump();
        measured = Measure(dxf);
        ASSERT_FALSE(measured.is_discarded());
        EXPECT_EQ(measured["errors"], 0);
    }
    double Label(const char* name) { return std::stod(window["labels"][name].get<std::string>()); }

    json window, measured;
};

} // namespace

TEST_F(ConeDxf, RegularConeArcsAreTheFlatRadiiAndThePerimeters) {
    for (const char* units : {"in", "mm"}) {
        const double scale = std::string(units) == "mm" ? 25.4 : 1;
        Develop(units, "--set TopDiameter=" + std::to_string(10 * scale) +
                           " --set BottomDiameter=" + std::to_string(20 * scale) +
                           " --set ConeHeight=" + std::to_string(10 * scale));
        ASSERT_EQ(measured["arcs"].size(), 2u);
        const auto& outer = measured["arcs"][0]["r"] > measured["arcs"][1]["r"]
                                ? measured["arcs"][0]
                                : measured["arcs"][1];
        const auto& inner =
            &outer == &measured["arcs"][0] ? measured["arcs"][1] : measured["arcs"][0];
        EXPECT_NEAR(outer["r"].get<double>(), Label("LargeRadius"), 1e-3 * scale) << units;
        EXPECT_NEAR(inner["r"].get<double>(), Label("SmallRadius"), 1e-3 * scale) << units;
        EXPECT_NEAR(outer["length"].get<double>(), std::numbers::pi * 20 * scale, 1e-3 * scale);
        EXPECT_NEAR(inner["length"].get<double>(), std::numbers::pi * 10 * scale, 1e-3 * scale);
    }
}

TEST_F(ConeDxf, CylinderStripIsThePerimeterByTheHeight) {
    Develop("in", "--set TopDiameter=10 --set BottomDiameter=10 --set ConeHeight=20");
    double longest = 0, tallest = 0;
    for (const auto& l : measured["lines"]) {
        longest = std::max(longest, l["dx"].get<double>());
        tallest = std::max(tallest, l["dy"].get<double>());
    }
    EXPECT_NEAR(longest, std::numbers::pi * 10, 1e-3);
    EXPECT_NEAR(tallest, 20, 1e-3);
}

TEST_F(ConeDxf, ObliqueConeAndTiltedCylinderOpenCleanly) {
    const char* cases[] = {
        "--set TopDiameter=10 --set BottomDiameter=20 --set ConeHeight=10 --set TopShift=3",
        "--set TopDiameter=10 --set BottomDiameter=20 --set ConeHeight=10 --set TopAngle=15",
        "--set TopDiameter=12 --set BottomDiameter=12 --set ConeHeight=24 --set TopAngle=22.5",
        "--set TopDiameter=12 --set BottomDiameter=12 --set ConeHeight=24 --set BottomAngle=-15",
    };
    for (const char* sets : cases) {
        Develop("in", sets);
        EXPECT_GT(measured["lines"].size(), 40u) << sets;
        for (const auto& l : measured["lines"])
            ASSERT_TRUE(std::isfinite(l["length"].get<double>())) << sets;
    }
}
