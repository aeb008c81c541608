// The tiling of the full-scale pattern PDF, in single precision as the pages are measured.
#include "documents/pdf_tiles.h"

#include "caddraw/cad_drawing.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {

struct FPoint {
    float x = 0, y = 0;
};

// Whether segment p1p2 meets edge e1e2; parallel segments never meet.
bool SegmentsMeet(FPoint p1, FPoint p2, FPoint e1, FPoint e2) {
    const float d = (e2.y - e1.y) * (p2.x - p1.x) - (e2.x - e1.x) * (p2.y - p1.y);
    if (d == 0) return false;
    const float t = ((e2.x - e1.x) * (p1.y - e1.y) - (e2.y - e1.y) * (p1.x - e1.x)) / d;
    const float u = ((p2.x - p1.x) * (p1.y - e1.y) - (p2.y - p1.y) * (p1.x - e1.x)) / d;
    return t >= 0 && t <= 1 && u >= 0 && u <= 1;
}

bool StrictlyInside(FPoint p, float x1, float y1, float x2, float y2) {
    return x1 < p.x && p.x < x2 && y1 < p.y && p.y < y2;
}

// Columns (or rows) of tiles of the given size over a span; a drawing with extents gets one
// at least, so a pattern of zero width (a single vertical line) still prints.
int TileCount(double span, float size) {
    if (span < 0 || !(size > 0)) return 0;
    const float n = std::ceil(static_cast<float>(span) / size);
    return std::max(1, static_cast<int>(std::min(n, 1e6f)));
}

} // namespace

int PdfTiles::Used() const {
    return static_cast<int>(std::count_if(Tiles.begin(), Tiles.begin() + Count,
                                          [](const PdfTile& t) { return t.Used; }));
}

bool IsPrintableLine(const TElement& e) {
    return e.Etype == kElementLine && !e.Deleted && e.LineColor != kPrintBoxColor && e.Layer != 5 &&
           e.Layer != 7 && e.Layer != 8;
}

std::vector<PdfLine> PrintableLines(const TCadDrawing& drawing) {
    std::vector<PdfLine> lines;
    for (const TElement& e : drawing.Elements())
        if (IsPrintableLine(e))
            lines.push_back(
                {float(e.Coord(1)), float(e.Coord(2)), float(e.Coord(4)), float(e.Coord(5))});
    return lines;
}

bool LineTouchesRect(const PdfLine& l, float x1, float y1, float x2, float y2) {
    const FPoint p1{l.X1, l.Y1}, p2{l.X2, l.Y2};
    if (StrictlyInside(p1, x1, y1, x2, y2) || StrictlyInside(p2, x1, y1, x2, y2)) return true;
    const FPoint ll{x1, y1}, ul{x1, y2}, lr{x2, y1}, ur{x2, y2};
    return SegmentsMeet(p1, p2, ll, ul) || SegmentsMeet(p1, p2, lr, ur) ||
           SegmentsMeet(p1, p2, ll, lr) || SegmentsMeet(p1, p2, ul, ur);
}

PdfTiles TilePattern(const PdfExtents& x, float tw, float th, const std::vector<PdfLine>& lines) {
    PdfTiles tiles;
    tiles.Columns = TileCount(x.MaxX - x.MinX, tw);
    tiles.Rows = TileCount(x.MaxY - x.MinY, th);
    if (tiles.Columns == 0 || tiles.Rows == 0) tiles.Columns = tiles.Rows = 0;
    const auto minX = static_cast<float>(x.MinX), maxY = static_cast<float>(x.MaxY);
    for (int i = 0; i < tiles.Rows && tiles.Count < kMaxPdfTiles; ++i) {
        for (int j = 0; j < tiles.Columns && tiles.Count < kMaxPdfTiles; ++j) {
            const float cx = minX + float(j) * tw + tw / 2;
            const float cy = maxY - (float(i) * th + th / 2);
            PdfTile& t = tiles.Tiles[std::size_t(tiles.Count++)];
            t = {i + 1, j + 1, cx - tw / 2, cy - th / 2, cx + tw / 2, cy + th / 2, false};
            t.Used = std::any_of(lines.begin(), lines.end(), [&t](const PdfLine& l) {
                return LineTouchesRect(l, t.MinX, t.MinY, t.MaxX, t.MaxY);
            });
        }
    }
    return tiles;
}

void DrawTileOutlines(TCadDrawing& drawing, const PdfExtents& x, float tw, float th, int rows,
                      int columns) {
    TSettings& s = drawing.CadSettings();
    s.current_layer = kPdfTileLayer;
    s.current_linetype = kLineSolidNoExtents;
    const auto minX = static_cast<float>(x.MinX), maxY = static_cast<float>(x.MaxY);
    int drawn = 0;
    for (int i = 0; i < rows && drawn < kMaxPdfTileOutlines; ++i) {
        for (int j = 0; j < columns && drawn < kMaxPdfTileOutlines; ++j, ++drawn) {
            const float cx = minX + float(j) * tw + tw / 2;
            const float cy = maxY - (float(i) * th + th / 2);
            drawing.MakeRectangle(cx, cy, tw, th, 0, kPdfTileOutlineColor);
        }
    }
    s.current_linetype = 0;
}

} // namespace brevant
