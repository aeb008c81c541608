// The square-to-round model: top ring with the twin points beside each quarter, the corner
// ring, the tilted top and the generator table.
#include "layouts/square/square_model.h"

#include "core/angle_units.h"
#include "geometry/distances.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {
// A division this close to a quarter angle is replaced by the twin points.
constexpr double kQuarterTolerance = 0.001;
// Half the angle between the two twin points of a quarter.
constexpr double kTwinOffset = 0.01;

TDPoint ToScene(const TDPoint& p) {
    return {p.x, -p.y, p.z};
}
} // namespace

std::vector<double> SquareTopAngles(int n) {
    std::vector<double> angles;
    const int m = 4 * n - 4;
    for (int c = 0; c < m; ++c) {
        const double theta = 360.0 * c / m;
        bool quarter = false;
        for (double q : {0.0, 90.0, 180.0, 270.0})
            quarter = quarter || std::abs(theta - q) < kQuarterTolerance;
        if (quarter) {
            angles.push_back(theta - kTwinOffset);
            angles.push_back(theta + kTwinOffset);
        } else {
            angles.push_back(theta);
        }
    }
    return angles;
}

TDPoint SquareCorner(const SquareShape& s, int corner) {
    const double x = corner == 0 || corner == 1 ? s.W / 2 : -s.W / 2;
    const double z = corner == 1 || corner == 2 ? s.L / 2 : -s.L / 2;
    return {x, 0, z};
}

int SquareCornerOf(int k, int n) {
    if (k == 0 || k > 3 * n) return 0;
    return (k - 1) / n + 1;
}

TDPoint TiltTopPoint(const TDPoint& p, const SquareShape& s) {
    if (s.TopAngle == 0) return p;
    // On the line A + t (p - A), A = (0, 2H, 0), the height is 2H - tH; the plane's height
    // above x is H - tan(a) (x - xs). Solving gives t = (H - tan a xs) / (H - tan a px).
    const double tanA = std::tan(s.TopAngle * kRadiansPerDegree);
    const double den = s.H - tanA * p.x;
    const double t = (s.H - tanA * s.XShift) / den;
    // A parallel line, or a plane met behind the axis point, leaves the point where it is.
    if (!std::isfinite(t) || !(t > 0)) return p;
    const TDPoint q{t * p.x, 2 * s.H - t * s.H, t * p.z};
    if (!std::isfinite(q.x) || !std::isfinite(q.y) || !std::isfinite(q.z)) return p;
    return q;
}

TDPoint TopPointOf(const TSquarePoints& g) {
    return {g.top_x, -double(g.top_y), g.top_z};
}

TDPoint BottomPointOf(const TSquarePoints& g) {
    return {g.bot_x, -double(g.bot_y), g.bot_z};
}

SquareModel BuildSquareModel(const SquareShape& shape) {
    SquareModel m;
    const int n = std::clamp(shape.BendsPerCorner, kSquareMinBends, kSquareMaxBends);
    m.BendsPerCorner = n;
    const double r = shape.D / 2;
    for (double theta : SquareTopAngles(n)) {
        const double a = theta * kRadiansPerDegree;
        const TDPoint onCircle{shape.XShift + r * std::cos(a), shape.H,
                               shape.ZShift + r * std::sin(a)};
        m.TopRing.push_back(ToScene(TiltTopPoint(onCircle, shape)));
    }
    for (int k = 0; k < static_cast<int>(m.TopRing.size()); ++k) {
        const TDPoint top = m.TopRing[static_cast<size_t>(k)];
        const TDPoint bottom = ToScene(SquareCorner(shape, SquareCornerOf(k, n)));
        m.BottomRing.push_back(bottom);
        TSquarePoints g;
        g.top_x = float(top.x), g.top_y = float(top.y), g.top_z = float(top.z);
        g.bot_x = float(bottom.x), g.bot_y = float(bottom.y), g.bot_z = float(bottom.z);
        const double len = Distance3D(top, bottom);
        g.length = std::isfinite(len) ? float(len) : 0.0f;
        g.circle_array_index = k;
        m.Generators.push_back(g);
    }
    return m;
}

} // namespace brevant
