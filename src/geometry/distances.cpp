// Plane and space distances between points, and midpoints.
#include "geometry/distances.h"

#include "geometry/constants.h"

#include <cmath>

namespace brevant {

double Distance(double X1, double Y1, double X2, double Y2) {
    const double dx = std::abs(X1 - X2);
    if (dx > kDistanceCutoff) return 0;
    const double dy = std::abs(Y1 - Y2);
    if (dy > kDistanceCutoff) return 0;
    const double s = dx * dx + dy * dy;
    return s > 0 ? std::sqrt(s) : 0;
}

double Distance2Points(const TDPoint& Point1, const TDPoint& Point2) {
    return Distance(Point1.x, Point1.y, Point2.x, Point2.y);
}

double Distance3D(const TDPoint& Point1, const TDPoint& Point2) {
    const double dx = Point1.x - Point2.x;
    const double dy = Point1.y - Point2.y;
    const double dz = Point1.z - Point2.z;
    const double s = dx * dx + dy * dy + dz * dz;
    return s > 0 ? std::sqrt(s) : 0;
}

const TDPoint& NearerToPick(const TDPoint& First, const TDPoint& Second, const TDPoint& PickPoint) {
    return Distance2Points(First, PickPoint) < Distance2Points(Second, PickPoint) ? First : Second;
}

TDPoint MidPoint(double X1, double Y1, double Z1, double X2, double Y2, double Z2) {
    return {X1 + (X2 - X1) / 2, Y1 + (Y2 - Y1) / 2, Z1 + (Z2 - Z1) / 2};
}

TDPoint MidPoint2Points(const TDPoint& Point1, const TDPoint& Point2) {
    return MidPoint(Point1.x, Point1.y, Point1.z, Point2.x, Point2.y, Point2.z);
}

} // namespace brevant
