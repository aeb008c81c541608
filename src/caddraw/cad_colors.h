// Colour numbers of the CAD file formats: the palette each format writes and reads back.
#pragma once

#include "core/colors.h"

#include <cstdint>

namespace brevant {

// Numbers written for an element's line colour; a colour outside the palette writes the
// format's lime-like default.
int CdlColorIndex(std::uint32_t color);
int DxfColorNumber(std::uint32_t color);
int IgesColorNumber(std::uint32_t color);

// Colours read back. The CDL and DXF number 0 (and the CDL number 15) depend on the view's
// background so that the element stays visible on it.
std::uint32_t ColorFromCdlIndex(int index, std::uint32_t background);
std::uint32_t ColorFromDxfNumber(int number, std::uint32_t background);
std::uint32_t ColorFromIgesNumber(int number);

} // namespace brevant
