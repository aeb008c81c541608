// The system printer for the engine: a QPrinter, its page size in device pixels, the print
// job and a page canvas that paints through the same primitives as the screen.
#pragma once

#include "caddraw/printer.h"
#include "documents/pdf_paper.h"
#include "painter_canvas.h"

#include <QPainter>

#include <memory>

class QPrinter;
class QWidget;

namespace brevant {

class QtPrinter : public IPrinter {
public:
    explicit QtPrinter(QPrinter& printer);
    ~QtPrinter() override;

    double PageWidth() const override;
    double PageHeight() const override;
    bool BeginDoc(const std::string& title) override;
    void EndDoc() override;
    void AbortDoc() override;
    void NewPage() override;
    bool Printing() const override { return painter_ != nullptr; }
    ICanvas& Canvas() override { return canvas_; }
    void SetFont(const std::string& family, double size) override;

    // Sets the printer's paper (given upright, in points, with its name) and orientation.
    static void SetPaper(QPrinter& printer, const PdfPaper& upright, bool landscape);
    // Shows the print dialog for the printer; false when the user cancelled.
    static bool AskPrinter(QPrinter& printer, QWidget* parent);

private:
    class PageCanvas : public PainterCanvas {
    public:
        explicit PageCanvas(QtPrinter& owner) : owner_(owner) {}
        void Resize(int, int) override {}
        void Clear(TColor) override {}

    protected:
        QPainter* Painter() override { return owner_.painter_.get(); }

    private:
        QtPrinter& owner_;
    };

    QPrinter& printer_;
    std::unique_ptr<QPainter> painter_;
    PageCanvas canvas_{*this};
};

} // namespace brevant
