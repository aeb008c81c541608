// The cone dimension solver: completes T, B, H, A, L from any three, elliptical ends, the
// cylinder test, and the write-back of solved dimensions; plus the shared angle helpers.
#pragma once

#include "geometry/angles.h"
#include "geometry/single_precision.h"

namespace brevant {

struct ConeJob;
struct ConeDefinition;

// Perimeter of the ellipse with short axis w and long axis d; pi d when w is 0.
double EllipsePerimeter(double w, double d);
// The diameter of the circle with the ellipse's perimeter.
double EquivalentDiameter(double w, double d);

// What one pass of the rule table did.
enum class ConeRuleOutcome { NothingToDo, Applied, NoRule, SideTooShort };

// Applies the first rule whose three known values are given (> 0); pure, no messages.
ConeRuleOutcome CompleteConeDimensions(ConeDefinition& def);
// The same, showing "Length does not reach bottom dia and top dia" when the side is too short.
void CompleteConeDimensions(ConeJob& engine);

// Marks the given dimensions, completes the others, applies elliptical ends and the cylinder
// test. False only when T, B, H are given and T is larger than B (status text shown).
bool SolveCone(ConeJob& engine);
// True when the side stands within half a degree of vertical (status text shown).
bool TestForCylinder(ConeJob& engine);
// Writes the solved (not given) principal dimensions back into their edits.
void WriteBackConeDimensions(ConeJob& engine);
// Colours the five principal edits: given black, solved blue.
void ColourPrincipalEdits(ConeJob& engine);

} // namespace brevant
