// The segmented elbow's cutting-machine DXF written by brevant-cli, read by an independent DXF
// library: audit clean, one closed outline per gore on the strip (or per kind of gore), and
// outlines whose areas (arcs included) fill the strip of pi D by the gores' centreline length.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/external_dxf_fixture.h"

#include <cmath>
#include <numbers>
#include <string>

namespace {

using brevant::testing::ExternalDxfTest;
using nlohmann::json;

// Prints the audit's error count and, for each polyline, whether it is closed, its area with
// its arcs (flattened finely) and its extents.
constexpr const char* kMeasureScript = R"(
import sys, json, ezdxf
from ezdxf import path
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
outlines = []
for e in doc.modelspace():
    if e.dxftype() != "LWPOLYLINE":
        continue
    pts = list(path.make_path(e).flattening(1e-5))
    area = sum(a.x * b.y - b.x * a.y for a, b in zip(pts, pts[1:] + pts[:1])) / 2
    outlines.append({"closed": bool(e.closed), "area": abs(area),
                     "minx": min(p.x for p in pts), "maxx": max(p.x for p in pts),
                     "miny": min(p.y for p in pts), "maxy": max(p.y for p in pts)})
print(json.dumps({"errors": len(auditor.errors), "outlines": outlines}))
)";

class ElbowDxf : public ExternalDxfTest {
protected:
    ElbowDxf() : ExternalDxfTest(kMeasureScript) {}
};

TEST_F(ElbowDxf, OneClosedOutlinePerGoreFillingTheStrip) {
    struct Case {
        std::string args;
        double d, r, angle; // in the display unit
        int gores;
        bool strip;
    };
    const Case cases[] = {
        {"--set ElbowDiameter=12 --set ElbowRadius=18 --set ElbowAngle=90 --set ElbowGores=3 "
         "--set ElbowStrip=1",
         12, 18, 90, 3, true},
        {"--units mm --set ElbowDiameter=300 --set ElbowRadius=150 --set ElbowAngle=180 "
         "--set ElbowGores=7 --set ElbowStrip=1 --set ElbowSeam=1 --set ElbowDivisions=5",
         300, 150, 180, 7, true},
        {"--set ElbowDiameter=8 --set ElbowRadius=20 --set ElbowAngle=45 --set ElbowGores=2 "
         "--set ElbowStrip=0",
         8, 20, 45, 2, false},
    };
    for (const Case& c : cases) {
        const std::string dxf = PathOf("cut.dxf");
        const json window = RunCli("--type elbow " + c.args + " --cam-dxf '" + dxf + "'");
        ASSERT_FALSE(window.is_discarded()) << c.args;
        ASSERT_TRUE(window["messages"].empty()) << window["messages"].dump();
        const json m = Measure(dxf);
        ASSERT_FALSE(m.is_discarded()) << c.args;
        EXPECT_EQ(m["errors"], 0) << c.args;
        const auto& outlines = m["outlines"];
        ASSERT_EQ(outlines.size(), c.strip ? std::size_t(c.gores + 2) : 2u) << c.args;
        const double t = std::tan(c.angle / (c.gores + 1) / 2 * std::numbers::pi / 180);
        const double width = std::numbers::pi * c.d, length = (c.gores + 1) * 2 * c.r * t;
        double area = 0;
        for (const auto& o : outlines) {
            EXPECT_TRUE(o["closed"].get<bool>()) << c.args;
            EXPECT_NEAR(o["maxx"].get<double>() - o["minx"].get<double>(), width, 1e-6 * width);
        }
        if (c.strip) {
            double bottom = 1e300, top = -1e300;
            for (const auto& o : outlines) {
                area += o["area"].get<double>();
                bottom = std::min(bottom, o["miny"].get<double>());
                top = std::max(top, o["maxy"].get<double>());
            }
            EXPECT_NEAR(top - bottom, length, 1e-6 * length) << c.args;
        } else {
            // The end gore is cut twice, the middle gore n times.
            area =
                2 * outlines[0]["area"].get<double>() + c.gores * outlines[1]["area"].get<double>();
        }
        EXPECT_NEAR(area, width * length, 1e-6 * width * length) << c.args;
    }
}

} // namespace
