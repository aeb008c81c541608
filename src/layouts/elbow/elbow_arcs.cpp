// Arcs through three stations of a cut curve.
#include "layouts/elbow/elbow_arcs.h"

#include <cmath>
#include <numbers>

namespace brevant {

namespace {

// Three stations closer to a line than this share of their span are drawn as lines.
constexpr double kStraightness = 1e-6;
constexpr double kDegrees = 180 / std::numbers::pi;

ElbowSpan LineSpan(const TDPoint& a, const TDPoint& b) {
    ElbowSpan s;
    s.From = a;
    s.To = b;
    return s;
}

// The arc from a through b to c, or nothing when the three lie (nearly) in a line.
bool ArcThrough(const TDPoint& a, const TDPoint& b, const TDPoint& c, ElbowSpan& out) {
    const double bx = b.x - a.x, by = b.y - a.y, cx = c.x - a.x, cy = c.y - a.y;
    const double cross = bx * cy - by * cx;
    const double chord2 = cx * cx + cy * cy;
    if (!(std::fabs(cross) > kStraightness * chord2)) return false;
    const double d = 2 * cross, b2 = bx * bx + by * by;
    const double ux = (cy * b2 - by * chord2) / d, uy = (bx * chord2 - cx * b2) / d;
    out.From = a;
    out.To = c;
    out.IsArc = true;
    out.Centre = {a.x + ux, a.y + uy, 0};
    out.Radius = std::hypot(ux, uy);
    const double start = std::atan2(-uy, -ux),
                 end = std::atan2(c.y - out.Centre.y, c.x - out.Centre.x);
    double sweep = end - start;
    // A left turn (cross > 0) runs counter-clockwise.
    if (cross > 0 && sweep <= 0) sweep += 2 * std::numbers::pi;
    if (cross < 0 && sweep >= 0) sweep -= 2 * std::numbers::pi;
    out.Sweep = sweep * kDegrees;
    return true;
}

} // namespace

std::vector<ElbowSpan> ElbowSpans(const std::vector<TDPoint>& p) {
    std::vector<ElbowSpan> spans;
    std::size_t i = 0;
    for (; i + 2 < p.size(); i += 2) {
        ElbowSpan arc;
        if (ArcThrough(p[i], p[i + 1], p[i + 2], arc)) {
            spans.push_back(arc);
        } else {
            spans.push_back(LineSpan(p[i], p[i + 1]));
            spans.push_back(LineSpan(p[i + 1], p[i + 2]));
        }
    }
    if (i + 1 < p.size()) spans.push_back(LineSpan(p[i], p[i + 1]));
    return spans;
}

double ElbowSpanBulge(const ElbowSpan& s) {
    if (!s.IsArc) return 0;
    const double turn = std::fabs(s.Sweep) / kDegrees;
    const double segment = s.Radius * s.Radius / 2 * (turn - std::sin(turn));
    return s.Sweep > 0 ? segment : -segment;
}

} // namespace brevant
