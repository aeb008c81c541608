// Writing the tiles of the full-scale pattern PDF.
#include "documents/pattern_pdf.h"

#include <cmath>

namespace brevant {

namespace {

constexpr int kLabelX = 25;
constexpr int kLabelY = 40;
constexpr int kLabelSize = 20;
// The scale note sits just inside the tile's bottom edge, clear of the 0.3 inch band that most
// printers cannot reach, in a size that stays legible on a shop print.
constexpr int kNoteSize = 9;
constexpr int kNoteAboveBottom = 30; // the note's baseline above the page's bottom edge, points
constexpr int kBorderOffset = 21;    // the tile's edge lies 21.6 points in

} // namespace

std::string PdfScaleNote(const PdfPaper& paper, const DisplayFormat& format) {
    const float tw = paper.WidthInches - 2 * kPdfMargin;
    const float th = paper.HeightInches - 2 * kPdfMargin;
    return "Border " + format.Length(tw) + " x " + format.Length(th) + " " +
           UnitShortName(format.Units) + ": measure it to check the print scale";
}

std::string PdfTileLabel(const PdfTile& tile) {
    return "Row: " + std::to_string(tile.Row) + " Col: " + std::to_string(tile.Col);
}

void WriteTilePage(TPrintPDF& pdf, const PdfTile& t, const PatternPdfJob& job,
                   const std::vector<PdfLine>& lines) {
    const PdfPaper& p = job.Paper;
    pdf.DrawRectangle(
        kBorderOffset, static_cast<int>(std::trunc((p.HeightInches - kPdfMargin) * kPointsPerInch)),
        static_cast<int>(std::trunc((p.WidthInches - kPdfMargin) * kPointsPerInch)), kBorderOffset);
    pdf.Font = {poHelveticaBold, kLabelSize};
    pdf.TextOut(kLabelX, kLabelY, PdfTileLabel(t));
    if (!job.ScaleNote.empty()) {
        pdf.Font = {poHelvetica, kNoteSize};
        pdf.TextOut(kLabelX, static_cast<int>(std::trunc(p.HeightPoints)) - kNoteAboveBottom,
                    job.ScaleNote);
        pdf.Font = {poHelveticaBold, kLabelSize};
    }
    const float x1 = t.MinX - kPdfMargin, y1 = t.MinY - kPdfMargin;
    const float x2 = t.MaxX + kPdfMargin, y2 = t.MaxY + kPdfMargin;
    const float margin = kPdfMargin * kPointsPerInch;
    for (const PdfLine& l : lines) {
        if (!LineTouchesRect(l, x1, y1, x2, y2)) continue;
        pdf.DrawLine(
            (l.X1 - t.MinX) * kPointsPerInch + margin, (l.Y1 - t.MinY) * kPointsPerInch + margin,
            (l.X2 - t.MinX) * kPointsPerInch + margin, (l.Y2 - t.MinY) * kPointsPerInch + margin);
    }
}

void BuildPatternPdf(TPrintPDF& pdf, const PdfTiles& tiles, const std::vector<PdfLine>& lines,
                     const PatternPdfJob& job) {
    pdf.TITLE = job.Title;
    pdf.Producer = "Quorvel PDF";
    pdf.Author = "Quorvel Software";
    pdf.Creator = "Tessaly 3D";
    pdf.CreationDate = job.CreationDate;
    pdf.PageWidth = job.Paper.WidthPoints;
    pdf.PageHeight = job.Paper.HeightPoints;
    pdf.BeginDoc();
    pdf.LineWidth = job.LineWidth;
    pdf.Font = {poHelveticaBold, kLabelSize};
    bool first = true;
    for (int k = 0; k < tiles.Count; ++k) {
        const PdfTile& t = tiles.Tiles[std::size_t(k)];
        if (!t.Used) continue;
        if (!first) pdf.NewPage();
        first = false;
        WriteTilePage(pdf, t, job, lines);
    }
    pdf.Finish();
}

bool WritePatternPdf(const std::string& path, const PdfTiles& tiles,
                     const std::vector<PdfLine>& lines, const PatternPdfJob& job,
                     std::string& reason) {
    TPrintPDF pdf;
    BuildPatternPdf(pdf, tiles, lines, job);
    pdf.FileName = path;
    return pdf.EndDoc(reason);
}

} // namespace brevant
