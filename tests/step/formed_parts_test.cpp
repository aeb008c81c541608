// The formed parts of the layout kinds built into solids: the pieces a cone is cut into, where
// its side cut and elliptical ends put the plate, the square to round's facets, and generated
// cones whose plate holds their surface's area times the thickness.
#include "documents/step_solid.h"
#include "layouts/cone/cone_formed.h"
#include "layouts/cone/cone_solver.h"
#include "layouts/square/square_formed.h"
#include "support/lcg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace brevant {
namespace {

ConeSolidInputs Cone(double t, double b, double h) {
    ConeSolidInputs in;
    in.Shape.T = t;
    in.Shape.B = b;
    in.Shape.H = h;
    return in;
}

double TotalVolume(const StepSolidResult& r) {
    double v = 0;
    for (const StepSolidSummary& s : r.Solids)
        v += s.Volume;
    return v;
}

// T 10, B 20, H 10: the lateral area pi (R + r) s with the slant s = sqrt(5^2 + 10^2).
constexpr double kHopperArea = std::numbers::pi * 15 * 11.180339887498949;

TEST(FormedParts, SegmentedConeIsOneSolidPerSegment) {
    struct Case {
        double segment;
        size_t pieces;
    };
    for (const Case c : {Case{0, 1}, Case{120, 3}, Case{180, 2}, Case{100, 4}}) {
        ConeSolidInputs in = Cone(10, 20, 10);
        in.SegmentAngle = c.segment;
        const FormedPart part = ConeFormedPart(in);
        ASSERT_EQ(part.Pieces.size(), c.pieces) << c.segment;
        const StepSolidResult r = BuildStepSolids(part, kInches);
        ASSERT_EQ(r.Message, "") << c.segment;
        EXPECT_EQ(r.Solids.size(), c.pieces);
        EXPECT_NEAR(TotalVolume(r), kHopperArea * kDefaultPlateThickness, 1e-3 * kHopperArea);
    }
}

// A side cut of width 5 on a cylinder of diameter 10 takes the slice beyond the chord of that
// width away: the plate ends at x = -sqrt(5^2 - 2.5^2).
TEST(FormedParts, SideCutTakesItsSliceAway) {
    ConeSolidInputs in = Cone(10, 10, 8);
    in.IsCylinder = true;
    in.TopCutWidth = in.BottomCutWidth = 5;
    FormedPart part = ConeFormedPart(in);
    part.Thickness = 0.25;
    const StepSolidResult r = BuildStepSolids(part, kInches);
    ASSERT_EQ(r.Message, "");
    ASSERT_EQ(r.Solids.size(), 1u);
    EXPECT_NEAR(r.Solids[0].BoxMin.x, -std::sqrt(25 - 6.25), 1e-3);
    EXPECT_NEAR(r.Solids[0].BoxMax.x, 5.125, 1e-3);
    // The arc kept is 300 of the 360 degrees.
    const double kept = std::numbers::pi * 10 * 8 * 300 / 360;
    EXPECT_NEAR(r.Solids[0].Volume / (kept * 0.25), 1, 0.005);
}

// The solver keeps the equivalent diameter of an elliptical end; the solid's ellipse has the
// long axis whose perimeter is that of the developed end, the axis that was typed.
TEST(FormedParts, EllipticalEndHasItsTypedLongAxis) {
    ConeSolidInputs in = Cone(10, EquivalentDiameter(12, 20), 10);
    in.Shape.BottomEllipseWidth = 12;
    const StepSolidResult r = BuildStepSolids(ConeFormedPart(in), kInches);
    ASSERT_EQ(r.Message, "");
    ASSERT_EQ(r.Solids.size(), 1u);
    const double plate = kDefaultPlateThickness;
    EXPECT_NEAR(r.Solids[0].BoxMax.x, 10, plate);
    EXPECT_NEAR(r.Solids[0].BoxMin.x, -10, plate);
    EXPECT_NEAR(r.Solids[0].BoxMax.y, 6, plate);
    EXPECT_GT(r.Solids[0].BoxMax.x, 10);
}

// Each corner's fan and the four flat side triangles, one facet per pair of neighbouring
// generators; the twins share the side triangle's apex.
TEST(FormedParts, SquareToRoundIsItsFacets) {
    const SquareShape shape{10, 20, 16, 12, 1, -2, 5, 6};
    const FormedPart part = SquareFormedPart(BuildSquareModel(shape), shape);
    ASSERT_EQ(part.Pieces.size(), 1u);
    const auto& facets = std::get<FacetPiece>(part.Pieces[0]);
    EXPECT_EQ(facets.Facets.size(), 24u);
    EXPECT_EQ(facets.Vertices.size(), 20u + 4u);
    const StepSolidResult r = BuildStepSolids(part, kInches);
    ASSERT_EQ(r.Message, "");
    ASSERT_EQ(r.Solids.size(), 1u);
    EXPECT_NEAR(r.Solids[0].Volume / (DescribedArea(part.Pieces[0]) * kDefaultPlateThickness), 1,
                0.005);
    EXPECT_NEAR(r.Solids[0].BoxMin.z, 0, 1e-6);
}

// Generated cones and cylinders, shifted, tilted, elliptical and cut: the plate's volume is
// the described surface's area times the thickness, also where the surface between an ellipse
// and a circle twists along its rulings.
TEST(FormedParts, GeneratedConesHoldTheirAreaTimesTheThickness) {
    testing::Lcg g(21);
    int built = 0;
    for (int i = 0; i < 24; ++i) {
        const double b = g.Next(4, 40);
        ConeSolidInputs in = Cone(g.Next(0.2, 0.9) * b, b, g.Next(2, 30));
        in.IsCylinder = i % 6 == 0;
        if (in.IsCylinder) in.Shape.T = b;
        if (!in.IsCylinder && i % 2) in.Shape.S = g.Next(-0.2, 0.2) * b;
        if (i % 3) in.Shape.TopAngle = g.Next(-15, 15);
        if (i % 4 == 1) in.Shape.BottomAngle = g.Next(-10, 10);
        const bool ellipse = i % 5 == 2;
        if (ellipse) in.Shape.TopEllipseWidth = g.Next(0.6, 0.95) * in.Shape.T;
        if (i % 7 == 3) {
            in.TopCutWidth = g.Next(0.3, 0.8) * in.Shape.T;
            in.BottomCutWidth = g.Next(0.3, 0.8) * in.Shape.B;
        }
        FormedPart part = ConeFormedPart(in);
        part.Thickness = g.Next(0.05, 0.3);
        SCOPED_TRACE("cone " + std::to_string(i));
        const StepSolidResult r = BuildStepSolids(part, kInches);
        if (!r.Message.empty()) continue; // ends that cross: refused, by the writer's own test
        double area = 0;
        for (const FormedPiece& p : part.Pieces)
            area += DescribedArea(p);
        EXPECT_NEAR(TotalVolume(r) / (area * part.Thickness), 1, 0.005)
            << (ellipse ? "elliptical top" : "");
        ++built;
    }
    EXPECT_GT(built, 18);
}

} // namespace
} // namespace brevant
