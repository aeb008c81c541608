// The PDF printer of brevant-cli.
#include "documents/pdf_printer.h"

#include "core/io_error_text.h"
#include "core/string_util.h"

#include <cmath>

namespace brevant {

PdfPrinter::PdfPrinter(std::string fileName, const PdfPaper& paper)
    : fileName_(std::move(fileName)), paper_(paper) {}

bool PdfPrinter::BeginDoc(const std::string& title) {
    if (printing_) return true;
    pdf_.TITLE = title;
    pdf_.Creator = "Tessaly 3D";
    pdf_.PageWidth = paper_.WidthPoints;
    pdf_.PageHeight = paper_.HeightPoints;
    pdf_.BeginDoc();
    printing_ = true;
    written_ = false;
    lastError_.clear();
    return true;
}

void PdfPrinter::EndDoc() {
    if (!printing_) return;
    printing_ = false;
    pdf_.FileName = fileName_;
    std::string reason;
    written_ = pdf_.EndDoc(reason);
    if (!written_) lastError_ = WriteErrorText(fileName_, reason);
}

void PdfPrinter::NewPage() {
    if (printing_) pdf_.NewPage();
}

void PdfPrinter::SetFont(const std::string& family, double size) {
    const std::string f = ToUpperAscii(family);
    const TPDFFontName name = f.starts_with("COURIER") ? poCourier
                              : f.starts_with("TIMES") ? poTimesRoman
                                                       : poHelvetica;
    canvas_.SetFont(name, std::max(1, static_cast<int>(std::lround(size))));
}

} // namespace brevant
