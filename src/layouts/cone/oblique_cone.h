// The modified (oblique) cone: development by triangulation about the apex, its generator
// lines, overlap, result display and the coordinate listing of the dimension report.
#pragma once

#include "geometry/types.h"

#include <vector>

namespace brevant {

struct ConeJob;

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
// The angular steps at the apex between consecutive generators of a ring pair whose points k
// lie on one generator (step k between generators k - 1 and k; step 0 is 0). Each generator's
// direction comes from its point farther from the apex, the better conditioned one.
std::vector<double> GeneratorSteps(const TPathArray& top, const TPathArray& bottom,
                                   const TDPoint& apex);
// Unrolls one ring of the pair with the shared steps, so that both rings turn by the same
// angles and every radial edge keeps its generator's length.
TUnrolledRing UnrollRing(const TPathArray& ring, const TDPoint& apex,
                         const std::vector<double>& steps);

// True when every top point lies strictly between the apex and its bottom point on the same
// generator: the tilted end planes cut a real frustum and do not cross each other or reach
// beyond the apex.
bool RingsFormFrustum(const TPathArray& top, const TPathArray& bottom, const TDPoint& apex);

// True when bend, seam or side-cut lines need one ring point per degree.
bool NeedsFineResolution(ConeJob& engine);
// The ring resolution of the development: 360 when fine, otherwise CircleResolution.
int ObliqueRingResolution(ConeJob& engine);

// Develops the cone of the definition into the flat pattern (and writes the cone listing while the
// dimension report is produced).
void DrawObliqueConePattern(ConeJob& engine);
// A line along the generator at the cone angle (degrees) of the last development.
void DrawGeneratorLine(ConeJob& engine, int style, double coneAngle);
// The red overlap lines beside the start and end edges of the development.
void DrawObliqueOverlap(ConeJob& engine);
// "Modified Cone Dimensions" in RegularDataDisplay.
void ShowModifiedConeDimensions(ConeJob& engine);

} // namespace brevant
