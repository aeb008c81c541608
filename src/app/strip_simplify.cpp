// Merging the narrow quads of a fine quad strip where the surface is smooth.
#include "strip_simplify.h"

#include <QVector3D>

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {

constexpr float kRelativeTolerance = 2e-5f; // of the surface's bounding box diagonal
constexpr float kMinNormalDot = 0.99863f;   // cos 3 degrees
constexpr float kSameNormalDot = 0.99999f;  // normals of one smoothed vertex
constexpr int kMaxRun = 64;                 // quads merged into one at most
constexpr float kTwistAllowance = 50;       // unflatness of a merged quad, in tolerances

QVector3D At(const std::vector<float>& xyz, unsigned vertex) {
    return {xyz[3 * vertex], xyz[3 * vertex + 1], xyz[3 * vertex + 2]};
}

// The strip's two edges as ring points: a[k] and b[k] for k = 0 .. quads, with their normals.
struct Rails {
    std::vector<QVector3D> a, b, na, nb;
};

bool QuadIndicesOf(const std::vector<unsigned>& idx, unsigned q) {
    const unsigned v = 4 * q, *i = &idx[6 * q];
    return i[0] == v + 1 && i[1] == v + 2 && i[2] == v + 3 && i[3] == v + 3 && i[4] == v &&
           i[5] == v + 1;
}

bool SameNormal(const QVector3D& a, const QVector3D& b) {
    return QVector3D::dotProduct(a, b) >= kSameNormalDot;
}

// The quad's far edge is the next quad's near edge, in position and (smoothed) normal.
bool Continues(const SurfaceDraw& s, unsigned q) {
    const unsigned far0 = 4 * q + 3, far1 = 4 * q + 2, near0 = 4 * q + 4, near1 = 4 * q + 5;
    return At(s.Positions, far0) == At(s.Positions, near0) &&
           At(s.Positions, far1) == At(s.Positions, near1) &&
           SameNormal(At(s.Normals, far0), At(s.Normals, near0)) &&
           SameNormal(At(s.Normals, far1), At(s.Normals, near1));
}

bool IsQuadStrip(const SurfaceDraw& s) {
    const size_t quads = s.Indices.size() / 6;
    if (quads < 2 || s.Indices.size() != 6 * quads || s.Positions.size() != 12 * quads ||
        s.Normals.size() != s.Positions.size())
        return false;
    for (unsigned q = 0; q < quads; ++q)
        if (!QuadIndicesOf(s.Indices, q) || (q + 1 < quads && !Continues(s, q))) return false;
    return true;
}

Rails RailsOf(const SurfaceDraw& s) {
    const auto quads = unsigned(s.Indices.size() / 6);
    Rails r;
    for (unsigned k = 0; k <= quads; ++k) {
        const unsigned va = k < quads ? 4 * k : 4 * (quads - 1) + 3;
        const unsigned vb = k < quads ? 4 * k + 1 : 4 * (quads - 1) + 2;
        r.a.push_back(At(s.Positions, va));
        r.b.push_back(At(s.Positions, vb));
        r.na.push_back(At(s.Normals, va));
        r.nb.push_back(At(s.Normals, vb));
    }
    return r;
}

float DistanceToSegment(const QVector3D& p, const QVector3D& s0, const QVector3D& s1) {
    const QVector3D d = s1 - s0;
    const float len2 = d.lengthSquared();
    const float t = len2 > 0 ? std::clamp(QVector3D::dotProduct(p - s0, d) / len2, 0.0f, 1.0f) : 0;
    return (p - (s0 + t * d)).length();
}

// The quad a0 b0 b1 a1 is flat within the tolerance (a degenerate corner triangle counts as
// flat: the quad is a triangle or a line).
bool Flat(const QVector3D& a0, const QVector3D& b0, const QVector3D& b1, const QVector3D& a1,
          float tolerance) {
    const QVector3D n = QVector3D::crossProduct(b0 - a0, b1 - a0);
    const float len = n.length();
    return len <= 0 || std::fabs(QVector3D::dotProduct(a1 - a0, n)) / len <= tolerance;
}

bool Mergeable(const Rails& r, size_t s, size_t e, float tolerance) {
    // A twisted quad's two triangles leave the ruled surface between its edges by about a
    // quarter of its unflatness. The quads of a spiral flight's helicoid are twisted to begin
    // with (each by several tolerances), so the inside of the surface is allowed more than its
    // edges, which draw the silhouette and carry the overlay's rings.
    const float flatness = kTwistAllowance * tolerance;
    if (!Flat(r.a[s], r.b[s], r.b[e], r.a[e], flatness) ||
        !Flat(r.b[e], r.a[e], r.a[s], r.b[s], flatness))
        return false;
    for (size_t k = s + 1; k <= e; ++k) {
        if (QVector3D::dotProduct(r.na[k], r.na[s]) < kMinNormalDot ||
            QVector3D::dotProduct(r.nb[k], r.nb[s]) < kMinNormalDot)
            return false;
        if (k < e && (DistanceToSegment(r.a[k], r.a[s], r.a[e]) > tolerance ||
                      DistanceToSegment(r.b[k], r.b[s], r.b[e]) > tolerance))
            return false;
    }
    return true;
}

void PushVertex(SurfaceDraw& out, const QVector3D& p, const QVector3D& n) {
    out.Positions.insert(out.Positions.end(), {p.x(), p.y(), p.z()});
    out.Normals.insert(out.Normals.end(), {n.x(), n.y(), n.z()});
}

void PushQuad(SurfaceDraw& out, const Rails& r, size_t s, size_t e) {
    const auto v = unsigned(out.Positions.size() / 3);
    PushVertex(out, r.a[s], r.na[s]);
    PushVertex(out, r.b[s], r.nb[s]);
    PushVertex(out, r.b[e], r.nb[e]);
    PushVertex(out, r.a[e], r.na[e]);
    out.Indices.insert(out.Indices.end(), {v + 1, v + 2, v + 3, v + 3, v, v + 1});
}

} // namespace

float StripTolerance(const SurfaceDraw& surface) {
    if (surface.Positions.size() < 3) return 0;
    QVector3D lo = At(surface.Positions, 0), hi = lo;
    for (size_t v = 1; v < surface.Positions.size() / 3; ++v) {
        const QVector3D p = At(surface.Positions, unsigned(v));
        lo = QVector3D(std::min(lo.x(), p.x()), std::min(lo.y(), p.y()), std::min(lo.z(), p.z()));
        hi = QVector3D(std::max(hi.x(), p.x()), std::max(hi.y(), p.y()), std::max(hi.z(), p.z()));
    }
    return kRelativeTolerance * (hi - lo).length();
}

void SimplifyQuadStrip(SurfaceDraw& surface, float tolerance) {
    if (!(tolerance > 0) || !IsQuadStrip(surface)) return;
    const Rails r = RailsOf(surface);
    const size_t quads = r.a.size() - 1;
    SurfaceDraw out;
    out.Model = surface.Model;
    out.Material = surface.Material;
    for (size_t s = 0; s < quads;) {
        size_t e = s + 1;
        while (e < quads && e + 1 - s <= size_t(kMaxRun) && Mergeable(r, s, e + 1, tolerance))
            ++e;
        PushQuad(out, r, s, e);
        s = e;
    }
    surface = std::move(out);
}

} // namespace brevant
