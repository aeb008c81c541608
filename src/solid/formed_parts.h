// The formed parts of the layout kinds for the solid output: each kind's finished part, from
// what its last calculation left, as the kind-neutral pieces of plate the STEP writer builds.
// File frame of every part: the part stands on z = 0 with its axis along +z; cones and squares
// to round lie as in the 3D CAD wire frame (x = the model's X, y = its Z, z = the height).
#pragma once

#include "geometry/end_planes.h"
#include "geometry/formed_part.h"
#include "layouts/pipe/pipe_geometry.h"
#include "layouts/square/square_model.h"

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

// The square to round from its model: the facets between neighbouring generators, each pair of
// twin generators joined into the apex of one flat side triangle.
FormedPart SquareFormedPart(const SquareModel& model, const SquareShape& shape);

// One turn of the spiral flight from its shaft hole (inside diameter) to its outside edge.
FormedPart SpiralFormedPart(double od, double id, double pitch);

// The branch pipe cut to fit its main pipe, up to the plane of the pattern's straight edge.
FormedPart PipeFormedPart(const PipeInputs& in);

} // namespace brevant
