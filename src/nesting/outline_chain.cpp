// The end-point graph of loose segments: nodes merged within the tolerance on a hash grid,
// dangling chains pruned, each remaining group walked as one loop or, where more than two
// segments meet, as the boundary of its outer face.
#include "nesting/outline_chain.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>
#include <unordered_map>

namespace brevant {

namespace {
constexpr double kPi = 3.14159265358979323846;

struct Edge {
    int a = 0, b = 0;
    double bulge = 0;
    bool alive = true;
};

class SegmentGraph {
public:
    SegmentGraph(const std::vector<OutlineSegment>& segments, double tolerance);
    ChainedOutlines Chain();

private:
    int NodeAt(double x, double y);
    int Origin(int h) const {
        return h % 2 ? edges_[std::size_t(h / 2)].b : edges_[std::size_t(h / 2)].a;
    }
    int Dest(int h) const { return Origin(h ^ 1); }
    double Bulge(int h) const {
        return h % 2 ? -edges_[std::size_t(h / 2)].bulge : edges_[std::size_t(h / 2)].bulge;
    }
    double Direction(int h) const;
    OutlineSegment SegmentOf(int e) const;
    NestLoop Trace(const std::vector<int>& halfEdges) const;
    void Prune(ChainedOutlines& out);
    std::vector<int> Component(int start, std::vector<char>& seen) const;
    void ChainComponent(const std::vector<int>& nodes, ChainedOutlines& out) const;
    void OuterBoundary(const std::vector<int>& nodes, ChainedOutlines& out) const;
    int NextInFace(int h) const;
    std::vector<int> Live(int node) const;

    double tol_;
    std::vector<NestVertex> nodes_;
    std::unordered_map<long long, std::vector<int>> grid_; // hash cell -> nodes
    std::vector<Edge> edges_;
    std::vector<std::vector<int>> out_; // outgoing half-edges per node, by direction
};

long long CellKey(long long i, long long j) {
    return i * 1000003LL ^ j;
}

SegmentGraph::SegmentGraph(const std::vector<OutlineSegment>& segments, double tolerance)
    : tol_(tolerance > 0 ? tolerance : 1e-9) {
    std::set<std::tuple<int, int, double>> seen;
    for (const OutlineSegment& s : segments) {
        Edge e{NodeAt(s.x0, s.y0), NodeAt(s.x1, s.y1), s.bulge};
        if (e.a == e.b) continue; // nothing left of it at this tolerance
        // The same segment drawn twice counts once.
        const auto key =
            e.a < e.b ? std::make_tuple(e.a, e.b, e.bulge) : std::make_tuple(e.b, e.a, -e.bulge);
        if (!seen.insert(key).second) continue;
        edges_.push_back(e);
    }
    out_.assign(nodes_.size(), {});
    for (int h = 0; h < static_cast<int>(edges_.size()) * 2; ++h)
        out_[std::size_t(Origin(h))].push_back(h);
    for (auto& list : out_)
        std::sort(list.begin(), list.end(),
                  [&](int p, int q) { return Direction(p) < Direction(q); });
}

int SegmentGraph::NodeAt(double x, double y) {
    const long long i = static_cast<long long>(std::floor(x / tol_));
    const long long j = static_cast<long long>(std::floor(y / tol_));
    for (long long di = -1; di <= 1; ++di)
        for (long long dj = -1; dj <= 1; ++dj) {
            const auto it = grid_.find(CellKey(i + di, j + dj));
            if (it == grid_.end()) continue;
            for (int n : it->second)
                if (std::hypot(nodes_[std::size_t(n)].x - x, nodes_[std::size_t(n)].y - y) <= tol_)
                    return n;
        }
    nodes_.push_back({x, y, 0});
    const int n = static_cast<int>(nodes_.size()) - 1;
    grid_[CellKey(i, j)].push_back(n);
    return n;
}

// The direction a half-edge leaves its origin in, in [0, 2 pi): an arc's tangent there.
double SegmentGraph::Direction(int h) const {
    const NestVertex& o = nodes_[std::size_t(Origin(h))];
    const NestVertex& d = nodes_[std::size_t(Dest(h))];
    double a = std::atan2(d.y - o.y, d.x - o.x);
    if (Bulge(h) != 0) {
        const NestArc arc = ArcOf({o.x, o.y, Bulge(h)}, d);
        a = arc.start + (arc.sweep > 0 ? kPi / 2 : -kPi / 2);
    }
    a = std::fmod(a, 2 * kPi);
    return a < 0 ? a + 2 * kPi : a;
}

OutlineSegment SegmentGraph::SegmentOf(int e) const {
    const Edge& edge = edges_[std::size_t(e)];
    const NestVertex& a = nodes_[std::size_t(edge.a)];
    const NestVertex& b = nodes_[std::size_t(edge.b)];
    return {a.x, a.y, b.x, b.y, edge.bulge};
}

NestLoop SegmentGraph::Trace(const std::vector<int>& halfEdges) const {
    NestLoop loop;
    for (int h : halfEdges) {
        const NestVertex& p = nodes_[std::size_t(Origin(h))];
        loop.push_back({p.x, p.y, Bulge(h)});
    }
    return loop;
}

std::vector<int> SegmentGraph::Live(int node) const {
    std::vector<int> live;
    for (int h : out_[std::size_t(node)])
        if (edges_[std::size_t(h / 2)].alive) live.push_back(h);
    return live;
}

// Removes chains with a free end, one segment at a time from that end.
void SegmentGraph::Prune(ChainedOutlines& out) {
    std::vector<int> degree(nodes_.size(), 0);
    for (const Edge& e : edges_) {
        ++degree[std::size_t(e.a)];
        ++degree[std::size_t(e.b)];
    }
    std::vector<int> ends;
    for (std::size_t n = 0; n < nodes_.size(); ++n)
        if (degree[n] == 1) {
            ends.push_back(static_cast<int>(n));
            out.ends.push_back(nodes_[n]);
        }
    while (!ends.empty()) {
        const int n = ends.back();
        ends.pop_back();
        for (int h : out_[std::size_t(n)]) {
            Edge& e = edges_[std::size_t(h / 2)];
            if (!e.alive) continue;
            e.alive = false;
            out.loose.push_back(SegmentOf(h / 2));
            --degree[std::size_t(n)];
            const int other = Dest(h);
            if (--degree[std::size_t(other)] == 1) ends.push_back(other);
        }
    }
}

std::vector<int> SegmentGraph::Component(int start, std::vector<char>& seen) const {
    std::vector<int> nodes{start}, stack{start};
    seen[std::size_t(start)] = 1;
    while (!stack.empty()) {
        const int n = stack.back();
        stack.pop_back();
        for (int h : Live(n)) {
            const auto d = std::size_t(Dest(h));
            if (seen[d]) continue;
            seen[d] = 1;
            nodes.push_back(static_cast<int>(d));
            stack.push_back(static_cast<int>(d));
        }
    }
    return nodes;
}

// The half-edge after h on the face to h's left: at h's end, the live outgoing edge just
// clockwise of the way back.
int SegmentGraph::NextInFace(int h) const {
    const std::vector<int> list = Live(Dest(h));
    const auto at = std::find(list.begin(), list.end(), h ^ 1) - list.begin();
    const auto n = static_cast<std::ptrdiff_t>(list.size());
    return list[std::size_t((at - 1 + n) % n)];
}

void SegmentGraph::OuterBoundary(const std::vector<int>& nodes, ChainedOutlines& out) const {
    std::vector<char> visited(edges_.size() * 2, 0);
    std::vector<int> outer;
    double outerArea = 0;
    for (int n : nodes)
        for (int h : Live(n)) {
            if (visited[std::size_t(h)]) continue;
            std::vector<int> face;
            for (int f = h; !visited[std::size_t(f)]; f = NextInFace(f)) {
                visited[std::size_t(f)] = 1;
                face.push_back(f);
            }
            const double area = LoopArea(Trace(face));
            if (outer.empty() || area < outerArea) {
                outer = face;
                outerArea = area;
            }
        }
    // The outer face runs clockwise; the outline is the same walk backwards.
    std::vector<char> onOutline(edges_.size(), 0);
    std::vector<int> back;
    for (auto it = outer.rbegin(); it != outer.rend(); ++it) {
        back.push_back(*it ^ 1);
        onOutline[std::size_t(*it / 2)] = 1;
    }
    out.closed.push_back(Trace(back));
    for (int n : nodes)
        for (int h : Live(n))
            if (h % 2 == 0 && !onOutline[std::size_t(h / 2)]) out.loose.push_back(SegmentOf(h / 2));
}

void SegmentGraph::ChainComponent(const std::vector<int>& nodes, ChainedOutlines& out) const {
    for (int n : nodes)
        if (Live(n).size() > 2) {
            OuterBoundary(nodes, out);
            return;
        }
    std::vector<int> walk;
    int h = Live(nodes.front()).front();
    do {
        walk.push_back(h);
        const std::vector<int> next = Live(Dest(h));
        h = next[0] == (h ^ 1) ? next[1] : next[0];
    } while (h != walk.front());
    NestLoop loop = Trace(walk);
    if (LoopArea(loop) < 0) loop = Reversed(loop);
    out.closed.push_back(std::move(loop));
}

ChainedOutlines SegmentGraph::Chain() {
    ChainedOutlines out;
    Prune(out);
    std::vector<char> seen(nodes_.size(), 0);
    for (std::size_t n = 0; n < nodes_.size(); ++n)
        if (!seen[n] && !Live(static_cast<int>(n)).empty())
            ChainComponent(Component(static_cast<int>(n), seen), out);
    return out;
}

// A loop as points: arcs as chords of at most 5 degrees.
std::vector<NestVertex> Polygon(const NestLoop& loop) {
    return LoopPoints(loop, kPi / 36);
}

double SegmentDistance(const NestVertex& a, const NestVertex& b, double x, double y) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    const double t = len2 > 0 ? std::clamp(((x - a.x) * dx + (y - a.y) * dy) / len2, 0.0, 1.0) : 0;
    return std::hypot(a.x + t * dx - x, a.y + t * dy - y);
}

// 1 inside, 0 outside, -1 within tolerance of the boundary.
int Where(const std::vector<NestVertex>& poly, double x, double y, double tolerance) {
    bool inside = false;
    for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const NestVertex& a = poly[i];
        const NestVertex& b = poly[j];
        if (SegmentDistance(a, b, x, y) <= tolerance) return -1;
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside ? 1 : 0;
}

// Whether loop `inner` lies inside polygon `outer`: decided by its first point clear of
// outer's boundary.
bool Inside(const NestLoop& inner, const std::vector<NestVertex>& outer, double tolerance) {
    for (const NestVertex& p : Polygon(inner)) {
        const int w = Where(outer, p.x, p.y, tolerance);
        if (w >= 0) return w == 1;
    }
    return false;
}
} // namespace

ChainedOutlines ChainOutlines(const std::vector<OutlineSegment>& segments, double tolerance) {
    return SegmentGraph(segments, tolerance).Chain();
}

NestVertex Midpoint(const OutlineSegment& s) {
    if (s.bulge == 0) return {(s.x0 + s.x1) / 2, (s.y0 + s.y1) / 2, 0};
    const NestArc arc = ArcOf({s.x0, s.y0, s.bulge}, {s.x1, s.y1, 0});
    const double t = arc.start + arc.sweep / 2;
    return {arc.cx + arc.radius * std::cos(t), arc.cy + arc.radius * std::sin(t), 0};
}

bool Covers(const NestShape& shape, double x, double y, double tolerance) {
    return Where(Polygon(shape.outer), x, y, tolerance) != 0;
}

namespace {
// The loops with what containment needs: largest first, boxes and flattened outlines.
struct LoopIndex {
    std::vector<std::size_t> order;
    std::vector<NestBox> box;
    std::vector<std::vector<NestVertex>> poly;
};

LoopIndex IndexLoops(const std::vector<NestLoop>& closed) {
    LoopIndex x;
    std::vector<double> area(closed.size());
    x.order.resize(closed.size());
    x.box.resize(closed.size());
    for (std::size_t i = 0; i < closed.size(); ++i) {
        x.order[i] = i;
        area[i] = std::fabs(LoopArea(closed[i]));
        AddLoop(x.box[i], closed[i]);
        x.poly.push_back(Polygon(closed[i]));
    }
    std::stable_sort(x.order.begin(), x.order.end(),
                     [&](std::size_t a, std::size_t b) { return area[a] > area[b]; });
    return x;
}

// The smallest loop larger than the k-th (in order) that holds it, or -1.
int Parent(const std::vector<NestLoop>& closed, const LoopIndex& x, std::size_t k) {
    const std::size_t i = x.order[k];
    const NestBox& bi = x.box[i];
    const double tolerance = 1e-9 * std::max(bi.Width(), bi.Height());
    for (std::size_t m = k; m-- > 0;) {
        const std::size_t j = x.order[m];
        const NestBox& b = x.box[j];
        if (bi.minX < b.minX || bi.maxX > b.maxX || bi.minY < b.minY || bi.maxY > b.maxY) continue;
        if (Inside(closed[i], x.poly[j], tolerance)) return static_cast<int>(j);
    }
    return -1;
}
} // namespace

std::vector<NestShape> ShapesOf(const std::vector<NestLoop>& closed) {
    const LoopIndex x = IndexLoops(closed);
    // A loop inside an even number of others bounds a piece, inside an odd number a hole.
    std::vector<int> depth(closed.size(), 0), shapeOf(closed.size(), -1);
    std::vector<NestShape> shapes;
    for (std::size_t k = 0; k < x.order.size(); ++k) {
        const std::size_t i = x.order[k];
        const int parent = Parent(closed, x, k);
        depth[i] = parent < 0 ? 0 : depth[std::size_t(parent)] + 1;
        if (depth[i] % 2 == 0) {
            shapeOf[i] = static_cast<int>(shapes.size());
            shapes.push_back({closed[i], {}});
        } else {
            shapes[std::size_t(shapeOf[std::size_t(parent)])].holes.push_back(Reversed(closed[i]));
        }
    }
    for (NestShape& s : shapes)
        Orient(s);
    return shapes;
}

} // namespace brevant
