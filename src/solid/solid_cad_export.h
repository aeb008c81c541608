// The 3D wire frame of a part in a CAD drawing, every coordinate in the display unit.
#pragma once

#include "caddraw/cad_drawing.h"
#include "core/units.h"
#include "geometry/wire_frame.h"

namespace brevant {

// Adds the wire frame's lines and points in order, each in its colour, on layer 1; every
// coordinate goes from inches into the display unit.
void AddWireFrame(TCadDrawing& out, const WireFrame& frame, UnitSystem units);

} // namespace brevant
