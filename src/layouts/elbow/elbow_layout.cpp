// Laying out the developed gores of a segmented elbow.
#include "layouts/elbow/elbow_layout.h"

#include "layouts/elbow/elbow_arcs.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {

// The gap between separate pieces, as a share of the diameter.
constexpr double kPieceGap = 0.25;

// The edge at base + side x reach (side -1: below the base, 0: the square end itself).
ElbowEdge Edge(const ElbowInputs& in, bool seamAtHeel, double base, int side) {
    const double width = ElbowSizesOf(in).StripWidth;
    const int n = ElbowStationCount(in);
    ElbowEdge e;
    e.Square = side == 0;
    e.Points.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double u = i == n - 1 ? width : width * i / (n - 1);
        const double reach =
            side == 0 ? 0 : ElbowMitreReach(in, seamAtHeel, ElbowStationAngle(in, i));
        e.Points.push_back({u, base + side * reach, 0});
    }
    return e;
}

// Every gore in turn, each turned half a turn from the one before, so that the cut between
// two gores is one curve: gore k's axis point lies k gore lengths up the strip.
ElbowLayout StripLayout(const ElbowInputs& in) {
    const double length = ElbowSizesOf(in).GoreCentre;
    const int last = in.Gores + 1;
    ElbowLayout out;
    out.Edges.push_back(Edge(in, in.SeamAtHeel, 0, 0));
    for (int k = 0; k <= last; ++k) {
        const bool heel = in.SeamAtHeel != (k % 2 == 1);
        const double base = k * length;
        out.Edges.push_back(k == last ? Edge(in, heel, base, 0) : Edge(in, heel, base, 1));
        const bool end = k == 0 || k == last;
        out.Pieces.push_back(
            {(end ? "End gore " : "Gore ") + std::to_string(k + 1), 1, k, k + 1, k, heel, base});
    }
    return out;
}

// One end gore (square end at y = 0) and, above it, one middle gore.
ElbowLayout SeparateLayout(const ElbowInputs& in) {
    const bool heel = in.SeamAtHeel;
    ElbowLayout out;
    out.Edges.push_back(Edge(in, heel, 0, 0));
    out.Edges.push_back(Edge(in, heel, 0, 1));
    out.Pieces.push_back({"End gore", 2, 0, 1, 0, heel, 0});
    if (in.Gores == 0) return out;
    double top = 0;
    for (const TDPoint& p : out.Edges[1].Points)
        top = std::max(top, p.y);
    const ElbowSizes s = ElbowSizesOf(in);
    // The middle gore's lowest point stands a gap above the end gore's highest.
    const double base = top + kPieceGap * in.Diameter + s.GoreHeel / 2;
    out.Edges.push_back(Edge(in, heel, base, -1));
    out.Edges.push_back(Edge(in, heel, base, 1));
    out.Pieces.push_back({"Middle gore", in.Gores, 2, 3, 1, heel, base});
    return out;
}

// The signed area between a run of edge points and the u axis as drawn: the chords' trapezoids
// plus the segments the arcs bulge past their chords.
double AreaUnder(const ElbowEdge& edge) {
    double area = 0;
    const auto& p = edge.Points;
    for (std::size_t i = 1; i < p.size(); ++i)
        area += (p[i].x - p[i - 1].x) * (p[i].y + p[i - 1].y) / 2;
    if (edge.Square) return area;
    for (const ElbowSpan& span : ElbowSpans(p))
        area -= ElbowSpanBulge(span);
    return area;
}

} // namespace

ElbowLayout LayOutElbow(const ElbowInputs& in) {
    return in.Strip ? StripLayout(in) : SeparateLayout(in);
}

double ElbowPieceArea(const ElbowLayout& layout, const ElbowPiece& piece) {
    return AreaUnder(layout.Edges[piece.Upper]) - AreaUnder(layout.Edges[piece.Lower]);
}

} // namespace brevant
