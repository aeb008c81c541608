// The DXF drawing format: an early, entities-only DXF.
#pragma once

#include <istream>
#include <ostream>

namespace brevant {

class TCadDraw;
class TElements;
class TSettings;

// Writes the header, tables and blocks sections (empty) and one entity per written point,
// line, arc and circle.
void WriteDxf(std::ostream& out, const TElements& elements, const TSettings& settings);

// Replaces the view's drawing by the POINT, LINE, ARC, CIRCLE and POLYLINE entities of a DXF
// stream. Other entities and group codes are skipped.
void ReadDxf(std::istream& in, TCadDraw& view);

} // namespace brevant
