// End-point graph of loose segments: vertices merged within a tolerance, loops and chains
// traced, and the outer boundary of a subdivided piece found by walking its faces.
#include "documents/contour_graph.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace brevant {

namespace {

struct Edge {
    int a = 0, b = 0;
    double bulge = 0;
    TDPoint centre;
};

class SegmentGraph {
public:
    SegmentGraph(const std::vector<ShopSegment>& segments, double tolerance);
    ChainedSegments Chain();

private:
    int NodeAt(const TDPoint& p);
    int Origin(int h) const { return h % 2 ? edges_[h / 2].b : edges_[h / 2].a; }
    int Dest(int h) const { return Origin(h ^ 1); }
    double Bulge(int h) const { return h % 2 ? -edges_[h / 2].bulge : edges_[h / 2].bulge; }
    double Direction(int h) const;
    Contour Trace(const std::vector<int>& halfEdges) const;
    std::vector<int> Component(int start, std::vector<bool>& seen) const;
    void ChainComponent(const std::vector<int>& nodes, ChainedSegments& out) const;
    std::vector<int> WalkOpen(int node, std::vector<bool>& used) const;
    void WalkFaces(const std::vector<int>& nodes, ChainedSegments& out) const;
    int NextInFace(int h) const;

    double tol_;
    std::vector<TDPoint> nodes_;
    std::vector<Edge> edges_;
    std::vector<std::vector<int>> out_; // outgoing half-edges per node, counter-clockwise
};

SegmentGraph::SegmentGraph(const std::vector<ShopSegment>& segments, double tolerance)
    : tol_(tolerance) {
    // Arc ends first, so that they become the vertices and lines snap onto them.
    for (int pass = 0; pass < 2; ++pass)
        for (const ShopSegment& s : segments)
            if (s.IsArc() == (pass == 0)) {
                const Edge e{NodeAt(s.from), NodeAt(s.to), s.bulge, s.centre};
                if (e.a == e.b) continue; // nothing left of it at this tolerance
                const bool twin = std::any_of(edges_.begin(), edges_.end(), [&](const Edge& o) {
                    return o.bulge == 0 && e.bulge == 0 &&
                           ((o.a == e.a && o.b == e.b) || (o.a == e.b && o.b == e.a));
                });
                if (!twin) edges_.push_back(e);
            }
    out_.assign(nodes_.size(), {});
    for (int h = 0; h < static_cast<int>(edges_.size()) * 2; ++h)
        out_[static_cast<std::size_t>(Origin(h))].push_back(h);
    for (auto& list : out_)
        std::sort(list.begin(), list.end(),
                  [&](int p, int q) { return Direction(p) < Direction(q); });
}

int SegmentGraph::NodeAt(const TDPoint& p) {
    for (std::size_t i = 0; i < nodes_.size(); ++i)
        if (std::hypot(nodes_[i].x - p.x, nodes_[i].y - p.y) <= tol_) return static_cast<int>(i);
    nodes_.push_back(p);
    return static_cast<int>(nodes_.size()) - 1;
}

// The direction a half-edge leaves its origin in, in [0, 2 pi): an arc's tangent there.
double SegmentGraph::Direction(int h) const {
    const Edge& e = edges_[static_cast<std::size_t>(h / 2)];
    const TDPoint& o = nodes_[static_cast<std::size_t>(Origin(h))];
    double a;
    if (e.bulge == 0) {
        const TDPoint& d = nodes_[static_cast<std::size_t>(Dest(h))];
        a = std::atan2(d.y - o.y, d.x - o.x);
    } else {
        const double quarter = std::acos(0.0) * (Bulge(h) > 0 ? 1 : -1);
        a = std::atan2(o.y - e.centre.y, o.x - e.centre.x) + quarter;
    }
    const double full = 4 * std::acos(0.0);
    a = std::fmod(a, full);
    return a < 0 ? a + full : a;
}

Contour SegmentGraph::Trace(const std::vector<int>& halfEdges) const {
    Contour c;
    for (int h : halfEdges) {
        const TDPoint& p = nodes_[static_cast<std::size_t>(Origin(h))];
        c.vertices.push_back({p.x, p.y, Bulge(h)});
    }
    return c;
}

std::vector<int> SegmentGraph::Component(int start, std::vector<bool>& seen) const {
    std::vector<int> nodes{start}, stack{start};
    seen[static_cast<std::size_t>(start)] = true;
    while (!stack.empty()) {
        const int n = stack.back();
        stack.pop_back();
        for (int h : out_[static_cast<std::size_t>(n)]) {
            const auto d = static_cast<std::size_t>(Dest(h));
            if (seen[d]) continue;
            seen[d] = true;
            nodes.push_back(static_cast<int>(d));
            stack.push_back(static_cast<int>(d));
        }
    }
    return nodes;
}

// From node along unused edges until none is left; the half-edges walked.
std::vector<int> SegmentGraph::WalkOpen(int node, std::vector<bool>& used) const {
    std::vector<int> path;
    for (bool more = true; more;) {
        more = false;
        for (int h : out_[static_cast<std::size_t>(node)]) {
            if (used[static_cast<std::size_t>(h / 2)]) continue;
            used[static_cast<std::size_t>(h / 2)] = true;
            path.push_back(h);
            node = Dest(h);
            more = true;
            break;
        }
    }
    return path;
}

void SegmentGraph::ChainComponent(const std::vector<int>& nodes, ChainedSegments& out) const {
    std::size_t most = 0;
    for (int n : nodes)
        most = std::max(most, out_[static_cast<std::size_t>(n)].size());
    if (most > 2) {
        WalkFaces(nodes, out);
        return;
    }
    std::vector<bool> used(edges_.size(), false);
    int start = nodes.front();
    for (int n : nodes)
        if (out_[static_cast<std::size_t>(n)].size() == 1) start = n; // an open chain's end
    const std::vector<int> path = WalkOpen(start, used);
    if (path.empty()) return;
    Contour c = Trace(path);
    if (Dest(path.back()) == Origin(path.front())) {
        c.closed = true;
        if (SignedArea(c) < 0) {
            std::vector<int> back;
            for (auto it = path.rbegin(); it != path.rend(); ++it)
                back.push_back(*it ^ 1);
            c = Trace(back);
            c.closed = true;
        }
        out.closed.push_back(std::move(c));
    } else {
        const TDPoint& end = nodes_[static_cast<std::size_t>(Dest(path.back()))];
        c.vertices.push_back({end.x, end.y, 0});
        out.open.push_back(std::move(c));
    }
}

// The half-edge after h on the face to h's left: at h's end, the outgoing edge just
// clockwise of the way back.
int SegmentGraph::NextInFace(int h) const {
    const auto& list = out_[static_cast<std::size_t>(Dest(h))];
    const auto at = std::find(list.begin(), list.end(), h ^ 1) - list.begin();
    const auto n = static_cast<std::ptrdiff_t>(list.size());
    return list[static_cast<std::size_t>((at - 1 + n) % n)];
}

void SegmentGraph::WalkFaces(const std::vector<int>& nodes, ChainedSegments& out) const {
    std::vector<bool> visited(edges_.size() * 2, false);
    std::vector<int> outer;
    double outerArea = 0;
    for (int n : nodes)
        for (int h : out_[static_cast<std::size_t>(n)]) {
            if (visited[static_cast<std::size_t>(h)]) continue;
            std::vector<int> face;
            for (int f = h; !visited[static_cast<std::size_t>(f)]; f = NextInFace(f)) {
                visited[static_cast<std::size_t>(f)] = true;
                face.push_back(f);
            }
            Contour c = Trace(face);
            c.closed = true;
            const double area = SignedArea(c);
            if (outer.empty() || area < outerArea) {
                outer = face;
                outerArea = area;
            }
        }
    // The outer face runs clockwise; the piece's outline is the same walk backwards.
    std::vector<bool> onOutline(edges_.size(), false);
    std::vector<int> back;
    for (auto it = outer.rbegin(); it != outer.rend(); ++it) {
        back.push_back(*it ^ 1);
        onOutline[static_cast<std::size_t>(*it / 2)] = true;
    }
    Contour c = Trace(back);
    c.closed = true;
    out.closed.push_back(std::move(c));
    for (int n : nodes)
        for (int h : out_[static_cast<std::size_t>(n)])
            if (h % 2 == 0 && !onOutline[static_cast<std::size_t>(h / 2)]) {
                Contour inner = Trace({h});
                const TDPoint& end = nodes_[static_cast<std::size_t>(Dest(h))];
                inner.vertices.push_back({end.x, end.y, 0});
                out.interior.push_back(std::move(inner));
            }
}

ChainedSegments SegmentGraph::Chain() {
    ChainedSegments out;
    std::vector<bool> seen(nodes_.size(), false);
    for (std::size_t n = 0; n < nodes_.size(); ++n)
        if (!seen[n] && !out_[n].empty()) ChainComponent(Component(static_cast<int>(n), seen), out);
    return out;
}

} // namespace

ChainedSegments ChainSegments(const std::vector<ShopSegment>& segments, double tolerance) {
    return SegmentGraph(segments, tolerance).Chain();
}

} // namespace brevant
