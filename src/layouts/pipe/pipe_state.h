// What the pipe intersection keeps between commands: its own material thickness and the
// results of its last calculation.
#pragma once

#include "layouts/pipe/pipe_geometry.h"
#include "layouts/pipe/pipe_model.h"

#include <vector>

namespace brevant {

struct PipeState {
    // t, read from ThicknessEdit with the pipe inputs (inches); the cone's MaterialThickness
    // stays as it was.
    float MaterialThickness = 0;
    // Set when the last calculation drew a pattern; the values below are then valid.
    bool Developed = false;
    double PatternWidth = 0;        // pi ds
    double ReferenceDistance = 0;   // e
    std::vector<double> CutHeights; // y at the stations of the screen pattern
    PipeModel Model;                // the branch rings for the 3D preview and export
};

// The values of the pattern developed from the inputs (the model is built apart).
void StorePipeResults(PipeState& state, const PipeInputs& in);
// Forgets the results of an earlier calculation; keeps the material thickness.
void ClearPipeResults(PipeState& state);

} // namespace brevant
