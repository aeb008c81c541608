// End planes, rings and their projections for cones and cylinders.
#include "geometry/end_planes.h"

#include "core/angle_units.h"
#include "geometry/vectors.h"

#include <cmath>

namespace brevant {

namespace {
// Beyond this distance a projected point is no longer usable (a generator almost parallel to
// its end plane); the point then stays where it was.
constexpr double kFarLimit = 1e12;
} // namespace

TEndPlane TiltedPlane(double x, double height, double z, double angleDeg) {
    const double a = angleDeg * kRadiansPerDegree;
    return {{x, height, z}, {std::sin(a), std::cos(a), 0}};
}

TDPoint MoveAlongDirectionOntoPlane(const TDPoint& p, const TDPoint& dir, const TEndPlane& plane) {
    const double den = Dot(dir, plane.Normal);
    const double len = Length(dir);
    if (!(len > 0) || !(std::fabs(den) > 1e-12 * len)) return p;
    const double t = Dot(Sub(plane.Point, p), plane.Normal) / den;
    const TDPoint q{p.x + t * dir.x, p.y + t * dir.y, p.z + t * dir.z};
    if (!std::isfinite(q.x) || !std::isfinite(q.y) || !std::isfinite(q.z) ||
        std::fabs(t) * len > kFarLimit)
        return p;
    return q;
}

TDPoint MoveThroughPointOntoPlane(const TDPoint& p, const TDPoint& through,
                                  const TEndPlane& plane) {
    return MoveAlongDirectionOntoPlane(p, Sub(p, through), plane);
}

TPathArray CircleRing(int n, double cx, double radius, double height) {
    TPathArray ring;
    if (n <= 0) return ring;
    ring.reserve(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k) {
        const double p = 360.0 * k / n * kRadiansPerDegree;
        ring.push_back({cx + radius * std::cos(p), height, radius * std::sin(p)});
    }
    return ring;
}

void FitRingToEllipse(TPathArray& ring, double cx, double halfX, double halfZ) {
    for (TDPoint& q : ring) {
        const double a = std::atan2(q.z, q.x - cx);
        const double c = std::cos(a), s = std::sin(a);
        // The ellipse point in that direction: r = 1 / sqrt((c/hx)^2 + (s/hz)^2).
        const double k = std::hypot(c * halfZ, s * halfX);
        if (!(k > 0)) continue;
        const double r = halfX * halfZ / k;
        q.x = cx + r * c;
        q.z = r * s;
    }
}

TDPoint ConeApexPoint(double T, double B, double H, double S) {
    const double f = B / (B - T);
    return {S * f, H * f, 0};
}

namespace {
// The two end circles, the top one about x = topX, each fitted to its ellipse when asked.
TRingPair EndCircles(const TConeShape& c, int n, bool ellipses, double topX) {
    TRingPair r{CircleRing(n, topX, c.T / 2, c.H), CircleRing(n, 0, c.B / 2, 0)};
    if (ellipses && c.TopEllipseWidth != 0)
        FitRingToEllipse(r.Top, topX, c.T / 2, c.TopEllipseWidth / 2);
    if (ellipses && c.BottomEllipseWidth != 0)
        FitRingToEllipse(r.Bottom, 0, c.B / 2, c.BottomEllipseWidth / 2);
    return r;
}
} // namespace

TRingPair ConeRings(const TConeShape& c, int n, bool ellipses) {
    TRingPair r = EndCircles(c, n, ellipses, c.S);
    if (c.B == c.T) return r; // no apex: the caller wanted a cylinder
    const TDPoint apex = ConeApexPoint(c.T, c.B, c.H, c.S);
    if (c.TopAngle != 0) {
        const TEndPlane top = TiltedPlane(c.S, c.H, 0, c.TopAngle);
        for (TDPoint& q : r.Top)
            q = MoveThroughPointOntoPlane(q, apex, top);
    }
    if (c.BottomAngle != 0) {
        const TEndPlane bottom = TiltedPlane(0, 0, 0, c.BottomAngle);
        for (TDPoint& q : r.Bottom)
            q = MoveThroughPointOntoPlane(q, apex, bottom);
    }
    return r;
}

TRingPair CylinderRings(const TConeShape& c, int n, bool ellipses) {
    TRingPair r = EndCircles(c, n, ellipses, 0);
    const TDPoint up{0, 1, 0};
    if (c.TopAngle != 0) {
        const TEndPlane top = TiltedPlane(0, c.H, 0, c.TopAngle);
        for (TDPoint& q : r.Top)
            q = MoveAlongDirectionOntoPlane(q, up, top);
    }
    if (c.BottomAngle != 0) {
        const TEndPlane bottom = TiltedPlane(0, 0, 0, c.BottomAngle);
        for (TDPoint& q : r.Bottom)
            q = MoveAlongDirectionOntoPlane(q, up, bottom);
    }
    return r;
}

TPathArray ToSceneFrame(const TPathArray& ring) {
    TPathArray out = ring;
    for (TDPoint& q : out)
        q.y = -q.y;
    return out;
}

} // namespace brevant
