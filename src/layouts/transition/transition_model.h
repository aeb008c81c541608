// The 3D model of a transition: the bottom section at height 0, the top section over it
// (shifted and tilted), and the lines joining them in order round the part. Consecutive lines
// share one end, so each pair of them bounds one flat triangle of the surface.
#pragma once

#include "geometry/types.h"
#include "layouts/transition/transition_section.h"

#include <cstddef>
#include <vector>

namespace brevant {

// The part on the surface that is developed (the middle of the plate), inches and degrees. The
// top's centre lies Height above the bottom's, shifted by XShift and YShift; its plane is turned
// by TopAngle about the line through its centre parallel to Y, a positive angle lowering the
// side towards +X.
struct TransitionPart {
    SectionSize Bottom;
    SectionSize Top;
    double Height = 0;
    double XShift = 0;
    double YShift = 0;
    double TopAngle = 0;
    int Divisions = 6;
};

// A line of the surface from a bottom point to a top point (indices into the model's points).
struct Rung {
    int Bottom = 0;
    int Top = 0;
    friend bool operator==(const Rung&, const Rung&) = default;
};

struct TransitionModel {
    std::vector<TDPoint> Bottom; // (x, y, height) of the bottom section's points
    std::vector<TDPoint> Top;
    // From the seam on the +X side round the part counter-clockwise (seen from above): to the
    // seam again (the whole part, first and last rung the same line), or to the line on the -X
    // side (half of the part).
    std::vector<Rung> Rungs;
    bool Half = false;
    TDPoint BottomOf(std::size_t k) const { return Bottom[std::size_t(Rungs[k].Bottom)]; }
    TDPoint TopOf(std::size_t k) const { return Top[std::size_t(Rungs[k].Top)]; }
};

// Whether the part is its own mirror image in the plane y = 0, so that half of it can be
// developed: every section is, and so the part is unless the top is shifted along Y.
bool TransitionMirrorSymmetric(const TransitionPart& part);

// A top section point (about the top centre, in its plane) in the model.
TDPoint TopPointOf(const TransitionPart& part, double u, double v);

// The model, the whole part or (when asked and symmetric) the half from +X to -X. The surface
// is the outside of the two sections' convex hull: from the seam, each next facet is the edge of
// one section with the point of the other that leaves both sections inside the facet's plane.
// Between parallel planes this joins points facing the same way: a sharp corner fans out to the
// curved stretch of the other section facing the directions between its two sides, two sharp
// corners facing each other are joined directly, two edges facing the same way make one flat
// quadrilateral (split by its shorter diagonal, which is no fold), and curved stretches are
// joined point to point.
TransitionModel BuildTransitionModel(const TransitionPart& part, bool half);

// Whether an edge of a facet passes through another facet that shares no corner with it. Parts
// whose top is steeply tilted over a long section can be joined no other way; they are refused.
bool FacetsCross(const TransitionModel& model);

} // namespace brevant
