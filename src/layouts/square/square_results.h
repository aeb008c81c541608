// What the last square-to-round calculation leaves for the report, the 3D export and the
// displays: the model with its generator table and the size of the flat pattern.
#pragma once

#include "layouts/square/square_model.h"

namespace brevant {

struct SquareToRoundResults {
    SquareModel Model;    // replaced by every calculation that passes the input checks
    double BoxWidth = 0;  // inches, of the last complete development
    double BoxHeight = 0; // inches
};

} // namespace brevant
