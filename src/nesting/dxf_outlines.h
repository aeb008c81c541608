// The pieces drawn in a DXF file of closed outlines (such as a cutting-machine DXF): its
// lines, arcs, circles and polylines, read by the drawing's DXF reader, joined into outlines
// and sorted into pieces with their holes. Lines inside a piece (bend lines, marks) are left
// out; an outline that does not close is an error.
#pragma once

#include "nesting/nest_part.h"

#include <istream>
#include <string>
#include <vector>

namespace brevant {

inline constexpr std::size_t kMostOutlineSegments = 200000;

// The pieces from left to right (by the left edge of their box, then the bottom), in the
// file's coordinates. False with the reason in error (which names no file).
bool ReadDxfOutlines(std::istream& in, std::vector<NestShape>& pieces, std::string& error);

} // namespace brevant
