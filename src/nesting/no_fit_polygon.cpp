// The no-fit polygon as a Minkowski sum. For connected shapes A and C (C the moving shape
// turned half a turn), A + C is the union of (1) every edge of A swept along every edge of C,
// (2) A moved to a vertex of C's outer loop and (3) C moved to a vertex of A's outer loop:
// where the two boundaries do not cross, one outer loop lies inside the other shape, and (2)
// or (3) covers it. Holes of A or C that the other shape fits into stay holes of the sum.
// Shapes in several pieces are summed piece by piece.
#include "nesting/no_fit_polygon.h"

namespace brevant::nest {

namespace {
IntPath Negated(const IntPath& path) {
    IntPath out;
    out.reserve(path.size());
    for (const IntPoint& p : path)
        out.emplace_back(-p.X, -p.Y);
    return out;
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
    IntPaths parts;
    for (const IntPath& a : fixed)
        for (const IntPath& m : c)
            AddSweeps(a, m, parts);
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

} // namespace brevant::nest
