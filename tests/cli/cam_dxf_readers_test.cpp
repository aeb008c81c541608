// The cutting-machine DXF read by three independent readers: dxflib (in this program), ezdxf
// and LibreCAD. dxflib and ezdxf must see the same version, unit, layers and outlines, with the
// areas the bulges give; LibreCAD must draw the whole part, arcs included, so the print it makes
// has the proportions of the file's extents.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/external_dxf_fixture.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#ifdef BREVANT_HAVE_DXFLIB
#include <dl_creationadapter.h>
#include <dl_dxf.h>
#endif

namespace fs = std::filesystem;
using brevant::testing::CaptureOutput;
using nlohmann::json;

namespace {

// One polyline as a reader saw it.
struct Outline {
    std::string layer;
    bool closed = false;
    std::size_t vertices = 0;
    double area = 0; // enclosed by the polyline with its bulges, positive counter-clockwise
};

// What a reader reports of a file: its version, unit, extents and polylines in file order.
struct Reading {
    std::string version;
    int insUnits = -1, measurement = -1;
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    std::vector<Outline> outlines;
    int otherEntities = 0;
};

struct Vertex {
    double x, y, bulge;
};

// The area of a closed polyline whose segments may be arcs (bulge = tan(sweep / 4)).
double BulgeArea(const std::vector<Vertex>& v) {
    double a = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const Vertex& p = v[i];
        const Vertex& q = v[(i + 1) % v.size()];
        a += (p.x * q.y - q.x * p.y) / 2;
        if (p.bulge != 0) {
            const double sweep = 4 * std::atan(std::fabs(p.bulge));
            const double r = std::hypot(q.x - p.x, q.y - p.y) / (2 * std::sin(sweep / 2));
            a += std::copysign(r * r / 2 * (sweep - std::sin(sweep)), p.bulge);
        }
    }
    return a;
}

// The same reading by ezdxf, printed as JSON.
constexpr const char* kEzdxfScript = R"(
import sys, json, math, ezdxf
def area(pts):
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
h = doc.header
out = {"errors": len(doc.audit().errors), "version": doc.dxfversion,
       "insunits": h.get("$INSUNITS", -1), "measurement": h.get("$MEASUREMENT", -1),
       "outlines": [], "other": 0}
for e in doc.modelspace():
    if e.dxftype() != "LWPOLYLINE":
        out["other"] += 1
        continue
    pts = [tuple(p) for p in e.get_points("xyb")]
    out["outlines"].append({"layer": e.dxf.layer, "closed": e.closed, "vertices": len(pts),
                            "area": area(pts) if e.closed else 0.0})
print(json.dumps(out))
)";

#ifdef BREVANT_HAVE_DXFLIB
class DxflibReader : public DL_CreationAdapter {
public:
    using DL_CreationAdapter::setVariableInt;
    using DL_CreationAdapter::setVariableString;
    using DL_CreationAdapter::setVariableVector;
    Reading reading;

    void setVariableString(const std::string& key, const std::string& value, int) override {
        if (key == "$ACADVER") reading.version = value;
    }
    void setVariableInt(const std::string& key, int value, int) override {
        if (key == "$INSUNITS") reading.insUnits = value;
        if (key == "$MEASUREMENT") reading.measurement = value;
    }
    void setVariableVector(const std::string& key, double x, double y, double, int) override {
        if (key == "$EXTMIN") {
            reading.minX = x;
            reading.minY = y;
        }
        if (key == "$EXTMAX") {
            reading.maxX = x;
            reading.maxY = y;
        }
    }
    void addPolyline(const DL_PolylineData& data) override {
        Finish();
        open_ = true;
        current_ = {getAttributes().getLayer(), (data.flags & 1) != 0, 0, 0};
    }
    void addVertex(const DL_VertexData& data) override {
        vertices_.push_back({data.x, data.y, data.bulge});
    }
    void addLine(const DL_LineData&) override { ++reading.otherEntities; }
    void addArc(const DL_ArcData&) override { ++reading.otherEntities; }
    void addCircle(const DL_CircleData&) override { ++reading.otherEntities; }
    void addPoint(const DL_PointData&) override { ++reading.otherEntities; }
    // The polyline still being collected goes into the reading.
    void Finish() {
        if (!open_) return;
        current_.vertices = vertices_.size();
        current_.area = current_.closed ? BulgeArea(vertices_) : 0;
        reading.outlines.push_back(current_);
        vertices_.clear();
        open_ = false;
    }

private:
    bool open_ = false;
    Outline current_;
    std::vector<Vertex> vertices_;
};
#endif

// The case: the CLI's arguments and output option, the unit and the outlines expected.
struct ReaderCase {
    const char* name;
    std::string arguments;
    const char* output; // cam-dxf or sheet-cam-dxf
    int insUnits;
    int cut, bend, mark; // polylines on each layer
};

void PrintTo(const ReaderCase& c, std::ostream* os) {
    *os << c.name;
}

std::string Example(const char* name) {
    return std::string("'") + BREVANT_SOURCE_DIR + "/examples/" + name + "' ";
}

const ReaderCase kCases[] = {
    // Without bulges its outline would be a trapezoid a sixth as high.
    {"hopper cone", Example("hopper-cone.layout") + "--type cone", "cam-dxf", 1, 1, 0, 0},
    {"cone with overlap, seam and bends",
     Example("hopper-cone.layout") +
         "--type cone --set Overlap=0.5 --set ShowSeam=1 --set SeamAngle=90 --set ShowBends=1 "
         "--set Bends=6",
     "cam-dxf", 1, 1, 6, 3},
    {"offset reducer in mm", Example("offset-reducer.layout") + "--type cone --units mm", "cam-dxf",
     4, 1, 0, 2},
    {"square to round in cm", Example("square-to-round.layout") + "--type square --units cm",
     "cam-dxf", 5, 1, 24, 0},
    {"nested sheet", Example("hopper-cone.layout") + "--type cone", "sheet-cam-dxf", 1, 9, 0, 0},
};

class CamDxfReaders : public ::testing::TestWithParam<ReaderCase> {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = info->name();
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        dir_ = fs::temp_directory_path() /
               ("brevant-cam-readers-" + name + "-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    // Writes the case's file; its path.
    std::string Write(const ReaderCase& c) {
        const std::string path = (dir_ / "part.dxf").string();
        const std::string command = std::string("'") + BREVANT_CLI_PATH + "' " + c.arguments +
                                    " --" + c.output + " '" + path + "'";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        return path;
    }
    fs::path dir_;
};

TEST_P(CamDxfReaders, DxflibAndEzdxfReadTheSameOutlines) {
#ifndef BREVANT_HAVE_DXFLIB
    GTEST_SKIP() << "built without dxflib";
#else
    const std::string probe =
        std::string(brevant::testing::kSystemPython) + " -c 'import ezdxf' 2>/dev/null";
    if (std::system(probe.c_str()) != 0) GTEST_SKIP() << "no ezdxf";
    const ReaderCase& c = GetParam();
    const std::string path = Write(c);
    DxflibReader reader;
    DL_Dxf dxf;
    ASSERT_TRUE(dxf.in(path, &reader)) << path;
    reader.Finish();
    const Reading& d = reader.reading;
    EXPECT_EQ(d.version, "AC1015");
    EXPECT_EQ(d.insUnits, c.insUnits);
    EXPECT_EQ(d.measurement, c.insUnits == 1 ? 0 : 1);
    EXPECT_EQ(d.otherEntities, 0);
    int counts[3] = {0, 0, 0};
    for (const Outline& o : d.outlines) {
        const int layer = o.layer == "CUT" ? 0 : o.layer == "BEND" ? 1 : o.layer == "MARK" ? 2 : -1;
        ASSERT_GE(layer, 0) << o.layer;
        ++counts[layer];
        EXPECT_EQ(o.closed, layer == 0) << o.layer;
        if (layer == 0) {
            EXPECT_GT(o.area, 0) << "outlines run counter-clockwise";
        }
    }
    EXPECT_EQ(counts[0], c.cut);
    EXPECT_EQ(counts[1], c.bend);
    EXPECT_EQ(counts[2], c.mark);

    std::ofstream(dir_ / "read.py") << kEzdxfScript;
    const json e = json::parse(CaptureOutput(std::string(brevant::testing::kSystemPython) + " '" +
                                             (dir_ / "read.py").string() + "' '" + path + "'"),
                               nullptr, false);
    ASSERT_FALSE(e.is_discarded());
    EXPECT_EQ(e["errors"], 0);
    EXPECT_EQ(e["version"], d.version);
    EXPECT_EQ(e["insunits"], d.insUnits);
    EXPECT_EQ(e["measurement"], d.measurement);
    EXPECT_EQ(e["other"], 0);
    ASSERT_EQ(e["outlines"].size(), d.outlines.size());
    for (std::size_t i = 0; i < d.outlines.size(); ++i) {
        const json& o = e["outlines"][i];
        EXPECT_EQ(o["layer"], d.outlines[i].layer) << i;
        EXPECT_EQ(o["closed"], d.outlines[i].closed) << i;
        EXPECT_EQ(o["vertices"], d.outlines[i].vertices) << i;
        EXPECT_NEAR(o["area"].get<double>(), d.outlines[i].area,
                    1e-9 * (1 + std::fabs(d.outlines[i].area)))
            << i;
    }
#endif
}

// The bounding box of the dark pixels of a binary PGM image (pdftoppm -gray).
struct PixelBox {
    int minX = 1 << 30, minY = 1 << 30, maxX = -1, maxY = -1;
    bool Empty() const { return maxX < 0; }
};

PixelBox DarkPixels(const std::string& pgm) {
    std::ifstream in(pgm, std::ios::binary);
    std::string magic;
    int width = 0, height = 0, maxValue = 0;
    in >> magic >> width >> height >> maxValue;
    in.get();
    PixelBox box;
    if (magic != "P5" || width <= 0 || height <= 0) return box;
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * height);
    in.read(reinterpret_cast<char*>(pixels.data()), static_cast<std::streamsize>(pixels.size()));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (pixels[static_cast<std::size_t>(y) * width + x] < 128) {
                box.minX = std::min(box.minX, x);
                box.maxX = std::max(box.maxX, x);
                box.minY = std::min(box.minY, y);
                box.maxY = std::max(box.maxY, y);
            }
    return box;
}

TEST_P(CamDxfReaders, LibreCadDrawsTheWholePart) {
    if (std::system("command -v librecad >/dev/null 2>&1") != 0) GTEST_SKIP() << "no librecad";
    const ReaderCase& c = GetParam();
    const std::string path = Write(c);
    // The extents the file declares, read by ezdxf's reading of the header.
    const json ext = json::parse(
        CaptureOutput(std::string(brevant::testing::kSystemPython) +
                      " -c 'import sys, json, ezdxf; h = ezdxf.readfile(sys.argv[1]).header; "
                      "print(json.dumps([*h[\"$EXTMIN\"], *h[\"$EXTMAX\"]]))' '" +
                      path + "'"),
        nullptr, false);
    ASSERT_FALSE(ext.is_discarded());
    const double width = ext[3].get<double>() - ext[0].get<double>();
    const double height = ext[4].get<double>() - ext[1].get<double>();
    // Fitted to the page, black on white; LibreCAD names the PDF after the DXF.
    const std::string print = "QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR='" + dir_.string() +
                              "' librecad dxf2pdf -a -m -t '" + dir_.string() + "' '" + path +
                              "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(print.c_str()), 0);
    ASSERT_TRUE(fs::exists(dir_ / "part.pdf"));
    const std::string raster = "pdftoppm -gray -scale-to 800 '" + (dir_ / "part.pdf").string() +
                               "' '" + (dir_ / "page").string() + "'";
    ASSERT_EQ(std::system(raster.c_str()), 0);
    const PixelBox box = DarkPixels((dir_ / "page-1.pgm").string());
    ASSERT_FALSE(box.Empty()) << "LibreCAD drew nothing";
    // A part drawn without its arcs, or only in part, has other proportions.
    const double drawnWidth = box.maxX - box.minX, drawnHeight = box.maxY - box.minY;
    EXPECT_NEAR(drawnWidth / drawnHeight, width / height, 0.03 * width / height + 4 / drawnHeight)
        << drawnWidth << " x " << drawnHeight << " pixels for " << width << " x " << height;
}

INSTANTIATE_TEST_SUITE_P(Parts, CamDxfReaders, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string n = info.param.name;
    for (char& ch : n)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return n;
});

} // namespace
