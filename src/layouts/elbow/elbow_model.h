// The segmented elbow in 3D, in the file frame (inches, z up): the elbow leaves the origin along
// +z and turns towards -x about the bend axis, the line through (-R, 0, 0) along y. Gore k
// (0 to n + 1) lies along the tangent of the centreline at the turn k alpha; its cross-section
// through the tangent point is its middle (an end gore's square end).
#pragma once

#include "geometry/formed_part.h"
#include "geometry/types.h"
#include "geometry/wire_frame.h"
#include "layouts/elbow/elbow_geometry.h"

#include <vector>

namespace brevant {

// One gore's two edges as rings of one point per station (the last back at the seam), lower
// (towards the start of the elbow) and upper, and the planes they lie on.
struct ElbowGoreRails {
    TPathArray Lower;
    TPathArray Upper;
    FormedPlane LowerPlane;
    FormedPlane UpperPlane;
};

// Every gore of the elbow in order. On one strip every other gore is turned half a turn, its seam
// on the other side of the bend.
std::vector<ElbowGoreRails> ElbowRails(const ElbowInputs& in);

// The gores as ruled pieces of plate, their ends on the mitre planes and the square ends.
FormedPart ElbowFormedPart(const ElbowInputs& in);

// The wire frame: each gore's two rings and its generators at the stations, in green.
void AddElbowWireFrame(WireFrame& out, const ElbowInputs& in);

} // namespace brevant
