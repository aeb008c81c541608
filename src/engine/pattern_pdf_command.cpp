// "Save Flat Pattern PDF": the flat pattern redrawn for print, cut into page-sized tiles and
// written at full scale, one page per tile that the pattern's lines touch.
#include "cone/cylinder.h"
#include "cone/oblique_cone.h"
#include "cone/regular_cone.h"
#include "cone/side_cuts.h"
#include "core/io_error_text.h"
#include "core/messages.h"
#include "documents/pattern_pdf.h"
#include "engine/layout_engine.h"
#include "layouts/pipe/pipe_geometry.h"
#include "layouts/pipe/pipe_pattern.h"
#include "layouts/spiral/spiral_pattern.h"

#include <filesystem>

namespace brevant {

namespace {

constexpr int kFinePrintResolution = 360;
constexpr int kPrintResolution = 100;

// Bend, side-cut and seam lines need one ring point per degree to meet the outline.
int PrintResolution(LayoutEngine& e) {
    const FormModel& f = e.Form;
    const bool bends = f.ConeBendLinesCheckBox.checked && e.EffectiveBends() > 3;
    const bool arcs = !f.TopArcLengthEdit.text.empty() && !f.BottomArcLengthEdit.text.empty();
    const bool widths = !f.TopCutWidthEdit.text.empty() && !f.BottomCutWidthEdit.text.empty();
    const bool cuts = f.SideCutsCheckBox.checked && (arcs || widths);
    const bool seam = f.SeamLineCheckBox.checked && e.Def.SeamAngle > 0;
    return bends || cuts || seam ? kFinePrintResolution : kPrintResolution;
}

void RedrawConeForPrint(LayoutEngine& e) {
    ConeJob job = e.MakeConeJob();
    job.Drv.PdfInProgress = true;
    if (e.Def.IsCylinder) {
        if (e.Cone.IsObliqueCone && (e.Def.TopAngle != 0 || e.Def.BottomAngle != 0))
            DrawObliqueCylinderPattern(job);
        else
            DrawCylinderPattern(job);
        if (SideCutsApply(job)) {
            SideCutAngles(job);
            DrawSideCutLines(job);
        }
    } else if (e.Cone.IsObliqueCone) {
        e.Flat.Clear();
        DrawObliqueConePattern(job);
    } else {
        DrawRegularConePatternForPrint(job);
    }
    e.ShowFlat();
}

// The print drawing of the input page shown, in place of the screen drawing.
void RedrawForPrint(LayoutEngine& e) {
    switch (e.CurrentInputPage()) {
    case kPipePage: {
        const PipeInputs in = PipeInputsOf(e.Def, e.Pipe.MaterialThickness);
        e.Flat.Clear();
        e.Drv.PdfInProgress = true;
        if (CheckPipeInputs(in) == PipeCheck::Ok) DrawPipePattern(e.Flat, in, e.Drv.PdfInProgress);
        e.ShowFlat();
        break;
    }
    case kSpiralPage:
        DrawSpiralFlightForPrint(e.Flat, e.Spiral, e);
        e.ShowFlat();
        break;
    case kSquarePage:
        e.CalculateSquareToRound(true);
        break;
    default:
        RedrawConeForPrint(e);
        break;
    }
    // The print shows no annotations: they neither print nor widen the tiling.
    for (TElement& el : e.CadDraw1.Elements())
        if (el.Layer == 5 || el.Layer == 7) el.Deleted = true;
    e.CadDraw1.SetExtents();
}

// Asks for the file and whether to replace an existing one; empty when the user declined.
std::string AskPdfFile(LayoutEngine& e) {
    const std::string path =
        e.SaveFileDialog("Save Pattern PDF", "PDF", "pdf", false, e.DefaultFileName("pdf"));
    if (path.empty()) return path;
    std::error_code ec;
    if (std::filesystem::exists(path, ec) && e.ConfirmOverwrite() != kResultYes) return {};
    return path;
}

bool SaveTiles(LayoutEngine& e, const PdfTiles& tiles, const std::vector<PdfLine>& lines,
               const PdfPaper& paper) {
    const std::string path = AskPdfFile(e);
    if (path.empty()) return false;
    PatternPdfJob job;
    job.Paper = paper;
    job.LineWidth = static_cast<float>(e.Form.CheckedRadioTag("LineThickness", 1));
    job.Title = e.Form.Caption;
    job.ScaleNote = PdfScaleNote(paper, e.Format());
    std::string reason;
    if (!WritePatternPdf(path, tiles, lines, job, reason)) {
        e.SetIOError(WriteErrorText(path, reason));
        e.ShowMessageDialog(e.LastIOError(), path);
        return false;
    }
    e.Host().OpenWithSystem(path);
    return true;
}

bool PrintPatternPdf(LayoutEngine& e) {
    e.Drv.CircleResolution = PrintResolution(e);
    e.CadDraw1.SetExtents();
    RedrawForPrint(e);
    if (e.Form.PDFCombo.itemIndex < 0) e.Form.PDFCombo.itemIndex = 0;
    const PdfPaper paper = PdfPageSize(e.Form.PDFCombo.itemIndex, e.Form.LandscapeRadio.checked);
    const float tw = paper.WidthInches - 2 * kPdfMargin;
    const float th = paper.HeightInches - 2 * kPdfMargin;
    const TSettings& s = e.CadDraw1.CadSettings();
    const PdfExtents extents{s.min_x, s.min_y, s.max_x, s.max_y};
    const std::vector<PdfLine> lines = PrintableLines(e.CadDraw1);
    const PdfTiles tiles = TilePattern(extents, tw, th, lines);
    DrawTileOutlines(e.CadDraw1, extents, tw, th, tiles.Rows, tiles.Columns);
    e.CadDraw1.Redraw();
    // Written past KeepStatusOnce: the redraw may have asked to keep a status of its own, and
    // the page count is what the user needs to see now.
    if (tiles.Count >= kMaxPdfTiles) {
        e.Form.StatusLabel.text = kMsgPdfTooManyPages;
        return false;
    }
    e.Form.StatusLabel.text = std::to_string(tiles.Used()) + " " + paper.Name + kMsgPdfPagesSuffix;
    return SaveTiles(e, tiles, lines, paper);
}

} // namespace

bool LayoutEngine::MenuPrintToPDFClick() {
    ClearStatus();
    SetIOError("");
    const int resolution = Drv.CircleResolution;
    Drv.PdfInProgress = true;
    const bool written = PrintPatternPdf(*this);
    Drv.CircleResolution = resolution;
    Drv.PdfInProgress = false;
    return written;
}

} // namespace brevant
