// Printing the data sheet: a grid of three columns and rows of one and a half text heights,
// all measured from the printer's page width.
#include "documents/data_sheet.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {

constexpr const char* kSheetFont = "ARIAL";
constexpr double kSheetFontPoints = 10;

// The printer's page as the grid sees it, and the current position kept while printing.
class SheetPrinter {
public:
    explicit SheetPrinter(IPrinter& printer)
        : printer_(printer), p_(static_cast<int>(printer.PageWidth())) {
        u_ = static_cast<float>(p_) / 8;
        g_ = 1.5 * (u_ / 72 * 10);
    }
    void Start() {
        printer_.SetFont(kSheetFont, kSheetFontPoints);
        wM_ = printer_.Canvas().MeasureText("M").width;
    }
    // Prints at column c, row r; returns the position just below the text.
    TPixelPoint Cell(int c, int r, const std::string& text) {
        const double x = (c - 1) * (p_ / 3.0) + (p_ / 5) / 4;
        const double y = r * g_;
        const double width = (double(text.size()) + 2) * wM_;
        printer_.Canvas().FillText(x, y, width, 3 * g_, text, kColorBlack);
        return {x, y + g_};
    }
    void Down(int c, int r, const std::string& text) { cur_ = Cell(c, r, text); }
    void Edit(int c, int r, const std::string& label, const brevant::Edit& edit) {
        Cell(c, r, label + edit.text);
    }
    void Rule() {
        ICanvas& canvas = printer_.Canvas();
        canvas.SetStrokeWidth(1);
        canvas.DrawLine(cur_.x, cur_.y, p_ - p_ / 5, cur_.y);
    }
    // Prints the view at half the page width from start; returns the y below it.
    int PrintView(TCadDraw& view, TPixelPoint start) {
        view.CadSettings().print_monochrome = true;
        view.CadSettings().print_stroke_width = static_cast<float>(0.01 * u_);
        const int below = view.PrintCad(printer_, start, 0.5);
        printer_.SetFont(kSheetFont, kSheetFontPoints);
        return below;
    }
    TPixelPoint Current() const { return cur_; }
    double RowHeight() const { return g_; }

private:
    IPrinter& printer_;
    int p_;
    float u_ = 0;
    double g_ = 0;
    double wM_ = 0;
    TPixelPoint cur_;
};

void PrintSquare(SheetPrinter& s, const DataSheetJob& j) {
    const FormModel& f = j.Form;
    s.Cell(2, 1, "Square to Round Dimensions:");
    s.Edit(1, 2, "Square Width: ", f.SquareWidth);
    s.Edit(2, 2, "Top Diameter: ", f.SquareTopDiameter);
    s.Edit(3, 2, "Height: ", f.SquareHeight);
    s.Down(1, 3, "Square Length: " + f.SquareLength.text);
    s.Cell(3, 3, "Units: " + j.UnitsLongName);
}

void PrintCone(SheetPrinter& s, const DataSheetJob& j) {
    const FormModel& f = j.Form;
    s.Cell(2, 1, "Cone Dimensions:");
    s.Edit(1, 2, "Bottom Diameter: ", f.ConeBottomDiameter);
    s.Edit(2, 2, "Top Diameter: ", f.ConeTopDiameter);
    s.Edit(3, 2, "Cone Height: ", f.ConeHeight);
    s.Down(1, 3, "Side Angle: " + f.SideAngle.text);
    s.Edit(2, 3, "Side Length: ", f.SideLength);
}

void PrintSpiral(SheetPrinter& s, const DataSheetJob& j) {
    const FormModel& f = j.Form;
    s.Cell(2, 1, "Spiral Dimensions:");
    s.Edit(1, 2, "Outside Diameter: ", f.SpiralODEdit);
    s.Edit(2, 2, "Inside Diameter: ", f.SpiralIDEdit);
    s.Edit(3, 2, "Pitch: ", f.SpiralPitchEdit);
    s.Down(1, 4, "Results: ");
    s.Rule();
    s.Cell(1, 5, "Large Radius: " + f.LargeRadius.text);
    s.Cell(2, 5, "Small Radius: " + f.SmallRadius.text);
    s.Cell(3, 5, "Width X: " + f.WidthX.text);
    s.Cell(1, 6, "Height Y: " + f.HeightY.text);
    s.Cell(2, 6, "Angle A: " + f.AngleA.text);
    s.Cell(3, 6, "Inner Cord: " + f.InnerCord.text);
    s.Down(1, 7, "Outer Cord: " + f.OuterCord.text);
}

void PrintPipe(SheetPrinter& s, const DataSheetJob& j) {
    const FormModel& f = j.Form;
    s.Cell(2, 1, "Pipe Dimensions:");
    s.Edit(1, 2, "Main Pipe Diameter: ", f.BigPipeDiaEdit);
    s.Edit(2, 2, "Small Pipe Diameter: ", f.SmallPipeDiaEdit);
    s.Down(3, 2, "Offset: " + f.PipeOffsetEdit.text);
}

void PrintSquareDetails(SheetPrinter& s, const DataSheetJob& j) {
    const FormModel& f = j.Form;
    s.Cell(1, 5, "File Name: " + j.DefinitionFile);
    s.Edit(1, 6, "Top X Shift: ", f.SquareTopXShift);
    s.Edit(2, 7, "Top Angle: ", f.SquareTopAngle);
    s.Edit(1, 7, "Top Y Shift: ", f.SquareTopYShift);
    s.Down(1, 8, "Number of Corner Bends: " + std::to_string(j.BendsPerCorner));
}

void PrintObliqueDetails(SheetPrinter& s, const DataSheetJob& j) {
    const FormModel& f = j.Form;
    s.Cell(1, 5, "File Name: " + j.DefinitionFile);
    s.Edit(1, 6, "Top Shift: ", f.ConeTopXShift);
    s.Edit(2, 7, "Top Angle: ", f.ConeTopAngle);
    s.Edit(3, 7, "Bottom Angle: ", f.BottomAngle);
    s.Edit(1, 7, "Top Ellipse Short Axis: ", f.TopEllipseWidth);
    s.Down(1, 8, "Bottom Ellipse Short Axis: " + f.BottomEllipseWidth.text);
    s.Cell(2, 8, "Seam Angle: " + j.SeamAngle);
}

void PrintRegularDetails(SheetPrinter& s, const DataSheetJob& j) {
    const FormModel& f = j.Form;
    s.Cell(2, 5, "Flat Pattern:");
    s.Cell(1, 6, "File Name: " + j.DefinitionFile);
    s.Cell(2, 7, "Large Radius: " + f.LargeRadius.text);
    s.Cell(3, 7, "Small Radius: " + f.SmallRadius.text);
    s.Cell(1, 7, "Angle A: " + f.AngleA.text);
    s.Cell(2, 8, "Width X: " + f.WidthX.text);
    s.Cell(3, 8, "Height Y: " + f.HeightY.text);
    s.Down(1, 8, "Inner Cord: " + f.InnerCord.text);
    if (f.ThicknessCheckBox.checked) {
        s.Down(1, 9, "Thickness: " + f.ThicknessEdit.text);
        s.Cell(2, 9, f.WeightLabel.text);
    }
}

void PrintConeExtras(SheetPrinter& s, const DataSheetJob& j) {
    const FormModel& f = j.Form;
    if (f.SideCutsCheckBox.checked && j.SideCutsApply) {
        s.Down(1, 9, "Top Cut Width: " + f.TopCutWidthEdit.text);
        s.Edit(2, 9, "Bottom Cut Width: ", f.BottomCutWidthEdit);
        if (!f.TopArcLengthEdit.text.empty() && !f.BottomArcLengthEdit.text.empty()) {
            s.Down(1, 10, "Top Arc Length: " + f.TopArcLengthEdit.text);
            s.Edit(2, 10, "Bottom Arc Length: ", f.BottomArcLengthEdit);
        }
    }
    if (!f.Overlap.text.empty()) s.Edit(3, 9, "Edge Overlap: ", f.Overlap);
}

// The sheet's row lies 14 rows below the current position, and below the flat pattern's print
// when that reaches further, so the two never overlap.
void PrintSheetNesting(SheetPrinter& s, const DataSheetJob& j, int flatBottom) {
    const FormModel& f = j.Form;
    const int row = std::max(static_cast<int>(std::trunc(s.Current().y / s.RowHeight())) + 14,
                             static_cast<int>(std::ceil(flatBottom / s.RowHeight())));
    const std::string& w = f.SheetWidth.text;
    const std::string& h = f.SheetHeight.text;
    s.Down(1, row,
           "Sheet:" + w + " X " + h + " = " + std::to_string(j.SheetCount) + " pcs.   " + h +
               " X " + w + " = " + std::to_string(j.SheetCountTurned) + " pcs.");
    if (!f.XClearenceEdit.text.empty() || !f.YClearenceEdit.text.empty())
        s.Cell(3, row, "X,Y Clearence: " + f.XClearenceEdit.text + ", " + f.YClearenceEdit.text);
    s.PrintView(j.Sheet, s.Current());
}

void PrintPageCells(SheetPrinter& s, const DataSheetJob& j) {
    switch (j.Page) {
    case kSquarePage:
        PrintSquare(s, j);
        break;
    case kSpiralPage:
        PrintSpiral(s, j);
        break;
    case kPipePage:
        PrintPipe(s, j);
        break;
    default:
        PrintCone(s, j);
        break;
    }
    if (j.ObliqueCone)
        s.Cell(3, 3, "Units: " + j.UnitsLongName);
    else if (j.Page == kConePage)
        s.Cell(3, 3, j.SegmentAngle.empty() ? "Full Cone" : "Segment Angle = " + j.SegmentAngle);
    if (j.ObliqueCone) s.Rule();
    if (j.Page == kSquarePage) PrintSquareDetails(s, j);
    if (j.Page == kConePage) {
        if (j.ObliqueCone)
            PrintObliqueDetails(s, j);
        else
            PrintRegularDetails(s, j);
        PrintConeExtras(s, j);
    }
}

} // namespace

std::string DataSheetTitle(const DataSheetJob& job) {
    const char* prefix = job.Page == kSquarePage   ? "Square-"
                         : job.Page == kSpiralPage ? "Spiral Flight-"
                         : job.Page == kPipePage   ? "Pipe Intersection-"
                                                   : "Cone-";
    return prefix + job.DefinitionFile;
}

bool PrintDataSheet(IPrinter& printer, const DataSheetJob& job) {
    if (!printer.BeginDoc(DataSheetTitle(job))) return false;
    SheetPrinter s(printer);
    s.Start();
    s.Down(1, 1, "Date: " + job.Date);
    s.Rule();
    PrintPageCells(s, job);
    const int flatBottom = s.PrintView(job.Flat, {0, s.Current().y});
    if (job.SheetMade) PrintSheetNesting(s, job, flatBottom);
    printer.EndDoc();
    return true;
}

} // namespace brevant
