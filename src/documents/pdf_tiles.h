// Cutting a pattern's bounding box into page-sized tiles, and which tiles its lines touch.
#pragma once

#include "caddraw/element.h"

#include <array>
#include <cstdint>
#include <vector>

namespace brevant {

class TCadDrawing;

inline constexpr float kPdfMargin = 0.3f; // inch of band beyond each tile edge on its page
inline constexpr int kMaxPdfTiles = 60;
// Tile outlines drawn into the view at most: a huge pattern would otherwise fill the drawing
// with millions of rectangles.
inline constexpr int kMaxPdfTileOutlines = 3600;
inline constexpr TColor kPdfTileOutlineColor = 0xFF008000;
inline constexpr TColor kPrintBoxColor = 0xFF808080;
inline constexpr int kPdfTileLayer = 6;

struct PdfTile {
    std::int32_t Row = 0; // from 1 at the top
    std::int32_t Col = 0; // from 1 at the left
    float MinX = 0, MinY = 0, MaxX = 0, MaxY = 0;
    bool Used = false;
};

// Tiles in row order (top row first, left to right), at most kMaxPdfTiles recorded; Total
// counts every tile of the grid, also those beyond the recorded ones.
struct PdfTiles {
    std::array<PdfTile, kMaxPdfTiles> Tiles{};
    int Count = 0;
    int Rows = 0;
    int Columns = 0;
    int Used() const;
};

struct PdfLine {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

// The lines a full-scale print shows: undeleted line elements that are not grey and not on
// the annotation layers 5 and 7 or the bounding-box layer 8.
bool IsPrintableLine(const TElement& element);
std::vector<PdfLine> PrintableLines(const TCadDrawing& drawing);

// True when the line has an end strictly inside the rectangle or meets one of its edges.
bool LineTouchesRect(const PdfLine& line, float x1, float y1, float x2, float y2);

// The extents of a drawing as the tiling reads them.
struct PdfExtents {
    double MinX = 0, MinY = 0, MaxX = 0, MaxY = 0;
};

// Cuts the extents into tiles of tw by th inches and marks those the lines touch.
PdfTiles TilePattern(const PdfExtents& extents, float tw, float th,
                     const std::vector<PdfLine>& lines);

// Draws the outline of every tile of the grid (up to kMaxPdfTileOutlines) into the drawing on
// layer 6, green, without growing the extents; layer 6 stays current.
void DrawTileOutlines(TCadDrawing& drawing, const PdfExtents& extents, float tw, float th, int rows,
                      int columns);

} // namespace brevant
