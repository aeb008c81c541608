// Duplicate removal: the listed rules, and equality with the pairwise scan on random drawings.
#include "caddraw/cad_draw.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace brevant {
namespace {

// The pairwise scan: each element removes every later duplicate at once.
bool Near(double a, double b) {
    return std::fabs(a - b) <= 0.0005;
}

bool RefDuplicates(const TElement& a, const TElement& b, bool allLayers) {
    if (a.Etype != b.Etype || (!allLayers && a.Layer != b.Layer)) return false;
    auto same = [&](int ia, int ib, int n) {
        for (int k = 0; k < n; ++k)
            if (!Near(a.Coord(ia + k), b.Coord(ib + k))) return false;
        return true;
    };
    switch (a.Etype) {
    case 1:
        return same(1, 1, 3);
    case 2:
        return same(1, 1, 6) || (same(1, 4, 3) && same(4, 1, 3));
    case 3:
        return same(1, 1, 6);
    default:
        return false;
    }
}

std::vector<std::int64_t> ReferenceSurvivors(const TElements& list, bool allLayers) {
    std::vector<const TElement*> items;
    for (const TElement& e : list)
        items.push_back(&e);
    for (std::size_t i = 0; i < items.size(); ++i)
        for (std::size_t j = i + 1; j < items.size();) {
            if (RefDuplicates(*items[i], *items[j], allLayers))
                items.erase(items.begin() + static_cast<std::ptrdiff_t>(j));
            else
                ++j;
        }
    std::vector<std::int64_t> ids;
    for (const TElement* e : items)
        ids.push_back(e->ItemID);
    return ids;
}

std::vector<std::int64_t> Ids(const TElements& list) {
    std::vector<std::int64_t> ids;
    for (const TElement& e : list)
        ids.push_back(e.ItemID);
    return ids;
}

TEST(DeleteDuplicates, LayerRuleAndReversedLines) {
    struct Case {
        const char* name;
        TCoords second;
        int secondLayer;
        bool allLayers;
        int remaining;
    };
    const Case cases[] = {
        {"equal lines on different layers stay", {0, 0, 0, 5, 5, 0}, 2, false, 2},
        {"all layers removes the later one", {0, 0, 0, 5, 5, 0}, 2, true, 1},
        {"a reversed twin is a duplicate", {5, 5, 0, 0, 0, 0}, 1, false, 1},
        {"within 0.0005 is equal", {0.0005, 0, 0, 5, 5.0004, 0}, 1, false, 1},
        {"beyond 0.0005 is not", {0.0006, 0, 0, 5, 5, 0}, 1, false, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TCadDraw view;
        view.MakeLine(0, 0, 0, 5, 5, 0);
        view.CadSettings().current_layer = c.secondLayer;
        view.MakeLine(c.second[0], c.second[1], c.second[2], c.second[3], c.second[4], c.second[5]);
        view.DeleteDuplicates(c.allLayers);
        EXPECT_EQ(view.Elements().Count(), c.remaining);
    }
}

TEST(DeleteDuplicates, DeletedElementsTakePartAndOtherKindsNeverMatch) {
    TCadDraw view;
    const int a = view.MakePoint(1, 1, 0);
    view.Elements()[a].Deleted = true;
    view.MakePoint(1, 1, 0);
    view.MakeText(0, 0, "x");
    view.MakeText(0, 0, "x");
    view.DeleteDuplicates(false);
    ASSERT_EQ(view.Elements().Count(), 3);
    EXPECT_TRUE(view.Elements()[0].Deleted);
}

// Random drawings on a coarse grid with jitter around the tolerance, so chains of near-equal
// elements (where the order of removal matters) are common.
TEST(DeleteDuplicates, MatchesThePairwiseScanOnRandomDrawings) {
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> grid(0, 3), type(1, 3), layer(1, 2), coin(0, 1), fine(0, 8);
    std::uniform_real_distribution<double> jitter(-0.0007, 0.0007);
    for (int round = 0; round < 40; ++round) {
        TCadDraw view;
        for (int n = 0; n < 300; ++n) {
            // Every third round uses a fine lattice, so differences of about the tolerance
            // (and cell borders) come up all the time.
            auto v = [&] {
                if (round % 3 == 2) return fine(rng) * 0.00025;
                return grid(rng) * 0.5 + (coin(rng) ? jitter(rng) : 0.0);
            };
            TCoords c{v(), v(), coin(rng) ? 0.0 : v(), v(), v(), v()};
            const int t = type(rng);
            if (t == 3) c[3] = 1 + grid(rng) * 0.0004;
            const int i = view.AddElement(t, 0, c, 0, 0, layer(rng), 0, {}, 1);
            if (coin(rng) && t == 2) { // a reversed twin now and then
                view.AddElement(2, 0, {c[3], c[4], c[5], c[0], c[1], c[2]}, 0, 0, layer(rng), 0, {},
                                1);
            }
            if (n % 7 == 0) view.Elements()[i].Deleted = true;
        }
        const bool allLayers = round % 2 == 1;
        const std::vector<std::int64_t> expected = ReferenceSurvivors(view.Elements(), allLayers);
        const int removed = view.DeleteDuplicates(allLayers);
        EXPECT_EQ(Ids(view.Elements()), expected) << "round " << round;
        EXPECT_GT(removed, 0);
    }
}

TEST(DeleteDuplicates, NonFiniteCoordinatesNeverMatch) {
    TElements list;
    for (int k = 0; k < 2; ++k) {
        TElement& e = list.Add();
        e.Etype = 1;
        e.Layer = 1;
        e.Coords = {std::numeric_limits<double>::infinity(), 0, 0, 0, 0, 0};
    }
    for (int k = 0; k < 2; ++k) {
        TElement& e = list.Add();
        e.Etype = 1;
        e.Layer = 1;
        e.Coords = {1e300, -1e300, 0, 0, 0, 0};
    }
    list.DeleteDuplicates(false);
    EXPECT_EQ(list.Count(), 3); // the two huge points match, the infinite ones do not
}

} // namespace
} // namespace brevant
