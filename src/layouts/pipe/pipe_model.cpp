// The branch rings of the pipe intersection's 3D model.
#include "layouts/pipe/pipe_model.h"

#include "geometry/constants.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {
// More points than this add nothing a preview could show.
constexpr int kMaxRingPoints = 3600;
} // namespace

PipeModel BuildPipeModel(const PipeInputs& in, int circleResolution) {
    const int n = std::clamp(circleResolution, 3, kMaxRingPoints);
    const double rs = in.BranchDiameter / 2, e = PipeReferenceDistance(in);
    PipeModel m;
    m.AxisRing.reserve(static_cast<std::size_t>(n) + 1);
    m.FarRing.reserve(static_cast<std::size_t>(n) + 1);
    for (int i = 0; i <= n; ++i) {
        const double phi = (i % n) * 360.0 / n / kDrawDegreesPerRadian;
        const double x = rs * std::cos(phi), z = rs * std::sin(phi) - in.Offset;
        m.AxisRing.push_back({x, 0, z});
        m.FarRing.push_back({x, -e, z});
    }
    return m;
}

} // namespace brevant
