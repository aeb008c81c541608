// The cut curve of the branch pipe and the checks of its inputs.
#include "layouts/pipe/pipe_geometry.h"

#include "geometry/constants.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brevant {

namespace {
// The drawing refuses coordinates beyond this.
constexpr double kLargestDrawable = 1e9;
} // namespace

PipeCheck CheckPipeInputs(const PipeInputs& in) {
    const double db = in.MainDiameter, ds = in.BranchDiameter, o = in.Offset;
    if (!(db > 0 && ds > 0)) return PipeCheck::NotEnough;
    if (ds > db) return PipeCheck::BranchLarger;
    // Measured on both sides: a negative offset moves the branch the other way.
    if (db / 2 < ds / 2 + std::fabs(o)) return PipeCheck::BranchOutside;
    if (!std::isfinite(db) || !std::isfinite(ds) || !std::isfinite(o)) return PipeCheck::TooLarge;
    // The cut is longest where the generator lies farthest from the main axis, at 90 or 270.
    const double tallest = std::max(PipeCutHeight(in, 90), PipeCutHeight(in, 270));
    if (PipePatternWidth(in) > kLargestDrawable || tallest > kLargestDrawable)
        return PipeCheck::TooLarge;
    return PipeCheck::Ok;
}

double PipeReferenceDistance(const PipeInputs& in) {
    return in.MainDiameter / 2 + in.BranchDiameter;
}

double PipePatternWidth(const PipeInputs& in) {
    return std::numbers::pi * in.BranchDiameter;
}

double PipeCutHeight(const PipeInputs& in, double phiDegrees) {
    const double rb = in.MainDiameter / 2, rs = in.BranchDiameter / 2;
    const double z = in.Offset - rs * std::sin(phiDegrees / kDrawDegreesPerRadian);
    // e - sqrt(Rb^2 - z^2) written as ds + (Rb - sqrt(Rb^2 - z^2)) = ds + z^2 / (Rb + sqrt(...)):
    // the same value without the cancellation of two nearly equal large numbers when the main
    // pipe is much larger than the branch. The checks keep |z| <= Rb; rounding may not.
    const double root = std::sqrt(std::max(0.0, (rb - z) * (rb + z)));
    const double sum = rb + root;
    return in.BranchDiameter + (sum > 0 ? z * z / sum : 0.0);
}

std::vector<TDPoint> PipeCutCurve(const PipeInputs& in, int divisions) {
    const int f = std::max(divisions, 1);
    const double du = PipePatternWidth(in) / f;
    std::vector<TDPoint> curve;
    curve.reserve(static_cast<std::size_t>(f) + 1);
    for (int i = 0; i <= f; ++i)
        curve.push_back({i * du, PipeCutHeight(in, i * 360.0 / f), 0});
    return curve;
}

} // namespace brevant
