// Independent measures for checking constructions: distances to infinite lines, sides of
// lines, finiteness of results, seeded random inputs.
#pragma once

#include "geometry/status.h"
#include "geometry/types.h"

#include <cmath>
#include <random>

namespace brevant::test {

inline double PlaneDistance(const TDPoint& a, const TDPoint& b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// Signed distance of P from the infinite line, positive on the left of its direction.
inline double SignedLineDistance(const TDPoint& P, const TDLine& L) {
    const double dx = L.Point2.x - L.Point1.x, dy = L.Point2.y - L.Point1.y;
    return (dx * (P.y - L.Point1.y) - dy * (P.x - L.Point1.x)) / std::hypot(dx, dy);
}

inline double LineDistance(const TDPoint& P, const TDLine& L) {
    return std::abs(SignedLineDistance(P, L));
}

inline bool Finite(const TDPoint& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}
inline bool Finite(const TDLine& l) {
    return Finite(l.Point1) && Finite(l.Point2);
}
inline bool Finite(const TDArc& a) {
    return Finite(a.Center) && std::isfinite(a.r) && std::isfinite(a.sa) && std::isfinite(a.ea);
}

// A status some construction may return: success, a coded failure or the bare -1.
inline bool KnownStatus(GeometryStatus s) {
    return s == kStatusOk || s == -1 || (s >= 902 && s <= 908);
}

// Seeded uniform numbers, so a failing case repeats.
class RandomPlane {
public:
    explicit RandomPlane(unsigned seed) : engine_(seed) {}
    double Uniform(double lo, double hi) {
        return std::uniform_real_distribution<>(lo, hi)(engine_);
    }
    TDPoint Point(double extent) { return {Uniform(-extent, extent), Uniform(-extent, extent), 0}; }
    int Integer(int lo, int hi) { return std::uniform_int_distribution<>(lo, hi)(engine_); }

private:
    std::mt19937 engine_;
};

} // namespace brevant::test
