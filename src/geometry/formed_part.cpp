// Plate faces and the area of the described surfaces of a formed part.
#include "geometry/formed_part.h"

#include "geometry/vectors.h"

#include <cmath>
#include <numbers>

namespace brevant {

namespace {

TDPoint Add(const TDPoint& a, const TDPoint& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
TDPoint Scale(const TDPoint& a, double f) {
    return {a.x * f, a.y * f, a.z * f};
}
TDPoint Lerp(const TDPoint& a, const TDPoint& b, double s) {
    return Add(a, Scale(Sub(b, a), s));
}

double PolygonArea(const std::vector<TDPoint>& p) {
    TDPoint sum;
    for (size_t i = 1; i + 1 < p.size(); ++i)
        sum = Add(sum, Cross(Sub(p[i], p[0]), Sub(p[i + 1], p[0])));
    return Length(sum) / 2;
}

// The part of a convex polygon on the kept side of a cut (the side its normal points away from).
std::vector<TDPoint> ClipPolygon(const std::vector<TDPoint>& poly, const FormedPlane& cut) {
    std::vector<TDPoint> out;
    const size_t n = poly.size();
    for (size_t i = 0; i < n; ++i) {
        const TDPoint& a = poly[i];
        const TDPoint& b = poly[(i + 1) % n];
        const double da = Dot(Sub(a, cut.Point), cut.Normal);
        const double db = Dot(Sub(b, cut.Point), cut.Normal);
        if (da <= 0) out.push_back(a);
        if ((da < 0 && db > 0) || (da > 0 && db < 0)) out.push_back(Lerp(a, b, da / (da - db)));
    }
    return out;
}

double KeptArea(std::vector<TDPoint> poly, const std::vector<FormedPlane>& cuts) {
    for (const FormedPlane& cut : cuts) {
        if (poly.size() < 3) return 0;
        poly = ClipPolygon(poly, cut);
    }
    return poly.size() < 3 ? 0 : PolygonArea(poly);
}

// Each strip between neighbouring rulings, split along the rulings into small triangles.
double RuledArea(const RuledPiece& p) {
    constexpr int kAlong = 16;
    const size_t n = std::min(p.First.size(), p.Second.size());
    const size_t strips = p.Closed ? n : (n == 0 ? 0 : n - 1);
    double area = 0;
    for (size_t i = 0; i < strips; ++i) {
        const size_t j = (i + 1) % n;
        for (int k = 0; k < kAlong; ++k) {
            const double s0 = double(k) / kAlong, s1 = double(k + 1) / kAlong;
            const TDPoint a = Lerp(p.First[i], p.Second[i], s0);
            const TDPoint b = Lerp(p.First[j], p.Second[j], s0);
            const TDPoint c = Lerp(p.First[j], p.Second[j], s1);
            const TDPoint d = Lerp(p.First[i], p.Second[i], s1);
            area += KeptArea({a, b, c}, p.Cuts) + KeptArea({a, c, d}, p.Cuts);
        }
    }
    return area;
}

// One turn of the helicoid between radii a and b has the area 2 pi times the integral of
// sqrt(r^2 + c^2), c = pitch / 2 pi.
double HelicoidArea(const HelicoidPiece& p) {
    const double c = p.Pitch / (2 * std::numbers::pi);
    auto primitive = [c](double r) {
        const double root = std::sqrt(r * r + c * c);
        return (r * root + c * c * std::log(r + root)) / 2;
    };
    if (c == 0)
        return std::fabs(p.Turns) * std::numbers::pi *
               (p.OuterRadius * p.OuterRadius - p.InnerRadius * p.InnerRadius);
    return std::fabs(p.Turns) * 2 * std::numbers::pi *
           (primitive(p.OuterRadius) - primitive(p.InnerRadius));
}

// The branch's cylinder from the main pipe up to z = Length, summed over thin strips.
double BranchArea(const BranchPiece& p) {
    constexpr int kSteps = 3600;
    double area = 0;
    const double step = 2 * std::numbers::pi / kSteps;
    for (int i = 0; i < kSteps; ++i) {
        const double phi = (i + 0.5) * step;
        const double y = p.Offset + p.BranchRadius * std::sin(phi);
        const double root = p.MainRadius * p.MainRadius - y * y;
        const double foot = root > 0 ? std::sqrt(root) : 0;
        area += (p.Length - foot) * p.BranchRadius * step;
    }
    return area;
}

double FacetArea(const FacetPiece& p) {
    double area = 0;
    for (const auto& f : p.Facets)
        area += PolygonArea({p.Vertices[f[0]], p.Vertices[f[1]], p.Vertices[f[2]]});
    return area;
}

} // namespace

std::array<double, 2> PlateFaceOffsets(PlateSide side, double thickness) {
    switch (side) {
    case PlateSide::Outside:
        return {-thickness, 0};
    case PlateSide::Inside:
        return {0, thickness};
    case PlateSide::Middle:
        break;
    }
    return {-thickness / 2, thickness / 2};
}

double DescribedArea(const FormedPiece& piece) {
    if (const auto* p = std::get_if<RuledPiece>(&piece)) return RuledArea(*p);
    if (const auto* p = std::get_if<HelicoidPiece>(&piece)) return HelicoidArea(*p);
    if (const auto* p = std::get_if<BranchPiece>(&piece)) return BranchArea(*p);
    return FacetArea(std::get<FacetPiece>(piece));
}

} // namespace brevant
