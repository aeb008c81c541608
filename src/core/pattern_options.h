// What the form says about how a flat pattern is drawn, read once by the driver: bends, seam,
// side cuts, the ring resolution and whether the drawing is for the full-scale print.
#pragma once

namespace brevant {

struct PatternOptions {
    int Bends = 0;              // bend lines per piece (0 = none; fewer than 4 count as none)
    double SegmentAngle = 0;    // degrees cut out of a cone piece (0 = whole cone)
    bool SeamLine = false;      // "Seam Line" checked
    int SeamAngle = 0;          // degrees
    bool SideCuts = false;      // "Side Cuts" checked
    bool BendLines = false;     // "Bend Lines" checked
    int CircleResolution = 40;  // points per full circle of the ring model
    bool ForPrint = false;      // drawing for the full-scale PDF (PdfInProgress)
};

} // namespace brevant
