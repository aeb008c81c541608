// The full-scale pattern PDF: one page per used tile, each with its tile and a 0.3 inch band
// around it at one inch of drawing to one inch of paper, a border on the tile's edges, the
// "Row: r Col: c" label and a line that states the border's size to check the print scale.
#pragma once

#include "core/display_format.h"
#include "documents/pdf_paper.h"
#include "documents/pdf_tiles.h"
#include "documents/pdf_writer.h"

#include <string>
#include <vector>

namespace brevant {

inline constexpr float kPointsPerInch = 72;

struct PatternPdfJob {
    PdfPaper Paper;
    float LineWidth = 1; // 0 thin, 1 medium, 2 thick
    std::string Title;   // the main window's caption
    std::string ScaleNote;
    std::string CreationDate; // empty: now
};

// "Border 7.9 x 10.4 in: measure it to check the print scale", the tile in the display unit.
std::string PdfScaleNote(const PdfPaper& paper, const DisplayFormat& format);

// The label of a tile's page: "Row: " r " Col: " c.
std::string PdfTileLabel(const PdfTile& tile);

// Draws one tile's page into the open document.
void WriteTilePage(TPrintPDF& pdf, const PdfTile& tile, const PatternPdfJob& job,
                   const std::vector<PdfLine>& lines);

// The whole document, finished in memory: one page per used tile in table order, or one empty
// page when no tile is used.
void BuildPatternPdf(TPrintPDF& pdf, const PdfTiles& tiles, const std::vector<PdfLine>& lines,
                     const PatternPdfJob& job);

// Builds the document and writes it to path atomically; false with the reason otherwise.
bool WritePatternPdf(const std::string& path, const PdfTiles& tiles,
                     const std::vector<PdfLine>& lines, const PatternPdfJob& job,
                     std::string& reason);

} // namespace brevant
