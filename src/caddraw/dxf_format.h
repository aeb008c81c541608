// The DXF drawing format: an early, entities-only DXF.
#pragma once

#include <istream>
#include <ostream>

namespace brevant {

class TCadDrawing;
class TElements;
class TSettings;

// Writes the header, tables and blocks sections (empty) and one entity per written point,
// line, arc and circle.
void WriteDxf(std::ostream& out, const TElements& elements, const TSettings& settings);
void WriteDxf(std::ostream& out, const TCadDrawing& drawing);

// Replaces the drawing's elements by the POINT, LINE, ARC, CIRCLE and POLYLINE entities of a DXF
// stream. Other entities and group codes are skipped.
void ReadDxf(std::istream& in, TCadDrawing& drawing);

} // namespace brevant
