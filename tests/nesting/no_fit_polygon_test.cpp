// No-fit polygons of concave shapes and shapes with holes against a brute-force overlap
// check: for every grid point t, the moving shape moved by t overlaps the fixed one (their
// intersection, computed by the polygon library, has an area) exactly where t lies inside the
// no-fit polygon.
#include "nesting/no_fit_polygon.h"

#include "../support/lcg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace brevant::nest {
namespace {

IntPaths Scaled(IntPaths loops, int factor) {
    for (IntPath& l : loops)
        for (IntPoint& p : l) {
            p.X *= factor;
            p.Y *= factor;
        }
    return loops;
}

double OverlapArea(const IntPaths& fixed, const IntPaths& moving, const IntPoint& t) {
    IntPaths moved;
    for (const IntPath& l : moving)
        moved.push_back(Moved(l, t));
    ClipperLib::Clipper c;
    c.AddPaths(fixed, ClipperLib::ptSubject, true);
    c.AddPaths(moved, ClipperLib::ptClip, true);
    IntPaths common;
    c.Execute(ClipperLib::ctIntersection, common, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    return AreaOf(common);
}

bool Overlaps(const IntPaths& fixed, const IntPaths& moving, const IntPoint& t) {
    return OverlapArea(fixed, moving, t) > 0;
}

// A free position hemmed in by overlapping ones on two opposite sides: the moving shape fits
// exactly into a notch of the fixed one. The union that forms the no-fit polygon closes such
// a line of touching positions, so the nester never uses it (it never overlaps either).
bool Pinned(const IntPaths& fixed, const IntPaths& moving, const IntPoint& t, Coord step) {
    const int directions[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};
    for (const auto& d : directions)
        if (Overlaps(fixed, moving, {t.X + d[0] * step, t.Y + d[1] * step}) &&
            Overlaps(fixed, moving, {t.X - d[0] * step, t.Y - d[1] * step}))
            return true;
    return false;
}

// Vertices where the sum's edges cross are rounded to the grid, so its boundary may pass a
// grid unit from the true one: a position that close to it may fall either way.
bool OnRoundedBoundary(const IntPaths& nfp, const IntPoint& t) {
    const bool inside = Locate(t, nfp) == PointPlace::kInside;
    for (Coord dx = -2; dx <= 2; ++dx)
        for (Coord dy = -2; dy <= 2; ++dy)
            if ((Locate({t.X + dx, t.Y + dy}, nfp) == PointPlace::kInside) != inside) return true;
    return false;
}

// The shapes (small whole numbers) enlarged a thousand times, so that a crossing rounded to
// the grid cannot hide a small overlap; every half step of the no-fit polygon's box and a
// margin: inside <=> overlapping, but for exact fits into a notch.
void ExpectMatchesOverlap(const IntPaths& small, const IntPaths& smallMoving,
                          const std::string& name) {
    constexpr Coord kScale = 1000, kStep = kScale / 2;
    const IntPaths fixed = Scaled(small, kScale), moving = Scaled(smallMoving, kScale);
    const IntPaths nfp = NoFitPolygon(fixed, moving);
    ASSERT_FALSE(nfp.empty()) << name;
    const IntBox b = BoxOf(nfp);
    int wrong = 0;
    for (Coord x = b.minX - 2 * kStep; x <= b.maxX + 2 * kStep; x += kStep)
        for (Coord y = b.minY - 2 * kStep; y <= b.maxY + 2 * kStep; y += kStep) {
            const IntPoint t{x, y};
            const bool overlap = Overlaps(fixed, moving, t);
            const bool inside = Locate(t, nfp) == PointPlace::kInside;
            if (overlap == inside || OnRoundedBoundary(nfp, t)) continue;
            if (inside && Pinned(fixed, moving, t, kStep)) continue;
            if (++wrong <= 5)
                ADD_FAILURE() << name << ": at (" << x << ", " << y << ") overlap " << overlap
                              << ", inside the no-fit polygon " << inside;
        }
}

const IntPaths kSquare3 = {{{0, 0}, {3, 0}, {3, 3}, {0, 3}}};
const IntPaths kEll = {{{0, 0}, {6, 0}, {6, 2}, {2, 2}, {2, 6}, {0, 6}}};
const IntPaths kCup = {{{0, 0}, {8, 0}, {8, 6}, {6, 6}, {6, 2}, {2, 2}, {2, 6}, {0, 6}}};
const IntPaths kPeg = {{{0, 0}, {4, 0}, {4, 1}, {3, 1}, {3, 5}, {1, 5}, {1, 1}, {0, 1}}};
// A box with a cavity whose mouth (2 wide) is narrower than what the cavity holds (6 x 6).
const IntPaths kTrap = {{{0, 0},
                         {10, 0},
                         {10, 4},
                         {8, 4},
                         {8, 2},
                         {2, 2},
                         {2, 8},
                         {8, 8},
                         {8, 6},
                         {10, 6},
                         {10, 10},
                         {0, 10}}};
// A frame: a square with a square hole (clockwise).
const IntPaths kFrame = {{{0, 0}, {10, 0}, {10, 10}, {0, 10}}, {{2, 2}, {2, 8}, {8, 8}, {8, 2}}};

TEST(NoFitPolygon, ConcaveAndHoledPairsMatchABruteForceOverlapCheck) {
    struct Pair {
        const char* name;
        IntPaths fixed, moving;
    };
    const Pair pairs[] = {
        {"square around square", kSquare3, kSquare3},
        {"ell around ell", kEll, kEll},
        {"peg into cup", kCup, kPeg},
        {"cup around peg", kPeg, kCup},
        {"cup into cup", kCup, kCup},
        {"square into the trap's cavity", kTrap, kSquare3},
        {"square into the frame's hole", kFrame, kSquare3},
        {"frame around a square", kSquare3, kFrame},
        {"ell into the frame", kFrame, kEll},
    };
    for (const Pair& p : pairs)
        ExpectMatchesOverlap(p.fixed, p.moving, p.name);
}

TEST(NoFitPolygon, ACavityReachedOnlyThroughANarrowMouthIsAHole) {
    // The square can sit in the cavity but cannot pass its mouth: a hole of the no-fit polygon.
    const IntPaths nfp = NoFitPolygon(kTrap, kSquare3);
    int holes = 0;
    for (const IntPath& l : nfp)
        holes += ClipperLib::Orientation(l) ? 0 : 1;
    EXPECT_EQ(holes, 1);
    EXPECT_EQ(Locate({2, 2}, nfp), PointPlace::kOnEdge); // in the cavity's corner
    EXPECT_EQ(Locate({4, 4}, nfp), PointPlace::kOutside);
    EXPECT_EQ(Locate({4, 9}, nfp), PointPlace::kInside); // across the cavity's wall
}

// Star-shaped polygons with random radii: deeply concave, several notches.
IntPath Star(testing::Lcg& rng, int points) {
    IntPath p;
    for (int k = 0; k < points; ++k) {
        const double a = 2 * 3.14159265358979 * k / points;
        const double r = rng.Next(2, 9);
        p.emplace_back(Coord(std::lround(r * std::cos(a))), Coord(std::lround(r * std::sin(a))));
    }
    if (!ClipperLib::Orientation(p)) ClipperLib::ReversePath(p);
    return p;
}

TEST(NoFitPolygon, RandomStarsMatchABruteForceOverlapCheck) {
    testing::Lcg rng(23);
    for (int k = 0; k < 12; ++k) {
        const IntPaths a = Merged({Star(rng, 7 + k % 4)});
        const IntPaths b = Merged({Star(rng, 5 + k % 3)});
        if (a.size() != 1 || b.size() != 1) continue; // a star that folded onto itself
        ExpectMatchesOverlap(a, b, "stars " + std::to_string(k));
    }
}

} // namespace
} // namespace brevant::nest
