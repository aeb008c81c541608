// The STEP writer on parts made by hand: every piece one valid solid, its volume the described
// area times the thickness, its box where the plate lies, refusals with their message.
#include "documents/step_solid.h"
#include "support/step_read.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <numbers>

namespace brevant {
namespace {

namespace fs = std::filesystem;

TPathArray Circle(double r, double z, int n = 90) {
    TPathArray ring;
    for (int k = 0; k < n; ++k) {
        const double a = 2 * std::numbers::pi * k / n;
        ring.push_back({r * std::cos(a), r * std::sin(a), z});
    }
    return ring;
}

FormedPart Cylinder(double r, double h, double t, PlateSide side) {
    RuledPiece p;
    p.First = Circle(r, 0);
    p.Second = Circle(r, h);
    p.Closed = true;
    p.FirstPlane = FormedPlane{{0, 0, 0}, {0, 0, 1}};
    p.SecondPlane = FormedPlane{{0, 0, h}, {0, 0, 1}};
    FormedPart part;
    part.Name = "Test cylinder";
    part.Pieces.push_back(p);
    part.Thickness = t;
    part.Side = side;
    return part;
}

TEST(StepSolid, CylinderIsOneSolidOfItsPlate) {
    const FormedPart part = Cylinder(5, 10, 0.25, PlateSide::Middle);
    const StepSolidResult r = BuildStepSolids(part, kInches);
    ASSERT_EQ(r.Message, "");
    ASSERT_EQ(r.Solids.size(), 1u);
    const double expected = 2 * std::numbers::pi * 5 * 10 * 0.25;
    EXPECT_NEAR(r.Solids[0].Volume, expected, 1e-4 * expected);
    EXPECT_NEAR(r.Solids[0].BoxMax.x, 5.125, 1e-4);
    EXPECT_NEAR(r.Solids[0].BoxMin.z, 0, 1e-6);
    EXPECT_NEAR(r.Solids[0].BoxMax.z, 10, 1e-6);
}

TEST(StepSolid, WrittenFileReadsBack) {
    const fs::path file = fs::temp_directory_path() / "brevant-step-writer-test.step";
    const FormedPart part = Cylinder(5, 10, 0.25, PlateSide::Outside);
    const StepSolidResult r = WriteStepSolids(part, file.string(), kMillimeters);
    ASSERT_TRUE(r.Written) << r.Message;
    const test::ReadStepFile f = test::ReadStep(file.string(), "MM");
    ASSERT_TRUE(f.Read);
    ASSERT_EQ(f.Solids.size(), 1u);
    EXPECT_TRUE(f.Solids[0].Valid);
    EXPECT_EQ(f.FileUnit, "millimetre");
    EXPECT_EQ(f.Product, "Test cylinder, plate 6.35 mm");
    EXPECT_NEAR(f.Solids[0].BoxMax.x, 5 * 25.4, 1e-3);
    if (!std::getenv("BREVANT_KEEP_STEP")) fs::remove(file);
}

} // namespace
} // namespace brevant
