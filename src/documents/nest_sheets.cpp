// Rendering a nest: placed outlines per sheet, the stacked sheets, the PDF pages.
#include "documents/nest_sheets.h"

#include "documents/pdf_paper.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace brevant {

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr float kPageMargin = 36;  // points
constexpr float kCaptionBand = 30; // points above the drawing for the caption
constexpr int kCaptionSize = 12;
constexpr int kLabelSize = 7;

Contour ContourOf(const NestLoop& loop) {
    Contour c;
    c.closed = true;
    for (const NestVertex& v : loop)
        c.vertices.push_back({v.x, v.y, v.bulge});
    return c;
}

NestShape PlacedShape(const NestJob& job, const NestPlacement& p) {
    return Placed(job.parts[std::size_t(p.part)].shape, p.rotation, p.x, p.y);
}

Contour Rectangle(double x0, double y0, double x1, double y1) {
    Contour c;
    c.closed = true;
    c.vertices = {{x0, y0, 0}, {x1, y0, 0}, {x1, y1, 0}, {x0, y1, 0}};
    return c;
}

// A percentage with one decimal: "81.0".
std::string Percent(double fraction) {
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", fraction * 100);
    return text;
}

std::string Fixed(double v, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    std::string s = text;
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    return s;
}

struct PageFrame {
    float left = 0, bottom = 0, scale = 1;
    void Line(TPrintPDF& pdf, double x0, double y0, double x1, double y1) const {
        pdf.DrawLine(left + float(x0) * scale, bottom + float(y0) * scale, left + float(x1) * scale,
                     bottom + float(y1) * scale);
    }
};

void DrawLoop(TPrintPDF& pdf, const PageFrame& f, const NestLoop& loop) {
    // Points along the loop, arcs in steps of at most 2 degrees.
    const std::vector<NestVertex> pts = LoopPoints(loop, kPi / 90);
    for (std::size_t i = 0; i < pts.size(); ++i) {
        const NestVertex& a = pts[i];
        const NestVertex& b = pts[(i + 1) % pts.size()];
        f.Line(pdf, a.x, a.y, b.x, b.y);
    }
}

void DrawSheetPage(TPrintPDF& pdf, const NestJob& job, const NestResult& result, std::size_t index,
                   UnitSystem units) {
    const NestSheet& sheet = result.sheets[index];
    pdf.Font = {poHelveticaBold, kCaptionSize};
    pdf.TextOut(int(kPageMargin), int(kPageMargin), SheetCaption(result, index, units));
    const float w = pdf.PageWidth - 2 * kPageMargin;
    const float h = pdf.PageHeight - 2 * kPageMargin - kCaptionBand;
    PageFrame f;
    f.scale =
        std::min(w / float(std::max(sheet.width, 1e-9)), h / float(std::max(sheet.height, 1e-9)));
    f.left = kPageMargin;
    f.bottom = kPageMargin;
    pdf.LineWidth = 0.5f;
    f.Line(pdf, 0, 0, sheet.width, 0);
    f.Line(pdf, sheet.width, 0, sheet.width, sheet.height);
    f.Line(pdf, sheet.width, sheet.height, 0, sheet.height);
    f.Line(pdf, 0, sheet.height, 0, 0);
    pdf.LineWidth = 0.25f;
    pdf.Font = {poHelvetica, kLabelSize};
    for (const NestPlacement& p : sheet.placements) {
        const NestShape s = PlacedShape(job, p);
        DrawLoop(pdf, f, s.outer);
        for (const NestLoop& hole : s.holes)
            DrawLoop(pdf, f, hole);
        const NestBox b = BoxOf(s);
        const float x = f.left + float((b.minX + b.maxX) / 2) * f.scale;
        const float y = f.bottom + float((b.minY + b.maxY) / 2) * f.scale;
        pdf.TextOut(int(x), int(pdf.PageHeight - y), std::to_string(p.part + 1));
    }
}
// Sheet coordinates (y up) to a canvas box (y down).
struct CanvasFrame {
    double left = 0, bottom = 0, scale = 1;
    double X(double x) const { return left + x * scale; }
    double Y(double y) const { return bottom - y * scale; }
};

void DrawCanvasLoop(ICanvas& c, const CanvasFrame& f, const NestLoop& loop) {
    constexpr double kDegrees = 180 / kPi;
    for (std::size_t i = 0; i < loop.size(); ++i) {
        const NestVertex& a = loop[i];
        const NestVertex& b = loop[(i + 1) % loop.size()];
        if (a.bulge == 0) {
            c.DrawLine(f.X(a.x), f.Y(a.y), f.X(b.x), f.Y(b.y));
            continue;
        }
        // The screen's y runs down: the arc over angles lo..hi of the sheet covers -hi..-lo
        // on the screen, drawn clockwise from -hi.
        const NestArc arc = ArcOf(a, b);
        const double hi = std::max(arc.start, arc.start + arc.sweep);
        c.DrawArc(f.X(arc.cx), f.Y(arc.cy), arc.radius * f.scale, -hi * kDegrees,
                  std::fabs(arc.sweep) * kDegrees);
    }
}
} // namespace

void DrawNestSheet(ICanvas& canvas, const NestJob& job, const NestSheet& sheet, double left,
                   double top, double width, double height, TColor borderColour,
                   TColor partColour) {
    if (!(sheet.width > 0) || !(sheet.height > 0)) return;
    CanvasFrame f;
    f.scale = std::min(width / sheet.width, height / sheet.height);
    f.left = left + (width - sheet.width * f.scale) / 2;
    f.bottom = top + (height + sheet.height * f.scale) / 2;
    canvas.SetDash(TDashStyle::Solid);
    canvas.SetStrokeWidth(1);
    canvas.SetStrokeColor(borderColour);
    canvas.DrawRectangle(f.X(0), f.Y(sheet.height), sheet.width * f.scale, sheet.height * f.scale,
                         false);
    canvas.SetStrokeColor(partColour);
    for (const NestPlacement& p : sheet.placements) {
        const NestShape s = PlacedShape(job, p);
        DrawCanvasLoop(canvas, f, s.outer);
        for (const NestLoop& hole : s.holes)
            DrawCanvasLoop(canvas, f, hole);
    }
}

ShopOutlines SheetOutlines(const NestJob& job, const NestSheet& sheet) {
    ShopOutlines o;
    for (const NestPlacement& p : sheet.placements) {
        const NestShape s = PlacedShape(job, p);
        o.cut.push_back(ContourOf(s.outer));
        for (const NestLoop& hole : s.holes)
            o.cut.push_back(ContourOf(Reversed(hole)));
    }
    return o;
}

ShopOutlines StackedSheets(const NestJob& job, const NestResult& result) {
    ShopOutlines all;
    double top = 0;
    for (const NestSheet& sheet : result.sheets) {
        const double y0 = top - sheet.height;
        ShopOutlines o = SheetOutlines(job, sheet);
        for (Contour& c : o.cut) {
            for (ContourVertex& v : c.vertices)
                v.y += y0;
            all.cut.push_back(std::move(c));
        }
        all.mark.push_back(Rectangle(0, y0, sheet.width, top));
        top = y0 - sheet.height / 10;
    }
    return all;
}

std::string SheetCaption(const NestResult& result, std::size_t index, UnitSystem units) {
    const NestSheet& s = result.sheets[index];
    const std::string size =
        Fixed(s.width, 2) + " x " + Fixed(s.height, 2) + " " + UnitShortName(units);
    if (result.mode == NestMode::kStrip)
        return "Strip " + Fixed(s.height, 2) + " x " + Fixed(s.width, 2) + " " +
               UnitShortName(units) + ", density " + Percent(result.density) + " %";
    return "Sheet " + std::to_string(index + 1) + " of " + std::to_string(result.sheets.size()) +
           ": " + size + ", utilisation " + Percent(s.utilisation) + " %";
}

void BuildNestPdf(TPrintPDF& pdf, const NestJob& job, const NestResult& result, UnitSystem units) {
    const PdfPaper paper = PdfPageSize(units == kInches ? 0 : 5, true);
    pdf.TITLE = "Nest";
    pdf.Creator = "Brevant";
    pdf.PageWidth = paper.WidthPoints;
    pdf.PageHeight = paper.HeightPoints;
    pdf.BeginDoc();
    for (std::size_t i = 0; i < result.sheets.size(); ++i) {
        if (i > 0) pdf.NewPage();
        DrawSheetPage(pdf, job, result, i, units);
    }
    pdf.Finish();
}

} // namespace brevant
