// The branch pipe pattern written as DXF by brevant-cli opens in an independent DXF library
// without audit errors, in the display unit, and its cut curve measures the cut formula.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/external_dxf_fixture.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

using brevant::testing::ExternalDxfTest;

// Prints one JSON object: the audit's error count, the layers used and the end points of the
// lines of layer 1.
constexpr const char* kMeasureScript = R"(
import sys, json, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
layers, lines = set(), []
for e in doc.modelspace():
    layers.add(e.dxf.layer)
    if e.dxf.layer == "1" and e.dxftype() == "LINE":
        lines.append([e.dxf.start.x, e.dxf.start.y, e.dxf.end.x, e.dxf.end.y])
print(json.dumps({"errors": len(auditor.errors), "layers": sorted(layers), "lines": lines}))
)";

struct Point {
    double x, y;
};

class PipeDxf : public ExternalDxfTest {
protected:
    PipeDxf() : ExternalDxfTest(kMeasureScript) {}

    // Runs the CLI on the pipe page with the arguments, writes the flat pattern and measures it.
    void Develop(const std::string& args) {
        const std::string dxf = PathOf("flat.dxf");
        window = RunCli("--type pipe " + args + " --flat-cad '" + dxf + "'");
        ASSERT_FALSE(window.is_discarded());
        ASSERT_TRUE(window["messages"].empty()) << window["messages"].dump();
        ASSERT_TRUE(window["outputs"][0]["written"]);
        measured = Measure(dxf);
        ASSERT_FALSE(measured.is_discarded());
        EXPECT_EQ(measured["errors"], 0);
        EXPECT_EQ(measured["layers"], json::array({"1"}));
    }
    // The cut curve: every line end above the straight edge, left to right, once.
    std::vector<Point> Curve() const {
        std::vector<Point> pts;
        for (const auto& l : measured["lines"])
            for (int k : {0, 2})
                if (l[k + 1].get<double>() > 1e-9) pts.push_back({l[k], l[k + 1]});
        std::sort(pts.begin(), pts.end(), [](auto& a, auto& b) { return a.x < b.x; });
        auto same = [](const Point& a, const Point& b) {
            return std::fabs(a.x - b.x) < 1e-6 && std::fabs(a.y - b.y) < 1e-6;
        };
        pts.erase(std::unique(pts.begin(), pts.end(), same), pts.end());
        return pts;
    }

    json window, measured;
};

TEST_F(PipeDxf, CutCurveMeasuresTheFormulaInTheDisplayUnit) {
    struct Case {
        std::string args;
        double db, ds, o; // in the display unit
        double inch;      // display units per inch
    };
    const std::string example = std::string(BREVANT_SOURCE_DIR) + "/examples/branch-pipe.layout";
    const Case cases[] = {
        {"--set PipeBigOD=12 --set PipeSmallOD=6 --set PipeOffset=1", 12, 6, 1, 1},
        {"--units mm --set PipeBigOD=304.8 --set PipeSmallOD=152.4 --set PipeOffset=-25.4", 304.8,
         152.4, -25.4, 25.4},
        {"--units mm --set PipeBigOD=300 --set PipeSmallOD=299 --set PipeOffset=0", 300, 299, 0,
         25.4},
        {"'" + example + "'", 12.75, 6.625, 2, 1},
    };
    for (const Case& c : cases) {
        Develop(c.args);
        if (HasFatalFailure()) return;
        ASSERT_EQ(measured["lines"].size(), 43u) << c.args;
        const double width = std::numbers::pi * c.ds;
        EXPECT_NEAR(window["results"]["PipePatternWidth"].get<double>(), width / c.inch,
                    1e-5 * width)
            << c.args;
        const auto curve = Curve();
        ASSERT_EQ(curve.size(), 41u) << c.args;
        const double rb = c.db / 2, rs = c.ds / 2, e = rb + c.ds;
        for (std::size_t i = 0; i < curve.size(); ++i) {
            const double phi = i * 9.0 * std::numbers::pi / 180;
            const double z = c.o - rs * std::sin(phi);
            EXPECT_NEAR(curve[i].x, width * i / 40, 1e-5 * width) << c.args << " " << i;
            EXPECT_NEAR(curve[i].y, e - std::sqrt(rb * rb - z * z), 1e-5 * c.db)
                << c.args << " " << i;
        }
    }
}

} // namespace
