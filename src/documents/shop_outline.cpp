// Areas, extents and scaling of shop polylines.
#include "documents/shop_outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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
