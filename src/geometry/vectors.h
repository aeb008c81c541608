// Vector arithmetic on points taken as 3D vectors from the origin.
#pragma once

#include "geometry/types.h"

#include <cmath>

namespace brevant {

inline TDPoint Sub(const TDPoint& a, const TDPoint& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline double Dot(const TDPoint& a, const TDPoint& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline TDPoint Cross(const TDPoint& a, const TDPoint& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Length(const TDPoint& a) {
    return std::sqrt(Dot(a, a));
}

} // namespace brevant
