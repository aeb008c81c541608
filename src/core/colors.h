// The named colours of the program: 32-bit alpha-red-green-blue values, one name each. The
// CAD files' palettes, the pattern pens, the CAD view's highlights and the form's font colours
// all refer to these names.
#pragma once

#include <cstdint>

namespace brevant {

using TColor = std::uint32_t;

inline constexpr TColor kColorBlack = 0xFF000000;
inline constexpr TColor kColorNavy = 0xFF000080;
inline constexpr TColor kColorBlue = 0xFF0000FF;
inline constexpr TColor kColorGreen = 0xFF008000;
inline constexpr TColor kColorTeal = 0xFF008080;
inline constexpr TColor kColorLime = 0xFF00FF00;
inline constexpr TColor kColorCyan = 0xFF00FFFF;
inline constexpr TColor kColorMaroon = 0xFF800000;
inline constexpr TColor kColorPurple = 0xFF800080;
inline constexpr TColor kColorOlive = 0xFF808000;
inline constexpr TColor kColorGrey = 0xFF808080;
inline constexpr TColor kColorSilver = 0xFFC0C0C0;
inline constexpr TColor kColorRed = 0xFFFF0000;
inline constexpr TColor kColorMagenta = 0xFFFF00FF;
inline constexpr TColor kColorYellow = 0xFFFFFF00;
inline constexpr TColor kColorWhite = 0xFFFFFFFF;
inline constexpr TColor kColorLightGreen = 0xFF90EE90;
inline constexpr TColor kColorLimeGreen = 0xFF32CD32;
// No colour at all (fully transparent black).
inline constexpr TColor kColorNone = 0x00000000;
// The colour of a hidden element: fully transparent, so it paints nothing.
inline constexpr TColor kColorHidden = 0x00000063;

} // namespace brevant
