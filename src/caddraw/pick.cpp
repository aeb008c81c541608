// Picking: the element nearest to a click under a filter, with its ends, middle and closest point.
#include "caddraw/cad_draw.h"
#include "caddraw/draw_geometry.h"
#include "caddraw/interaction.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace brevant {

namespace {

struct Plane2 {
    double a = 0;
    double b = 0;
};

// The coordinates a window shows: (x, y) in window 1, (x, z) in 2, (y, z) in 3.
Plane2 InPlane(const TDPoint& p, int window) {
    if (window == 2) return {p.x, p.z};
    if (window == 3) return {p.y, p.z};
    return {p.x, p.y};
}

double Dist(Plane2 p, Plane2 q) {
    return std::hypot(p.a - q.a, p.b - q.b);
}

struct Hit {
    TPickResult report;
    double distance = 0; // world units, click to closest point
};

std::optional<Hit> HitPoint(const TElement& e, int w, Plane2 click, double tol) {
    const TDPoint p{e.Coords[0], e.Coords[1], e.Coords[2]};
    const double d = Dist(click, InPlane(p, w));
    if (!(d < 2 * tol)) return std::nullopt;
    return Hit{{0, p, p, p, p}, d};
}

std::optional<Hit> HitLine(const TElement& e, int w, Plane2 click, double tol) {
    const TCoords& c = e.Coords;
    const TDPoint a{c[0], c[1], e.Etype == kElementLeader ? 0 : c[2]};
    const TDPoint b =
        e.Etype == kElementLeader ? TDPoint{c[2], c[3], 0} : TDPoint{c[3], c[4], c[5]};
    const Plane2 pa = InPlane(a, w), pb = InPlane(b, w);
    const Plane2 mid{(pa.a + pb.a) / 2, (pa.b + pb.b) / 2};
    if (Dist(click, mid) > Dist(pa, pb) / 2) return std::nullopt;
    const double len2 = (pb.a - pa.a) * (pb.a - pa.a) + (pb.b - pa.b) * (pb.b - pa.b);
    const double t =
        len2 > 0 ? ((click.a - pa.a) * (pb.a - pa.a) + (click.b - pa.b) * (pb.b - pa.b)) / len2 : 0;
    const Plane2 foot{pa.a + t * (pb.a - pa.a), pa.b + t * (pb.b - pa.b)};
    const double d = Dist(click, foot);
    if (!(d < tol)) return std::nullopt;
    const TDPoint closest{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), a.z + t * (b.z - a.z)};
    const TDPoint middle{(a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2};
    const bool firstNear = Dist(click, pa) <= Dist(click, pb);
    return Hit{{0, firstNear ? a : b, firstNear ? b : a, middle, closest}, d};
}

// A point of an arc's own plane (u, v) placed in the world by the arc's view matrix.
TDPoint ArcWorld(const TSettings& s, int view, double u, double v, double cz) {
    if (view < 1 || view > 4) return {u, v, cz};
    const auto& m = s.arc_view[view].m;
    return {u * m[0][0] + v * m[1][0] + cz * m[2][0], u * m[0][1] + v * m[1][1] + cz * m[2][1],
            u * m[0][2] + v * m[1][2] + cz * m[2][2]};
}

std::optional<Hit> HitArc(const TSettings& s, const TElement& e, int w, Plane2 click, double tol) {
    if (e.view != w) return std::nullopt;
    const TDArc arc = drawgeo::ArcOf(e);
    const Plane2 centre{arc.Center.x, arc.Center.y};
    if (!(std::fabs(Dist(click, centre) - arc.r) < tol)) return std::nullopt;
    const double angle = drawgeo::GetAngle(centre.a, centre.b, click.a, click.b);
    if (!AngleOnArc(angle, arc.sa, arc.ea)) return std::nullopt;
    const TDPoint onCircle = drawgeo::PointArcAngle(arc, angle);
    TDPoint start = arc.Center, end = arc.Center;
    drawgeo::GetArcEndPoints(e, start, end);
    const TDPoint mid = drawgeo::MidArc(e);
    const double cz = arc.Center.z;
    const bool startNear = Dist(click, {start.x, start.y}) <= Dist(click, {end.x, end.y});
    const TDPoint ws = ArcWorld(s, e.view, start.x, start.y, cz);
    const TDPoint we = ArcWorld(s, e.view, end.x, end.y, cz);
    return Hit{{0, startNear ? ws : we, startNear ? we : ws, ArcWorld(s, e.view, mid.x, mid.y, cz),
                ArcWorld(s, e.view, onCircle.x, onCircle.y, cz)},
               Dist(click, {onCircle.x, onCircle.y})};
}

std::optional<Hit> HitTest(const TSettings& s, const TElement& e, int w, Plane2 click, double tol) {
    switch (e.Etype) {
    case kElementPoint:
    case kElementText:
    case kElementArrow:
        return HitPoint(e, w, click, tol);
    case kElementLine:
    case kElementLeader:
    case kElementWitness:
        return HitLine(e, w, click, tol);
    case kElementArc:
        return HitArc(s, e, w, click, tol);
    default:
        return std::nullopt;
    }
}

} // namespace

bool TCadDraw::PickAt(int px, int py, TDFilter filter, TPickResult& result) const {
    const TSettings& s = CadSettings();
    const int w = std::clamp(s.current_plot_window, 1, 4);
    if (w == 4) return false; // no picking in the isometric view
    const Plane2 click = InPlane(PixelToCoord(px, py), w);
    const double tol = s.pick_tolerance / s.xscale[w]; // pixels to world units
    // Only real hits are reported: the nearest one, the earlier index on a tie.
    double best = std::numeric_limits<double>::infinity();
    bool found = false;
    for (int i = 0; i < Elements().Count(); ++i) {
        const TElement& e = Elements()[i];
        if (e.Deleted || e.Etype == kElementEmpty || !FilterAccepts(filter, e.Etype)) continue;
        if (!LayerVisible(e.Layer)) continue;
        const std::optional<Hit> hit = HitTest(s, e, w, click, tol);
        if (!hit || !(hit->distance < best)) continue;
        best = hit->distance;
        result = hit->report;
        result.ElementNumber = i;
        found = true;
        if (best < kPickTakeAtOnce) break;
    }
    return found;
}

} // namespace brevant
