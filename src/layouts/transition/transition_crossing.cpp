// Whether two facets of a transition pass through each other.
#include "geometry/vectors.h"
#include "layouts/transition/transition_model.h"

#include <array>
#include <cmath>

namespace brevant {

namespace {

using Corners = std::array<TDPoint, 3>;

struct Facet {
    Corners P;
    std::array<int, 3> Id; // bottom points by their index, top points after them
};

// Whether the segment p-q passes through the inside of the triangle (touching excluded).
bool Pierces(const TDPoint& p, const TDPoint& q, const Corners& t) {
    constexpr double eps = 1e-9;
    const TDPoint e1 = Sub(t[1], t[0]), e2 = Sub(t[2], t[0]), d = Sub(q, p);
    const TDPoint h = Cross(d, e2);
    const double det = Dot(e1, h);
    if (!(std::abs(det) > eps * Length(e1) * Length(e2) * Length(d))) return false;
    const TDPoint s = Sub(p, t[0]);
    const double u = Dot(s, h) / det;
    if (u <= eps || u >= 1 - eps) return false;
    const TDPoint c = Cross(s, e1);
    const double v = Dot(d, c) / det;
    if (v <= eps || u + v >= 1 - eps) return false;
    const double w = Dot(e2, c) / det;
    return w > eps && w < 1 - eps;
}

std::vector<Facet> FacetsOf(const TransitionModel& m) {
    std::vector<Facet> out;
    const int top = static_cast<int>(m.Bottom.size());
    for (size_t k = 0; k + 1 < m.Rungs.size(); ++k) {
        const Rung r = m.Rungs[k], n = m.Rungs[k + 1];
        const bool sharesBottom = r.Bottom == n.Bottom;
        out.push_back(
            {{m.BottomOf(k), m.TopOf(k), sharesBottom ? m.TopOf(k + 1) : m.BottomOf(k + 1)},
             {r.Bottom, top + r.Top, sharesBottom ? top + n.Top : n.Bottom}});
    }
    return out;
}

bool Share(const Facet& a, const Facet& b) {
    for (int i : a.Id)
        for (int j : b.Id)
            if (i == j) return true;
    return false;
}

} // namespace

bool FacetsCross(const TransitionModel& m) {
    const std::vector<Facet> facets = FacetsOf(m);
    for (size_t i = 0; i < facets.size(); ++i)
        for (size_t j = 0; j < facets.size(); ++j) {
            if (i == j || Share(facets[i], facets[j])) continue;
            const Corners& a = facets[i].P;
            for (size_t e = 0; e < 3; ++e)
                if (Pierces(a[e], a[(e + 1) % 3], facets[j].P)) return true;
        }
    return false;
}

} // namespace brevant
