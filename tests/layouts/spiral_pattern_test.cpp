// The drawing of the spiral flight's ring: outline, annotations by ring angle, the print
// variant and its refusals.
#include "caddraw/flat_pattern_render.h"
#include "caddraw/pattern_pen.h"
#include "core/notices.h"
#include "layouts/spiral/spiral_pattern.h"
#include "spiral_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace brevant;
using namespace brevant::testing;

namespace {

class RecordingNotices : public INotices {
public:
    int ShowMessageDialog(const std::string& title, const std::string&, int) override {
        titles.push_back(title);
        return kResultOk;
    }
    void ShowStatus(const std::string& text) override { status = text; }
    std::vector<std::string> titles;
    std::string status;
};

// Whether some line on the layer ends at (x, y): where an arrowhead's tip sits.
bool LineEndsAt(const TCadDraw& v, int layer, double x, double y) {
    for (const TElement& l : ElementsOf(v, kElementLine, layer))
        if (std::fabs(l.Coord(4) - x) < 1e-9 && std::fabs(l.Coord(5) - y) < 1e-9) return true;
    return false;
}

// The ring and its print variant as the flat-shape view shows them.
bool DrawSpiralFlightPattern(TCadDraw& v, double od, double id, double pitch, SpiralResults& r) {
    FlatPatternBuilder flat;
    const bool drawn = brevant::DrawSpiralFlightPattern(flat, od, id, pitch, r);
    ShowFlatPattern(v, flat.Pattern());
    return drawn;
}
bool DrawSpiralFlightForPrint(TCadDraw& v, SpiralResults& r, INotices& notices) {
    FlatPatternBuilder flat;
    const bool drawn = brevant::DrawSpiralFlightForPrint(flat, r, notices);
    ShowFlatPattern(v, flat.Pattern());
    return drawn;
}

double Rad(double degrees) {
    return degrees * std::numbers::pi / 180;
}

} // namespace

TEST(SpiralPattern, NearlyClosedRingCarriesItsXAndYDimensions) {
    TCadDraw v;
    SpiralResults r;
    ASSERT_TRUE(DrawSpiralFlightPattern(v, 21, 8, 12, r));
    const double R = r.SpiralOuterRadius, Ri = r.SpiralInnerRadius;
    const RingArcs ring = OutlineArcs(v);
    EXPECT_NEAR(ring.outer.Coord(4), R, 1e-5);
    EXPECT_NEAR(ring.inner.Coord(4), Ri, 1e-5);
    EXPECT_NEAR(Sweep(ring.outer), r.SpiralFlatAngle, 1e-4);
    // The gap is centred on the negative y axis: the ends mirror each other.
    EXPECT_NEAR(ring.outer.Coord(5) + ring.outer.Coord(6), 180, 1e-9);
    EXPECT_EQ(ElementsOf(v, kElementLine, 1).size(), 2u);
    // Arrowheads: the width X across the x axis, the height Y at the right from the outer end
    // up to the top of the outer arc.
    const SpiralRing g = DevelopSpiralFlight(21, 8, 12);
    const double gR = g.OuterRadius, s = Rad(g.StartAngle);
    const double xo = gR * std::cos(s), yo = gR * std::sin(s), xd = xo + 1.3 * gR;
    EXPECT_TRUE(LineEndsAt(v, kLayerArrow, gR, 0));
    EXPECT_TRUE(LineEndsAt(v, kLayerArrow, -gR, 0));
    EXPECT_TRUE(LineEndsAt(v, kLayerArrow, xd, gR));
    EXPECT_TRUE(LineEndsAt(v, kLayerArrow, xd, yo));
    // The angle marker: light green arcs at mid radius, leaving 85 to 95 degrees for the A.
    const auto marker = ElementsOf(v, kElementArc, kLayerDimension);
    ASSERT_EQ(marker.size(), 2u);
    for (const TElement& a : marker) {
        EXPECT_NEAR(a.Coord(4), Ri + (R - Ri) / 2, 1e-5);
        EXPECT_EQ(a.LineColor, kColorLightGreen);
    }
    // Nothing of the annotations on the outline's layers, which the CAD save keeps.
    const TElements& all = v.Elements();
    for (int i = 0; i < all.Count(); ++i)
        if (all[i].Layer < kLayerDimension) {
            EXPECT_EQ(all[i].LineColor, kColorWhite);
        }
}

TEST(SpiralPattern, SteepFlightShowsOnlyTheAngleMarker) {
    TCadDraw v;
    SpiralResults r;
    ASSERT_TRUE(DrawSpiralFlightPattern(v, 21, 8, 100, r));
    ASSERT_LE(r.SpiralFlatAngle, 180);
    EXPECT_TRUE(ElementsOf(v, kElementLine, kLayerArrow).empty());
    EXPECT_EQ(ElementsOf(v, kElementArc, kLayerDimension).size(), 2u);
    const double s = Rad(90 - double(r.SpiralFlatAngle) / 2);
    EXPECT_NEAR(r.SpiralPatternHeight, r.SpiralOuterRadius - r.SpiralInnerRadius * std::sin(s),
                1e-4);
}

TEST(SpiralPattern, NarrowRingGetsOneMarkerArcInsideTheRing) {
    TCadDraw v;
    SpiralResults r;
    ASSERT_TRUE(DrawSpiralFlightPattern(v, 21, 8, 2000, r)); // a ring angle of a few degrees
    ASSERT_LT(r.SpiralFlatAngle, 10);
    const auto marker = ElementsOf(v, kElementArc, kLayerDimension);
    ASSERT_EQ(marker.size(), 1u);
    EXPECT_NEAR(Sweep(marker[0]), r.SpiralFlatAngle, 1e-4);
}

TEST(SpiralPattern, RingBeyondTheDrawableRangeIsComputedButNotDrawn) {
    TCadDraw v;
    SpiralResults r;
    EXPECT_FALSE(DrawSpiralFlightPattern(v, 21, 8, 1e8, r));
    EXPECT_GT(r.SpiralOuterRadius, kLargestDrawableSpiral);
    EXPECT_TRUE(std::isfinite(r.SpiralFlatAngle) && r.SpiralFlatAngle > 0);
    EXPECT_EQ(v.Elements().Count(), 0);
}

TEST(SpiralPrint, LinesOnlyWithABoundingBoxAroundTheRing) {
    TCadDraw v;
    SpiralResults r;
    DrawSpiralFlightPattern(v, 21, 8, 12, r);
    const float chord = r.SpiralOuterChord;
    r.SpiralOuterChord = 0;
    RecordingNotices notices;
    ASSERT_TRUE(DrawSpiralFlightForPrint(v, r, notices));
    EXPECT_TRUE(notices.titles.empty());
    EXPECT_NEAR(r.SpiralOuterChord, chord, 1e-4);
    EXPECT_TRUE(ElementsOf(v, kElementArc).empty());
    const auto outline = ElementsOf(v, kElementLine, kLayerOutline);
    // Lines of about 0.2 along both arcs: together as long as the two arcs.
    double length = 0;
    for (const TElement& l : outline)
        length += std::hypot(l.Coord(4) - l.Coord(1), l.Coord(5) - l.Coord(2));
    const double arcs =
        (double(r.SpiralOuterRadius) + r.SpiralInnerRadius) * Rad(r.SpiralFlatAngle);
    const double ends = 2 * (double(r.SpiralOuterRadius) - r.SpiralInnerRadius);
    EXPECT_NEAR(length, arcs + ends, 1e-3 * arcs);
    const auto box = ElementsOf(v, kElementLine, kLayerBoundingBox);
    ASSERT_EQ(box.size(), 4u);
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
    for (const TElement& l : box) {
        EXPECT_EQ(l.LineColor, kColorGrey);
        minX = std::min({minX, l.Coord(1), l.Coord(4)}),
        maxX = std::max({maxX, l.Coord(1), l.Coord(4)});
        minY = std::min({minY, l.Coord(2), l.Coord(5)}),
        maxY = std::max({maxY, l.Coord(2), l.Coord(5)});
    }
    for (const TElement& l : outline) {
        EXPECT_GE(l.Coord(1), minX - 1e-9);
        EXPECT_LE(l.Coord(1), maxX + 1e-9);
        EXPECT_GE(l.Coord(2), minY - 1e-9);
        EXPECT_LE(l.Coord(2), maxY + 1e-9);
    }
    EXPECT_NEAR(maxX - minX, r.SpiralPatternWidth, 0.01);
}

TEST(SpiralPrint, RefusesADegenerateRingAndLeavesTheViewEmpty) {
    const struct {
        SpiralResults results;
        const char* title;
    } cases[] = {
        {{4, 4, 300, 0, 0, 0, 0}, "Error: Small radius is larger than big radius"},
        {{0, 0, 0, 0, 0, 0, 0}, "Error: Small radius is larger than big radius"},
        {{1e7f, 9.9e6f, 0.5f, 0, 0, 0, 0}, "Error: Flat angle is less than 1 degree"},
    };
    for (auto c : cases) {
        TCadDraw v;
        v.MakeLine(0, 0, 0, 1, 1, 0);
        RecordingNotices notices;
        EXPECT_FALSE(DrawSpiralFlightForPrint(v, c.results, notices));
        EXPECT_EQ(notices.titles, std::vector<std::string>{c.title});
        EXPECT_EQ(v.Elements().Count(), 0);
    }
}
