// Rotation about a centre in the drawing plane, and the isometric projection.
#include "geometry/transforms.h"

#include "geometry/angles.h"
#include "geometry/arc_points.h"
#include "geometry/constants.h"
#include "geometry/distances.h"

#include <cmath>
#include <numbers>

namespace brevant {

TDPoint draw::RotateAbout(const TDPoint& Point1, double CenterX, double CenterY, double Angle) {
    const double d = Distance(CenterX, CenterY, Point1.x, Point1.y);
    const double phi = draw::GetAngle(CenterX, CenterY, Point1.x, Point1.y);
    TDPoint rotated = draw::PointArcAngle(TDArc{{CenterX, CenterY, 0}, d, 0, 0}, phi + Angle);
    rotated.z = Point1.z;
    return rotated;
}

TDLine draw::RotateAbout(const TDLine& Line1, double CenterX, double CenterY, double Angle) {
    return TDLine{draw::RotateAbout(Line1.Point1, CenterX, CenterY, Angle),
                  draw::RotateAbout(Line1.Point2, CenterX, CenterY, Angle)};
}

TDArc draw::RotateAbout(const TDArc& Arc1, double CenterX, double CenterY, double Angle) {
    TDArc rotated = Arc1;
    rotated.Center = draw::RotateAbout(Arc1.Center, CenterX, CenterY, Angle);
    rotated.sa = Arc1.sa + Angle;
    rotated.ea = Arc1.ea + Angle;
    if (rotated.sa > 360) {
        rotated.sa -= 360;
        rotated.ea -= 360;
    }
    return rotated;
}

TDPoint IsoProject(double x, double y, double z) {
    const double sinAlpha = std::sin(kIsoAlpha);
    const double sin60 = std::numbers::sqrt3 / 2;
    const double sin30 = 0.5;
    return TDPoint{(x + y) * sin60 * sinAlpha, ((y - x) * sin30 + z) * sinAlpha, z};
}

} // namespace brevant
