// The branch pipe of a pipe intersection: its inputs, their checks and the cut curve that fits
// the branch onto the main pipe's surface.
#pragma once

#include "geometry/types.h"

#include <vector>

namespace brevant {

// Lengths in inches. The offset moves the branch axis sideways from the main axis, to either side.
struct PipeInputs {
    double MainDiameter = 0;      // Db
    double BranchDiameter = 0;    // ds
    double Offset = 0;            // o
    double MaterialThickness = 0; // t, the pipe's own, apart from the other layouts' thickness
};

enum class PipeCheck {
    Ok,
    NotEnough,     // a diameter is not given
    BranchLarger,  // ds > Db
    BranchOutside, // the offset branch reaches past the main pipe's side: Db/2 < ds/2 + |o|
    TooLarge,      // a value is infinite or the pattern is beyond what the drawing holds
};

// The checks in the order the driver reports them.
PipeCheck CheckPipeInputs(const PipeInputs& in);

// e = Db/2 + ds: from the main axis to the plane of the pattern's straight edge.
double PipeReferenceDistance(const PipeInputs& in);
// The branch perimeter, pi ds: the width of the unrolled branch.
double PipePatternWidth(const PipeInputs& in);
// y(phi): the length of the branch generator at phi degrees from the reference plane to the main
// pipe's surface, e - sqrt(Rb^2 - (o - rs sin phi)^2).
double PipeCutHeight(const PipeInputs& in, double phiDegrees);
// The cut curve in the pattern's plane: divisions + 1 points (u, y), u from 0 to pi ds.
std::vector<TDPoint> PipeCutCurve(const PipeInputs& in, int divisions);

} // namespace brevant
