// Drawing a printer page into the PDF writer.
#include "documents/pdf_canvas.h"

#include "documents/pdf_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <sstream>

namespace brevant {

namespace {

// Helvetica's advance widths of the characters 32 to 126.
constexpr std::array<short, 95> kHelveticaWidths = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333,  278, 278, 556, 556, 556,
    556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, 1015, 667, 667, 722, 722, 667,
    611, 778, 722, 278, 500, 667, 556, 833, 722, 778, 667, 778, 722, 667,  611, 722, 667, 944, 667,
    667, 611, 278, 278, 278, 469, 556, 333, 556, 556, 500, 556, 556, 278,  556, 556, 222, 222, 500,
    222, 833, 556, 556, 556, 556, 333, 500, 278, 556, 500, 722, 500, 500,  500, 334, 260, 334, 584};
constexpr double kTextAscent = 0.8; // of the font size, from the box's top to the baseline
constexpr double kTextLeading = 1.2;

// Points on a circle or ellipse about (cx, cy), angles clockwise on the page from +x.
std::vector<TPixelPoint> EllipsePoints(double cx, double cy, double rx, double ry, double start,
                                       double sweep) {
    const int n = std::clamp(int(std::ceil(std::fabs(sweep) / 5)), 2, 720);
    std::vector<TPixelPoint> points;
    for (int i = 0; i <= n; ++i) {
        const double a = (start + sweep * i / n) * std::numbers::pi / 180;
        points.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    return points;
}

} // namespace

int PdfCharWidth(TPDFFontName font, unsigned char c) {
    if (font >= poCourier && font <= poCourierBoldOblique) return 600;
    return c >= 32 && c <= 126 ? kHelveticaWidths[c - 32] : 556;
}

void PdfCanvas::DrawLine(double x1, double y1, double x2, double y2) {
    const double h = pdf_.PageHeight;
    pdf_.DrawLine(float(x1), float(h - y1), float(x2), float(h - y2));
}

void PdfCanvas::DrawPolyline(const std::vector<TPixelPoint>& points) {
    for (std::size_t i = 1; i < points.size(); ++i)
        DrawLine(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
}

void PdfCanvas::DrawArc(double cx, double cy, double radius, double startAngle, double sweep) {
    DrawPolyline(EllipsePoints(cx, cy, radius, radius, startAngle, sweep));
}

void PdfCanvas::DrawEllipse(double left, double top, double width, double height, bool) {
    DrawPolyline(EllipsePoints(left + width / 2, top + height / 2, width / 2, height / 2, 0, 360));
}

void PdfCanvas::DrawRectangle(double left, double top, double width, double height, bool) {
    const double r = left + width, b = top + height;
    DrawPolyline({{left, top}, {r, top}, {r, b}, {left, b}, {left, top}});
}

void PdfCanvas::DrawPolygon(const std::vector<TPixelPoint>& points, bool) {
    if (points.empty()) return;
    std::vector<TPixelPoint> closed = points;
    closed.push_back(points.front());
    DrawPolyline(closed);
}

TTextSize PdfCanvas::MeasureText(const std::string& text) {
    double units = 0;
    for (char c : ToWindows1252(text))
        units += PdfCharWidth(font_.Name, static_cast<unsigned char>(c));
    return {units * font_.Size / 1000.0, double(font_.Size)};
}

std::vector<std::string> PdfCanvas::Wrap(const std::string& text, double width) {
    if (MeasureText(text).width <= width) return {text}; // kept as typed, blanks and all
    std::vector<std::string> lines;
    std::istringstream words(text);
    std::string word, line;
    while (words >> word) {
        const std::string joined = line.empty() ? word : line + " " + word;
        if (!line.empty() && MeasureText(joined).width > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = joined;
        }
    }
    if (!line.empty() || lines.empty()) lines.push_back(line);
    return lines;
}

void PdfCanvas::FillText(double left, double top, double width, double height,
                         const std::string& text, TColor) {
    pdf_.Font = font_;
    double baseline = top + kTextAscent * font_.Size;
    for (const std::string& line : Wrap(text, width)) {
        if (baseline > top + std::max(height, kTextLeading * font_.Size)) break;
        if (!line.empty()) pdf_.TextOut(int(std::lround(left)), int(std::lround(baseline)), line);
        baseline += kTextLeading * font_.Size;
    }
}

} // namespace brevant
