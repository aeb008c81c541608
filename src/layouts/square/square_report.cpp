// The bend-angle report of the square to round: the angle between the two faces along each
// generator, listed from the first bend after zero degrees round to generator 0.
#include "core/number_format.h"
#include "core/units.h"
#include "geometry/vectors.h"
#include "layouts/square/square_display.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brevant {

namespace {

// The neighbours a generator's faces reach to; twins look past each other.
std::pair<int, int> Neighbours(int k, int n) {
    const int count = 4 * n;
    const int q = k / n;
    if (k == q * n || k == q * n + 1) return {(q * n - 1 + count) % count, (q * n + 2) % count};
    return {(k - 1 + count) % count, (k + 1) % count};
}

double BendAngle(const TTrueLengthArray& t, int k, int n) {
    const auto [prev, next] = Neighbours(k, n);
    const TDPoint p1 = BottomPointOf(t[size_t(k)]), p2 = TopPointOf(t[size_t(k)]);
    TDPoint axis = Sub(p2, p1);
    const double len = Length(axis);
    if (!(len > 0)) return 0;
    axis = {axis.x / len, axis.y / len, axis.z / len};
    // Each neighbour moved along the generator onto the plane through the top point.
    auto across = [&](int j) {
        TDPoint r = Sub(TopPointOf(t[size_t(j)]), p2);
        const double along = Dot(r, axis);
        return TDPoint{r.x - along * axis.x, r.y - along * axis.y, r.z - along * axis.z};
    };
    const TDPoint a = across(prev), b = across(next);
    const double norms = std::sqrt(Dot(a, a) * Dot(b, b));
    if (!(norms > 0)) return 0;
    const double c = std::clamp(Dot(a, b) / norms, -1.0, 1.0);
    return std::acos(c) * 180.0 / std::numbers::pi;
}

} // namespace

std::vector<double> SquareBendAngles(const TTrueLengthArray& table, int n) {
    std::vector<double> angles;
    if (n < 1 || table.size() != size_t(4 * n)) return angles;
    for (int k = 0; k < 4 * n; ++k)
        angles.push_back(BendAngle(table, k, n));
    return angles;
}

std::string SquareBendReportText(const TTrueLengthArray& table, int n, const std::string& name,
                                 UnitSystem units, char separator) {
    constexpr const char* kEol = "\r\n";
    std::string text = name + kEol + "Bend Angles For Square to Round" + kEol +
                       UnitLongName(units) + kEol + "***************" + kEol +
                       "First Bend is at Zero Degrees" + kEol +
                       "(right side in top view of model, going counter-clockwise)" + kEol;
    const std::vector<double> angles = SquareBendAngles(table, n);
    const int count = static_cast<int>(angles.size());
    for (int line = 1; line <= count; ++line) {
        const double a = angles[size_t(line % count)];
        text += "(" + std::to_string(line) + ") Bend Angle=" + FormatFixed(a, 2, separator) + kEol;
    }
    return text;
}

} // namespace brevant
