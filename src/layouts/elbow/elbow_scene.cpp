// The segmented elbow in the 3D view.
#include "layouts/elbow/elbow_kind.h"
#include "layouts/elbow/elbow_model.h"

#include "geometry/mesh.h"

#include <algorithm>

namespace brevant {

namespace {

TPathArray ToScene(const TPathArray& file, double scale) {
    TPathArray out;
    out.reserve(file.size());
    for (const TDPoint& p : file)
        out.push_back({p.x * scale, -p.z * scale, p.y * scale});
    return out;
}

// The largest extent of the gores' rings.
double PartSize(const std::vector<ElbowGoreRails>& gores) {
    TDPoint lo{1e300, 1e300, 1e300}, hi{-1e300, -1e300, -1e300};
    for (const ElbowGoreRails& g : gores)
        for (const TPathArray* ring : {&g.Lower, &g.Upper})
            for (const TDPoint& p : *ring) {
                lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
                hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
            }
    return std::max({hi.x - lo.x, hi.y - lo.y, hi.z - lo.z});
}

// Appends one gore's surface with its own normals, so the kinks at the joints show.
void AppendGore(SolidMesh& mesh, const TPathArray& lower, const TPathArray& upper) {
    SolidMesh gore;
    AddQuadStrip(gore, lower, upper, false);
    SmoothNormals(gore);
    const int offset = static_cast<int>(mesh.Vertices.size());
    mesh.Vertices.insert(mesh.Vertices.end(), gore.Vertices.begin(), gore.Vertices.end());
    mesh.Normals.insert(mesh.Normals.end(), gore.Normals.begin(), gore.Normals.end());
    for (int i : gore.Indices)
        mesh.Indices.push_back(i + offset);
}

} // namespace

void BuildElbowScene(PartScene& s, const ElbowInputs& in) {
    ClearScene(s);
    const std::vector<ElbowGoreRails> gores = ElbowRails(in);
    s.DisplayScale = DisplayScaleFor(PartSize(gores));
    for (const ElbowGoreRails& g : gores)
        AppendGore(s.Mesh1, ToScene(g.Lower, s.DisplayScale), ToScene(g.Upper, s.DisplayScale));
    s.Mesh1Material = SolidMaterial::Pipe;
    s.FirstRing = ToScene(gores.front().Lower, s.DisplayScale);
    s.SecondRing = ToScene(gores.back().Upper, s.DisplayScale);
    s.Overlay = SceneOverlay::Rings;
}

} // namespace brevant
