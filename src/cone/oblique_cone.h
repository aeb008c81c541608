// The modified (oblique) cone: development by triangulation about the apex, its generator
// lines, overlap, result display and the coordinate listing of the dimension report.
#pragma once

#include "geometry/types.h"
#include "solid/solid_model.h"

#include <vector>

namespace brevant {

class LayoutEngine;

// Styles of DrawGeneratorLine.
enum GeneratorStyle : int { kGeneratorBend = 1, kGeneratorSeam = 2, kGeneratorSideCut = 3 };

// One ring unrolled about the apex: flat point k for ring point k (the apex is the origin and
// ring point 0 lies on the positive x axis), the accumulated angle and distance of each, and
// the closing point one step past the last.
struct TUnrolledRing {
    TDPointList Points;
    std::vector<double> Angles;    // degrees
    std::vector<double> Distances; // from the apex
    TDPoint Closing;
    double ClosingAngle = 0;
};

// The angle at the vertex between the arms to a and b, degrees 0 to 180 (0 for a zero arm).
double VertexAngle3D(const TDPoint& a, const TDPoint& vertex, const TDPoint& b);
TUnrolledRing UnrollRing(const TPathArray& ring, const TDPoint& apex);

// True when bend, seam or side-cut lines need one ring point per degree.
bool NeedsFineResolution(LayoutEngine& engine);
// The ring resolution of the development: 360 when fine, otherwise CircleResolution.
int ObliqueRingResolution(LayoutEngine& engine);

// Develops the cone of the definition into CadDraw1 (and writes the cone listing while the
// dimension report is produced).
void DrawObliqueConePattern(LayoutEngine& engine);
// A line along the generator at the cone angle (degrees) of the last development.
void DrawGeneratorLine(LayoutEngine& engine, int style, double coneAngle);
// The red overlap lines beside the start and end edges of the development.
void DrawObliqueOverlap(LayoutEngine& engine);
// "Modified Cone Dimensions" in RegularDataDisplay.
void ShowModifiedConeDimensions(LayoutEngine& engine);

} // namespace brevant
