// Colour numbers of the CAD file formats: the palette each format writes and reads back.
#pragma once

#include <cstdint>

namespace brevant {

namespace cad_color {
inline constexpr std::uint32_t kBlack = 0xFF000000;
inline constexpr std::uint32_t kNavy = 0xFF000080;
inline constexpr std::uint32_t kBlue = 0xFF0000FF;
inline constexpr std::uint32_t kGreen = 0xFF008000;
inline constexpr std::uint32_t kTeal = 0xFF008080;
inline constexpr std::uint32_t kLime = 0xFF00FF00;
inline constexpr std::uint32_t kAqua = 0xFF00FFFF;
inline constexpr std::uint32_t kMaroon = 0xFF800000;
inline constexpr std::uint32_t kPurple = 0xFF800080;
inline constexpr std::uint32_t kOlive = 0xFF808000;
inline constexpr std::uint32_t kGray = 0xFF808080;
inline constexpr std::uint32_t kSilver = 0xFFC0C0C0;
inline constexpr std::uint32_t kRed = 0xFFFF0000;
inline constexpr std::uint32_t kFuchsia = 0xFFFF00FF;
inline constexpr std::uint32_t kYellow = 0xFFFFFF00;
inline constexpr std::uint32_t kWhite = 0xFFFFFFFF;
inline constexpr std::uint32_t kNone = 0x00000000;
} // namespace cad_color

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
