// Integer-grid polygons for the nester: flattening, growing, exact point location.
#include "nesting/int_geometry.h"

#include <algorithm>
#include <cmath>

namespace brevant::nest {

namespace {
__extension__ typedef __int128 Wide; // cross products of grid coordinates

// Twice the signed area of the triangle a, b, p: positive when p is left of a -> b.
Wide Cross(const IntPoint& a, const IntPoint& b, const IntPoint& p) {
    return Wide(b.X - a.X) * Wide(p.Y - a.Y) - Wide(p.X - a.X) * Wide(b.Y - a.Y);
}

bool OnSegment(const IntPoint& a, const IntPoint& b, const IntPoint& p) {
    return Cross(a, b, p) == 0 && std::min(a.X, b.X) <= p.X && p.X <= std::max(a.X, b.X) &&
           std::min(a.Y, b.Y) <= p.Y && p.Y <= std::max(a.Y, b.Y);
}

IntPoint OnGrid(double x, double y, double scale) {
    return {static_cast<Coord>(std::llround(x * scale)),
            static_cast<Coord>(std::llround(y * scale))};
}

// The vertices standing for the segment from a to b, b excluded.
void AddSegment(IntPath& out, const NestVertex& a, const NestVertex& b, double tolerance,
                double scale) {
    out.push_back(OnGrid(a.x, a.y, scale));
    if (a.bulge == 0) return;
    const NestArc arc = ArcOf(a, b);
    if (!(arc.radius > 0) || !std::isfinite(arc.radius)) return;
    constexpr double kQuarter = 1.5707963267948966;
    constexpr int kMostSteps = 2048;
    const double rel = std::min(tolerance / arc.radius, 0.5);
    // Bulging to the right of the travel (out of the material): tangents, which lie outside
    // the arc by at most radius (1 / cos(step / 2) - 1); else chords, inside by at most
    // radius (1 - cos(step / 2)).
    const bool outward = a.bulge > 0;
    double step = outward ? 2 * std::acos(1 / (1 + rel)) : 2 * std::acos(1 - rel);
    if (outward) step = std::min(step, kQuarter);
    const int n =
        std::clamp(static_cast<int>(std::ceil(std::fabs(arc.sweep) / step)), 1, kMostSteps);
    const double d = arc.sweep / n;
    if (outward) {
        const double r = arc.radius / std::cos(d / 2);
        for (int k = 0; k < n; ++k) {
            const double t = arc.start + (k + 0.5) * d;
            out.push_back(OnGrid(arc.cx + r * std::cos(t), arc.cy + r * std::sin(t), scale));
        }
    } else {
        for (int k = 1; k < n; ++k) {
            const double t = arc.start + k * d;
            out.push_back(OnGrid(arc.cx + arc.radius * std::cos(t),
                                 arc.cy + arc.radius * std::sin(t), scale));
        }
    }
}

IntPath FlattenedLoop(const NestLoop& loop, double tolerance, double scale) {
    IntPath out;
    for (std::size_t i = 0; i < loop.size(); ++i)
        AddSegment(out, loop[i], loop[(i + 1) % loop.size()], tolerance, scale);
    return out;
}
} // namespace

void IntBox::Add(const IntPoint& p) {
    if (empty) {
        minX = maxX = p.X;
        minY = maxY = p.Y;
        empty = false;
        return;
    }
    minX = std::min(minX, p.X);
    maxX = std::max(maxX, p.X);
    minY = std::min(minY, p.Y);
    maxY = std::max(maxY, p.Y);
}

IntBox BoxOf(const IntPaths& loops) {
    IntBox box;
    for (const IntPath& l : loops)
        for (const IntPoint& p : l)
            box.Add(p);
    return box;
}

IntBox Moved(const IntBox& box, const IntPoint& by) {
    IntBox b = box;
    b.minX += by.X;
    b.maxX += by.X;
    b.minY += by.Y;
    b.maxY += by.Y;
    return b;
}

IntPath Moved(const IntPath& path, const IntPoint& by) {
    IntPath out;
    out.reserve(path.size());
    for (const IntPoint& p : path)
        out.emplace_back(p.X + by.X, p.Y + by.Y);
    return out;
}

double AreaOf(const IntPaths& loops) {
    double a = 0;
    for (const IntPath& l : loops)
        a += ClipperLib::Area(l);
    return a;
}

PointPlace Locate(const IntPoint& p, const IntPaths& loops) {
    long winding = 0;
    for (const IntPath& l : loops) {
        const std::size_t n = l.size();
        for (std::size_t i = 0; i < n; ++i) {
            const IntPoint& a = l[i];
            const IntPoint& b = l[(i + 1) % n];
            if (OnSegment(a, b, p)) return PointPlace::kOnEdge;
            if (a.Y <= p.Y) {
                if (b.Y > p.Y && Cross(a, b, p) > 0) ++winding;
            } else if (b.Y <= p.Y && Cross(a, b, p) < 0) {
                --winding;
            }
        }
    }
    return winding != 0 ? PointPlace::kInside : PointPlace::kOutside;
}

IntPaths FlattenedLoops(const NestShape& shape, double tolerance, double scale) {
    IntPaths loops;
    loops.push_back(FlattenedLoop(shape.outer, tolerance, scale));
    for (const NestLoop& h : shape.holes)
        loops.push_back(FlattenedLoop(h, tolerance, scale));
    return loops;
}

IntPaths Flattened(const NestShape& shape, double tolerance, double scale) {
    return Merged(FlattenedLoops(shape, tolerance, scale));
}

IntPaths Merged(const IntPaths& loops) {
    ClipperLib::Clipper c;
    c.AddPaths(loops, ClipperLib::ptSubject, true);
    IntPaths out;
    c.Execute(ClipperLib::ctUnion, out, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    return out;
}

IntPaths Grown(const IntPaths& loops, double delta) {
    if (delta <= 0) return loops;
    // Mitred corners (squared off beyond twice delta) lie outside the round ones and add no
    // vertices, which keeps the no-fit polygons small.
    ClipperLib::ClipperOffset offset(2.0);
    offset.AddPaths(loops, ClipperLib::jtMiter, ClipperLib::etClosedPolygon);
    IntPaths out;
    offset.Execute(out, delta);
    return out;
}

IntPaths Shrunk(const IntPaths& loops, double delta) {
    ClipperLib::ClipperOffset offset(2.0);
    offset.AddPaths(loops, ClipperLib::jtMiter, ClipperLib::etClosedPolygon);
    IntPaths out;
    offset.Execute(out, -delta);
    return out;
}

} // namespace brevant::nest
