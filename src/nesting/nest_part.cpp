// Areas, orientation, boxes and placement of outlines made of lines and arcs.
#include "nesting/nest_part.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {
constexpr double kPi = 3.14159265358979323846;

// The signed area between an arc and its chord: positive when the arc bulges to the right of
// its direction of travel (a counter-clockwise arc).
double ArcSegmentArea(const NestVertex& a, const NestVertex& b) {
    if (a.bulge == 0) return 0;
    const NestArc arc = ArcOf(a, b);
    return arc.radius * arc.radius / 2 * (arc.sweep - std::sin(arc.sweep));
}

// Whole turns of an angle in degrees, when it is one: 0 to 3.
int QuarterTurns(double degrees) {
    const double q = degrees / 90;
    const double r = std::round(q);
    if (std::fabs(q - r) > 1e-12) return -1;
    const long long k = static_cast<long long>(r) % 4;
    return static_cast<int>(k < 0 ? k + 4 : k);
}
} // namespace

NestArc ArcOf(const NestVertex& from, const NestVertex& to) {
    NestArc arc;
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double chord = std::hypot(dx, dy);
    arc.sweep = 4 * std::atan(from.bulge);
    if (chord == 0 || from.bulge == 0) return arc;
    // The centre sits on the chord's perpendicular bisector, to the left for a
    // counter-clockwise arc: at (1 - b^2) / (4 b) of the chord from its middle.
    const double offset = (1 - from.bulge * from.bulge) / (4 * from.bulge);
    arc.cx = (from.x + to.x) / 2 - offset * dy;
    arc.cy = (from.y + to.y) / 2 + offset * dx;
    arc.radius = chord * (1 + from.bulge * from.bulge) / (4 * std::fabs(from.bulge));
    arc.start = std::atan2(from.y - arc.cy, from.x - arc.cx);
    return arc;
}

std::vector<NestVertex> LoopPoints(const NestLoop& loop, double stepRadians) {
    // No arc turns further than a full circle, which bounds the chords of a wild bulge.
    const int most = static_cast<int>(std::ceil(2 * kPi / stepRadians));
    std::vector<NestVertex> pts;
    for (std::size_t i = 0; i < loop.size(); ++i) {
        const NestVertex& a = loop[i];
        pts.push_back({a.x, a.y, 0});
        if (a.bulge == 0) continue;
        const NestArc arc = ArcOf(a, loop[(i + 1) % loop.size()]);
        const int n =
            std::clamp(static_cast<int>(std::ceil(std::fabs(arc.sweep) / stepRadians)), 1, most);
        for (int k = 1; k < n; ++k) {
            const double t = arc.start + arc.sweep * k / n;
            pts.push_back(
                {arc.cx + arc.radius * std::cos(t), arc.cy + arc.radius * std::sin(t), 0});
        }
    }
    return pts;
}

double LoopArea(const NestLoop& loop) {
    double twice = 0, arcs = 0;
    for (std::size_t i = 0; i < loop.size(); ++i) {
        const NestVertex& a = loop[i];
        const NestVertex& b = loop[(i + 1) % loop.size()];
        twice += a.x * b.y - b.x * a.y;
        arcs += ArcSegmentArea(a, b);
    }
    return twice / 2 + arcs;
}

double ShapeArea(const NestShape& shape) {
    double area = std::fabs(LoopArea(shape.outer));
    for (const NestLoop& h : shape.holes)
        area -= std::fabs(LoopArea(h));
    return area;
}

NestLoop Reversed(const NestLoop& loop) {
    NestLoop r;
    r.reserve(loop.size());
    for (std::size_t k = loop.size(); k-- > 0;) {
        // The segment that ended at vertex k now starts there.
        const NestVertex& before = loop[(k + loop.size() - 1) % loop.size()];
        r.push_back({loop[k].x, loop[k].y, -before.bulge});
    }
    return r;
}

void Orient(NestShape& shape) {
    if (LoopArea(shape.outer) < 0) shape.outer = Reversed(shape.outer);
    for (NestLoop& h : shape.holes)
        if (LoopArea(h) > 0) h = Reversed(h);
}

void CosSinDegrees(double degrees, double& c, double& s) {
    static constexpr double kCos[4] = {1, 0, -1, 0};
    static constexpr double kSin[4] = {0, 1, 0, -1};
    const int q = QuarterTurns(degrees);
    if (q >= 0) {
        c = kCos[q];
        s = kSin[q];
        return;
    }
    const double r = degrees * kPi / 180;
    c = std::cos(r);
    s = std::sin(r);
}

NestLoop Placed(const NestLoop& loop, double degrees, double dx, double dy) {
    double c = 1, s = 0;
    CosSinDegrees(degrees, c, s);
    NestLoop out;
    out.reserve(loop.size());
    for (const NestVertex& v : loop)
        out.push_back({v.x * c - v.y * s + dx, v.x * s + v.y * c + dy, v.bulge});
    return out;
}

NestShape Placed(const NestShape& shape, double degrees, double dx, double dy) {
    NestShape out;
    out.outer = Placed(shape.outer, degrees, dx, dy);
    for (const NestLoop& h : shape.holes)
        out.holes.push_back(Placed(h, degrees, dx, dy));
    return out;
}

void NestBox::Add(double x, double y) {
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

void AddLoop(NestBox& box, const NestLoop& loop) {
    for (std::size_t i = 0; i < loop.size(); ++i) {
        const NestVertex& a = loop[i];
        box.Add(a.x, a.y);
        if (a.bulge == 0) continue;
        // The arc's extreme points: the quarter directions its sweep passes.
        const NestArc arc = ArcOf(a, loop[(i + 1) % loop.size()]);
        const double lo = std::min(arc.start, arc.start + arc.sweep);
        const double hi = std::max(arc.start, arc.start + arc.sweep);
        for (double q = std::ceil(lo / (kPi / 2)) * (kPi / 2); q <= hi; q += kPi / 2)
            box.Add(arc.cx + arc.radius * std::cos(q), arc.cy + arc.radius * std::sin(q));
    }
}

NestBox BoxOf(const NestShape& shape) {
    NestBox box;
    AddLoop(box, shape.outer);
    for (const NestLoop& h : shape.holes)
        AddLoop(box, h);
    return box;
}

} // namespace brevant
