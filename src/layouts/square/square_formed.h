// The square to round as the formed part the solid output builds. File frame: the part stands
// on z = 0 with its axis along +z, as in the 3D CAD wire frame (x = the model's X, y = its Z).
#pragma once

#include "geometry/formed_part.h"
#include "layouts/square/square_model.h"

namespace brevant {

// The square to round from its model: the facets between neighbouring generators, each pair of
// twin generators joined into the apex of one flat side triangle.
FormedPart SquareFormedPart(const SquareModel& model, const SquareShape& shape);

} // namespace brevant
