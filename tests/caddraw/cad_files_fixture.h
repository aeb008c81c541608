// Small helpers shared by the CAD file tests: building drawings and splitting file text.
#pragma once

#include "caddraw/cad_draw.h"

#include <sstream>
#include <string>
#include <vector>

namespace brevant::test {

inline int AddPoint(TCadDraw& view, double x, double y, double z, TColor color, int layer,
                    int linetype = 0) {
    return view.AddElement(kElementPoint, color, TCoords{x, y, z, 0, 0, 0}, 0, linetype, layer, 0,
                           {}, 1);
}

inline int AddLine(TCadDraw& view, const TCoords& c, TColor color, int layer, int linetype = 0) {
    return view.AddElement(kElementLine, color, c, 0, linetype, layer, 0, {}, 1);
}

inline int AddArc(TCadDraw& view, const TCoords& c, TColor color, int layer, int linetype = 0,
                  int plane = 1) {
    return view.AddElement(kElementArc, color, c, 0, linetype, layer, 0, {}, plane);
}

// The lines of a written file, split at CR LF; a file not made of CR LF lines fails the test
// through the returned marker.
inline std::vector<std::string> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back("<no CR LF>" + text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

} // namespace brevant::test
