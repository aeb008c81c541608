// The flat pattern as SVG at true size: width and height in the display unit with a matching
// viewBox, the outlines as closed paths (arcs as arcs), bend lines and marks in their own
// groups. It prints at true size from a browser.
#pragma once

#include "documents/shop_outline.h"

#include <ostream>

namespace brevant {

// The pattern (in inches) written in options.units.
void WriteSvg(std::ostream& out, const FlatPattern& pattern, const ShopFileOptions& options);
// Outlines already in options.units.
void WriteSvg(std::ostream& out, const ShopOutlines& outlines, const ShopFileOptions& options);

} // namespace brevant
