// The STEP writer on parts made by hand: every piece one valid solid, its volume the described
// area times the thickness, its box where the plate lies, refusals with their message.
#include "documents/step_solid.h"
#include "support/step_read.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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

// The described surface is the plate's middle, its outside face or its inside face: the plate
// lies about it, inside it or outside it.
TEST(StepSolid, PlateLiesOnTheSideItsSurfaceIsGivenFor) {
    struct Case {
        PlateSide side;
        double outerRadius, middleRadius;
    };
    const Case cases[] = {{PlateSide::Middle, 5.125, 5},
                          {PlateSide::Outside, 5, 4.875},
                          {PlateSide::Inside, 5.25, 5.125}};
    for (const Case& c : cases) {
        const StepSolidResult r = BuildStepSolids(Cylinder(5, 10, 0.25, c.side), kInches);
        ASSERT_EQ(r.Message, "");
        ASSERT_EQ(r.Solids.size(), 1u);
        const double volume = 2 * std::numbers::pi * c.middleRadius * 10 * 0.25;
        EXPECT_NEAR(r.Solids[0].Volume, volume, 1e-4 * volume);
        EXPECT_NEAR(r.Solids[0].BoxMax.x, c.outerRadius, 1e-4);
        EXPECT_NEAR(r.Solids[0].BoxMin.z, 0, 1e-6);
        EXPECT_NEAR(r.Solids[0].BoxMax.z, 10, 1e-6);
    }
}

TEST(StepSolid, NoThicknessGivesTheDefaultPlateNamedInTheProduct) {
    FormedPart part = Cylinder(5, 10, 0, PlateSide::Middle);
    EXPECT_EQ(StepProductName(part, kInches), "Test cylinder, default plate 0.125 in");
    EXPECT_EQ(StepProductName(part, kCentimeters), "Test cylinder, default plate 0.3175 cm");
    const StepSolidResult r = BuildStepSolids(part, kInches);
    ASSERT_EQ(r.Solids.size(), 1u);
    EXPECT_NEAR(r.Solids[0].BoxMax.x, 5.0625, 1e-4);
    part.Thickness = 0.5;
    EXPECT_EQ(StepProductName(part, kMillimeters), "Test cylinder, plate 12.7 mm");
}

TEST(StepSolid, WrittenFileReadsBackInTheDisplayUnit) {
    const fs::path file = fs::temp_directory_path() / "brevant-step-writer-test.step";
    const FormedPart part = Cylinder(5, 10, 0.25, PlateSide::Outside);
    const StepSolidResult r = WriteStepSolids(part, file.string(), kMillimeters);
    ASSERT_TRUE(r.Written) << r.Message;
    const test::ReadStepFile f = test::ReadStep(file.string(), "MM");
    ASSERT_TRUE(f.Read);
    ASSERT_EQ(f.Solids.size(), 1u);
    EXPECT_TRUE(f.Solids[0].Valid);
    EXPECT_EQ(f.OtherShapes, 0);
    EXPECT_EQ(f.FileUnit, "millimetre");
    EXPECT_EQ(f.Product, "Test cylinder, plate 6.35 mm");
    EXPECT_NEAR(f.Solids[0].BoxMax.x, 5 * 25.4, 1e-3);
    EXPECT_NEAR(f.Solids[0].BoxMax.z, 10 * 25.4, 1e-3);
    if (!std::getenv("BREVANT_KEEP_STEP")) fs::remove(file);
}

// A part that gives no valid solid writes nothing: an existing file stays as it was.
TEST(StepSolid, PartWithoutValidSolidWritesNothing) {
    FormedPart crossing = Cylinder(5, 10, 0.25, PlateSide::Middle);
    // A top plane tilted so far that it runs below the bottom on one side.
    std::get<RuledPiece>(crossing.Pieces[0]).SecondPlane = FormedPlane{{0, 0, 10}, {1, 0, 0.2}};
    FormedPart empty;
    const fs::path file = fs::temp_directory_path() / "brevant-step-refused.step";
    for (const FormedPart* part : {&crossing, &empty}) {
        { std::ofstream(file) << "kept"; }
        const StepSolidResult r = WriteStepSolids(*part, file.string(), kInches);
        EXPECT_FALSE(r.Written);
        EXPECT_FALSE(r.WriteFailed);
        EXPECT_FALSE(r.Message.empty());
        std::ifstream in(file);
        std::string text;
        in >> text;
        EXPECT_EQ(text, "kept");
    }
    EXPECT_NE(WriteStepSolids(crossing, file.string(), kInches).Message.find("cross"),
              std::string::npos);
    fs::remove(file);
}

TEST(StepSolid, WriteFailureNamesTheFile) {
    const fs::path file = fs::temp_directory_path() / "brevant-no-such-folder" / "part.step";
    const StepSolidResult r =
        WriteStepSolids(Cylinder(5, 10, 0.25, PlateSide::Middle), file.string(), kInches);
    EXPECT_FALSE(r.Written);
    EXPECT_TRUE(r.WriteFailed);
    EXPECT_NE(r.Message.find(file.string()), std::string::npos) << r.Message;
    EXPECT_FALSE(fs::exists(file));
}

} // namespace
} // namespace brevant
