// Colour numbers of the CAD file formats: the palette each format writes and reads back.
#include "caddraw/cad_colors.h"

#include <array>
#include <cstddef>

namespace brevant {

namespace {

struct ColorNumbers {
    std::uint32_t color;
    int cdl;
    int dxf;
    int iges;
};

constexpr std::array<ColorNumbers, 17> kWritten = {{
    {kColorBlack, 0, 3, 0},
    {kColorNavy, 8, 13, 4},
    {kColorBlue, 9, 5, 4},
    {kColorGreen, 1, 12, 3},
    {kColorTeal, 5, 4, 7},
    {kColorLime, 10, 3, 3},
    {kColorCyan, 11, 11, 7},
    {kColorMaroon, 2, 9, 2},
    {kColorPurple, 6, 14, 6},
    {kColorOlive, 3, 10, 5},
    {kColorGrey, 7, 8, 8},
    {kColorSilver, 14, 15, 8},
    {kColorRed, 12, 1, 2},
    {kColorMagenta, 13, 6, 6},
    {kColorYellow, 4, 2, 5},
    {kColorWhite, 15, 7, 8},
    {kColorNone, 10, 0, 3},
}};
constexpr ColorNumbers kOtherColor = {0, 10, 3, 3};

const ColorNumbers& NumbersOf(std::uint32_t color) {
    for (const ColorNumbers& entry : kWritten) {
        if (entry.color == color) return entry;
    }
    return kOtherColor;
}

// Colours read for the numbers 0 to 16; index 0 of the CDL and DXF tables is resolved
// against the background by the callers.
constexpr std::array<std::uint32_t, 17> kCdlRead = {
    kColorBlack,  kColorGreen,   kColorMaroon, kColorOlive, kColorYellow, kColorTeal,
    kColorPurple, kColorGrey,    kColorNavy,   kColorBlue,  kColorLime,   kColorCyan,
    kColorRed,    kColorMagenta, kColorSilver, kColorWhite, kColorGreen};
constexpr std::array<std::uint32_t, 17> kDxfRead = {
    kColorBlack,   kColorRed,   kColorYellow, kColorLime,   kColorTeal,  kColorBlue,
    kColorMagenta, kColorWhite, kColorGrey,   kColorMaroon, kColorOlive, kColorCyan,
    kColorGreen,   kColorNavy,  kColorPurple, kColorSilver, kColorWhite};
constexpr std::array<std::uint32_t, 17> kIgesRead = {
    kColorBlack,   kColorRed,  kColorRed,     kColorLime,  kColorBlue,   kColorYellow,
    kColorMagenta, kColorCyan, kColorWhite,   kColorRed,   kColorYellow, kColorCyan,
    kColorLime,    kColorBlue, kColorMagenta, kColorWhite, kColorLime};

std::uint32_t BlackOn(std::uint32_t background) {
    return background == kColorBlack ? kColorSilver : kColorBlack;
}

} // namespace

int CdlColorIndex(std::uint32_t color) {
    return NumbersOf(color).cdl;
}
int DxfColorNumber(std::uint32_t color) {
    return NumbersOf(color).dxf;
}
int IgesColorNumber(std::uint32_t color) {
    return NumbersOf(color).iges;
}

std::uint32_t ColorFromCdlIndex(int index, std::uint32_t background) {
    if (index < 0) return kColorSilver;
    if (index > 16) return kColorGreen;
    if (index == 0) return BlackOn(background);
    if (index == 15 && background == kColorWhite) return kColorSilver;
    return kCdlRead[static_cast<std::size_t>(index)];
}

std::uint32_t ColorFromDxfNumber(int number, std::uint32_t background) {
    if (number < 0 || number > 16) return kColorLime;
    if (number == 0) return BlackOn(background);
    return kDxfRead[static_cast<std::size_t>(number)];
}

std::uint32_t ColorFromIgesNumber(int number) {
    if (number < 0 || number > 16) return kColorLime;
    return kIgesRead[static_cast<std::size_t>(number)];
}

} // namespace brevant
