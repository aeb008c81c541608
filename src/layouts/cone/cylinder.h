// Cylinders: the dimension step, the straight rectangle, the strip with cut curves of tilted
// ends, the bend lines and the result display.
#pragma once

#include <vector>

namespace brevant {

struct ConeJob;

// The cut curves of a cylinder with tilted ends on its unrolled strip: ring point k at
// X[k] = k W / n from the strip's left side; the closing point (index n) repeats point 0 at W.
struct TCylinderCurves {
    double Width = 0;               // W, the perimeter
    std::vector<double> X;          // n + 1 positions
    std::vector<double> TopHeights; // n + 1 heights above the bottom centre
    std::vector<double> BottomHeights;
};

// The perimeter of a cylinder whose diameter T is already the equivalent diameter.
double CylinderPerimeter(double T);
TCylinderCurves UnrollCylinder(double T, double H, double topAngle, double bottomAngle, int n);

// Clears the top shift; true when T, B and H are all greater than 0 (else the message).
bool CylinderDimensions(ConeJob& engine);
void DrawCylinderPattern(ConeJob& engine);
void DrawObliqueCylinderPattern(ConeJob& engine);
void ShowCylinderDimensions(ConeJob& engine, bool visible);
// Green bend lines across the rectangle or strip (called by the pattern decorations).
void DrawCylinderBendLines(ConeJob& engine);

} // namespace brevant
