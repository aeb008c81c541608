// The CDL drawing format: the system's own comma-separated line format.
#pragma once

#include "core/controls.h"

#include <istream>
#include <ostream>

namespace brevant {

class TCadDrawing;
class TElements;
class TSettings;

// Writes the VIEW lines of the flagged windows, then one line per written point, line, arc,
// circle, arrow, leader and witness line.
void WriteCdl(std::ostream& out, const TElements& elements, const TSettings& settings);
void WriteCdl(std::ostream& out, const TCadDrawing& drawing);

// Replaces the drawing's elements by the points, lines, arcs and circles of a CDL stream and
// installs the window matrices of its VIEW lines. Unknown and malformed lines are skipped.
void ReadCdl(std::istream& in, TCadDrawing& drawing);

} // namespace brevant
