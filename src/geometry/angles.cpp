// Direction angles, arc sweeps, arc lengths and vertex angles, all in degrees.
#include "geometry/angles.h"

#include "geometry/constants.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {

// Beyond this many degrees FixAngle reduces with fmod first, so huge angles cannot keep
// the subtraction loop running (for 1e20 a subtraction of 360 changes nothing).
constexpr double kFixAngleLoopLimit = 3600;

} // namespace

double FixAngle(double Angle) {
    if (!(std::abs(Angle) <= kFixAngleLoopLimit)) Angle = std::fmod(Angle, 360.0); // NaN stays
    while (Angle >= 360)
        Angle -= 360;
    while (Angle < 0)
        Angle += 360;
    // A tiny negative angle plus 360 rounds to 360 itself; that direction is 0.
    if (Angle >= 360) Angle = 0;
    return Angle;
}

double GetArcAngle(double StartAngle, double EndAngle) {
    if (EndAngle > StartAngle) return EndAngle - StartAngle;
    if (StartAngle > EndAngle) return 360 - (StartAngle - EndAngle);
    return 360;
}

double GetArcLength(double Radius, double StartAngle, double EndAngle) {
    return std::abs(kFullTurn * Radius) * std::abs(GetArcAngle(StartAngle, EndAngle)) / 360;
}

double detail::RawDirectionAngle(double X1, double Y1, double X2, double Y2,
                                 double DegreesPerRadian) {
    if (X1 == X2 && Y1 == Y2) return 0;
    // The quadrant is decided on the nudged first point. The nudge is applied to the
    // comparisons rather than to the coordinate, so it still counts where 1e-7 is below
    // the coordinate's precision.
    double dy = std::abs(Y2 - Y1);
    bool firstHigher = Y1 > Y2;
    bool secondHigher = Y2 > Y1;
    if (dy == 0) {
        dy = kAngleNudge;
        firstHigher = true;
        secondHigher = false;
    }
    double dx = std::abs(X2 - X1);
    bool firstRight = X1 > X2;
    bool secondRight = X2 > X1;
    if (dx == 0) {
        dx = kAngleNudge;
        firstRight = true;
        secondRight = false;
    }
    double a = std::atan(dy / dx) * DegreesPerRadian;
    if (firstRight && secondHigher) {
        a = 180 - a;
    } else if (firstRight && firstHigher) {
        a = a + 180;
    } else if (secondRight && firstHigher) {
        a = 360 - a;
    }
    return a;
}

double GetAngle(double X1, double Y1, double X2, double Y2) {
    return FixAngle(detail::RawDirectionAngle(X1, Y1, X2, Y2, kCalcDegreesPerRadian));
}

double draw::GetAngle(double X1, double Y1, double X2, double Y2) {
    return FixAngle(detail::RawDirectionAngle(X1, Y1, X2, Y2, kDrawDegreesPerRadian));
}

double DirectionAngle(double x1, double y1, double x2, double y2) {
    return static_cast<float>(draw::GetAngle(x1, y1, x2, y2));
}

double NormalizeAngle(double angle) {
    if (!std::isfinite(angle)) return 0;
    return FixAngle(angle);
}

double GetAngleLine(const TDLine& Line1) {
    return GetAngle(Line1.Point1.x, Line1.Point1.y, Line1.Point2.x, Line1.Point2.y);
}

double AngleOfLine(const TDLine& Line1) {
    const double dx = Line1.Point2.x - Line1.Point1.x;
    const double dy = Line1.Point2.y - Line1.Point1.y;
    if (dx == 0) return dy > 0 ? 90 : (dy < 0 ? 270 : 0);
    if (dy == 0) return dx > 0 ? 0 : 180;
    const double t = std::atan(dy / dx) * kCalcDegreesPerRadian;
    if (dx < 0 && dy < 0) return t;
    return dx < 0 ? 360 + t : 180 + t;
}

double GetVertexAngle(double x1, double y1, double z1, double vertex_x, double vertex_y,
                      double vertex_z, double x3, double y3, double z3) {
    const double ux = x1 - vertex_x, uy = y1 - vertex_y, uz = z1 - vertex_z;
    const double wx = x3 - vertex_x, wy = y3 - vertex_y, wz = z3 - vertex_z;
    const double f = (ux * ux + uy * uy + uz * uz) * (wx * wx + wy * wy + wz * wz);
    if (f == 0) return 0;
    // Rounding can push the cosine of (anti)parallel arms just past +-1.
    const double c = std::clamp((ux * wx + uy * wy + uz * wz) / std::sqrt(f), -1.0, 1.0);
    return std::acos(c) * kDrawDegreesPerRadian;
}

} // namespace brevant
