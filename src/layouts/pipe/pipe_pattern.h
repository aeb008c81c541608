// The flat pattern of the branch pipe: the unrolled branch with the cut curve along its top.
#pragma once

#include "caddraw/flat_pattern_builder.h"
#include "layouts/pipe/pipe_geometry.h"

namespace brevant {

// Divisions of the cut curve on screen and in the full-scale print.
inline constexpr int kPipeScreenDivisions = 40;
inline constexpr int kPipePrintDivisions = 100;

// Replaces the pattern's strokes with the pattern (white, layer 1): the straight edge on the u
// axis from 0 to pi ds, the left and right edges and the cut curve. With pdfInProgress set, the
// print mode draws the cut curve alone at the finer division. Clears pdfInProgress.
void DrawPipePattern(FlatPatternBuilder& flat, const PipeInputs& in, bool& pdfInProgress);

} // namespace brevant
