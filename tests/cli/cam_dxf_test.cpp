// The DXF for cutting machines of every layout type's example, of overlaps, half patterns and
// the nested sheet, read back with an independent DXF library: no audit errors, the unit in
// the header, every outline on CUT closed, and the area each encloses is the developed piece's.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/external_dxf_fixture.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numbers>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

constexpr const char* kPython = "/usr/bin/python3";

// Measures a CAM DXF (argv 1) and, for reference, the plain flat-pattern DXF (argv 2): the area
// its layer-1 lines enclose as polygons, found by shapely's polygonize.
constexpr const char* kMeasureScript = R"(
import sys, json, math, ezdxf
def bulge_area(pts):
    a = 0.0
    for i, (x, y, b) in enumerate(pts):
        x2, y2, _ = pts[(i + 1) % len(pts)]
        a += (x * y2 - x2 * y) / 2
        if b:
            th = 4 * math.atan(abs(b))
            r = math.hypot(x2 - x, y2 - y) / (2 * math.sin(th / 2))
            a += math.copysign(r * r / 2 * (th - math.sin(th)), b)
    return a
doc = ezdxf.readfile(sys.argv[1])
out = {"errors": len(doc.audit().errors), "version": doc.dxfversion,
       "insunits": doc.header.get("$INSUNITS", -1),
       "measurement": doc.header.get("$MEASUREMENT", -1), "layers": {}, "cut": [], "marks": []}
for e in doc.modelspace():
    key = e.dxftype() + ":" + e.dxf.layer
    out["layers"][key] = out["layers"].get(key, 0) + 1
    if e.dxftype() != "LWPOLYLINE":
        continue
    pts = [tuple(p) for p in e.get_points("xyb")]
    if e.dxf.layer == "CUT":
        out["cut"].append({"closed": e.closed, "area": bulge_area(pts),
                           "repeats": len(pts) > 1 and pts[0][:2] == pts[-1][:2]})
    if e.dxf.layer == "MARK":
        out["marks"].append(math.hypot(pts[1][0] - pts[0][0], pts[1][1] - pts[0][1]))
if len(sys.argv) > 2:
    from shapely.geometry import LineString
    from shapely.ops import polygonize, unary_union
    lines = [LineString([(e.dxf.start.x, e.dxf.start.y), (e.dxf.end.x, e.dxf.end.y)])
             for e in ezdxf.readfile(sys.argv[2]).modelspace()
             if e.dxftype() == "LINE" and e.dxf.layer == "1"]
    out["plainArea"] = unary_union(list(polygonize(unary_union(lines)))).area
print(json.dumps(out))
)";

// Each side of a piece carries half of the typed overlap as a tab along its edge.
struct CamCase {
    const char* name;
    std::string arguments; // after the CLI path; the outputs are added
    int insUnits;          // 1 inches, 4 millimetres
    int pieces;            // closed outlines on CUT
    int bends;             // polylines on BEND, -1 not counted
    int marks;             // polylines on MARK (seam, the edges tabs join), -1 not counted
    // The developed piece's area from the run's window and the measurements.
    std::function<double(const json& window, const json& measured)> area;
};

std::string Example(const char* name) {
    return std::string("'") + BREVANT_SOURCE_DIR + "/examples/" + name + "' ";
}

// A regular cone's sector between R and r over the flat angle, from the diameters and height.
double Sector(double T, double B, double H) {
    const double sinT = std::sin(std::atan((B - T) / 2 / H));
    const double R = B / (2 * sinT), r = T / (2 * sinT);
    return sinT * std::numbers::pi * (R * R - r * r);
}

double PlainArea(const json&, const json& m) {
    return m["plainArea"].get<double>();
}

const CamCase kCases[] = {
    {"hopper cone", Example("hopper-cone.layout") + "--type cone", 1, 1, 0, 0,
     [](const json&, const json&) { return Sector(10, 20, 10); }},
    {"cone with overlap, seam and bends",
     Example("hopper-cone.layout") +
         "--type cone --set Overlap=0.5 --set ShowSeam=1 --set SeamAngle=90 --set ShowBends=1 "
         "--set Bends=6",
     1, 1, 6, 3,
     [](const json&, const json&) {
         const double sinT = 1 / std::sqrt(5.0);
         return Sector(10, 20, 10) + 0.5 * (10 / sinT - 5 / sinT);
     }},
    {"mitred cylinder", Example("mitred-cylinder.layout") + "--type cone", 1, 1, 0, 0,
     [](const json&, const json&) { return std::numbers::pi * 12 * 24; }},
    {"mitred cylinder with overlap",
     Example("mitred-cylinder.layout") + "--type cone --set Overlap=1 --set BottomAngle=-10", 1, 1,
     0, 2,
     [](const json&, const json& m) {
         return std::numbers::pi * 12 * 24 +
                0.5 * (m["marks"][0].get<double>() + m["marks"][1].get<double>());
     }},
    {"cylinder with overlap",
     "--type cone --set TopDiameter=10 --set BottomDiameter=10 --set ConeHeight=20 "
     "--set Overlap=1",
     1, 1, 0, 2, [](const json&, const json&) { return std::numbers::pi * 10 * 20 + 20; }},
    {"offset reducer in mm with overlap",
     Example("offset-reducer.layout") + "--type cone --units mm", 4, 1, 0, 2,
     [](const json&, const json& m) {
         return m["plainArea"].get<double>() +
                5 * (m["marks"][0].get<double>() + m["marks"][1].get<double>());
     }},
    {"square to round", Example("square-to-round.layout") + "--type square", 1, 1, 24, 0,
     PlainArea},
    {"square to round, half pattern",
     Example("square-to-round.layout") + "--type square --set SquareHalfPattern=1", 1, 1, -1, 0,
     PlainArea},
    {"conveyor flight", Example("conveyor-flight.layout") + "--type spiral", 1, 1, 0, 0,
     [](const json&, const json&) {
         // The ring's area is its width times the mean of the two helix lengths.
         const double lo = std::hypot(std::numbers::pi * 12, 9);
         const double li = std::hypot(std::numbers::pi * 2.375, 9);
         return (12 - 2.375) / 2 * (lo + li) / 2;
     }},
    {"branch pipe", Example("branch-pipe.layout") + "--type pipe", 1, 1, 0, 0, PlainArea},
};

class CamDxf : public ::testing::TestWithParam<CamCase> {
protected:
    void SetUp() override {
        const std::string probe = std::string(kPython) + " -c 'import ezdxf, shapely' 2>/dev/null";
        if (std::system(probe.c_str()) != 0) GTEST_SKIP() << "no ezdxf or shapely for " << kPython;
        dir_ = fs::temp_directory_path() / ("brevant-cam-dxf-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        std::ofstream(dir_ / "measure.py") << kMeasureScript;
    }
    void TearDown() override { fs::remove_all(dir_); }

    json Run(const std::string& arguments, const std::string& output, const std::string& cam) {
        const std::string plain = (dir_ / "plain.dxf").string();
        const json window =
            json::parse(brevant::testing::CaptureOutput(std::string("'") + BREVANT_CLI_PATH + "' " +
                                                        arguments + " --flat-cad '" + plain +
                                                        "' --" + output + " '" + cam + "' --json"),
                        nullptr, false);
        EXPECT_FALSE(window.is_discarded());
        return window;
    }
    json Measure(const std::string& cam) {
        const std::string plain = (dir_ / "plain.dxf").string();
        return json::parse(brevant::testing::CaptureOutput(std::string(kPython) + " '" +
                                                           (dir_ / "measure.py").string() + "' '" +
                                                           cam + "' '" + plain + "'"),
                           nullptr, false);
    }
    fs::path dir_;
};

TEST_P(CamDxf, OutlinesAreClosedAndEncloseThePiece) {
    const CamCase& c = GetParam();
    const std::string cam = (dir_ / "cam.dxf").string();
    const json window = Run(c.arguments, "cam-dxf", cam);
    ASSERT_TRUE(window["outputs"][1]["written"]) << window.dump();
    const json m = Measure(cam);
    ASSERT_FALSE(m.is_discarded());
    EXPECT_EQ(m["errors"], 0);
    EXPECT_EQ(m["version"], "AC1015");
    EXPECT_EQ(m["insunits"], c.insUnits);
    EXPECT_EQ(m["measurement"], c.insUnits == 1 ? 0 : 1);
    ASSERT_EQ(m["cut"].size(), static_cast<size_t>(c.pieces)) << m.dump();
    const json& layers = m["layers"];
    if (c.bends >= 0) {
        EXPECT_EQ(layers.value("LWPOLYLINE:BEND", 0), c.bends) << m.dump();
    }
    if (c.marks >= 0) {
        EXPECT_EQ(layers.value("LWPOLYLINE:MARK", 0), c.marks) << m.dump();
    }
    const double expected = c.area(window, m);
    for (const json& outline : m["cut"]) {
        EXPECT_TRUE(outline["closed"]);
        EXPECT_FALSE(outline["repeats"]) << "a closed outline names its first vertex once";
        EXPECT_NEAR(outline["area"].get<double>(), expected, 2e-5 * expected) << m.dump();
    }
    // Nothing but the three shop layers.
    for (const auto& [key, count] : m["layers"].items())
        EXPECT_TRUE(key == "LWPOLYLINE:CUT" || key == "LWPOLYLINE:BEND" || key == "LWPOLYLINE:MARK")
            << key;
}

INSTANTIATE_TEST_SUITE_P(Examples, CamDxf, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string n = info.param.name;
    for (char& ch : n)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return n;
});

// The nested sheet: each placed piece is a closed outline of one piece's area.
TEST_F(CamDxf, SheetPiecesAreClosedOutlinesOfOnePiece) {
    const std::string cam = (dir_ / "sheet.dxf").string();
    const json window =
        Run(Example("hopper-cone.layout") + "--type cone --set Overlap=0.5", "sheet-cam-dxf", cam);
    ASSERT_TRUE(window["outputs"][1]["written"]) << window.dump();
    const json m = Measure(cam);
    EXPECT_EQ(m["errors"], 0);
    ASSERT_GE(m["cut"].size(), 2u);
    const double sinT = 1 / std::sqrt(5.0);
    const double piece = Sector(10, 20, 10) + 0.5 * (10 / sinT - 5 / sinT);
    for (const json& outline : m["cut"]) {
        EXPECT_TRUE(outline["closed"]);
        EXPECT_NEAR(outline["area"].get<double>(), piece, 2e-5 * piece);
    }
}

} // namespace
