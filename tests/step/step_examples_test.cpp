// Every example written by brevant-cli --step and read back with the kernel's own STEP reader:
// one valid solid per piece and nothing else, the plate's volume equal to the cutting file's
// outline area (measured by ezdxf) times the thickness, the box where the part's dimensions put
// it, and the thickness named in the product.
#include "cli/external_dxf_fixture.h"
#include "support/step_read.h"

#include <cmath>
#include <string>

namespace brevant {
namespace {

// The area inside the cut outlines of a cutting-machine DXF, arcs flattened finely.
constexpr const char* kAreaScript = R"(
import ezdxf, json, sys
from ezdxf import path
area = 0
for e in ezdxf.readfile(sys.argv[1]).modelspace():
    if e.dxf.layer != 'CUT':
        continue
    p = list(path.make_path(e).flattening(0.0002))
    area += abs(sum(p[i].x * p[(i + 1) % len(p)].y - p[(i + 1) % len(p)].x * p[i].y
                    for i in range(len(p)))) / 2
print(json.dumps({'area': area}))
)";

struct Box {
    TDPoint min, max;
};

struct ExampleCase {
    const char* name;
    const char* args;   // type and units, as the golden arguments
    const char* unit;   // the unit the file is read in: the display unit
    double thickness;   // display unit
    const char* plate;  // how the product names it
    Box box;            // of the part's dimensions, display unit
    double boxSlack;    // how far the plate may stand beyond that box
    double volumeShare; // the tolerance of volume / (area x thickness)
};

// The box of a cone or square to round is its ends' extent; the plate adds at most its
// thickness at the flat ends. The offset reducer's top reaches 319.88 where the apex's line
// through the top circle's left point (-65, 300) meets the top plane tilted by 10 degrees.
// The spiral flight's flat ring is drawn into its helicoid when formed: the helicoid's area is
// a few percent less than the ring's (see SpiralFlightIsOneTurnOfItsHelicoid).
const ExampleCase kCases[] = {
    {"hopper-cone",
     "--type cone --units in",
     "INCH",
     0.125,
     "default plate 0.125 in",
     {{-10, -10, 0}, {10, 10, 10}},
     0.125,
     0.005},
    {"mitred-cylinder",
     "--type cone --units in",
     "INCH",
     0.125,
     "default plate 0.125 in",
     {{-6, -6, 0}, {6, 6, 24 + 6 * 0.41421356}},
     0.125,
     0.005},
    {"offset-reducer",
     "--type cone --units mm --set Overlap=0",
     "MM",
     3.175,
     "default plate 3.175 mm",
     {{-250, -250, 0}, {250, 250, 319.88}},
     3.2,
     0.005},
    {"square-to-round",
     "--type square --units in",
     "INCH",
     0.125,
     "default plate 0.125 in",
     {{-10, -8, 0}, {10, 8, 12}},
     0.2,
     0.005},
    {"conveyor-flight",
     "--type spiral --units in",
     "INCH",
     0.25,
     "plate 0.25 in",
     {{-6, -6, 0}, {6, 6, 9}},
     0.25,
     0.03},
    {"branch-pipe",
     "--type pipe --units in",
     "INCH",
     0.125,
     "default plate 0.125 in",
     {{-3.3125, 2 - 3.3125, 3.5199}, {3.3125, 2 + 3.3125, 13}},
     0.2,
     0.005},
};

class StepExamples : public testing::ExternalDxfTest {
protected:
    StepExamples() : ExternalDxfTest(kAreaScript) {}
};

void ExpectBox(const test::ReadStepFile& f, const ExampleCase& c) {
    const TDPoint lo = f.BoxMin(), hi = f.BoxMax();
    const double s = c.boxSlack;
    for (auto [got, want, low] : {std::tuple{lo.x, c.box.min.x, true},
                                  {lo.y, c.box.min.y, true},
                                  {lo.z, c.box.min.z, true},
                                  {hi.x, c.box.max.x, false},
                                  {hi.y, c.box.max.y, false},
                                  {hi.z, c.box.max.z, false}}) {
        // The plate may stand out by its slack, never fall short of the part by more than a
        // hair.
        const double out = low ? want - got : got - want;
        EXPECT_GE(out, -1e-3 * s) << (low ? "min " : "max ") << got << " vs " << want;
        EXPECT_LE(out, s) << (low ? "min " : "max ") << got << " vs " << want;
    }
}

TEST_F(StepExamples, EachPieceReadsBackAsOneValidSolidOfThePlate) {
    for (const ExampleCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const std::string step = PathOf(std::string(c.name) + ".step");
        const std::string cam = PathOf(std::string(c.name) + ".dxf");
        const nlohmann::json run =
            RunCli(std::string("'") + BREVANT_SOURCE_DIR + "/examples/" + c.name + ".layout' " +
                   c.args + " --step '" + step + "' --cam-dxf '" + cam + "'");
        ASSERT_FALSE(run.is_discarded());
        const test::ReadStepFile f = test::ReadStep(step, c.unit);
        ASSERT_TRUE(f.Read);
        ASSERT_EQ(f.Solids.size(), 1u);
        EXPECT_TRUE(f.Solids[0].Valid);
        EXPECT_EQ(f.OtherShapes, 0);
        EXPECT_NE(f.Product.find(c.plate), std::string::npos) << f.Product;
        const nlohmann::json measured = Measure(cam);
        ASSERT_FALSE(measured.is_discarded());
        const double expected = measured["area"].get<double>() * c.thickness;
        EXPECT_NEAR(f.TotalVolume() / expected, 1, c.volumeShare)
            << "volume " << f.TotalVolume() << ", area x thickness " << expected;
        ExpectBox(f, c);
    }
}

// The flight's solid is one turn of the helicoid from the shaft hole to the outside edge at the
// flight's thickness: its volume is that helicoid's area times the thickness.
TEST_F(StepExamples, SpiralFlightIsOneTurnOfItsHelicoid) {
    const std::string step = PathOf("flight.step");
    RunCli(std::string("'") + BREVANT_SOURCE_DIR +
           "/examples/conveyor-flight.layout' --type spiral --step '" + step + "'");
    const test::ReadStepFile f = test::ReadStep(step, "INCH");
    ASSERT_EQ(f.Solids.size(), 1u);
    // OD 12, ID 2.375, pitch 9: the area of one turn is 2 pi times the integral of
    // sqrt(r^2 + c^2) from 1.1875 to 6, c = 9 / 2 pi.
    const double c = 9 / (2 * M_PI);
    auto primitive = [c](double r) {
        const double root = std::sqrt(r * r + c * c);
        return (r * root + c * c * std::log(r + root)) / 2;
    };
    const double area = 2 * M_PI * (primitive(6) - primitive(1.1875));
    EXPECT_NEAR(f.TotalVolume() / (area * 0.25), 1, 0.005);
    EXPECT_TRUE(f.Solids[0].Valid);
}

} // namespace
} // namespace brevant
