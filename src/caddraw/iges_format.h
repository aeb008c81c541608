// The IGES drawing format: fixed 80-column records of points, lines and arcs.
#pragma once

#include <istream>
#include <ostream>
#include <string_view>

namespace brevant {

class TCadDrawing;
class TElements;
class TSettings;

// Writes the start, global, directory, parameter and terminate sections. `file_name` goes
// into the start record (its last 70 characters).
void WriteIges(std::ostream& out, const TElements& elements, const TSettings& settings,
               std::string_view file_name);
void WriteIges(std::ostream& out, const TCadDrawing& drawing, std::string_view file_name);

// Replaces the drawing's elements by the points, lines and arcs of an IGES stream.
void ReadIges(std::istream& in, TCadDrawing& drawing);

} // namespace brevant
