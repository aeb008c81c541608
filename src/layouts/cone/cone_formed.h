// The cone or cylinder as the formed part the solid output builds: its pieces of plate ruled
// between the ends. File frame: the part stands on z = 0 with its axis along +z, x = the 3D
// model's X, y = its Z.
#pragma once

#include "geometry/formed_part.h"
#include "geometry/types.h"

namespace brevant {

// A cone or cylinder as its last calculation solved it (inches, degrees).
struct ConeSolidInputs {
    TConeShape Shape;
    bool IsCylinder = false;
    // The side cut's widths at the top and at the bottom; no cut unless both are above 0.
    double TopCutWidth = 0;
    double BottomCutWidth = 0;
    // The angle of the cone each piece covers; 0 or 360 and above make one closed piece.
    double SegmentAngle = 0;
};

// The cone's pieces: ruled between its bottom and top ends, on the end planes, the side cut
// taken away; one piece per segment.
FormedPart ConeFormedPart(const ConeSolidInputs& in);

// The cone's pieces: ruled between its bottom and top ends, on the end planes, the side cut
// taken away; one piece per segment.
FormedPart ConeFormedPart(const ConeSolidInputs& in);

} // namespace brevant
