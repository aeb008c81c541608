// The no-fit polygon as a Minkowski sum. For connected shapes A and C (C the moving shape
// turned half a turn), A + C is the union of (1) every edge of A swept along every edge of C,
// (2) A moved to a vertex of C's outer loop and (3) C moved to a vertex of A's outer loop:
// where the two boundaries do not cross, one outer loop lies inside the other shape, and (2)
// or (3) covers it. Holes of A or C that the other shape fits into stay holes of the sum.
// Shapes in several pieces are summed piece by piece. Where C is one convex loop, (1) is each
// edge of A swept along the whole of C, a convex polygon per edge; where both are, the sum is
// the convex hull of the sums of their vertices.
#include "nesting/no_fit_polygon.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace brevant::nest {

namespace {
IntPath Negated(const IntPath& path) {
    IntPath out;
    out.reserve(path.size());
    for (const IntPoint& p : path)
        out.emplace_back(-p.X, -p.Y);
    return out;
}

__extension__ typedef __int128 Wide; // cross products of grid coordinates

Wide Cross(const IntPoint& o, const IntPoint& a, const IntPoint& b) {
    return Wide(a.X - o.X) * Wide(b.Y - o.Y) - Wide(a.Y - o.Y) * Wide(b.X - o.X);
}

// One counter-clockwise loop that never turns right.
bool Convex(const IntPaths& shape) {
    if (shape.size() != 1 || shape[0].size() < 3 || !ClipperLib::Orientation(shape[0]))
        return false;
    const IntPath& p = shape[0];
    const std::size_t n = p.size();
    for (std::size_t i = 0; i < n; ++i)
        if (Cross(p[i], p[(i + 1) % n], p[(i + 2) % n]) < 0) return false;
    return true;
}

// The convex hull, counter-clockwise (the monotone chain).
IntPath Hull(std::vector<IntPoint> pts) {
    std::sort(pts.begin(), pts.end(), [](const IntPoint& a, const IntPoint& b) {
        return a.X < b.X || (a.X == b.X && a.Y < b.Y);
    });
    pts.erase(std::unique(pts.begin(), pts.end()), pts.end());
    if (pts.size() < 3) return pts;
    IntPath h(2 * pts.size());
    std::size_t k = 0;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        while (k >= 2 && Cross(h[k - 2], h[k - 1], pts[i]) <= 0)
            --k;
        h[k++] = pts[i];
    }
    for (std::size_t i = pts.size() - 1, lower = k + 1; i-- > 0;) {
        while (k >= lower && Cross(h[k - 2], h[k - 1], pts[i]) <= 0)
            --k;
        h[k++] = pts[i];
    }
    h.resize(k - 1);
    return h;
}

// Every edge of every loop of `swept` moved along the whole convex polygon: each a convex
// polygon, the hull of the polygon at the edge's two ends.
void AddConvexSweeps(const IntPaths& swept, const IntPath& convex, IntPaths& out) {
    std::vector<IntPoint> pts;
    for (const IntPath& loop : swept)
        for (std::size_t i = 0; i < loop.size(); ++i) {
            const IntPoint& p = loop[i];
            const IntPoint& q = loop[(i + 1) % loop.size()];
            pts.clear();
            for (const IntPoint& v : convex) {
                pts.emplace_back(v.X + p.X, v.Y + p.Y);
                pts.emplace_back(v.X + q.X, v.Y + q.Y);
            }
            out.push_back(Hull(pts));
        }
}

// The parallelograms of every edge of a swept along every edge of c, counter-clockwise.
void AddSweeps(const IntPath& a, const IntPath& c, IntPaths& out) {
    const std::size_t na = a.size(), nc = c.size();
    for (std::size_t i = 0; i < na; ++i) {
        const IntPoint& a0 = a[i];
        const IntPoint& a1 = a[(i + 1) % na];
        for (std::size_t j = 0; j < nc; ++j) {
            const IntPoint& c0 = c[j];
            const IntPoint& c1 = c[(j + 1) % nc];
            IntPath quad{{a0.X + c0.X, a0.Y + c0.Y},
                         {a1.X + c0.X, a1.Y + c0.Y},
                         {a1.X + c1.X, a1.Y + c1.Y},
                         {a0.X + c1.X, a0.Y + c1.Y}};
            const double area = ClipperLib::Area(quad);
            if (area == 0) continue;
            if (area < 0) ClipperLib::ReversePath(quad);
            out.push_back(std::move(quad));
        }
    }
}
} // namespace

IntPaths NoFitPolygon(const IntPaths& fixed, const IntPaths& moving) {
    if (fixed.empty() || moving.empty()) return {};
    IntPaths c;
    for (const IntPath& l : moving)
        c.push_back(Negated(l));
    const bool convexFixed = Convex(fixed), convexMoving = Convex(c);
    if (convexFixed && convexMoving) {
        std::vector<IntPoint> sums;
        for (const IntPoint& a : fixed[0])
            for (const IntPoint& m : c[0])
                sums.emplace_back(a.X + m.X, a.Y + m.Y);
        return {Hull(std::move(sums))};
    }
    IntPaths parts;
    if (convexMoving) {
        AddConvexSweeps(fixed, c[0], parts);
    } else if (convexFixed) {
        AddConvexSweeps(c, fixed[0], parts);
    } else {
        for (const IntPath& a : fixed)
            for (const IntPath& m : c)
                AddSweeps(a, m, parts);
    }
    // Each piece of one shape (an outer loop, counter-clockwise) carries the whole other one.
    for (const IntPath& m : c)
        if (ClipperLib::Orientation(m))
            for (const IntPath& a : fixed)
                parts.push_back(Moved(a, m.front()));
    for (const IntPath& a : fixed)
        if (ClipperLib::Orientation(a))
            for (const IntPath& m : c)
                parts.push_back(Moved(m, a.front()));
    return Merged(parts);
}

NoFitEntry MakeNoFitEntry(const IntPaths& fixed, const IntPaths& moving) {
    NoFitEntry e;
    e.exact = NoFitPolygon(fixed, moving);
    e.search = Shrunk(e.exact, 1);
    e.box = BoxOf(e.exact);
    return e;
}

namespace {
IntPaths TurnedPaths(const IntPaths& loops, double c, double s) {
    IntPaths out;
    for (const IntPath& l : loops) {
        IntPath t;
        t.reserve(l.size());
        for (const IntPoint& p : l) {
            const double x = double(p.X), y = double(p.Y);
            t.emplace_back(Coord(std::llround(x * c - y * s)), Coord(std::llround(x * s + y * c)));
        }
        out.push_back(std::move(t));
    }
    return out;
}
} // namespace

NoFitEntry Turned(const NoFitEntry& entry, double degrees) {
    double c = 1, s = 0;
    CosSinDegrees(degrees, c, s);
    NoFitEntry e;
    e.exact = TurnedPaths(entry.exact, c, s);
    e.search = TurnedPaths(entry.search, c, s);
    e.box = BoxOf(e.exact);
    return e;
}

} // namespace brevant::nest
