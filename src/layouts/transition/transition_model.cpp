// Joining the two sections of a transition into the lines of its surface.
#include "layouts/transition/transition_model.h"

#include "core/angle_units.h"
#include "geometry/distances.h"
#include "geometry/vectors.h"

#include <cmath>
#include <limits>

namespace brevant {

namespace {

// Normals this close are the same direction: both are computed by the same formula.
constexpr double kSameNormal = 1e-9;

struct Joiner {
    const std::vector<double>& BottomNormals;
    const std::vector<double>& TopNormals;
    const TransitionModel& Model;
    std::vector<Rung>& Rungs;

    TDPoint B(int i) const { return Model.Bottom[size_t(i) % Model.Bottom.size()]; }
    TDPoint T(int j) const { return Model.Top[size_t(j) % Model.Top.size()]; }
    void Add(int i, int j) {
        Rungs.push_back({i % int(Model.Bottom.size()), j % int(Model.Top.size())});
    }
    // Joins the points from (i, j) to (iEnd, jEnd), the rung (i, j) already added; an index one
    // past the last point stands for point 0. The edge facing the lesser direction goes first;
    // two facing the same way go together.
    void Join(int i, int j, int iEnd, int jEnd) {
        constexpr double kNone = std::numeric_limits<double>::infinity();
        while (i < iEnd || j < jEnd) {
            const double nb = i < iEnd ? BottomNormals[size_t(i)] : kNone;
            const double nt = j < jEnd ? TopNormals[size_t(j)] : kNone;
            if (std::abs(nb - nt) <= kSameNormal) {
                // A quadrilateral: its shorter diagonal, then its far side.
                if (Distance3D(B(i + 1), T(j)) <= Distance3D(B(i), T(j + 1)))
                    Add(i + 1, j);
                else
                    Add(i, j + 1);
                ++i, ++j;
            } else if (nb < nt) {
                ++i;
            } else {
                ++j;
            }
            Add(i, j);
        }
    }
};

// The direction an edge of the top faces seen from above: the tilt shortens the top along X.
// Quarter directions stay as they are.
std::vector<double> PlanNormals(const std::vector<double>& normals, double tilt) {
    const double c = std::cos(tilt * kRadiansPerDegree);
    std::vector<double> plan;
    for (double n : normals) {
        const double r = n * kRadiansPerDegree;
        double p = std::atan2(c * std::sin(r), std::cos(r)) / kRadiansPerDegree;
        p += 360.0 * std::round((n - p) / 360.0);
        plan.push_back(p);
    }
    return plan;
}

// The top centre's seam point: the middle of the top's +X side (its v in the top's plane).
double TopSeamV(const SectionLoop& top) {
    double from = 0, to = 0;
    return PlusUSide(top, from, to) ? (from + to) / 2 : top.Points.front().v;
}

} // namespace

bool TransitionMirrorSymmetric(const TransitionPart& part) {
    return part.YShift == 0;
}

TDPoint TopPointOf(const TransitionPart& p, double u, double v) {
    const double a = p.TopAngle * kRadiansPerDegree;
    return {p.XShift + u * std::cos(a), p.YShift + v, p.Height - u * std::sin(a)};
}

TransitionModel BuildTransitionModel(const TransitionPart& part, bool half) {
    TransitionModel m;
    m.Half = half && TransitionMirrorSymmetric(part);
    SectionLoop top = SectionOutline(part.Top, part.Divisions);
    top = OpenAtPlusU(top, TopSeamV(top));
    // The bottom's seam point is the one of its +X side nearest the top's in depth.
    const double seamY = part.YShift + top.Points.front().v;
    SectionLoop bottom = OpenAtPlusU(SectionOutline(part.Bottom, part.Divisions), seamY);
    const int bottomHalf = m.Half ? SplitAtMinusU(bottom) : 0;
    const int topHalf = m.Half ? SplitAtMinusU(top) : 0;
    for (const SectionPoint& p : bottom.Points)
        m.Bottom.push_back({p.u, p.v, 0});
    for (const SectionPoint& p : top.Points)
        m.Top.push_back(TopPointOf(part, p.u, p.v));
    const std::vector<double> topNormals = PlanNormals(top.Normals, part.TopAngle);
    Joiner join{bottom.Normals, topNormals, m, m.Rungs};
    join.Add(0, 0);
    const int nb = int(m.Bottom.size()), nt = int(m.Top.size());
    if (m.Half)
        join.Join(0, 0, bottomHalf, topHalf);
    else
        join.Join(0, 0, nb, nt);
    return m;
}

} // namespace brevant
