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
    // A black solid line of width 1, whatever the canvas was left with.
    void Rule() {
        ICanvas& canvas = printer_.Canvas();
        canvas.SetStrokeColor(kColorBlack);
        canvas.SetDash(TDashStyle::Solid);
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

void PrintSection(SheetPrinter& s, const DataSheetSection& section) {
    for (const SheetCell& c : section.Cells) {
        switch (c.Kind) {
        case SheetCell::Op::Cell:
            s.Cell(c.Column, c.Row, c.Text);
            break;
        case SheetCell::Op::Down:
            s.Down(c.Column, c.Row, c.Text);
            break;
        case SheetCell::Op::Rule:
            s.Rule();
            break;
        }
    }
}

// The sheet's row lies 14 rows below the current position, and below the flat pattern's print
// when that reaches further, so the two never overlap.
void PrintSheetNesting(SheetPrinter& s, const DataSheetJob& j, int flatBottom) {
    const int row = std::max(static_cast<int>(std::trunc(s.Current().y / s.RowHeight())) + 14,
                             static_cast<int>(std::ceil(flatBottom / s.RowHeight())));
    s.Down(1, row, j.Section.SheetStatement);
    if (!j.Section.Clearances.empty()) s.Cell(3, row, j.Section.Clearances);
    s.PrintView(j.Sheet, s.Current());
}

} // namespace

std::string DataSheetTitle(const DataSheetJob& job) {
    return job.Section.TitlePrefix + job.DefinitionFile;
}

bool PrintDataSheet(IPrinter& printer, const DataSheetJob& job) {
    if (!printer.BeginDoc(DataSheetTitle(job))) return false;
    SheetPrinter s(printer);
    s.Start();
    s.Down(1, 1, "Date: " + job.Date);
    s.Rule();
    PrintSection(s, job.Section);
    const int flatBottom = s.PrintView(job.Flat, {0, s.Current().y});
    if (job.Section.PrintsSheet) PrintSheetNesting(s, job, flatBottom);
    printer.EndDoc();
    return true;
}

} // namespace brevant
