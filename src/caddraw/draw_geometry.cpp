// The plane geometry the CAD view uses on its elements.
#include "caddraw/draw_geometry.h"

#include <cmath>

namespace brevant::drawgeo {

double Distance(double x1, double y1, double x2, double y2) {
    const double dx = std::fabs(x1 - x2);
    if (dx > 100000) return 0;
    const double dy = std::fabs(y1 - y2);
    if (dy > 100000) return 0;
    const double s = dx * dx + dy * dy;
    return s > 0 ? std::sqrt(s) : 0;
}

double GetAngle(double x1, double y1, double x2, double y2) {
    if (x1 == x2 && y1 == y2) return 0;
    double dy = std::fabs(y2 - y1);
    if (dy == 0) {
        dy = 1e-7;
        y1 += 1e-7;
    }
    double dx = std::fabs(x2 - x1);
    if (dx == 0) {
        dx = 1e-7;
        x1 += 1e-7;
    }
    double a = std::atan(dy / dx) * kDegPerRad;
    if (x1 > x2 && y2 > y1)
        a = 180 - a;
    else if (x1 > x2 && y1 > y2)
        a = a + 180;
    else if (x2 > x1 && y1 > y2)
        a = 360 - a;
    return FixAngle(a);
}

double FixAngle(double angle) {
    if (!std::isfinite(angle)) return 0;
    // Far-off values are reduced first so the loops below stay short.
    if (std::fabs(angle) > 1e6) angle = std::fmod(angle, 360.0);
    while (angle >= 360)
        angle -= 360;
    while (angle < 0)
        angle += 360;
    return angle;
}

double GetArcAngle(double startAngle, double endAngle) {
    if (endAngle > startAngle) return endAngle - startAngle;
    if (startAngle > endAngle) return 360 - (startAngle - endAngle);
    return 360;
}

TDPoint PointArcAngle(const TDArc& arc, double angle) {
    const double t = angle / kDegPerRad;
    return {arc.Center.x + arc.r * std::cos(t), arc.Center.y + arc.r * std::sin(t), arc.Center.z};
}

namespace {

// Intersection of two infinite lines by slopes; false for exactly parallel slopes.
bool Point2Lines(const TDLine& l1, const TDLine& l2, TDPoint& p) {
    auto slope = [](const TDLine& l, double& m, double& b) {
        double d = l.Point1.x - l.Point2.x;
        if (std::fabs(d) < 1e-6) d = 1e-6;
        m = (l.Point1.y - l.Point2.y) / d;
        b = l.Point1.y - m * l.Point1.x;
    };
    double m1 = 0, b1 = 0, m2 = 0, b2 = 0;
    slope(l1, m1, b1);
    slope(l2, m2, b2);
    double dm = m1 - m2;
    if (dm == 0) return false;
    if (std::fabs(dm) < 1e-6) dm = 1e-6;
    const double x = (b2 - b1) / dm;
    p = {x, m1 * x + b1, 0};
    return true;
}

} // namespace

void GetClosestPointLine(const TDLine& line, const TDPoint& pick, TDPoint& point) {
    const double theta = GetAngle(line.Point1.x, line.Point1.y, line.Point2.x, line.Point2.y);
    const TDPoint q = PointArcAngle(TDArc{pick, 1, 0, 0}, theta + 90);
    if (q.x == pick.x && q.y == pick.y) return;
    Point2Lines(line, TDLine{pick, q}, point);
}

TDPoint GetClosestPointArc(const TDArc& arc, const TDPoint& pick) {
    return PointArcAngle(arc, GetAngle(arc.Center.x, arc.Center.y, pick.x, pick.y));
}

TDArc ArcOf(const TElement& e) {
    return {{e.Coords[0], e.Coords[1], e.Coords[2]}, e.Coords[3], e.Coords[4], e.Coords[5]};
}

TDLine LineOf(const TElement& e) {
    return {{e.Coords[0], e.Coords[1], e.Coords[2]}, {e.Coords[3], e.Coords[4], e.Coords[5]}};
}

bool GetArcEndPoints(const TElement& e, TDPoint& start, TDPoint& end) {
    const TDArc a = ArcOf(e);
    if (a.r == 0) return false;
    const double s = a.sa / kDegPerRad, t = a.ea / kDegPerRad;
    start.x = a.Center.x + a.r * std::cos(s);
    start.y = a.Center.y + a.r * std::sin(s);
    end.x = a.Center.x + a.r * std::cos(t);
    end.y = a.Center.y + a.r * std::sin(t);
    return true;
}

TDPoint MidArc(const TElement& e) {
    const TDArc a = ArcOf(e);
    return PointArcAngle(a, a.sa + GetArcAngle(a.sa, a.ea) / 2);
}

void GetClosestPoint(const TElement& e, const TDPoint& pick, TDPoint& point) {
    switch (e.Etype) {
    case kElementPoint:
        point = {e.Coords[0], e.Coords[1], e.Coords[2]};
        break;
    case kElementLine:
        GetClosestPointLine(LineOf(e), pick, point);
        break;
    case kElementArc:
        point = GetClosestPointArc(ArcOf(e), pick);
        break;
    default:
        break;
    }
}

TDPoint RotateAbout(const TDPoint& p, double cx, double cy, double angle) {
    const double d = Distance(cx, cy, p.x, p.y);
    const double phi = GetAngle(cx, cy, p.x, p.y);
    TDPoint r = PointArcAngle(TDArc{{cx, cy, 0}, d, 0, 0}, phi + angle);
    r.z = p.z;
    return r;
}

TDPoint IsoProject(double x, double y, double z) {
    constexpr double kAlpha = 0.95531643805431348853;
    const double sa = std::sin(kAlpha);
    const double sin60 = std::sin(60 / kDegPerRad), sin30 = std::sin(30 / kDegPerRad);
    return {(x + y) * sin60 * sa, ((y - x) * sin30 + z) * sa, z};
}

} // namespace brevant::drawgeo
