// Overlap tabs and cut strips on a pattern's outline.
#include "documents/outline_tabs.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace brevant {

namespace {

double Dist(const TDPoint& a, const TDPoint& b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

ShopSegment Line(const TDPoint& a, const TDPoint& b) {
    ShopSegment s;
    s.from = a;
    s.to = b;
    return s;
}

bool Upright(const ShopSegment& s, double tol) {
    return !s.IsArc() && std::fabs(s.from.x - s.to.x) <= tol && Dist(s.from, s.to) > tol;
}
bool Level(const ShopSegment& s, double tol) {
    return !s.IsArc() && std::fabs(s.from.y - s.to.y) <= tol && Dist(s.from, s.to) > tol;
}

struct Strip {
    std::size_t left, right, top, bottom;
    double xl, xr, yb, yt;
};

bool Spans(const ShopSegment& s, double a, double b, bool alongX, double tol) {
    const double lo = alongX ? std::min(s.from.x, s.to.x) : std::min(s.from.y, s.to.y);
    const double hi = alongX ? std::max(s.from.x, s.to.x) : std::max(s.from.y, s.to.y);
    return std::fabs(lo - a) <= tol && std::fabs(hi - b) <= tol;
}

// The index of a level line at y running from xl to xr.
std::optional<std::size_t> LevelAt(const std::vector<ShopSegment>& o, double y, double xl,
                                   double xr, double tol) {
    for (std::size_t i = 0; i < o.size(); ++i)
        if (Level(o[i], tol) && std::fabs(o[i].from.y - y) <= tol && Spans(o[i], xl, xr, true, tol))
            return i;
    return std::nullopt;
}

std::optional<Strip> FindStrip(const std::vector<ShopSegment>& o, double tol) {
    for (std::size_t i = 0; i < o.size(); ++i)
        for (std::size_t j = 0; j < o.size(); ++j) {
            if (!Upright(o[i], tol) || !Upright(o[j], tol) || !(o[i].from.x < o[j].from.x - tol))
                continue;
            const double yb = std::min(o[i].from.y, o[i].to.y);
            const double yt = std::max(o[i].from.y, o[i].to.y);
            if (!Spans(o[j], yb, yt, false, tol)) continue;
            const double xl = o[i].from.x, xr = o[j].from.x;
            const auto bottom = LevelAt(o, yb, xl, xr, tol), top = LevelAt(o, yt, xl, xr, tol);
            if (bottom && top) return Strip{i, j, *top, *bottom, xl, xr, yb, yt};
        }
    return std::nullopt;
}

// The heights where the other outline segments end on the upright side at x, each once.
std::vector<double> EndsOnSide(const std::vector<ShopSegment>& o, const Strip& s, double x,
                               double tol) {
    std::vector<double> ys;
    for (std::size_t i = 0; i < o.size(); ++i) {
        if (i == s.left || i == s.right || i == s.top || i == s.bottom) continue;
        for (const TDPoint& p : {o[i].from, o[i].to}) {
            if (std::fabs(p.x - x) > tol || p.y < s.yb - tol || p.y > s.yt + tol) continue;
            if (std::none_of(ys.begin(), ys.end(),
                             [&](double y) { return std::fabs(y - p.y) <= tol; }))
                ys.push_back(p.y);
        }
    }
    std::sort(ys.begin(), ys.end());
    return ys;
}

// Two curve ends on a side: the piece's side runs between them. (A plain rectangle has none.)
bool CutsSide(const std::vector<double>& ys) {
    return ys.size() == 2;
}

} // namespace

void FormCutStrip(std::vector<ShopSegment>& outline, std::vector<ShopSegment>& overlap,
                  double tol) {
    const auto strip = FindStrip(outline, tol);
    if (!strip) return;
    const Strip& s = *strip;
    const std::vector<double> left = EndsOnSide(outline, s, s.xl, tol);
    const std::vector<double> right = EndsOnSide(outline, s, s.xr, tol);
    if (!CutsSide(left) || !CutsSide(right)) return;
    // Overlap edges beside the old sides now run beside the new ones.
    for (ShopSegment& o : overlap) {
        if (!Upright(o, tol) || !Spans(o, s.yb, s.yt, false, tol)) continue;
        const auto& ys = o.from.x < s.xl ? left : o.from.x > s.xr ? right : left;
        o = Line({o.from.x, ys[0], 0}, {o.from.x, ys[1], 0});
    }
    std::vector<ShopSegment> kept;
    for (std::size_t i = 0; i < outline.size(); ++i)
        if (i != s.left && i != s.right && i != s.top && i != s.bottom) kept.push_back(outline[i]);
    kept.push_back(Line({s.xl, left[0], 0}, {s.xl, left[1], 0}));
    kept.push_back(Line({s.xr, right[0], 0}, {s.xr, right[1], 0}));
    outline = std::move(kept);
}

namespace {
// How far an overlap edge lies from an outline line it is a square offset of (p to the
// overlap's start, q to its end); negative when it is none.
double TabOffset(const ShopSegment& o, const TDPoint& p, const TDPoint& q, double tol) {
    const double len = Dist(p, q);
    if (!(len > tol)) return -1;
    const double ux = (q.x - p.x) / len, uy = (q.y - p.y) / len;
    const double dx = o.from.x - p.x, dy = o.from.y - p.y;
    const bool square = std::fabs(dx * ux + dy * uy) <= tol;
    const bool parallel =
        std::fabs(o.to.x - q.x - dx) <= tol && std::fabs(o.to.y - q.y - dy) <= tol;
    const double offset = std::hypot(dx, dy);
    return square && parallel && offset > tol ? offset : -1;
}
} // namespace

void FormOverlapTabs(std::vector<ShopSegment>& outline, const std::vector<ShopSegment>& overlap,
                     std::vector<ShopSegment>& mark, double tol) {
    for (const ShopSegment& o : overlap) {
        // The nearest outline line the overlap edge is offset from.
        std::size_t best = outline.size();
        bool bestReversed = false;
        double bestOffset = 0;
        for (std::size_t i = 0; i < outline.size() && !o.IsArc(); ++i) {
            if (outline[i].IsArc()) continue;
            for (const bool reversed : {false, true}) {
                const ShopSegment& s = outline[i];
                const double d =
                    TabOffset(o, reversed ? s.to : s.from, reversed ? s.from : s.to, tol);
                if (d > 0 && (best == outline.size() || d < bestOffset)) {
                    best = i;
                    bestReversed = reversed;
                    bestOffset = d;
                }
            }
        }
        if (best == outline.size()) {
            mark.push_back(o);
            continue;
        }
        const ShopSegment s = outline[best];
        const TDPoint p = bestReversed ? s.to : s.from, q = bestReversed ? s.from : s.to;
        outline.erase(outline.begin() + static_cast<std::ptrdiff_t>(best));
        outline.push_back(Line(p, o.from));
        outline.push_back(Line(o.from, o.to));
        outline.push_back(Line(o.to, q));
        mark.push_back(s);
    }
}

} // namespace brevant
