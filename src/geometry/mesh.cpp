// The quad strip, smoothed normals and the display scale of the 3D meshes.
#include "geometry/mesh.h"

#include "geometry/vectors.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace brevant {

void AddQuadStrip(SolidMesh& mesh, const TPathArray& a, const TPathArray& b, bool closed) {
    const size_t n = std::min(a.size(), b.size());
    if (n < 2) return;
    const size_t quads = closed ? n : n - 1;
    for (size_t i = 0; i < quads; ++i) {
        const size_t j = (i + 1) % n;
        const int v = static_cast<int>(mesh.Vertices.size());
        mesh.Vertices.insert(mesh.Vertices.end(), {a[i], b[i], b[j], a[j]});
        mesh.Indices.insert(mesh.Indices.end(), {v + 1, v + 2, v + 3, v + 3, v, v + 1});
    }
}

void SetStripSurface(SolidMesh& mesh, const TPathArray& a, const TPathArray& b, bool closed) {
    mesh.Vertices.clear();
    mesh.Indices.clear();
    AddQuadStrip(mesh, a, b, closed);
    SmoothNormals(mesh);
}

void SmoothNormals(SolidMesh& mesh, double threshold) {
    const auto& v = mesh.Vertices;
    const auto& ix = mesh.Indices;
    // Each vertex's own sum of the face normals (cross products: longer for larger faces).
    std::vector<TDPoint> own(v.size());
    for (size_t t = 0; t + 2 < ix.size(); t += 3) {
        const int i0 = ix[t], i1 = ix[t + 1], i2 = ix[t + 2];
        if (std::min({i0, i1, i2}) < 0 || size_t(std::max({i0, i1, i2})) >= v.size()) continue;
        const TDPoint f = Cross(Sub(v[i1], v[i0]), Sub(v[i2], v[i0]));
        for (int i : {i0, i1, i2})
            own[i] = {own[i].x + f.x, own[i].y + f.y, own[i].z + f.z};
    }
    // Vertices sorted by x; the neighbours of a vertex lie within threshold of it in x.
    std::vector<size_t> order(v.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::sort(order.begin(), order.end(), [&](size_t p, size_t q) { return v[p].x < v[q].x; });
    std::vector<TDPoint> normals(v.size());
    for (size_t k = 0; k < order.size(); ++k) {
        const size_t i = order[k];
        TDPoint sum = own[i];
        auto add = [&](size_t j) {
            if (Length(Sub(v[j], v[i])) <= threshold)
                sum = {sum.x + own[j].x, sum.y + own[j].y, sum.z + own[j].z};
        };
        for (size_t m = k; m-- > 0 && v[i].x - v[order[m]].x <= threshold;)
            add(order[m]);
        for (size_t m = k + 1; m < order.size() && v[order[m]].x - v[i].x <= threshold; ++m)
            add(order[m]);
        const double len = Length(sum);
        normals[i] = len > 0 && std::isfinite(len) ? TDPoint{sum.x / len, sum.y / len, sum.z / len}
                                                   : TDPoint{0, -1, 0};
    }
    mesh.Normals = std::move(normals);
}

double DisplayScaleFor(double size) {
    if (!(size > 0) || !std::isfinite(size)) return 1;
    if (size > 50) return 50 / size;
    if (size < 2) return 2 / size;
    return 1;
}

void ScalePath(TPathArray& path, double factor) {
    if (factor == 1) return;
    for (TDPoint& q : path)
        q = {q.x * factor, q.y * factor, q.z * factor};
}

} // namespace brevant
