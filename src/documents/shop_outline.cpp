// Areas, extents and scaling of shop polylines.
#include "documents/shop_outline.h"

#include "geometry/angles.h"
#include "geometry/constants.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace brevant {

namespace {
// The segment from a to b with bulge: its centre, radius and the start and sweep angles
// (radians, sweep signed).
struct BulgeArc {
    double cx, cy, r, start, sweep;
};

BulgeArc ArcOfBulge(const ContourVertex& a, const ContourVertex& b) {
    const double sweep = 4 * std::atan(a.bulge);
    const double dx = b.x - a.x, dy = b.y - a.y, chord = std::hypot(dx, dy);
    const double r = chord / (2 * std::sin(std::fabs(sweep) / 2));
    // The centre lies on the chord's perpendicular bisector, left of it for a counter-clockwise
    // sweep under 180 degrees (d is the signed distance to the left).
    const double d = (sweep > 0 ? 1 : -1) * r * std::cos(sweep / 2);
    const double cx = (a.x + b.x) / 2 - d * dy / chord, cy = (a.y + b.y) / 2 + d * dx / chord;
    return {cx, cy, r, std::atan2(a.y - cy, a.x - cx), sweep};
}
} // namespace

void ContourExtents::Add(double x, double y) {
    if (empty) {
        minX = maxX = x;
        minY = maxY = y;
        empty = false;
        return;
    }
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
}

double SignedArea(const Contour& c) {
    const auto& v = c.vertices;
    if (!c.closed || v.size() < 2) return 0;
    double area = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const ContourVertex& a = v[i];
        const ContourVertex& b = v[(i + 1) % v.size()];
        area += (a.x * b.y - b.x * a.y) / 2;
        if (a.bulge != 0) {
            // The circular segment between chord and arc, on the side the arc turns away to.
            const double theta = 4 * std::atan(std::fabs(a.bulge));
            const double chord = std::hypot(b.x - a.x, b.y - a.y);
            const double r = chord / (2 * std::sin(theta / 2));
            const double segment = r * r / 2 * (theta - std::sin(theta));
            area += a.bulge > 0 ? segment : -segment;
        }
    }
    return area;
}

void AddExtents(ContourExtents& e, const Contour& c) {
    const auto& v = c.vertices;
    for (std::size_t i = 0; i < v.size(); ++i) {
        e.Add(v[i].x, v[i].y);
        const bool last = i + 1 == v.size();
        if (v[i].bulge == 0 || (last && !c.closed)) continue;
        const BulgeArc arc = ArcOfBulge(v[i], v[last ? 0 : i + 1]);
        // The quadrant points the sweep passes.
        for (int q = -8; q <= 8; ++q) {
            const double a = q * std::numbers::pi / 2;
            const double t = (a - arc.start) / arc.sweep;
            if (t > 0 && t < 1) e.Add(arc.cx + arc.r * std::cos(a), arc.cy + arc.r * std::sin(a));
        }
    }
}

ContourExtents ExtentsOf(const ShopOutlines& o) {
    ContourExtents e;
    for (const auto* list : {&o.cut, &o.bend, &o.mark})
        for (const Contour& c : *list)
            AddExtents(e, c);
    return e;
}

namespace {

bool Finite(const TDPoint& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

double BulgeOf(double sweepDegrees) {
    return std::tan(sweepDegrees / kDrawDegreesPerRadian / 4);
}

// A closed outline as a contour; an outline with a point that is not a number has none.
std::optional<Contour> ContourOf(const CutOutline& o) {
    Contour c;
    c.closed = true;
    for (const OutlineEdge& e : o.Edges) {
        if (!Finite(e.Start) || (e.IsArc() && !(Finite(e.Centre) && std::isfinite(e.Sweep))))
            return std::nullopt;
        c.vertices.push_back({e.Start.x, e.Start.y, e.IsArc() ? BulgeOf(e.Sweep) : 0});
    }
    if (c.vertices.size() < 2) return std::nullopt;
    return c;
}

// A stroke's line or arc as a two-point contour; boxes have none.
std::optional<Contour> ContourOf(const FlatStroke& s) {
    Contour c;
    if (const auto* l = std::get_if<FlatLine>(&s.Shape)) {
        c.vertices = {{l->From.x, l->From.y, 0}, {l->To.x, l->To.y, 0}};
        return c;
    }
    const auto* a = std::get_if<FlatArc>(&s.Shape);
    if (!a || !(a->Radius > 0)) return std::nullopt;
    const double from = a->StartAngle / kDrawDegreesPerRadian;
    const double to = a->EndAngle / kDrawDegreesPerRadian;
    const TDPoint c0 = a->Centre;
    c.vertices = {{c0.x + a->Radius * std::cos(from), c0.y + a->Radius * std::sin(from),
                   BulgeOf(GetArcAngle(a->StartAngle, a->EndAngle))},
                  {c0.x + a->Radius * std::cos(to), c0.y + a->Radius * std::sin(to), 0}};
    return c;
}

void AddStrokes(std::vector<Contour>& out, const FlatPattern& p, bool (*wanted)(FlatRole)) {
    for (const FlatStroke& s : p.Strokes)
        if (wanted(s.Role))
            if (auto c = ContourOf(s)) out.push_back(std::move(*c));
}

bool SamePoint(const ContourVertex& a, const ContourVertex& b) {
    return a.x == b.x && a.y == b.y;
}

// The bend lines, each fan (a run of lines from one corner, drawn counter-clockwise about it)
// listed clockwise about its corner, as a brake operator works round it.
std::vector<Contour> BendLines(const FlatPattern& p) {
    std::vector<Contour> bends;
    AddStrokes(bends, p, [](FlatRole r) { return r == FlatRole::Bend; });
    for (auto run = bends.begin(); run != bends.end();) {
        auto end = std::find_if(run, bends.end(), [&](const Contour& c) {
            return !SamePoint(c.vertices.front(), run->vertices.front());
        });
        std::reverse(run, end);
        run = end;
    }
    return bends;
}

} // namespace

ShopOutlines ShopOutlinesOf(const FlatPattern& p) {
    ShopOutlines out;
    for (const CutOutline& o : p.Outlines)
        if (auto c = ContourOf(o)) out.cut.push_back(std::move(*c));
    out.bend = BendLines(p);
    AddStrokes(out.mark, p,
               [](FlatRole r) { return r == FlatRole::Seam || r == FlatRole::SideCut; });
    AddStrokes(out.mark, p, [](FlatRole r) { return r == FlatRole::TabJoin; });
    for (const FlatLine& l : p.HiddenTabJoins) {
        Contour c;
        c.vertices = {{l.From.x, l.From.y, 0}, {l.To.x, l.To.y, 0}};
        out.mark.push_back(std::move(c));
    }
    return out;
}

ShopOutlines Scaled(ShopOutlines o, double factor) {
    for (auto* list : {&o.cut, &o.bend, &o.mark})
        for (Contour& c : *list)
            for (ContourVertex& v : c.vertices) {
                v.x *= factor;
                v.y *= factor;
            }
    return o;
}

} // namespace brevant
