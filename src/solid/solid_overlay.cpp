// The overlay lines of the 3D view.
#include "solid/solid_overlay.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {

void AddRing(std::vector<OverlayLine>& out, const TPathArray& ring, bool closed,
             std::uint32_t color) {
    for (size_t i = 1; i < ring.size(); ++i)
        out.push_back({ring[i - 1], ring[i], color});
    if (closed && ring.size() > 2) out.push_back({ring.back(), ring.front(), color});
}

// The ring index of an angle: Trunc(n x angle / 360), kept inside the ring (a seam at 360
// degrees is the seam at 0).
size_t RingIndex(size_t n, double angle) {
    const double k = std::trunc(double(n) * angle / 360.0);
    if (!(k >= 0)) return 0;
    return static_cast<size_t>(k) % n;
}

} // namespace

std::vector<OverlayLine> OverlayLines(const SolidModel& m, const OverlayOptions& o) {
    std::vector<OverlayLine> out;
    if (m.Overlay == SceneOverlay::WireFrame) {
        const auto& v = m.Mesh1.Vertices;
        const auto& ix = m.Mesh1.Indices;
        for (size_t t = 0; t + 2 < ix.size(); t += 3)
            for (int k = 0; k < 3; ++k) {
                const int a = ix[t + k], b = ix[t + (k + 1) % 3];
                if (a >= 0 && b >= 0 && size_t(a) < v.size() && size_t(b) < v.size())
                    out.push_back({v[a], v[b], kOverlayWireColor});
            }
    }
    const double l = std::fabs(m.Camera.Z);
    out.push_back({{0, 0, -l}, {0, 0, l}, kOverlayZAxisColor});
    out.push_back({{0, -l, 0}, {0, l, 0}, kOverlayYAxisColor});
    out.push_back({{-l, 0, 0}, {l, 0, 0}, kOverlayXAxisColor});
    if (m.FirstRing.size() < 2) return out;
    const bool closed = m.Overlay != SceneOverlay::OpenRings;
    AddRing(out, m.FirstRing, closed, kOverlayFirstRingColor);
    AddRing(out, m.SecondRing, closed, kOverlaySecondRingColor);
    if (m.Overlay != SceneOverlay::RingsWithMarks) return out;
    const size_t n = std::min(m.FirstRing.size(), m.SecondRing.size());
    if (n == 0) return out;
    if (o.ShowSeam && o.SeamAngle > 0) {
        const size_t k = RingIndex(n, o.SeamAngle);
        out.push_back({m.FirstRing[k], m.SecondRing[k], kOverlaySeamColor});
    }
    if (o.ShowSideCuts && o.TopCutAngle > 0 && o.BottomCutAngle > 0) {
        const size_t i = RingIndex(n, o.TopCutAngle), j = RingIndex(n, o.BottomCutAngle);
        // The mirrored line: the ring index n - i is the point mirrored across the X axis.
        out.push_back({m.FirstRing[i], m.SecondRing[j], kOverlaySideCutColor});
        out.push_back({m.FirstRing[(n - i) % n], m.SecondRing[(n - j) % n], kOverlaySideCutColor});
    }
    return out;
}

} // namespace brevant
