// Colour numbers of the CAD file formats: the palette each format writes and reads back.
#include "caddraw/cad_colors.h"

#include <array>
#include <cstddef>

namespace brevant {

namespace {

using namespace cad_color;

struct ColorNumbers {
    std::uint32_t color;
    int cdl;
    int dxf;
    int iges;
};

constexpr std::array<ColorNumbers, 17> kWritten = {{
    {kBlack, 0, 3, 0},
    {kNavy, 8, 13, 4},
    {kBlue, 9, 5, 4},
    {kGreen, 1, 12, 3},
    {kTeal, 5, 4, 7},
    {kLime, 10, 3, 3},
    {kAqua, 11, 11, 7},
    {kMaroon, 2, 9, 2},
    {kPurple, 6, 14, 6},
    {kOlive, 3, 10, 5},
    {kGray, 7, 8, 8},
    {kSilver, 14, 15, 8},
    {kRed, 12, 1, 2},
    {kFuchsia, 13, 6, 6},
    {kYellow, 4, 2, 5},
    {kWhite, 15, 7, 8},
    {kNone, 10, 0, 3},
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
    kBlack, kGreen, kMaroon, kOlive, kYellow,  kTeal,   kPurple, kGray, kNavy,
    kBlue,  kLime,  kAqua,   kRed,   kFuchsia, kSilver, kWhite,  kGreen};
constexpr std::array<std::uint32_t, 17> kDxfRead = {
    kBlack,  kRed,   kYellow, kLime,  kTeal, kBlue,   kFuchsia, kWhite, kGray,
    kMaroon, kOlive, kAqua,   kGreen, kNavy, kPurple, kSilver,  kWhite};
constexpr std::array<std::uint32_t, 17> kIgesRead = {
    kBlack, kRed,    kRed,  kLime, kBlue, kYellow,  kFuchsia, kAqua, kWhite,
    kRed,   kYellow, kAqua, kLime, kBlue, kFuchsia, kWhite,   kLime};

std::uint32_t BlackOn(std::uint32_t background) {
    return background == kBlack ? kSilver : kBlack;
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
    if (index < 0) return kSilver;
    if (index > 16) return kGreen;
    if (index == 0) return BlackOn(background);
    if (index == 15 && background == kWhite) return kSilver;
    return kCdlRead[static_cast<std::size_t>(index)];
}

std::uint32_t ColorFromDxfNumber(int number, std::uint32_t background) {
    if (number < 0 || number > 16) return kLime;
    if (number == 0) return BlackOn(background);
    return kDxfRead[static_cast<std::size_t>(number)];
}

std::uint32_t ColorFromIgesNumber(int number) {
    if (number < 0 || number > 16) return kLime;
    return kIgesRead[static_cast<std::size_t>(number)];
}

} // namespace brevant
