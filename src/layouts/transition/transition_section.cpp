// Section outlines: the corner arcs and straight sides of each shape, and opening a loop at the
// seam.
#include "layouts/transition/transition_section.h"

#include "core/angle_units.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {

// Cosine and sine of degrees, exact at the quarter angles so that symmetric sections stay
// symmetric to the last bit.
double ExactCos(double deg) {
    const double q = deg / 90.0;
    if (q == std::round(q)) {
        const int k = ((static_cast<int>(q) % 4) + 4) % 4;
        return k == 0 ? 1.0 : k == 2 ? -1.0 : 0.0;
    }
    return std::cos(deg * kRadiansPerDegree);
}
double ExactSin(double deg) {
    return ExactCos(deg - 90.0);
}

bool Same(const SectionPoint& a, const SectionPoint& b, double tol) {
    return std::abs(a.u - b.u) <= tol && std::abs(a.v - b.v) <= tol;
}

// Leaves out edges of no length: a point equal to the one before it goes, and the edge before
// it takes the normal of the edge after it. A corner stays a corner.
void DropEmptyEdges(SectionLoop& loop, double tol) {
    auto& p = loop.Points;
    auto& n = loop.Normals;
    for (size_t k = 0; k + 1 < p.size();) {
        if (!Same(p[k], p[k + 1], tol)) {
            ++k;
            continue;
        }
        p[k].Corner = p[k].Corner || p[k + 1].Corner;
        p.erase(p.begin() + static_cast<long>(k) + 1);
        n.erase(n.begin() + static_cast<long>(k));
    }
    if (p.size() > 1 && Same(p.back(), p.front(), tol)) {
        p.front().Corner = p.front().Corner || p.back().Corner;
        p.pop_back();
        n.pop_back();
    }
}

double Tolerance(const CornerRounding& c) {
    return 1e-12 * std::max({c.HalfWidth, c.HalfLength, 1e-3});
}

} // namespace

CornerRounding RoundingOf(const SectionSize& s) {
    const double a = s.Width / 2;
    const double b = s.Shape == SectionShape::Round ? a : s.Length / 2;
    switch (s.Shape) {
    case SectionShape::Round:
        return {a, a, a};
    case SectionShape::Obround:
        return {a, b, std::min(a, b)};
    case SectionShape::Rectangle:
        break;
    }
    return {a, b, std::clamp(s.Radius, 0.0, std::min(a, b))};
}

SectionLoop SectionOutline(const SectionSize& size, int divisions) {
    const CornerRounding c = RoundingOf(size);
    const int d = std::clamp(divisions, kTransitionMinDivisions, kTransitionMaxDivisions);
    SectionLoop loop;
    for (int q = 0; q < 4; ++q) {
        const double sx = q == 0 || q == 3 ? 1 : -1;
        const double sy = q < 2 ? 1 : -1;
        const double cu = sx * (c.HalfWidth - c.Radius), cv = sy * (c.HalfLength - c.Radius);
        if (!(c.Radius > 0)) {
            loop.Points.push_back({sx * c.HalfWidth, sy * c.HalfLength, true});
            loop.Normals.push_back(90.0 * (q + 1));
            continue;
        }
        for (int k = 0; k <= d; ++k) {
            const double angle = 90.0 * q + 90.0 * k / d;
            loop.Points.push_back(
                {cu + c.Radius * ExactCos(angle), cv + c.Radius * ExactSin(angle), false});
            loop.Normals.push_back(k < d ? 90.0 * q + 90.0 * (k + 0.5) / d : 90.0 * (q + 1));
        }
    }
    DropEmptyEdges(loop, Tolerance(c));
    return loop;
}

bool PlusUSide(const SectionLoop& loop, double& vFrom, double& vTo) {
    if (loop.Normals.empty() || loop.Normals.back() != 360.0) return false;
    vFrom = loop.Points.back().v;
    vTo = loop.Points.front().v;
    return true;
}

SectionLoop OpenAtPlusU(const SectionLoop& loop, double v) {
    double from = 0, to = 0;
    if (!PlusUSide(loop, from, to)) return loop;
    const double tol = 1e-12 * std::max(std::abs(from), std::abs(to)) + 1e-15;
    SectionLoop out;
    out.Points.push_back({loop.Points.front().u, std::clamp(v, from, to), false});
    out.Normals.push_back(0.0);
    out.Points.insert(out.Points.end(), loop.Points.begin(), loop.Points.end());
    out.Normals.insert(out.Normals.end(), loop.Normals.begin(), loop.Normals.end());
    DropEmptyEdges(out, tol);
    return out;
}

int SplitAtMinusU(SectionLoop& loop) {
    auto& p = loop.Points;
    auto& n = loop.Normals;
    for (size_t k = 0; k < n.size(); ++k) {
        if (n[k] != 180.0) continue;
        const SectionPoint a = p[k], b = p[(k + 1) % p.size()];
        const SectionPoint s{a.u, std::clamp(0.0, std::min(a.v, b.v), std::max(a.v, b.v)), false};
        const double tol = 1e-12 * (std::abs(a.v) + std::abs(b.v)) + 1e-15;
        if (Same(s, a, tol)) return static_cast<int>(k);
        if (Same(s, b, tol)) return static_cast<int>((k + 1) % p.size());
        p.insert(p.begin() + static_cast<long>(k) + 1, s);
        n.insert(n.begin() + static_cast<long>(k) + 1, 180.0);
        return static_cast<int>(k) + 1;
    }
    for (size_t k = 1; k < n.size(); ++k)
        if (n[k - 1] < 180.0 && n[k] > 180.0) return static_cast<int>(k);
    return 0;
}

double LoopLength(const SectionLoop& loop) {
    double sum = 0;
    const size_t count = loop.Points.size();
    for (size_t k = 0; k < count; ++k) {
        const SectionPoint& a = loop.Points[k];
        const SectionPoint& b = loop.Points[(k + 1) % count];
        sum += std::hypot(b.u - a.u, b.v - a.v);
    }
    return sum;
}

} // namespace brevant
