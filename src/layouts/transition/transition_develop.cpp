// Laying out the transition's triangles in the flat, and the angles at its lines.
#include "layouts/transition/transition_develop.h"

#include "core/angle_units.h"
#include "geometry/distances.h"
#include "geometry/vectors.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brevant {

namespace {

bool SharesBottom(const TransitionModel& m, size_t k) {
    return m.Rungs[k].Bottom == m.Rungs[k + 1].Bottom;
}

// The point of triangle t (between rungs t and t + 1) that is not on rung r (t or t + 1).
TDPoint Opposite(const TransitionModel& m, size_t t, size_t r) {
    const size_t other = r == t ? t + 1 : t;
    return SharesBottom(m, t) ? m.TopOf(other) : m.BottomOf(other);
}

// The flat point at distance a from p and b from q, on the other side of the line p-q than
// away. The triangle's sides are true 3D lengths, so the point exists; rounding that leaves a
// flat triangle a hair short of closing puts it on the line.
TDPoint Place(const TDPoint& p, const TDPoint& q, double a, double b, const TDPoint& away) {
    const double c = std::hypot(q.x - p.x, q.y - p.y);
    if (!(c > 0)) return p;
    const TDPoint e{(q.x - p.x) / c, (q.y - p.y) / c, 0};
    const double x = (a * a - b * b + c * c) / (2 * c);
    const double h = std::sqrt(std::max(0.0, a * a - x * x));
    const double side = e.x * (away.y - p.y) - e.y * (away.x - p.x);
    const double s = side > 0 ? -1.0 : 1.0;
    return {p.x + x * e.x - s * h * e.y, p.y + x * e.y + s * h * e.x, 0};
}

void Rotate(std::vector<TDPoint>& points, double c, double s) {
    for (TDPoint& p : points)
        p = {c * p.x - s * p.y, s * p.x + c * p.y, 0};
}

double MeanY(const std::vector<TDPoint>& points) {
    double sum = 0;
    for (const TDPoint& p : points)
        sum += p.y;
    return points.empty() ? 0 : sum / double(points.size());
}

// Turns the pattern so that the seams' bottom points lie along +X with the top edge above.
void Orient(TransitionFlat& f) {
    const TDPoint a = f.Bottom.front(), b = f.Bottom.back();
    const double chord = std::hypot(b.x - a.x, b.y - a.y);
    double angle =
        chord > 1e-9 * (1 + std::abs(a.x) + std::abs(a.y)) ? std::atan2(b.y - a.y, b.x - a.x) : 0.0;
    for (int pass = 0; pass < 2; ++pass) {
        const double c = std::cos(-angle), s = std::sin(-angle);
        for (auto* v : {&f.Bottom, &f.Top, &f.BottomEdge, &f.TopEdge})
            Rotate(*v, c, s);
        if (MeanY(f.Top) >= MeanY(f.Bottom)) return;
        angle = std::numbers::pi; // turned upside down: half a turn more
    }
}

void MeasureBox(TransitionFlat& f) {
    f.MinX = f.MaxX = f.Bottom.front().x;
    f.MinY = f.MaxY = f.Bottom.front().y;
    for (const auto* v : {&f.Bottom, &f.Top})
        for (const TDPoint& p : *v) {
            f.MinX = std::min(f.MinX, p.x), f.MaxX = std::max(f.MaxX, p.x);
            f.MinY = std::min(f.MinY, p.y), f.MaxY = std::max(f.MaxY, p.y);
        }
}

// The angle at the line p1 (bottom) - p2 (top) between its facets reaching r1 and r2.
double AngleAlong(const TDPoint& p1, const TDPoint& p2, const TDPoint& r1, const TDPoint& r2) {
    TDPoint axis = Sub(p2, p1);
    const double len = Length(axis);
    if (!(len > 0)) return 180.0;
    axis = {axis.x / len, axis.y / len, axis.z / len};
    auto across = [&](const TDPoint& r) {
        const TDPoint d = Sub(r, p2);
        const double along = Dot(d, axis);
        return TDPoint{d.x - along * axis.x, d.y - along * axis.y, d.z - along * axis.z};
    };
    const TDPoint a = across(r1), b = across(r2);
    const double angle = std::atan2(Length(Cross(a, b)), Dot(a, b)) / kRadiansPerDegree;
    return std::isfinite(angle) ? angle : 180.0;
}

TDPoint Mirrored(const TDPoint& p) {
    return {p.x, -p.y, p.z};
}

} // namespace

std::vector<double> TransitionBendAngles(const TransitionModel& m) {
    std::vector<double> angles;
    const size_t count = m.Rungs.size();
    if (count < 2) return angles;
    const size_t last = count - 1;
    for (size_t k = 0; k < count; ++k) {
        TDPoint before, after;
        if (k > 0) before = Opposite(m, k - 1, k);
        if (k < last) after = Opposite(m, k, k);
        if (m.Half) {
            if (k == 0) before = Mirrored(after);
            if (k == last) after = Mirrored(before);
        } else {
            // The seam: the last triangle meets the first.
            if (k == 0) before = Opposite(m, last - 1, last);
            if (k == last) after = Opposite(m, 0, 0);
        }
        angles.push_back(AngleAlong(m.BottomOf(k), m.TopOf(k), before, after));
    }
    return angles;
}

double TransitionSurfaceArea(const TransitionModel& m) {
    double area = 0;
    for (size_t k = 0; k + 1 < m.Rungs.size(); ++k) {
        const TDPoint b = m.BottomOf(k), t = m.TopOf(k), o = Opposite(m, k, k);
        area += Length(Cross(Sub(t, b), Sub(o, b))) / 2;
    }
    return area;
}

double SignedArea(const std::vector<TDPoint>& polygon) {
    double sum = 0;
    for (size_t k = 0; k < polygon.size(); ++k) {
        const TDPoint& a = polygon[k];
        const TDPoint& b = polygon[(k + 1) % polygon.size()];
        sum += a.x * b.y - b.x * a.y;
    }
    return sum / 2;
}

std::vector<TDPoint> TransitionFlat::Outline() const {
    std::vector<TDPoint> outline(BottomEdge);
    outline.insert(outline.end(), TopEdge.rbegin(), TopEdge.rend());
    if (SignedArea(outline) < 0) std::reverse(outline.begin(), outline.end());
    return outline;
}

TransitionFlat DevelopTransition(const TransitionModel& m) {
    TransitionFlat f;
    const size_t count = m.Rungs.size();
    if (count < 2) return f;
    f.Bottom.resize(count);
    f.Top.resize(count);
    f.Top[0] = {0, Distance3D(m.BottomOf(0), m.TopOf(0)), 0};
    TDPoint away{-1, f.Top[0].y / 2, 0};
    f.BottomEdge.push_back(f.Bottom[0]);
    f.TopEdge.push_back(f.Top[0]);
    for (size_t k = 0; k + 1 < count; ++k) {
        const TDPoint b = m.BottomOf(k), t = m.TopOf(k);
        if (SharesBottom(m, k)) {
            const TDPoint next = m.TopOf(k + 1);
            f.Bottom[k + 1] = f.Bottom[k];
            f.Top[k + 1] =
                Place(f.Bottom[k], f.Top[k], Distance3D(b, next), Distance3D(t, next), away);
            f.TopEdge.push_back(f.Top[k + 1]);
            away = f.Top[k];
        } else {
            const TDPoint next = m.BottomOf(k + 1);
            f.Top[k + 1] = f.Top[k];
            f.Bottom[k + 1] =
                Place(f.Top[k], f.Bottom[k], Distance3D(t, next), Distance3D(b, next), away);
            f.BottomEdge.push_back(f.Bottom[k + 1]);
            away = f.Bottom[k];
        }
    }
    for (size_t k = 0; k < count; ++k)
        f.TrueLengths.push_back(Distance3D(m.BottomOf(k), m.TopOf(k)));
    f.BendAngles = TransitionBendAngles(m);
    f.Area = TransitionSurfaceArea(m);
    Orient(f);
    MeasureBox(f);
    return f;
}

} // namespace brevant
