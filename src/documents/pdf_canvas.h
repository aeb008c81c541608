// A page canvas that draws into the PDF writer: pixels are points with y down, so a page is
// the paper in points. Strokes are black lines (arcs, ellipses and polygons as short lines);
// texts are the standard fonts, word-wrapped into their box.
#pragma once

#include "caddraw/canvas.h"
#include "documents/pdf_writer.h"

namespace brevant {

// Advance width of a character in thousandths of the font size (Helvetica's metrics; Courier
// is 600 throughout).
int PdfCharWidth(TPDFFontName font, unsigned char c);

class PdfCanvas : public ICanvas {
public:
    explicit PdfCanvas(TPrintPDF& pdf) : pdf_(pdf) {}

    void SetFont(TPDFFontName name, int size) { font_ = {name, size}; }

    void Resize(int, int) override {}
    void Clear(TColor) override {}
    void SetStrokeColor(TColor) override {} // the printed page is monochrome
    void SetStrokeWidth(double width) override { pdf_.LineWidth = float(width); }
    void SetDash(TDashStyle) override {}
    void SetFillColor(TColor) override {}
    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawPolyline(const std::vector<TPixelPoint>& points) override;
    void DrawArc(double cx, double cy, double radius, double startAngle, double sweep) override;
    void DrawEllipse(double left, double top, double width, double height, bool filled) override;
    void DrawRectangle(double left, double top, double width, double height, bool filled) override;
    void DrawPolygon(const std::vector<TPixelPoint>& points, bool filled) override;
    TTextSize MeasureText(const std::string& text) override;
    void FillText(double left, double top, double width, double height, const std::string& text,
                  TColor color) override;

private:
    std::vector<std::string> Wrap(const std::string& text, double width);

    TPrintPDF& pdf_;
    TPDFFont font_{poHelvetica, 10};
};

} // namespace brevant
