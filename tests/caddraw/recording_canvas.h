// A canvas and a printer that record what the CAD view paints, for the view's tests.
#pragma once

#include "caddraw/canvas.h"
#include "caddraw/printer.h"

#include <string>
#include <vector>

namespace brevant::testing {

struct PaintCall {
    std::string op; // "clear", "line", "polyline", "arc", "ellipse", "rect", "polygon", "text"
    std::vector<double> args;
    std::vector<TPixelPoint> points;
    TColor stroke = 0;
    TColor fill = 0;
    TDashStyle dash = TDashStyle::Solid;
    double width = 0;
    bool filled = false;
    std::string text;
};

class RecordingCanvas : public ICanvas {
public:
    std::vector<PaintCall> calls;
    int width = 0;
    int height = 0;

    void Resize(int w, int h) override { width = w, height = h; }
    void Clear(TColor color) override {
        calls.clear();
        Record("clear", {}).fill = color;
    }
    void SetStrokeColor(TColor color) override { stroke_ = color; }
    void SetStrokeWidth(double w) override { width_ = w; }
    void SetDash(TDashStyle dash) override { dash_ = dash; }
    void SetFillColor(TColor color) override { fill_ = color; }
    void DrawLine(double x1, double y1, double x2, double y2) override {
        Record("line", {x1, y1, x2, y2});
    }
    void DrawPolyline(const std::vector<TPixelPoint>& points) override {
        Record("polyline", {}).points = points;
    }
    void DrawArc(double cx, double cy, double r, double start, double sweep) override {
        Record("arc", {cx, cy, r, start, sweep});
    }
    void DrawEllipse(double l, double t, double w, double h, bool filled) override {
        Record("ellipse", {l, t, w, h}).filled = filled;
    }
    void DrawRectangle(double l, double t, double w, double h, bool filled) override {
        Record("rect", {l, t, w, h}).filled = filled;
    }
    void DrawPolygon(const std::vector<TPixelPoint>& points, bool filled) override {
        PaintCall& c = Record("polygon", {});
        c.points = points;
        c.filled = filled;
    }
    TTextSize MeasureText(const std::string& text) override {
        return {7.0 * static_cast<double>(text.size()), 12};
    }
    void FillText(double l, double t, double w, double h, const std::string& text,
                  TColor color) override {
        PaintCall& c = Record("text", {l, t, w, h});
        c.text = text;
        c.stroke = color;
    }
    bool ReadPixels(TRasterImage& image) const override {
        image.width = width;
        image.height = height;
        image.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
        return true;
    }
    bool DrawImage(const TRasterImage& image, double l, double t, double w, double h) override {
        Record("image", {l, t, w, h, static_cast<double>(image.width)});
        return true;
    }

    std::vector<PaintCall> Of(const std::string& op) const {
        std::vector<PaintCall> out;
        for (const PaintCall& c : calls)
            if (c.op == op) out.push_back(c);
        return out;
    }

private:
    PaintCall& Record(const std::string& op, std::vector<double> args) {
        calls.push_back({op, std::move(args), {}, stroke_, fill_, dash_, width_, false, {}});
        return calls.back();
    }
    TColor stroke_ = 0;
    TColor fill_ = 0;
    TDashStyle dash_ = TDashStyle::Solid;
    double width_ = 0;
};

class RecordingPrinter : public IPrinter {
public:
    RecordingCanvas page;
    double pageWidth = 4800;
    double pageHeight = 6600;
    int begun = 0;
    int ended = 0;
    int aborted = 0;
    std::string title;
    std::string font;

    double PageWidth() const override { return pageWidth; }
    double PageHeight() const override { return pageHeight; }
    bool BeginDoc(const std::string& t) override {
        title = t;
        ++begun;
        printing_ = true;
        return true;
    }
    void EndDoc() override { ++ended, printing_ = false; }
    void AbortDoc() override { ++aborted, printing_ = false; }
    void NewPage() override {}
    bool Printing() const override { return printing_; }
    ICanvas& Canvas() override { return page; }
    void SetFont(const std::string& family, double) override { font = family; }

private:
    bool printing_ = false;
};

} // namespace brevant::testing
