// Material thickness: diameter compensation, the thickness display, area and weight.
#pragma once

#include "core/material.h"

namespace brevant {

struct ConeJob;
struct ConeDefinition;
struct MaterialInputs;

// The change of both diameters for thickness t on side (0 middle, 1 outside, 2 inside) with
// the side angle A in degrees; 0 when nothing applies.
double ThicknessDiameterChange(double t, int side, double sideAngle);
// Adjusts the typed TopDiameter and BottomDiameter for the material thickness and its side.
void ApplyThicknessCompensation(ConeDefinition& def, const MaterialInputs& material);
// Lateral area of a frustum (square inches).
double FrustumLateralArea(double T, double B, double H);

// Fills WeightLabel and the thickness display's visibility at the end of a cone Calculate.
void ShowAreaAndWeight(ConeJob& engine);

} // namespace brevant
