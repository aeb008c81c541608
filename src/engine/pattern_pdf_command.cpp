// "Save Flat Pattern PDF": the chosen kind's print pattern, cut into page-sized tiles and
// written at full scale, one page per tile that the pattern's lines touch.
#include "caddraw/flat_pattern_render.h"
#include "core/io_error_text.h"
#include "core/messages.h"
#include "documents/pattern_pdf.h"
#include "engine/layout_engine.h"

#include <algorithm>

namespace brevant {

namespace {

// The print pattern without its annotations: they neither print nor widen the tiling.
FlatPattern PrintPattern(const LayoutEngine& e) {
    const LayoutKind* kind = e.CurrentKind();
    if (!kind) return {};
    FlatPattern p = kind->PatternFor(PatternUse::Print);
    std::erase_if(p.Strokes, [](const FlatStroke& s) { return s.Role == FlatRole::Dimension; });
    return p;
}

// The print drawing on its paper: its extents, its lines and the tiles they touch.
struct PdfPlan {
    PdfPaper Paper;
    PdfExtents Extents;
    float TileWidth = 0;
    float TileHeight = 0;
    std::vector<PdfLine> Lines;
    PdfTiles Tiles;
};

PdfPlan PlanPdf(LayoutEngine& e, const FlatPattern& print) {
    if (e.Form.PDFCombo.itemIndex < 0) e.Form.PDFCombo.itemIndex = 0;
    PdfPlan plan;
    plan.Paper = PdfPageSize(e.Form.PDFCombo.itemIndex, e.Form.LandscapeRadio.checked);
    plan.TileWidth = plan.Paper.WidthInches - 2 * kPdfMargin;
    plan.TileHeight = plan.Paper.HeightInches - 2 * kPdfMargin;
    TCadDrawing drawing;
    RenderFlatPattern(drawing, print);
    drawing.SetExtents();
    const TSettings& s = drawing.CadSettings();
    plan.Extents = {s.min_x, s.min_y, s.max_x, s.max_y};
    plan.Lines = PrintableLines(drawing);
    plan.Tiles = TilePattern(plan.Extents, plan.TileWidth, plan.TileHeight, plan.Lines);
    return plan;
}

// Asks for the file (and whether to replace an existing one); empty when the user declined.
std::string AskPdfFile(LayoutEngine& e) {
    return e.SaveFileDialog("Save Pattern PDF", "PDF", "pdf", false, e.DefaultFileName("pdf"));
}

OutputOutcome SaveTiles(LayoutEngine& e, const PdfPlan& plan) {
    if (plan.Tiles.Count >= kMaxPdfTiles) return OutputOutcome::Refused(kMsgPdfTooManyPages);
    const std::string path = AskPdfFile(e);
    if (path.empty()) return OutputOutcome::Cancelled();
    PatternPdfJob job;
    job.Paper = plan.Paper;
    job.LineWidth = static_cast<float>(e.Form.CheckedRadioTag("LineThickness", 1));
    job.Title = e.Form.Caption;
    job.ScaleNote = PdfScaleNote(plan.Paper, e.Format());
    std::string reason;
    if (!WritePatternPdf(path, plan.Tiles, plan.Lines, job, reason)) {
        e.SetIOError(WriteErrorText(path, reason));
        e.ShowMessageDialog(e.LastIOError(), path);
        return OutputOutcome::Failed(e.LastIOError());
    }
    e.Host().OpenWithSystem(path);
    return OutputOutcome::Written();
}

} // namespace

OutputOutcome LayoutEngine::SavePatternPdf() {
    SetIOError("");
    if (auto refused = RefuseUncalculatedOutput()) return *refused;
    return SaveTiles(*this, PlanPdf(*this, PrintPattern(*this)));
}

bool LayoutEngine::MenuPrintToPDFClick() {
    ClearStatus();
    SetIOError("");
    if (RefuseUncalculatedOutput()) return false;
    const FlatPattern print = PrintPattern(*this);
    const PdfPlan plan = PlanPdf(*this, print);
    // The flat view shows what is printed, with the tiles, until the next Calculate.
    ShowFlatPattern(CadDraw1, print);
    DrawTileOutlines(CadDraw1, plan.Extents, plan.TileWidth, plan.TileHeight, plan.Tiles.Rows,
                     plan.Tiles.Columns);
    CadDraw1.Redraw();
    if (plan.Tiles.Count >= kMaxPdfTiles) {
        Form.StatusLabel.text = kMsgPdfTooManyPages;
        return false;
    }
    // Written past KeepStatusOnce: the page count is what the user needs to see now.
    Form.StatusLabel.text =
        std::to_string(plan.Tiles.Used()) + " " + plan.Paper.Name + kMsgPdfPagesSuffix;
    return SaveTiles(*this, plan).written();
}

} // namespace brevant
