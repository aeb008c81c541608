// The flat ring of one turn of a spiral flight: its development from the outside diameter,
// the inside diameter and the pitch, and the results kept until the next spiral Calculate.
#pragma once

namespace brevant {

// The development in double precision. Lengths in inches, angles in degrees.
struct SpiralRing {
    double OuterHelixLength = 0; // Lo: one turn of the outer helix
    double InnerHelixLength = 0; // Li: one turn of the inner helix
    double Width = 0;            // w = (OD - ID) / 2
    double OuterRadius = 0;      // R
    double InnerRadius = 0;      // Ri = R - w
    double FlatAngle = 0;        // the ring sector, never more than a full turn
    double StartAngle = 0;       // s = 90 - FlatAngle / 2
    double EndAngle = 0;         // e = 90 + FlatAngle / 2
    double OuterChord = 0;       // across the gap between the ends of the outer arc
    double InnerChord = 0;       // the same for the inner arc
    double PatternWidth = 0;     // 2R
    double PatternHeight = 0;    // top of the outer arc down to the lowest end point
};

// The results by their names, single precision, lengths in inches.
struct SpiralResults {
    float SpiralOuterRadius = 0;
    float SpiralInnerRadius = 0;
    float SpiralFlatAngle = 0;
    float SpiralOuterChord = 0;
    float SpiralInnerChord = 0;
    float SpiralPatternWidth = 0;
    float SpiralPatternHeight = 0;
};

// Develops the flight: the ring's outer arc is as long as Lo and its inner arc as long as Li.
// Needs od > id >= 0 and pitch >= 0; a zero pitch gives the closed ring of radius od / 2.
SpiralRing DevelopSpiralFlight(double od, double id, double pitch);
// The ring's values as the results keep them.
SpiralResults ToResults(const SpiralRing& ring);
// The area of the flat piece in square inches: the annulus' share of the ring angle.
double SpiralFlightArea(const SpiralResults& results);

} // namespace brevant
