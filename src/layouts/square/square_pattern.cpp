// Development of the square to round: the start piece on side C0-C1, the corner fans, the flat
// side triangles between them and the closing seam piece.
#include "layouts/square/square_pattern.h"

#include "geometry/distances.h"
#include "geometry/intersections.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {

// Which side of the line a -> b the point p lies on (twice the signed triangle area).
double Side(const TDPoint& a, const TDPoint& b, const TDPoint& p) {
    return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
}

// The flat point at distance ra from a and rb from b, on the other side of the line a -> b
// than `away`: the triangle that shares the edge a-b with the last one folds open beside it.
GeometryStatus Unfold(const TDPoint& a, double ra, const TDPoint& b, double rb, const TDPoint& away,
                      TDPoint& out) {
    TDPoint p1, p2;
    const GeometryStatus status = Points2Arcs(TDArc{a, ra, 0, 0}, TDArc{b, rb, 0, 0}, p1, p2);
    if (status != kStatusOk) return status;
    const double s = Side(a, b, away);
    out = Side(a, b, p1) * s <= Side(a, b, p2) * s ? p1 : p2;
    // Sizes beyond what double arithmetic can cross leave no usable point.
    if (!std::isfinite(out.x) || !std::isfinite(out.y)) return kStatusRadiusDoesNotIntersect;
    return kStatusOk;
}

// The running state of the layout: the flat corner B, the flat top point P and the vertex of
// the last triangle that lies across the edge B-P.
class Developer {
public:
    Developer(const SquareModel& m, const SquareShape& s, SquarePattern& out)
        : m_(m), s_(s), out_(out), n_(m.BendsPerCorner), count_(int(m.TopRing.size())) {}

    bool Start();
    bool Fan(int fan);
    bool SideTriangle(int fan);
    bool End(int fan);

private:
    TDPoint Top(int k) const { return m_.TopRing[size_t(((k % count_) + count_) % count_)]; }
    TDPoint Corner(int c) const { return SquareCorner(s_, c % 4); }
    bool Step(GeometryStatus status);
    void Line(const TDPoint& a, const TDPoint& b, SquareLineKind kind) {
        out_.Lines.push_back({a, b, kind});
    }
    void Triangle(std::array<TDPoint, 3> flat, std::array<TDPoint, 3> solid) {
        out_.Triangles.push_back({flat, solid});
    }

    const SquareModel& m_;
    const SquareShape& s_;
    SquarePattern& out_;
    int n_;
    int count_;
    TDPoint b_, p_, away_;
};

bool Developer::Step(GeometryStatus status) {
    if (status == kStatusOk) return true;
    out_.Status = status;
    return false;
}

bool Developer::Start() {
    // C0 at the origin, C1 along +u; the first top point lies above the u axis.
    const TDPoint c0 = Corner(0), c1 = Corner(1), t0 = Top(0), t1 = Top(1);
    const TDPoint f0{0, 0, 0}, f1{Distance3D(c0, c1), 0, 0};
    TDPoint p0, p1;
    if (!Step(Unfold(f0, Distance3D(t0, c0), f1, Distance3D(t0, c1), {f1.x / 2, -1, 0}, p0)))
        return false;
    Triangle({f0, f1, p0}, {c0, c1, t0});
    if (!Step(Unfold(f1, Distance3D(t1, c1), p0, Distance3D(t0, t1), f0, p1))) return false;
    Triangle({p0, f1, p1}, {t0, c1, t1});
    const double seam = SquareSeamOffset(s_);
    const TDPoint foot{seam, 0, 0};
    Line(foot, f1, SquareLineKind::StartBottomEdge);
    Line(p0, foot, SquareLineKind::Seam);
    Line(f1, p1, SquareLineKind::Generator);
    Line(p0, p1, SquareLineKind::TopEdge);
    b_ = f1, p_ = p1, away_ = p0;
    return true;
}

bool Developer::Fan(int fan) {
    const TDPoint corner = Corner(fan);
    for (int k = n_ * (fan - 1) + 2; k <= n_ * fan; ++k) {
        TDPoint q;
        if (!Step(Unfold(b_, Distance3D(Top(k), corner), p_, Distance3D(Top(k - 1), Top(k)), away_,
                         q)))
            return false;
        Triangle({b_, p_, q}, {corner, Top(k - 1), Top(k)});
        Line(b_, q, SquareLineKind::Generator);
        Line(p_, q, SquareLineKind::TopEdge);
        away_ = p_, p_ = q;
    }
    return true;
}

bool Developer::SideTriangle(int fan) {
    // The flat side between the twin generators k and k + 1: the triangle to the next corner,
    // then the sliver up to the twin top point.
    const int k = n_ * fan;
    const TDPoint ca = Corner(fan), cb = Corner(fan + 1), tk = Top(k), tn = Top(k + 1);
    TDPoint nb, pn;
    if (!Step(Unfold(b_, Distance3D(ca, cb), p_, Distance3D(tk, cb), away_, nb))) return false;
    Triangle({b_, p_, nb}, {ca, tk, cb});
    if (!Step(Unfold(nb, Distance3D(tn, cb), p_, Distance3D(tk, tn), b_, pn))) return false;
    Triangle({p_, nb, pn}, {tk, cb, tn});
    Line(b_, nb, SquareLineKind::BottomEdge);
    Line(nb, pn, SquareLineKind::Generator);
    Line(p_, pn, SquareLineKind::TopEdge);
    b_ = nb, away_ = p_, p_ = pn;
    return true;
}

bool Developer::End(int fan) {
    // The last side is cut at the seam, as far from its first corner as the start seam.
    const TDPoint ca = Corner(fan), cb = Corner(fan + 1), tk = Top(n_ * fan);
    const double side = Distance3D(ca, cb);
    const double seam = SquareSeamOffset(s_);
    const double f = side > 0 ? seam / side : 0;
    const TDPoint foot{ca.x + f * (cb.x - ca.x), 0, ca.z + f * (cb.z - ca.z)};
    TDPoint m;
    if (!Step(Unfold(b_, seam, p_, Distance3D(tk, foot), away_, m))) return false;
    Triangle({b_, p_, m}, {ca, tk, foot});
    Line(b_, m, SquareLineKind::BottomEdge);
    Line(p_, m, SquareLineKind::Seam);
    return true;
}

void MeasureBox(SquarePattern& out) {
    bool any = false;
    for (const SquareFlatLine& l : out.Lines)
        for (const TDPoint& p : {l.From, l.To}) {
            out.MinX = any ? std::min(out.MinX, p.x) : p.x;
            out.MaxX = any ? std::max(out.MaxX, p.x) : p.x;
            out.MinY = any ? std::min(out.MinY, p.y) : p.y;
            out.MaxY = any ? std::max(out.MaxY, p.y) : p.y;
            any = true;
        }
}

} // namespace

int SquareFanCount(const SquareShape& s, bool halfPattern) {
    if (s.ZShift != 0) return 4;
    return halfPattern || s.XShift != 0 || s.TopAngle != 0 ? 2 : 4;
}

double SquareSeamOffset(const SquareShape& s) {
    return std::clamp(s.L / 2 + s.ZShift, 0.0, s.L);
}

SquarePattern DevelopSquarePattern(const SquareModel& model, const SquareShape& shape, int fans) {
    SquarePattern out;
    if (model.TopRing.size() != size_t(4 * model.BendsPerCorner) || model.BendsPerCorner < 1)
        return out;
    Developer d(model, shape, out);
    bool ok = d.Start();
    for (int i = 1; ok && i <= fans; ++i) {
        ok = d.Fan(i);
        if (ok) ok = i < fans ? d.SideTriangle(i) : d.End(i);
    }
    MeasureBox(out);
    return out;
}

} // namespace brevant
