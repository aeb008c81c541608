// The printer that brevant-cli prints on: a PDF file made by the engine's own writer, with
// pages of the chosen paper and one device unit to the point.
#pragma once

#include "caddraw/printer.h"
#include "documents/pdf_canvas.h"
#include "documents/pdf_paper.h"
#include "documents/pdf_writer.h"

#include <string>

namespace brevant {

class PdfPrinter : public IPrinter {
public:
    explicit PdfPrinter(std::string fileName, const PdfPaper& paper = kPdfPapers[0]);

    double PageWidth() const override { return paper_.WidthPoints; }
    double PageHeight() const override { return paper_.HeightPoints; }
    bool BeginDoc(const std::string& title) override;
    // Finishes the document and writes the file atomically; a failure is kept in LastError.
    void EndDoc() override;
    void AbortDoc() override { printing_ = false; }
    void NewPage() override;
    bool Printing() const override { return printing_; }
    ICanvas& Canvas() override { return canvas_; }
    void SetFont(const std::string& family, double size) override;

    bool Written() const { return written_; }
    const std::string& LastError() const { return lastError_; }
    const TPrintPDF& Document() const { return pdf_; }
    void SetCreationDate(const std::string& stamp) { pdf_.CreationDate = stamp; }

private:
    std::string fileName_;
    PdfPaper paper_;
    TPrintPDF pdf_;
    PdfCanvas canvas_{pdf_};
    bool printing_ = false;
    bool written_ = false;
    std::string lastError_;
};

} // namespace brevant
