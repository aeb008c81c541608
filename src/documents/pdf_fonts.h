// The fourteen standard PDF fonts, which every viewer has, so none is embedded.
#pragma once

#include <array>

namespace brevant {

enum TPDFFontName : int {
    poHelvetica = 0,
    poHelveticaBold = 1,
    poHelveticaOblique = 2,
    poHelveticaBoldOblique = 3,
    poCourier = 4,
    poCourierBold = 5,
    poCourierOblique = 6,
    poCourierBoldOblique = 7,
    poTimesRoman = 8,
    poTimesBold = 9,
    poTimesItalic = 10,
    poTimesBoldItalic = 11,
    poSymbol = 12,
    poZapfDingbats = 13
};
inline constexpr int kPdfFontCount = 14;

// The /BaseFont name of each font, by ordinal.
inline constexpr std::array<const char*, kPdfFontCount> kPdfBaseFontNames = {
    "Helvetica",   "Helvetica-Bold", "Helvetica-Oblique", "Helvetica-BoldOblique",
    "Courier",     "Courier-Bold",   "Courier-Oblique",   "Courier-BoldOblique",
    "Times-Roman", "Times-Bold",     "Times-Italic",      "Times-BoldItalic",
    "Symbol",      "ZapfDingbats"};

// Symbol and ZapfDingbats carry their own encoding; the text fonts use WinAnsiEncoding.
inline constexpr bool HasWinAnsiEncoding(TPDFFontName name) {
    return name != poSymbol && name != poZapfDingbats;
}

struct TPDFFont {
    TPDFFontName Name = poCourier;
    int Size = 12; // points
};

} // namespace brevant
