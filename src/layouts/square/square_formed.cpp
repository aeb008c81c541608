// The formed part of the square to round.
#include "layouts/square/square_formed.h"

#include "geometry/end_planes.h"

#include <algorithm>

namespace brevant {

namespace {

// The apex of a side triangle: the middle of its two twin generators' top points.
TDPoint Middle(const TDPoint& a, const TDPoint& b) {
    return {(a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2};
}

} // namespace

FormedPart SquareFormedPart(const SquareModel& model, const SquareShape& shape) {
    FormedPart part;
    part.Name = "Square to round";
    const int n = model.BendsPerCorner;
    const size_t count = std::min(model.TopRing.size(), model.BottomRing.size());
    if (n < 1 || count != static_cast<size_t>(4 * n)) return part;
    FacetPiece p;
    p.EndPlanes = {UpFrameToFile(TiltedPlane(shape.XShift, shape.H, shape.ZShift, shape.TopAngle)),
                   FormedPlane{{0, 0, 0}, {0, 0, 1}}};
    // Vertices: one top point per generator, twins (qn, qn + 1) sharing one; then the corners.
    std::vector<int> top(count);
    for (size_t k = 0; k < count; ++k) {
        const bool twin = k % n == 1;
        if (twin) {
            top[k] = top[k - 1];
            p.Vertices[top[k]] =
                Middle(SceneFrameToFile(model.TopRing[k - 1]), SceneFrameToFile(model.TopRing[k]));
            continue;
        }
        top[k] = static_cast<int>(p.Vertices.size());
        p.Vertices.push_back(SceneFrameToFile(model.TopRing[k]));
        p.VertexPlane.push_back(0);
    }
    const int corners = static_cast<int>(p.Vertices.size());
    for (int c = 0; c < 4; ++c) {
        p.Vertices.push_back(UpFrameToFile(SquareCorner(shape, c)));
        p.VertexPlane.push_back(1);
    }
    for (size_t k = 0; k < count; ++k) {
        const size_t next = (k + 1) % count;
        const int ck = corners + SquareCornerOf(static_cast<int>(k), n);
        const int cn = corners + SquareCornerOf(static_cast<int>(next), n);
        if (top[k] == top[next])
            p.Facets.push_back({top[k], ck, cn}); // the flat side triangle
        else
            p.Facets.push_back({ck, top[next], top[k]}); // a fan triangle at its corner
    }
    part.Pieces.push_back(std::move(p));
    return part;
}

} // namespace brevant
