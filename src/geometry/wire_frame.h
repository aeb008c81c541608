// The 3D wire frame of a part for the CAD files, as plain geometry: lines and points in the
// order they are written, each in its colour, in inches in the file's frame (the part stands on
// z = 0). A writer converts the coordinates into the display unit.
#pragma once

#include "core/colors.h"
#include "geometry/types.h"

#include <vector>

namespace brevant {

struct WireEntity {
    bool IsPoint = false;
    TDPoint From; // the point of a point
    TDPoint To;
    TColor Color = kColorLime;
};

struct WireFrame {
    std::vector<WireEntity> Entities;
    void Line(const TDPoint& a, const TDPoint& b, TColor color) {
        Entities.push_back({false, a, b, color});
    }
    void Point(const TDPoint& p, TColor color) { Entities.push_back({true, p, p, color}); }
};

// Scene (X, Y down, Z) to the file frame of standing parts: (X, Z, height).
inline TDPoint Standing(const TDPoint& p) {
    return {p.x, p.z, -p.y};
}

// Two closed rings (scene frame) as green lines: for each point i the edges from point i - 1 to i
// of the top ring, then of the bottom ring (from i = 1), then the generator top[i] to bottom[i];
// the two closing edges; a point at the bottom centre and one at topCentre (file frame).
void AddRingWireFrame(WireFrame& out, const TPathArray& top, const TPathArray& bottom,
                      const TDPoint& topCentre);

} // namespace brevant
