// A cut curve through its stations as a cutting machine takes it: one circular arc through
// each three stations in turn (stations 0-1-2, 2-3-4, ...), so the curve passes through every
// station and bends smoothly between them; a run of three stations in a line is two lines.
#pragma once

#include "geometry/types.h"

#include <vector>

namespace brevant {

struct ElbowSpan {
    TDPoint From;
    TDPoint To;
    bool IsArc = false;
    TDPoint Centre;
    double Radius = 0;
    double Sweep = 0; // degrees turned from From to To about Centre, positive counter-clockwise
};

// The spans of a curve through its points (an odd count; a last lone interval is a line).
std::vector<ElbowSpan> ElbowSpans(const std::vector<TDPoint>& points);

// The circular segment between an arc span and its chord, positive for a counter-clockwise arc
// (which lies on the right of its chord, From to To), negative for a clockwise one; 0 for a line.
double ElbowSpanBulge(const ElbowSpan& span);

} // namespace brevant
