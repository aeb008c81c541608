// The papers of the full-scale pattern PDF: the page in points and the tile size in inches.
#pragma once

#include <array>

namespace brevant {

struct PdfPaper {
    const char* Name = "Letter";
    float WidthPoints = 612;
    float HeightPoints = 792;
    float WidthInches = 8.5f; // as listed, single precision: they size the tiles
    float HeightInches = 11;
};

// By the index of the settings' paper list (PDFCombo), portrait.
inline constexpr std::array<PdfPaper, 14> kPdfPapers = {{
    {"Letter", 612, 792, 8.5f, 11},
    {"A0", 2384, 3370, 33.11111f, 46.80555f},
    {"A1", 1683.78f, 2383.94f, 23.38583f, 33.11027f},
    {"A2", 1190.55f, 1683.78f, 16.53541f, 23.38583f},
    {"A3", 841.89f, 1190.55f, 11.69291f, 16.53541f},
    {"A4", 595.28f, 841.89f, 8.2677f, 11.69291f},
    {"A5", 419.53f, 595.28f, 5.8268f, 8.26777f},
    {"B1", 2063.62f, 2919.69f, 28.66138f, 40.55125f},
    {"B2", 1459.84f, 2063.62f, 20.27555f, 28.66138f},
    {"B3", 1031.81f, 1459.84f, 14.33069f, 20.27555f},
    {"B4", 728.5f, 1031.81f, 10.11805f, 14.33069f},
    {"B5", 515.91f, 728.5f, 7.16541f, 10.11805f},
    {"Legal", 612, 1008, 8.5f, 14},
    {"11x17", 792, 1224, 11, 17},
}};

// The paper of a list index (outside the list: index 0), turned for landscape.
inline PdfPaper PdfPageSize(int index, bool landscape) {
    PdfPaper p = kPdfPapers[index >= 0 && index < int(kPdfPapers.size()) ? index : 0];
    if (landscape) {
        std::swap(p.WidthPoints, p.HeightPoints);
        std::swap(p.WidthInches, p.HeightInches);
    }
    return p;
}

} // namespace brevant
