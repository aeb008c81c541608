// Containment tests of points and chains, and rectangle overlap.
#include "geometry/containment.h"

#include "geometry/arc_points.h"
#include "geometry/distances.h"

#include <algorithm>
#include <vector>

namespace brevant {

namespace {

// Whether the ray from P toward +x crosses the segment A-B, with the half-open rule that
// counts a segment when P's y lies above its lower end and at most at its upper end.
bool Crosses(const TDPoint& P, const TDPoint& A, const TDPoint& B) {
    if (A.y == B.y) return false;
    if (!(std::min(A.y, B.y) < P.y && P.y <= std::max(A.y, B.y))) return false;
    if (P.x > std::max(A.x, B.x)) return false;
    return A.x == B.x || P.x <= A.x + (P.y - A.y) * (B.x - A.x) / (B.y - A.y);
}

// The start and end points of an arc; a zero-radius arc has both at its centre.
void ArcEnds(const TDArc& Arc1, TDPoint& Start, TDPoint& End) {
    Start = Arc1.Center;
    End = Arc1.Center;
    GetArcEndPoints(Arc1, Start, End);
}

int CrossingsOf(const TDPoint& P, const ElementRef& E) {
    if (E.Etype == element_type::kLine) {
        const TDLine line = LineFromCoords(E.Coord);
        return Crosses(P, line.Point1, line.Point2) ? 1 : 0;
    }
    if (E.Etype == element_type::kArc) {
        const TDArc arc = ArcFromCoords(E.Coord);
        TDPoint start, end;
        ArcEnds(arc, start, end);
        const TDPoint middle = MidArc(arc);
        return (Crosses(P, start, middle) ? 1 : 0) + (Crosses(P, middle, end) ? 1 : 0);
    }
    return 0;
}

// Adds to Polygon the end of the segment farther from Current (Second on a tie) and makes
// it the current point.
void AddFarEnd(const TDPoint& First, const TDPoint& Second, TDPoint& Current,
               std::vector<TDPoint>& Polygon) {
    Current = Distance2Points(First, Current) > Distance2Points(Second, Current) ? First : Second;
    Polygon.push_back(Current);
}

std::vector<TDPoint> ChainPolygon(std::span<const ElementRef> Chain, const TDPoint& Start) {
    std::vector<TDPoint> polygon{Start};
    TDPoint current = Start;
    for (const ElementRef& e : Chain) {
        if (e.Etype == element_type::kLine) {
            const TDLine line = LineFromCoords(e.Coord);
            AddFarEnd(line.Point1, line.Point2, current, polygon);
        } else if (e.Etype == element_type::kArc) {
            const TDArc arc = ArcFromCoords(e.Coord);
            TDPoint start, end;
            ArcEnds(arc, start, end);
            polygon.push_back(MidArc(arc));
            AddFarEnd(start, end, current, polygon);
        }
    }
    return polygon;
}

} // namespace

bool PointInsideChain(const TDPoint& InsidePoint, std::span<const ElementRef> Chain) {
    if (Chain.empty()) return false;
    if (Chain.size() == 1 && Chain.front().Etype == element_type::kArc) {
        const TDArc arc = ArcFromCoords(Chain.front().Coord);
        return Distance2Points(InsidePoint, arc.Center) < arc.r;
    }
    int crossings = 0;
    for (const ElementRef& e : Chain)
        crossings += CrossingsOf(InsidePoint, e);
    return crossings % 2 == 1;
}

bool ChainInsideChain(std::span<const ElementRef> InsideChain, const TDPoint& InsideStart,
                      std::span<const ElementRef> OutsideChain) {
    if (InsideChain.empty() || OutsideChain.empty()) return false;
    const std::vector<TDPoint> polygon = ChainPolygon(InsideChain, InsideStart);
    return std::all_of(polygon.begin(), polygon.end(),
                       [&](const TDPoint& p) { return PointInsideChain(p, OutsideChain); });
}

bool LineInRect(const TRectF& Arect, const TPointF& Point1, const TPointF& Point2) {
    return Point2.X > Arect.Left && Arect.Right > Point1.X && Point2.Y > Arect.Top &&
           Arect.Bottom > Point1.Y;
}

} // namespace brevant
