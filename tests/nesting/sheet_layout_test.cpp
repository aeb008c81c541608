// Sheet nesting of regular cone pieces, as typed and turned.
#include "nesting/sheet_layout.h"
#include "support/kinds.h"

#include "layouts/cone/cone_fixture.h"

#include <climits>

namespace brevant::testing {
namespace {

class SheetLayout : public ConeFixture {
protected:
    void Sheet(const char* w, const char* h, const char* xc = "", const char* yc = "") {
        e.Form.SheetWidth.text = w;
        e.Form.SheetHeight.text = h;
        e.Form.XClearenceEdit.text = xc;
        e.Form.YClearenceEdit.text = yc;
    }
    // The sheet rectangles drawn, by centre x.
    std::vector<double> SheetCentres() const {
        std::vector<double> out;
        for (const TElement& el : Elements(e.CadDraw2, 0, kElementRectangle))
            out.push_back(el.Coord(1));
        return out;
    }
    int Pieces() const { return static_cast<int>(Elements(e.CadDraw2, 0, kElementArc).size() / 2); }
};

TEST_F(SheetLayout, SquareSheetIsTriedOnce) {
    Sheet("100", "100");
    Calculate(10, 20, 10);
    EXPECT_EQ(ConeOf(e).State.SheetCountTurned, 0);
    EXPECT_GT(ConeOf(e).State.SheetCount, 0);
    EXPECT_EQ(e.Form.SheetLabel.text,
              "Sheet: 100 X 100 = " + std::to_string(ConeOf(e).State.SheetCount) + " pcs.");
    EXPECT_EQ(SheetCentres().size(), 1u);
    EXPECT_EQ(Pieces(), ConeOf(e).State.SheetCount);
    EXPECT_TRUE(e.Form.SheetDataDisplay.visible);
}

TEST_F(SheetLayout, WidePiecesFitOnlyTheTurnedSheet) {
    Sheet("48", "96");
    Calculate(20, 40, 20); // pattern width 88.2: wider than 48, narrower than 96
    EXPECT_EQ(ConeOf(e).State.SheetCount, 0);
    EXPECT_EQ(ConeOf(e).State.SheetCountTurned, 1);
    EXPECT_EQ(e.Form.SheetLabel.text, "Sheet: 48 X 96 = 0 pcs.\nSheet: 96 X 48 = 1 pcs.");
    const auto centres = SheetCentres();
    ASSERT_EQ(centres.size(), 2u);
    EXPECT_LT(centres[0], 0); // as typed: left of x = 0
    EXPECT_GT(centres[1], 0); // turned: right of it
    for (const TElement& arc : Elements(e.CadDraw2, 0, kElementArc)) {
        EXPECT_GT(arc.Coord(1), 0); // the piece stands on the turned sheet
        EXPECT_EQ(arc.LineColor, 0xFF00FF00u);
    }
}

TEST_F(SheetLayout, OverlapShiftsColumnsAndDrawsRedEdges) {
    Sheet("200", "60");
    Calculate(10, 20, 10);
    for (const TElement& el : Elements(e.CadDraw2, 0, kElementLine))
        EXPECT_NE(el.LineColor, 0xFFFF0000u);
    const int plain = ConeOf(e).State.SheetCount;
    e.Form.Overlap.text = "1";
    Calculate(10, 20, 10);
    int red = 0;
    for (const TElement& el : Elements(e.CadDraw2, 0, kElementLine))
        red += el.LineColor == 0xFFFF0000u;
    EXPECT_EQ(red, 2 * Pieces());
    EXPECT_EQ(ConeOf(e).State.SheetCount, plain);
}

TEST_F(SheetLayout, NoSheetSizeDrawsNothing) {
    Sheet("", "96");
    Calculate(10, 20, 10);
    EXPECT_EQ(e.Form.SheetLabel.text, "No Sheet Size");
    EXPECT_EQ(e.CadDraw2.Elements().Count(), 0);
    EXPECT_EQ(ConeOf(e).State.SheetCount, 0);
}

TEST_F(SheetLayout, PointedConeShowsNoConesDefinedOncePerOrientation) {
    SheetRequest piece;
    piece.SheetWidth = 48;
    piece.SheetHeight = 96;
    piece.LargeRadius = 20;
    piece.SmallRadius = 0;
    piece.FlatAngle = 90;
    piece.PatternWidth = 28;
    piece.PatternHeight = 20;
    SheetJob job{e.CadDraw2, piece, e.Form, e};
    const SheetCounts counts = LayoutSheet(job);
    EXPECT_EQ(counts.Count, 0);
    EXPECT_EQ(counts.Turned, 0);
    EXPECT_EQ(host.messages, (std::vector<std::string>{"No Cones Defined", "No Cones Defined"}));
    EXPECT_EQ(Elements(e.CadDraw2, 0, kElementText).size(), 2u);
}

TEST_F(SheetLayout, HugeSheetNeitherHangsNorOverflows) {
    Sheet("1E30", "1E30");
    Calculate(10, 20, 10);
    EXPECT_EQ(ConeOf(e).State.SheetCount, INT_MAX);
    EXPECT_LE(Pieces(), kMaxDrawnPieces);
}

TEST_F(SheetLayout, NegativeClearancesGiveNoPiecesRatherThanNonsense) {
    Sheet("100", "100", "-50", "-30");
    Calculate(10, 20, 10);
    EXPECT_GE(ConeOf(e).State.SheetCount, 0);
    EXPECT_TRUE(AllFinite(e.CadDraw2));
    Sheet("100", "100", "-44.1078", "-30");
    Calculate(10, 20, 10);
    EXPECT_EQ(ConeOf(e).State.SheetCount, 0);
}

SheetPiece ReferencePiece() {
    // T 10, B 20, H 10 without overlap.
    SheetPiece p;
    p.SmallRadius = 11.18034;
    p.LargeRadius = 22.36068;
    p.FlatAngle = 160.9969;
    p.PatternWidth = 44.10777;
    p.PatternHeight = 20.51494;
    return p;
}

TEST(PlanSheet, RowsStackIntoTheHollowAndTheLastRowMustFit) {
    const SheetPiece p = ReferencePiece();
    const double u = UsableHeight(p);
    const SheetPlan one = PlanSheet(p, 100, 200, u, 0, 0, 0);
    ASSERT_TRUE(one.Valid);
    EXPECT_EQ(one.Columns, 2);
    EXPECT_GT(one.RowPitch, 0);
    EXPECT_LT(one.RowPitch, p.PatternHeight); // pieces nest into each other
    EXPECT_EQ(one.ColumnShift, 0);
    // Each apex is the row pitch above the one below.
    EXPECT_NEAR(one.Apexes[1].y - one.Apexes[0].y, one.RowPitch, 1e-9);
    // A sheet as high as n pitches holds n rows only when the top piece fits.
    const double H = one.RowPitch;
    const SheetPlan tight = PlanSheet(p, 100, 3 * H, u, 0, 0, 0);
    EXPECT_EQ(tight.Rows, 2); // 3H + (PatternHeight - H) > 3H
    const SheetPlan room = PlanSheet(p, 100, 2 * H + p.PatternHeight + 0.01, u, 0, 0, 0);
    EXPECT_EQ(room.Rows, 3);
}

TEST(PlanSheet, UnusablePiecesAreInvalid) {
    SheetPiece p = ReferencePiece();
    EXPECT_FALSE(PlanSheet(p, 100, 100, 0, 0, 0, 0).Valid);
    p.FlatAngle = 0;
    EXPECT_FALSE(PlanSheet(p, 100, 100, 10, 0, 0, 0).Valid);
}

TEST(UsableHeight, ByFlatAngle) {
    SheetPiece p = ReferencePiece();
    EXPECT_LT(UsableHeight(p), p.PatternHeight);
    p.FlatAngle = 300;
    EXPECT_EQ(UsableHeight(p), p.PatternHeight);
}

} // namespace
} // namespace brevant::testing
