// Sheet layout: regular cone pieces nested in columns on the sheet, as typed and turned.
#include "nesting/sheet_layout.h"

#include "caddraw/pattern_pen.h"
#include "core/angle_units.h"
#include "core/messages.h"
#include "geometry/intersections.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

namespace brevant {

namespace {
bool UsablePiece(const SheetPiece& p, double u) {
    for (double v : {p.PatternWidth, u, p.SmallRadius, p.LargeRadius, p.FlatAngle})
        if (!(v > 0) || !std::isfinite(v)) return false;
    return true;
}

// Reference point P (whose clearance circle sets the row pitch) and bottom depth E.
void ReferencePoint(const SheetPiece& p, TDPoint& P, double& E) {
    const double th = p.FlatAngle, phi = 90 - th / 2;
    const float xi = static_cast<float>(p.SmallRadius * CosD(phi));
    const float yi = static_cast<float>(p.SmallRadius * SinD(phi));
    const float xo = static_cast<float>(p.LargeRadius * CosD(phi));
    const float yo = static_cast<float>(p.LargeRadius * SinD(phi));
    const bool overlap = p.Overlap > 0;
    const TDPoint inner = overlap ? p.OverlapEdge.Point2 : TDPoint{xi, yi, 0};
    const TDPoint outer = overlap ? p.OverlapEdge.Point1 : TDPoint{xo, yo, 0};
    if (th <= 180) {
        P = inner;
        E = inner.y;
    } else if (th <= 230) {
        P = inner;
        E = outer.y;
    } else if (th < 263) {
        P = {(inner.x + outer.x) / 2, (inner.y + outer.y) / 2, 0};
        E = outer.y;
    } else {
        P = outer;
        E = outer.y;
    }
}

// Whole count of a / b for positive b, saturated so that it fits an int.
int WholeCount(double a, double b) {
    if (!(b > 0) || !(a > 0)) return 0;
    return static_cast<int>(std::min(std::trunc(a / b), static_cast<double>(INT_MAX)));
}
} // namespace

double UsableHeight(const SheetPiece& piece) {
    const double th = piece.FlatAngle, R = piece.LargeRadius, r = piece.SmallRadius;
    const double a = r * SinD(th / 2);
    const double e = std::sqrt(std::max(0.0, R * R - a * a));
    if (th < 180) return piece.PatternHeight - (R - e);
    if (th < 270) return piece.PatternHeight - std::fabs(SinD(th / 2 - 90)) * (R - r);
    return piece.PatternHeight;
}

SheetPlan PlanSheet(const SheetPiece& piece, double w, double h, double usableHeight, double x0,
                    double xClearance, double yClearance) {
    SheetPlan plan;
    if (!UsablePiece(piece, usableHeight)) return plan;
    plan.Valid = true;
    const double th = piece.FlatAngle, W = piece.PatternWidth;
    const float xo = static_cast<float>(piece.LargeRadius * CosD(90 - th / 2));
    if (piece.Overlap > 0 && th < 180) plan.ColumnShift = 2 * (xo - piece.OverlapEdge.Point1.x);
    TDPoint P;
    ReferencePoint(piece, P, plan.BottomDepth);
    // The next piece's reference point sits on the clearance circle of the piece below.
    const double radius = piece.LargeRadius + yClearance;
    const TDPoint top{P.x, radius, 0};
    TDPoint crossing;
    if (radius > 0 &&
        PointLineArc(TDLine{P, top}, TDArc{{0, 0, 0}, radius, 0, 0}, top, crossing) == kStatusOk)
        plan.RowPitch = crossing.y - P.y;
    plan.Columns = WholeCount(w, W + xClearance);
    // A pitch of 0 or less cannot stack pieces: no rows rather than endless ones.
    plan.Rows = WholeCount(h, plan.RowPitch);
    if (plan.Rows >= 1 && plan.Rows * plan.RowPitch + (piece.PatternHeight - plan.RowPitch) > h)
        --plan.Rows;
    plan.Count = static_cast<long long>(plan.Columns) * plan.Rows;
    for (int i = 0; i < plan.Columns && plan.Apexes.size() < kMaxDrawnPieces; ++i)
        for (int j = 0; j < plan.Rows && plan.Apexes.size() < kMaxDrawnPieces; ++j)
            plan.Apexes.push_back(
                {x0 - W / 2 - xClearance - i * (W + xClearance) + plan.ColumnShift * (i + 0.5),
                 yClearance + j * plan.RowPitch - plan.BottomDepth, 0});
    return plan;
}

void DrawSheetOutline(SheetJob& engine, double w, double h, double x0) {
    TCadDraw& v = engine.CadDraw2;
    const double cx = x0 <= 0 ? -w / 2 : w / 2;
    v.MakeRectangle(cx, h / 2, w, h, kColorGrey, kColorBlue);
    v.SetDrawColor(kColorBlue);
    const double left = cx - w / 2, right = cx + w / 2;
    PenLine(v, left, 0, right, 0);
    PenLine(v, left, 0, left, h);
    PenLine(v, right, h, right, 0);
    PenLine(v, right, h, left, h);
}

bool DrawConePiece(SheetJob& engine, double r, double R, double theta, double x, double y) {
    if (r >= R || theta < 1) return false;
    TCadDraw& v = engine.CadDraw2;
    const double phi = 90 - theta / 2, psi = 90 + theta / 2;
    SetPen(v, kLayerOutline, kColorLime);
    PenArc(v, x, y, R, phi, psi);
    PenArc(v, x, y, r, phi, psi);
    const double c = std::cos(phi * kSheetEdgeRadiansPerDegree);
    const double s = std::sin(phi * kSheetEdgeRadiansPerDegree);
    PenLine(v, x + r * c, y + r * s, x + R * c, y + R * s);
    PenLine(v, x - r * c, y + r * s, x - R * c, y + R * s);
    if (engine.Request.Overlap > 0) {
        const TDPoint p1 = engine.Request.OverlapEdge.Point1;
        const TDPoint p2 = engine.Request.OverlapEdge.Point2;
        v.SetDrawColor(kColorRed);
        PenLine(v, x + p1.x, y + p1.y, x + p2.x, y + p2.y);
        PenLine(v, x - p1.x, y + p1.y, x - p2.x, y + p2.y);
    }
    return true;
}

int NestPieces(SheetJob& engine, double w, double h, double r, double R, double theta, double W,
               double u, double x0, std::vector<TDPoint>& placements) {
    const SheetRequest& q = engine.Request;
    const SheetPiece piece{r, R, theta, W, q.PatternHeight, q.Overlap, q.OverlapEdge};
    const SheetPlan plan = PlanSheet(piece, w, h, u, x0, q.XClearance, q.YClearance);
    if (!plan.Valid) {
        engine.CadDraw2.MakeText(w / 2, h / 2, kMsgNoCones);
        engine.Notices.ShowMessageDialog(kMsgNoCones, "");
        return 0;
    }
    DrawSheetOutline(engine, w, h, x0);
    for (const TDPoint& apex : plan.Apexes)
        if (DrawConePiece(engine, r, R, theta, apex.x, apex.y)) placements.push_back(apex);
    return static_cast<int>(std::min(plan.Count, static_cast<long long>(INT_MAX)));
}

FlatPattern SheetMachinePattern(const FlatPattern& piece, const std::vector<TDPoint>& placements) {
    FlatPattern sheet;
    for (const TDPoint& at : placements)
        for (CutOutline o : piece.Outlines) {
            o.Quantity = 1;
            for (OutlineEdge& e : o.Edges) {
                e.Start = {e.Start.x + at.x, e.Start.y + at.y, 0};
                e.Centre = {e.Centre.x + at.x, e.Centre.y + at.y, 0};
            }
            sheet.Outlines.push_back(std::move(o));
        }
    for (const TDPoint& at : placements)
        for (const FlatStroke& s : piece.Strokes)
            if (const auto* l = std::get_if<FlatLine>(&s.Shape); l && s.Role == FlatRole::TabJoin)
                sheet.Strokes.push_back({s.Role, s.Pen,
                                         FlatLine{{l->From.x + at.x, l->From.y + at.y, 0},
                                                  {l->To.x + at.x, l->To.y + at.y, 0}}});
    for (const TDPoint& at : placements)
        for (const FlatLine& l : piece.HiddenTabJoins)
            sheet.HiddenTabJoins.push_back(
                {{l.From.x + at.x, l.From.y + at.y, 0}, {l.To.x + at.x, l.To.y + at.y, 0}});
    return sheet;
}

SheetCounts LayoutSheet(SheetJob& engine) {
    const SheetRequest& q = engine.Request;
    FormModel& f = engine.Form;
    SheetCounts counts;
    f.SheetDataDisplay.visible = q.ShowDisplay;
    if (!(q.SheetWidth > 0) || !(q.SheetHeight > 0)) {
        f.SheetLabel.text = kMsgNoSheetSize;
        return counts;
    }
    const SheetPiece piece{q.SmallRadius,   q.LargeRadius, q.FlatAngle,  q.PatternWidth,
                           q.PatternHeight, q.Overlap,     q.OverlapEdge};
    const double u = UsableHeight(piece);
    const double r = q.SmallRadius, R = q.LargeRadius, th = q.FlatAngle;
    counts.Count = NestPieces(engine, q.SheetWidth, q.SheetHeight, r, R, th, q.PatternWidth, u, 0,
                              counts.Placements);
    auto statement = [&](const Edit& a, const Edit& b, int count) {
        return "Sheet: " + a.text + " X " + b.text + " = " + std::to_string(count) + " pcs.";
    };
    f.SheetLabel.text = statement(f.SheetWidth, f.SheetHeight, counts.Count);
    if (q.SheetWidth != q.SheetHeight) {
        counts.Turned = NestPieces(engine, q.SheetHeight, q.SheetWidth, r, R, th, q.PatternWidth, u,
                                   q.SheetHeight, counts.Placements);
        // The turned sheet's statement on a line of its own.
        f.SheetLabel.text += "\n" + statement(f.SheetHeight, f.SheetWidth, counts.Turned);
    }
    engine.CadDraw2.SetExtents();
    engine.CadDraw2.ZoomAll();
    return counts;
}

} // namespace brevant
