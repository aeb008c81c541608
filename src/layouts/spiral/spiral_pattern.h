// The spiral flight's flat ring as a flat pattern: with its dimension
// annotations for the screen, and as lines with a bounding box for the full-scale print.
#pragma once

#include "caddraw/flat_pattern_builder.h"
#include "layouts/spiral/spiral_ring.h"

namespace brevant {

class INotices;

// The largest coordinate the drawing accepts; a larger ring is computed but not drawn.
inline constexpr double kLargestDrawableSpiral = 1e9;

// Develops the flight, stores the results and draws the ring: the two arcs and the radial
// end lines on layer 1, the height (Y) and width (X) dimensions when the ring angle exceeds
// 180 degrees, and the angle marker A; every stroke of the pattern is
// deleted first; the caller hides RegularDataDisplay. Needs od > id > 0 and pitch > 0.
// False when the ring is too large to be drawn (the results are stored all the same).
bool DrawSpiralFlightPattern(FlatPatternBuilder& flat, double od, double id, double pitch,
                             SpiralResults& results);

// The print variant from the results of the last calculation: both arcs as short lines and
// the end lines on layer 1, no annotations, a grey bounding box on layer 8. Refuses with a
// message when the inner radius is not below the outer or the ring angle is below 1 degree,
// leaving the pattern empty. The chords are stored again. The caller hides RegularDataDisplay.
bool DrawSpiralFlightForPrint(FlatPatternBuilder& flat, SpiralResults& results, INotices& notices);

} // namespace brevant
