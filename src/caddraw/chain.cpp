// Collecting the lines and arcs that join end to end, starting from one element.
#include "caddraw/cad_drawing.h"
#include "caddraw/draw_geometry.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {

constexpr int kChainPassLimit = 10000;
constexpr int kChainElementLimit = 300;

// The two end points of a line or arc (other kinds: their first point twice).
void EndsOf(const TElement& e, TDPoint& first, TDPoint& second) {
    const TCoords& c = e.Coords;
    first = second = {c[0], c[1], c[2]};
    if (e.Etype == kElementLine) second = {c[3], c[4], c[5]};
    if (e.Etype == kElementArc) drawgeo::GetArcEndPoints(e, first, second);
}

// The true plane distance: far-apart ends must never count as joined.
double Dist(const TDPoint& a, const TDPoint& b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// The end of the start element the chain begins at: for a line the end nearer to the foot of
// the perpendicular from the start point, otherwise the end nearer to it; ties take the second.
TDPoint ChainStart(const TElement& e, const TDPoint& startPoint) {
    TDPoint first, second;
    EndsOf(e, first, second);
    TDPoint ref = startPoint;
    if (e.Etype == kElementLine) drawgeo::GetClosestPointLine(drawgeo::LineOf(e), startPoint, ref);
    return Dist(first, ref) < Dist(second, ref) ? first : second;
}

} // namespace

void TCadDrawing::MakeElementChain(int StartElement, int EndElement, const TDPoint& StartPoint,
                                   int StartSearch, int EndSearch) {
    chain_.Clear();
    if (!elements_.ValidIndex(StartElement)) return;
    const TDPoint chainStart = ChainStart(elements_[StartElement], StartPoint);
    chain_.Add().Assign(elements_[StartElement]);
    chain_[0].Tag = StartElement;
    chain_[0].Highlight = kHighlightChain;
    elements_[StartElement].Highlight = kHighlightChain;

    const int excluded = EndElement < 0 ? StartElement : -1;
    const int last = elements_.Count() - 1;
    const int stop = (EndSearch == 0 || EndSearch > last) ? last : EndSearch;
    const int begin = std::max(StartSearch, 0);
    int current = StartElement;
    TDPoint point = StartPoint;
    for (int pass = 1; pass <= kChainPassLimit; ++pass) {
        TDPoint first, second;
        EndsOf(elements_[current], first, second);
        point = Dist(first, point) >= Dist(second, point) ? first : second;
        if (chain_.Count() > kChainElementLimit) return;
        int found = -1;
        for (int i = begin; i <= stop && found < 0; ++i) {
            const TElement& e = elements_[i];
            if (e.Deleted || i == excluded || i == current || e.Highlight == kHighlightChain)
                continue;
            if (e.Etype != kElementLine && e.Etype != kElementArc) continue;
            EndsOf(e, first, second);
            const double tol = settings_.ChainTolerance;
            if (Dist(first, point) < tol || Dist(second, point) < tol) found = i;
        }
        if (found < 0) {
            chain_.ChainStartPoint = chainStart;
            chain_.ChainEndPoint = {point.x, point.y, StartPoint.z};
            return;
        }
        TElement& link = chain_.Add();
        link.Assign(elements_[found]);
        link.Tag = found;
        current = found;
        elements_[found].Highlight = kHighlightChain;
        ElementChanged(found);
    }
}

} // namespace brevant
