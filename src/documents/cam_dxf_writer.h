// A DXF for cutting machines: the unit declared in the header, each piece's outline one closed
// polyline on layer CUT (arcs as bulges), bend lines on BEND, seam, side cuts and marks on
// MARK; annotations and construction lines are left out.
#pragma once

#include "documents/shop_outline.h"

#include <ostream>

namespace brevant {

// The pattern (in inches) written in options.units.
void WriteCamDxf(std::ostream& out, const FlatPattern& pattern, const ShopFileOptions& options);
// Outlines already in options.units.
void WriteCamDxf(std::ostream& out, const ShopOutlines& outlines, const ShopFileOptions& options);

// $INSUNITS of a unit system: 1 inches, 5 centimetres, 4 millimetres.
int InsUnitsCode(UnitSystem units);

} // namespace brevant
