// Element creation, extents, groups, origin moves and chains of the CAD drawing.
#include "caddraw/cad_draw.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace brevant {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(AddElement, ChecksCoordinatesAndNormalisesFields) {
    struct Case {
        const char* name;
        int type;
        TCoords coords;
        int layer;
        int view;
        bool added;
        TCoords stored;
        int storedLayer;
        int storedView;
    };
    const Case cases[] = {
        {"arc with equal angles is a full circle",
         3,
         {0, 0, 0, 5, 90, 90.00005},
         1,
         1,
         true,
         {0, 0, 0, 5, 0, 360},
         1,
         1},
        {"line beyond 1e9 is rejected", 2, {2e9, 0, 0, 1, 1, 0}, 1, 1, false, {}, 0, 0},
        {"arc radius beyond 1e9 is rejected", 3, {0, 0, 0, 2e9, 0, 90}, 1, 1, false, {}, 0, 0},
        {"point z beyond 1e9 becomes 0",
         1,
         {1, 2, 5e9, 0, 0, 0},
         1,
         1,
         true,
         {1, 2, 0, 0, 0, 0},
         1,
         1},
        {"layer 0 is stored as 252", 2, {0, 0, 0, 1, 1, 0}, 0, 1, true, {0, 0, 0, 1, 1, 0}, 252, 1},
        {"layer 300 is stored as 252", 1, {0, 0, 0, 0, 0, 0}, 300, 1, true, {}, 252, 1},
        {"view below 1 is stored as 1",
         3,
         {0, 0, 0, 1, 0, 90},
         3,
         -2,
         true,
         {0, 0, 0, 1, 0, 90},
         3,
         1},
        {"NaN geometry is rejected", 2, {kNaN, 0, 0, 1, 1, 0}, 1, 1, false, {}, 0, 0},
        {"NaN arc angle is rejected", 3, {0, 0, 0, 1, kNaN, 90}, 1, 1, false, {}, 0, 0},
        {"rectangles are not checked",
         13,
         {3e9, 0, 0, 1, 1, 0},
         1,
         1,
         true,
         {3e9, 0, 0, 1, 1, 0},
         1,
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TCadDraw view;
        view.MakePoint(0, 0, 0); // index 0, so a rejection (result 0) is told apart
        const int index =
            view.AddElement(c.type, 0xFF00FF00, c.coords, 0, 0, c.layer, 0, {}, c.view);
        ASSERT_EQ(view.Elements().Count(), c.added ? 2 : 1);
        if (!c.added) {
            EXPECT_EQ(index, 0);
            continue;
        }
        EXPECT_EQ(index, 1);
        const TElement& e = view.Elements()[1];
        EXPECT_EQ(e.Layer, c.storedLayer);
        EXPECT_EQ(e.view, c.storedView);
        for (int i = 1; i <= 6; ++i)
            EXPECT_EQ(e.Coord(i), c.stored[i - 1]) << "coord " << i;
    }
}

TEST(AddElement, NoExtentsLineStylesAreStoredAsOneAndTwo) {
    TCadDraw view;
    view.MakeLine(0, 0, 0, 1, 1, 0);
    const double maxX = view.CadSettings().max_x;
    for (const auto& [request, stored] : {std::pair{10, 1}, std::pair{20, 2}}) {
        view.CadSettings().current_linetype = request;
        const int i = view.MakeLine(0, 0, 0, 50, 60, 0);
        EXPECT_EQ(view.Elements()[i].linetype, stored);
        EXPECT_EQ(view.CadSettings().max_x, maxX);
    }
    view.SetExtents();
    EXPECT_EQ(view.CadSettings().max_x, 50);
    EXPECT_EQ(view.CadSettings().max_y, 60);
}

TEST(AddElement, MakeOperationsUseTheCurrentAttributes) {
    TCadDraw view;
    view.SetDrawColor(0xFF123456);
    view.CadSettings().current_layer = 4;
    view.CadSettings().current_linetype = 3;
    view.CadSettings().current_view = 2;
    const int arc = view.MakeArcX(TDArc{{1, 2, 3}, 4, 10, 20});
    const int text = view.MakeText(5, 6, "hello");
    const int rect = view.MakeRectangle(1, 1, 4, 2, 0xFF0000FF, 0xFFFF0000);
    const TElement& a = view.Elements()[arc];
    EXPECT_EQ(a.Etype, 3);
    EXPECT_EQ(a.view, 2);
    EXPECT_EQ(a.LineColor, 0xFF123456u);
    EXPECT_EQ(a.Layer, 4);
    EXPECT_EQ(a.linetype, 3);
    EXPECT_EQ(view.Elements()[text].text, "hello");
    EXPECT_EQ(view.Elements()[rect].FillColor, 0xFF0000FFu);
    EXPECT_EQ(view.Elements()[rect].LineColor, 0xFFFF0000u);
}

TEST(Extents, GrowByElementKindAndClamp) {
    struct Case {
        const char* name;
        int type;
        TCoords coords;
        double minX, minY, maxX, maxY;
    };
    const Case cases[] = {
        {"quarter arc counts its end points only", 3, {0, 0, 0, 10, 0, 90}, 0, 0, 10, 10},
        {"arc over 180 degrees counts its circle box", 3, {0, 0, 0, 10, 0, 270}, -10, -10, 10, 10},
        {"a far point is the box", 1, {20000, 5, 0, 0, 0, 0}, 20000, 5, 20000, 5},
        {"a whole arc's box may reach past the coordinate range",
         3,
         {9e8, 0, 0, 9e8, 0, 360},
         0,
         -9e8,
         1.8e9,
         9e8},
        {"rectangle counts its corners", 13, {1, 1, 0, 4, 2, 0}, -1, 0, 3, 2},
        {"texts do not count", 5, {100, 100, 0, 0, 0, 0}, 9000, 9000, -9000, -9000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TCadDraw view;
        view.AddElement(c.type, 0, c.coords, 0, 0, 1, 0, "t", 1);
        const TSettings& s = view.CadSettings();
        EXPECT_NEAR(s.min_x, c.minX, 1e-9);
        EXPECT_NEAR(s.min_y, c.minY, 1e-9);
        EXPECT_NEAR(s.max_x, c.maxX, 1e-9);
        EXPECT_NEAR(s.max_y, c.maxY, 1e-9);
    }
}

TEST(Extents, SetExtentsSkipsDeletedAndHiddenAndKeepsTheEmptyBox) {
    TCadDraw view;
    view.SetExtents();
    EXPECT_EQ(view.CadSettings().max_x, -9000);
    EXPECT_EQ(view.CadSettings().min_y, 9000);
    view.MakeLine(0, 0, 0, 1, 1, 0);
    view.CadSettings().current_layer = 5;
    view.MakeLine(0, 0, 0, 100, 100, 0);
    view.CadSettings().current_layer = 1;
    const int gone = view.MakeLine(-50, -50, 0, 0, 0, 0);
    view.Elements()[gone].Deleted = true;
    view.SetLayerVisible(5, false);
    view.SetExtents();
    EXPECT_EQ(view.CadSettings().min_x, 0);
    EXPECT_EQ(view.CadSettings().max_x, 1);
}

TEST(Groups, AddToGroupChoosesAllOrOneButNeverIndexZeroAlone) {
    TCadDraw view;
    for (int i = 0; i < 3; ++i)
        view.MakePoint(i, 0, 0);
    view.AddToGroup(1);
    EXPECT_EQ(view.Elements()[0].Highlight, 0);
    EXPECT_EQ(view.Elements()[1].Highlight, kHighlightGroup);
    view.AddToGroup(3); // out of range: nothing
    EXPECT_EQ(view.Elements()[2].Highlight, 0);
    view.AddToGroup(0);
    for (const TElement& e : view.Elements())
        EXPECT_EQ(e.Highlight, kHighlightGroup);
    view.ClearGroup();
    for (const TElement& e : view.Elements())
        EXPECT_EQ(e.Highlight, 0);
}

TEST(Groups, RotateGroupMakesCopiesAtMultiplesOfTheAngle) {
    struct Case {
        const char* name;
        double angle;
        int times;
        bool leave;
        std::vector<double> copyAngles;
    };
    const Case cases[] = {
        {"three quarter turns kept", 90, 3, true, {90, 180, 270}},
        {"three quarter turns moved", 90, 3, false, {90, 180, 270}},
        {"200 twice uses 200 and 40", 200, 2, true, {200, 40}},
        {"zero times counts as once", 30, 0, false, {30}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TCadDraw view;
        view.MakeLine(1, 0, 0, 2, 0, 0);
        view.AddToGroup(0);
        view.RotateGroup(c.angle, 0, 0, c.times, c.leave);
        ASSERT_EQ(view.Elements().Count(), 1 + static_cast<int>(c.copyAngles.size()));
        EXPECT_EQ(view.Elements()[0].Deleted, !c.leave);
        for (std::size_t k = 0; k < c.copyAngles.size(); ++k) {
            const TElement& e = view.Elements()[static_cast<int>(k) + 1];
            const double rad = c.copyAngles[k] * M_PI / 180;
            EXPECT_EQ(e.Highlight, kHighlightCopy);
            EXPECT_NEAR(e.Coord(1), std::cos(rad), 1e-6);
            EXPECT_NEAR(e.Coord(2), std::sin(rad), 1e-6);
            EXPECT_NEAR(e.Coord(4), 2 * std::cos(rad), 1e-6);
            EXPECT_NEAR(e.Coord(5), 2 * std::sin(rad), 1e-6);
        }
    }
}

TEST(Groups, RotateGroupTurnsArcAnglesAndIgnoresZeroAngle) {
    TCadDraw view;
    view.MakeArc(1, 10, 0, 0, 5, 300, 350);
    view.AddToGroup(0);
    view.RotateGroup(0, 0, 0, 1, false);
    EXPECT_EQ(view.Elements().Count(), 1);
    EXPECT_FALSE(view.Elements()[0].Deleted);
    view.RotateGroup(90, 0, 0, 1, true);
    const TElement& copy = view.Elements()[1];
    EXPECT_NEAR(copy.Coord(1), 0, 1e-5);
    EXPECT_NEAR(copy.Coord(2), 10, 1e-5);
    EXPECT_NEAR(copy.Coord(5), 30, 1e-9); // 390 and 440 brought back by 360
    EXPECT_NEAR(copy.Coord(6), 80, 1e-9);
}

TEST(Groups, ShiftGroupCopiesAndDeletes) {
    TCadDraw view;
    view.CadSettings().current_linetype = 3;
    view.MakePoint(1, 1, 0);
    view.MakeArc(1, 0, 0, 0, 2, 0, 90);
    view.MakeText(0, 0, "not copied");
    view.AddToGroup(0);
    view.ShiftGroup(10, 0, 0, 0, false);
    EXPECT_EQ(view.Elements().Count(), 3);
    for (const TElement& e : view.Elements()) {
        EXPECT_TRUE(e.Deleted);
        EXPECT_EQ(e.Highlight, kHighlightGroup);
    }

    TCadDraw twice;
    twice.CadSettings().current_linetype = 3;
    twice.MakePoint(1, 1, 0);
    twice.MakeArc(1, 0, 0, 0, 2, 0, 90);
    twice.AddToGroup(0);
    twice.ShiftGroup(10, 5, 0, 2, true);
    ASSERT_EQ(twice.Elements().Count(), 6);
    EXPECT_EQ(twice.Elements()[2].Coord(1), 11); // point, first step
    EXPECT_EQ(twice.Elements()[2].linetype, 0);
    EXPECT_EQ(twice.Elements()[3].linetype, 3);  // arc keeps its style
    EXPECT_EQ(twice.Elements()[5].Coord(1), 20); // arc, second step
    EXPECT_EQ(twice.Elements()[5].Coord(2), 10);
    EXPECT_FALSE(twice.Elements()[0].Deleted);
}

TEST(Groups, PlacementLeavesMovedCopiesOnly) {
    TCadDraw view;
    view.MakeLine(0, 0, 0, 1, 0, 0);
    view.ClearGroup();
    view.AddToGroup(0);
    view.RotateGroup(90, 0, 0, 1, false);
    view.AddToGroup(0);
    view.ShiftGroup(5, 5, 0, 1, false);
    view.ClearGroup();
    view.ClearDeleted();
    ASSERT_EQ(view.Elements().Count(), 1);
    const TElement& e = view.Elements()[0];
    EXPECT_EQ(e.Highlight, 0);
    EXPECT_NEAR(e.Coord(1), 5, 1e-6);
    EXPECT_NEAR(e.Coord(5), 6, 1e-6);
}

TEST(Groups, DeleteGroupMarksMembersDeleted) {
    TCadDraw view;
    view.MakePoint(0, 0, 0);
    view.MakePoint(1, 0, 0);
    view.AddToGroup(1);
    view.DeleteGroup();
    EXPECT_FALSE(view.Elements()[0].Deleted);
    EXPECT_TRUE(view.Elements()[1].Deleted);
    EXPECT_EQ(view.Elements()[1].Highlight, 0);
}

TEST(NewOrigin, MovesByKindButNotRectangles) {
    TCadDraw view;
    view.MakeLine(5, 5, 0, 10, 10, 0);
    view.MakePoint(6, 7, 1);
    view.MakeArc(1, 5, 5, 0, 1, 0, 90);
    view.MakeText(8, 9, "t");
    view.MakeRectangle(5, 5, 2, 2, 0, 0xFFFFFFFF);
    view.NewOrigin(5, 5, 0);
    const TElements& e = view.Elements();
    EXPECT_EQ(e[0].Coord(1), 0);
    EXPECT_EQ(e[0].Coord(5), 5);
    EXPECT_EQ(e[1].Coord(2), 2);
    EXPECT_EQ(e[1].Coord(3), 1);
    EXPECT_EQ(e[2].Coord(1), 0);
    EXPECT_EQ(e[3].Coord(1), 3);
    EXPECT_EQ(e[4].Coord(1), 5);
}

TEST(ElementList, AssignDropsTextsAndIdentifiersFollowCreation) {
    TCadDraw view;
    view.MakeText(0, 0, "label");
    view.MakePoint(1, 1, 0);
    const std::int64_t second = view.Elements()[1].ItemID;
    EXPECT_LT(view.Elements()[0].ItemID, second);
    TElements copy;
    copy.Assign(view.Elements());
    EXPECT_EQ(copy.Count(), 2);
    EXPECT_EQ(copy[0].text, "");
    EXPECT_EQ(copy.GetCaddraw(), &view);
    view.Elements()[0].Deleted = true;
    view.ClearDeleted();
    ASSERT_NE(view.FindItemID(second), nullptr);
    EXPECT_EQ(view.FindItemID(second)->Coord(1), 1);
    EXPECT_EQ(view.Elements().Add().ItemID, second + 1);
    TElement e;
    e.SetCoord(7, 3);
    e.SetCoord(0, 3);
    EXPECT_EQ(e.Coord(7), 0);
    EXPECT_EQ(e.Coords, TCoords{});
}

TEST(Chain, FollowsConnectedLinesAndArcs) {
    TCadDraw view;
    view.MakeLine(0, 0, 0, 10, 0, 0);      // 0
    view.MakePoint(50, 50, 0);             // 1, not a line or arc
    view.MakeArc(1, 10, 5, 0, 5, 270, 90); // 2: from (10,0) round to (10,10)
    view.MakeLine(0, 10, 0, 10, 10, 0);    // 3, reversed direction
    view.MakeLine(30, 30, 0, 40, 40, 0);   // 4, not connected
    view.MakeElementChain(0, -1, TDPoint{1, 0, 2}, 0, 0);
    const TElementChain& chain = view.ElementChain();
    ASSERT_EQ(chain.Count(), 3);
    EXPECT_EQ(chain[0].Tag, 0);
    EXPECT_EQ(chain[1].Tag, 2);
    EXPECT_EQ(chain[2].Tag, 3);
    EXPECT_NEAR(chain.ChainStartPoint.x, 0, 1e-9);
    EXPECT_NEAR(chain.ChainEndPoint.x, 0, 1e-6);
    EXPECT_NEAR(chain.ChainEndPoint.y, 10, 1e-6);
    EXPECT_EQ(chain.ChainEndPoint.z, 2);
    EXPECT_EQ(view.Elements()[3].Highlight, kHighlightChain);
    EXPECT_EQ(view.Elements()[4].Highlight, 0);
}

TEST(Settings, CheckedPropertiesAndDefaults) {
    TSettings s;
    for (const auto& [in, out] : {std::pair{0.5f, 10.f}, {150.f, 10.f}, {100.f, 100.f}}) {
        s.SetFontSize(in);
        EXPECT_EQ(s.FontSize(), out);
    }
    for (const auto& [in, out] : {std::pair{0.f, 1.f}, {9.f, 5.f}, {2.5f, 2.5f}}) {
        s.SetPenWidth(in);
        EXPECT_EQ(s.PenWidth(), out);
    }
    for (bool v : s.visible_layer)
        EXPECT_TRUE(v);
    EXPECT_EQ(s.current_plot_window, 1);
    EXPECT_EQ(s.arc_view[2].m[2][1], -1);
    TCadDraw view;
    for (const auto& [in, out] : {std::pair{0, 1}, {4, 1}, {7, 1}, {3, 3}}) {
        view.SetCadType(in);
        EXPECT_EQ(view.CadType(), out);
    }
}

TEST(Settings, AssignCopiesViewStateButNotExtentsOrFileType) {
    TSettings a, b;
    a.visible_layer[7] = false;
    a.view_height[1] = 42;
    a.cad_type = 3;
    a.min_x = -5;
    a.CurrentColor = 0xFF000001;
    b.pick_flag = true;
    b.Assign(a);
    EXPECT_FALSE(b.visible_layer[7]);
    EXPECT_EQ(b.view_height[1], 42);
    EXPECT_EQ(b.CurrentColor, 0xFF000001u);
    EXPECT_EQ(b.cad_type, 1);
    EXPECT_EQ(b.min_x, 9000);
    EXPECT_FALSE(b.pick_flag);
}

} // namespace
} // namespace brevant

namespace brevant {
namespace {

TEST(Chain, StopsAfterThreeHundredElementsAndKeepsTheEndPoint) {
    TCadDraw view;
    for (int i = 0; i < 400; ++i)
        view.MakeLine(i, 0, 0, i + 1, 0, 0);
    view.ElementChain().ChainEndPoint = {-1, -1, -1};
    view.MakeElementChain(0, -1, TDPoint{0, 0, 0}, 0, 0);
    EXPECT_EQ(view.ElementChain().Count(), 301);
    EXPECT_EQ(view.ElementChain().ChainEndPoint.x, -1);
}

TEST(Chain, SearchRangeAndFarElementsDoNotJoin) {
    TCadDraw view;
    view.MakeLine(0, 0, 0, 10, 0, 0);
    view.MakeLine(10, 0, 0, 20, 0, 0);
    view.MakeLine(300000, 0, 0, 400000, 0, 0); // far away on x, never an end match
    view.MakeElementChain(0, -1, TDPoint{0, 0, 0}, 2, 0);
    EXPECT_EQ(view.ElementChain().Count(), 1); // the joining line lies before StartSearch
    view.ClearGroup();
    view.MakeElementChain(0, -1, TDPoint{0, 0, 0}, 0, 0);
    EXPECT_EQ(view.ElementChain().Count(), 2);
    EXPECT_EQ(view.ElementChain().ChainEndPoint.x, 20);
}

} // namespace
} // namespace brevant
