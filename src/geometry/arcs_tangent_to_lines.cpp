// Arcs tangent to lines.
#include "geometry/arcs_tangent_to_lines.h"

#include "geometry/angles.h"
#include "geometry/arc_points.h"
#include "geometry/closest_points.h"
#include "geometry/constants.h"
#include "geometry/distances.h"
#include "geometry/intersections.h"
#include "geometry/lines.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {

TDPoint Toward(const TDPoint& From, double Length, double Angle) {
    return detail::PointOnCircle(TDArc{From, Length, 0, 0}, Angle, kCalcDegreesPerRadian);
}

// Which way from Line1 the point lies: +1 left of its direction, -1 right, 0 on it.
int SideOf(const TDLine& Line1, const TDPoint& P) {
    const double cross = (Line1.Point2.x - Line1.Point1.x) * (P.y - Line1.Point1.y) -
                         (Line1.Point2.y - Line1.Point1.y) * (P.x - Line1.Point1.x);
    return cross > 0 ? 1 : (cross < 0 ? -1 : 0);
}

bool Parallel(double a, double b) {
    const double d = std::fmod(std::abs(a - b), 180.0);
    return d <= kParallelDegrees || 180 - d <= kParallelDegrees;
}

double HalfGap(const TDPoint& From, const TDLine& To) {
    TDPoint foot = From;
    GetClosestPointLine(To, From, foot);
    return Distance2Points(From, foot) / 2;
}

// The line through Vertex halfway between the directions to A and to B. It is drawn as
// long as the arm to A: far from the origin a unit step would lose the direction's
// precision to the rounding of its end point.
TDLine Bisector(const TDPoint& Vertex, const TDPoint& A, const TDPoint& B) {
    const double p = GetAngle(Vertex.x, Vertex.y, A.x, A.y);
    const double q = GetAngle(Vertex.x, Vertex.y, B.x, B.y);
    const double length = std::max(1.0, std::hypot(A.x - Vertex.x, A.y - Vertex.y));
    return TDLine{Vertex, Toward(Vertex, length, std::min(p, q) + std::abs(p - q) / 2)};
}

// The inscribed circle's centre is where the bisectors at two corners of the triangle meet.
// The corners taken are the ends of the shortest side: a sharp corner lies far away, and
// there the small error of a direction in degrees would move the crossing by much.
GeometryStatus Incircle(const TDLine& Line1, const TDLine& Line2, const TDLine& Line3,
                        TDPoint& Centre) {
    TDPoint v[3];
    GeometryStatus status = Point2Lines(Line1, Line2, v[0]);
    if (status == kStatusOk) status = Point2Lines(Line1, Line3, v[1]);
    if (status == kStatusOk) status = Point2Lines(Line2, Line3, v[2]);
    if (status != kStatusOk) return status;
    const auto side = [&](int i, int j) { return std::hypot(v[i].x - v[j].x, v[i].y - v[j].y); };
    int a = 0, b = 1, c = 2; // the side from v[a] to v[b] is the shortest
    if (side(0, 2) < side(a, b)) b = 2, c = 1;
    if (side(1, 2) < side(a, b)) a = 1, b = 2, c = 0;
    return Point2Lines(Bisector(v[a], v[b], v[c]), Bisector(v[b], v[a], v[c]), Centre);
}

// A strip between two parallel lines holds its circle where the offsets of First and
// Second by the half width toward PickPoint cross.
GeometryStatus StripCircle(const TDLine& First, const TDLine& Second, double r,
                           const TDPoint& PickPoint, TDPoint& Centre) {
    TDLine a, b;
    LineOffset(First, r, PickPoint, a);
    LineOffset(Second, r, PickPoint, b);
    return Point2Lines(a, b, Centre);
}

// Radius of the circle touching the line (v = 0) at along-coordinate uc and passing
// through (u, v), v > 0.
double TouchingRadius(double uc, double u, double v) {
    return ((u - uc) * (u - uc) + v * v) / (2 * v);
}

// Along-coordinate of the touching point of the smaller circle through (u1, v1) and
// (u2, v2), both v >= 0 and not both 0: the smaller root of
// (v2 - v1) uc^2 - 2 (v2 u1 - v1 u2) uc + v2 (u1^2 + v1^2) - v1 (u2^2 + v2^2) = 0.
double TouchAlong(double u1, double v1, double u2, double v2) {
    if (v1 == 0) return u1;
    if (v2 == 0) return u2;
    const double A = v2 - v1;
    if (A == 0) return (u1 + u2) / 2;
    const double B = -2 * (v2 * u1 - v1 * u2);
    const double C = v2 * (u1 * u1 + v1 * v1) - v1 * (u2 * u2 + v2 * v2);
    const double s = std::sqrt(std::max(0.0, B * B - 4 * A * C));
    const double q = -(B + std::copysign(s, B)) / 2; // the roots are q / A and C / q
    const double root1 = q / A;
    const double root2 = q != 0 ? C / q : root1;
    const double u = v1 > v2 ? u1 : u2, v = std::max(v1, v2);
    return TouchingRadius(root1, u, v) <= TouchingRadius(root2, u, v) ? root1 : root2;
}

} // namespace

// The centre lies on Line1 offset by Radius toward POint1, at Radius from POint1: from
// POint1, Radius - h across (away from the line) and sqrt(h (2 Radius - h)) along, h being
// POint1's height above the line.
GeometryStatus ArcTanLinePoint(const TDLine& Line1, const TDPoint& PickPoint, const TDPoint& POint1,
                               double Radius, double StartAngle, double EndAngle, TDArc& Arc1) {
    TDPoint foot{POint1.x, POint1.y, 0};
    GetClosestPointLine(Line1, POint1, foot);
    const double h = Distance2Points(foot, POint1);
    if (h > 2 * Radius) return kStatusArcDoesNotIntersect;
    const double phi = GetAngleLine(Line1);
    const int side = SideOf(Line1, POint1);
    double across = phi + 90 * side;
    if (side == 0) { // on the line: touch it at POint1, on the pick's side
        const TDPoint left = Toward(POint1, Radius, phi + 90);
        const TDPoint right = Toward(POint1, Radius, phi - 90);
        across = &NearerToPick(left, right, PickPoint) == &left ? phi + 90 : phi - 90;
    }
    const TDPoint base = Toward(POint1, Radius - h, across);
    const double along = std::sqrt(std::max(0.0, h * (2 * Radius - h)));
    const TDPoint ahead = Toward(base, along, phi);
    const TDPoint behind = Toward(base, along, phi + 180);
    TDPoint centre = NearerToPick(ahead, behind, PickPoint);
    centre.z = 0;
    Arc1 = TDArc{centre, Radius, StartAngle, EndAngle};
    return kStatusOk;
}

GeometryStatus ArcTan2Lines(const TDLine& Line1, const TDLine& Line2, double Radius,
                            double StartAngle, double EndAngle, const TDPoint& PickPoint1,
                            const TDPoint& PickPoint2, TDArc& Arc1) {
    Arc1.r = Radius;
    Arc1.sa = StartAngle;
    Arc1.ea = EndAngle;
    TDLine a, b;
    LineOffset(Line1, Radius, PickPoint1, a);
    LineOffset(Line2, Radius, PickPoint2, b);
    return Point2Lines(a, b, Arc1.Center);
}

GeometryStatus ArcTan3Lines(const TDLine& Line1, const TDLine& Line2, const TDLine& Line3,
                            const TDPoint& PickPoint, double StartAngle, double EndAngle,
                            TDArc& Arc1) {
    const double d1 = FixAngle(GetAngleLine(Line1));
    const double d2 = FixAngle(GetAngleLine(Line2));
    const double d3 = FixAngle(GetAngleLine(Line3));
    const bool p12 = Parallel(d1, d2), p13 = Parallel(d1, d3), p23 = Parallel(d2, d3);
    if (int{p12} + int{p13} + int{p23} > 1) return kStatusNoArc;
    TDPoint centre;
    double r = 0;
    GeometryStatus status = kStatusOk;
    if (p12 || p13 || p23) {
        r = p23 ? HalfGap(Line2.Point1, Line3) : HalfGap(Line1.Point1, p12 ? Line2 : Line3);
        status = StripCircle(Line1, p13 ? Line2 : Line3, r, PickPoint, centre);
    } else {
        status = Incircle(Line1, Line2, Line3, centre);
        TDPoint foot = centre;
        GetClosestPointLine(Line1, centre, foot);
        r = Distance2Points(centre, foot);
    }
    if (status != kStatusOk) return status;
    Arc1 = TDArc{centre, r, StartAngle, EndAngle};
    return kStatusOk;
}

// Worked in the line's own frame: u along Line1 from its Point1, v across it.
GeometryStatus ArcTanLine2Points(const TDLine& Line1, const TDPoint& Point1, const TDPoint& Point2,
                                 double StartAngle, double EndAngle, TDArc& Arc1) {
    const TDPoint& o = Line1.Point1;
    const double length = std::hypot(Line1.Point2.x - o.x, Line1.Point2.y - o.y);
    if (length == 0 || (Point1.x == Point2.x && Point1.y == Point2.y)) return kStatusUndefinedLine;
    const double ux = (Line1.Point2.x - o.x) / length, uy = (Line1.Point2.y - o.y) / length;
    const auto along = [&](const TDPoint& p) { return (p.x - o.x) * ux + (p.y - o.y) * uy; };
    const auto across = [&](const TDPoint& p) { return (p.y - o.y) * ux - (p.x - o.x) * uy; };
    double v1 = across(Point1), v2 = across(Point2);
    if (v1 * v2 < 0 || (v1 == 0 && v2 == 0)) return kStatusRadiusDoesNotIntersect;
    const double side = v1 + v2 > 0 ? 1 : -1;
    v1 *= side;
    v2 *= side;
    const double u1 = along(Point1), u2 = along(Point2);
    const double uc = TouchAlong(u1, v1, u2, v2);
    const double r = v1 > v2 ? TouchingRadius(uc, u1, v1) : TouchingRadius(uc, u2, v2);
    const TDPoint centre{o.x + uc * ux - side * r * uy, o.y + uc * uy + side * r * ux, 0};
    Arc1 = TDArc{centre, r, StartAngle, EndAngle};
    return kStatusOk;
}

} // namespace brevant
