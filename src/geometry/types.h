// Plain geometry records shared by the drawing, the layouts and the 3D model.
#pragma once

#include <vector>

namespace brevant {

// A point; flat patterns lie in z = 0.
struct TDPoint {
    double x = 0;
    double y = 0;
    double z = 0;
    friend bool operator==(const TDPoint&, const TDPoint&) = default;
};

// A segment from Point1 to Point2; intersection routines treat it as the infinite line.
struct TDLine {
    TDPoint Point1;
    TDPoint Point2;
    friend bool operator==(const TDLine&, const TDLine&) = default;
};

// A circular arc about Center, counter-clockwise from sa to ea (degrees); sa == ea is a
// full circle. Intersection routines treat it as the whole circle.
struct TDArc {
    TDPoint Center;
    double r = 0;
    double sa = 0;
    double ea = 0;
    friend bool operator==(const TDArc&, const TDArc&) = default;
};

using TDPointList = std::vector<TDPoint>;

// A single-precision screen rectangle, as given (not normalised).
struct TRectF {
    float Left = 0;
    float Top = 0;
    float Right = 0;
    float Bottom = 0;
};

// A single-precision screen point.
struct TPointF {
    float X = 0;
    float Y = 0;
};
// A ring (or helix) of 3D points of a part model.
using TPathArray = std::vector<TDPoint>;

} // namespace brevant
