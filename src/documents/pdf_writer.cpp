// The PDF writer: objects in number order, each offset taken as the object starts.
#include "documents/pdf_writer.h"

#include "core/atomic_file.h"
#include "documents/pdf_text.h"

#include <cstdio>
#include <ctime>

namespace brevant {

namespace {

std::string LocalTimeStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d", t.tm_year + 1900, t.tm_mon + 1,
                  t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
    return text;
}

std::string Ref(int object) {
    return std::to_string(object) + " 0 R";
}

std::string Padded(std::size_t offset) {
    std::string text = std::to_string(offset);
    return std::string(text.size() < 10 ? 10 - text.size() : 0, '0') + text;
}

} // namespace

void TPrintPDF::Line(std::string& target, const std::string& text) {
    target += text;
    target += "\r\n";
}

void TPrintPDF::BeginObject() {
    ++objectCount_;
    offsets_.push_back(doc_.size());
    Line(doc_, std::to_string(objectCount_) + " 0 obj");
}

void TPrintPDF::EndObject() {
    Line(doc_, "endobj");
}

void TPrintPDF::BeginDoc() {
    doc_.clear();
    ops_.clear();
    offsets_.clear();
    contentObjects_.clear();
    fontsUsed_.clear();
    objectCount_ = 0;
    pageNumber_ = 1;
    open_ = true;
    Line(doc_, "%PDF-1.4");
    WriteInformation();
    StartContent();
}

void TPrintPDF::WriteInformation() {
    BeginObject();
    Line(doc_, "<<");
    Line(doc_, "/Producer " + PdfLiteral(Producer));
    Line(doc_, "/Author " + PdfLiteral(Author));
    Line(doc_, "/CreationDate " +
                   PdfLiteral("D:" + (CreationDate.empty() ? LocalTimeStamp() : CreationDate)));
    Line(doc_, "/Creator " + PdfLiteral(Creator));
    Line(doc_, "/Keywords " + PdfLiteral(Keywords));
    Line(doc_, "/Subject " + PdfLiteral(Subject));
    Line(doc_, "/Title " + PdfLiteral(TITLE));
    Line(doc_, "/ModDate ()");
    Line(doc_, ">>");
    EndObject();
}

// The content object; its /Length is the indirect object that follows it.
void TPrintPDF::StartContent() {
    BeginObject();
    contentObjects_.push_back(objectCount_);
    Line(doc_, "<< /Length " + Ref(objectCount_ + 1));
    Line(doc_, " >>");
    Line(doc_, "stream");
    ops_.clear();
}

void TPrintPDF::EndContent() {
    const std::size_t length = ops_.size();
    doc_ += ops_;
    ops_.clear();
    Line(doc_, "endstream");
    EndObject();
    BeginObject();
    Line(doc_, std::to_string(length));
    EndObject();
}

void TPrintPDF::NewPage() {
    if (!open_) return;
    ++pageNumber_;
    EndContent();
    StartContent();
}

void TPrintPDF::DrawLine(float x1, float y1, float x2, float y2) {
    // The width is set before the path: nothing but path operators may stand inside one.
    Line(ops_, FormatCoord(LineWidth) + " w");
    Line(ops_, FormatCoord(x1) + " " + FormatCoord(y1) + " m");
    Line(ops_, FormatCoord(x2) + " " + FormatCoord(y2) + " l");
    Line(ops_, "S");
}

void TPrintPDF::DrawRectangle(int x1, int y1, int x2, int y2) {
    const auto fx1 = float(x1), fy1 = float(y1), fx2 = float(x2), fy2 = float(y2);
    DrawLine(fx1, fy1, fx1, fy2);
    DrawLine(fx1, fy2, fx2, fy2);
    DrawLine(fx2, fy2, fx2, fy1);
    DrawLine(fx2, fy1, fx1, fy1);
}

void TPrintPDF::TextOut(int X, int Y, const std::string& text) {
    UseFont();
    Line(ops_, "/F" + std::to_string(int(Font.Name)) + " " + std::to_string(Font.Size) + " Tf");
    Line(ops_, "BT");
    Line(ops_, std::to_string(X) + " " + FormatSize(PageHeight - float(Y)) + " Td");
    Line(ops_, PdfLiteral(text) + " Tj");
    Line(ops_, "ET");
}

void TPrintPDF::MemoOut(int X, int Y, const std::vector<std::string>& lines) {
    UseFont();
    char spacing[48];
    std::snprintf(spacing, sizeof spacing, "0 %.1f TD", double(LineSpacing));
    Line(ops_, "BT");
    Line(ops_, "/F" + std::to_string(int(Font.Name)) + " " + std::to_string(Font.Size) + " Tf");
    Line(ops_, std::to_string(X) + " " + FormatSize(PageHeight - float(Y)) + " Td");
    for (const std::string& text : lines) {
        Line(ops_, PdfLiteral(text) + " Tj");
        Line(ops_, spacing);
    }
    Line(ops_, "ET");
}

int TPrintPDF::WriteFonts() {
    if (fontsUsed_.empty()) fontsUsed_.insert(Font.Name);
    const int first = objectCount_ + 1;
    for (TPDFFontName name : fontsUsed_) {
        BeginObject();
        Line(doc_, "<< /Type /Font");
        Line(doc_, "/Subtype /Type1");
        Line(doc_, "/Name /F" + std::to_string(int(name)));
        Line(doc_, std::string("/BaseFont /") + kPdfBaseFontNames[std::size_t(name)]);
        if (HasWinAnsiEncoding(name)) Line(doc_, "/Encoding /WinAnsiEncoding");
        Line(doc_, ">>");
        EndObject();
    }
    return first;
}

void TPrintPDF::WritePageTree(int firstPage) {
    BeginObject();
    Line(doc_, "<< /Type /Pages");
    Line(doc_, "/Kids [");
    for (int i = 0; i < pageNumber_; ++i)
        Line(doc_, Ref(firstPage + i));
    Line(doc_, "]");
    Line(doc_, "/Count " + std::to_string(pageNumber_));
    Line(doc_, ">>");
    EndObject();
}

void TPrintPDF::WriteResources(int firstFont) {
    BeginObject();
    Line(doc_, "<< /ProcSet [ /PDF /Text /ImageC]");
    Line(doc_, "/XObject << ");
    Line(doc_, ">>");
    Line(doc_, "/Font << ");
    int object = firstFont;
    for (TPDFFontName name : fontsUsed_)
        Line(doc_, "/F" + std::to_string(int(name)) + " " + Ref(object++) + " ");
    Line(doc_, ">>");
    Line(doc_, ">>");
    EndObject();
}

void TPrintPDF::WritePages(int pageTree, int resources) {
    for (int i = 0; i < pageNumber_; ++i) {
        BeginObject();
        Line(doc_, "<< /Type /Page");
        Line(doc_, "/Parent " + Ref(pageTree));
        Line(doc_, "/MediaBox [ 0 0 " + FormatSize(PageWidth) + " " + FormatSize(PageHeight) + "]");
        Line(doc_, "/Contents " + Ref(contentObjects_[std::size_t(i)]));
        Line(doc_, "/Resources " + Ref(resources));
        Line(doc_, ">>");
        EndObject();
    }
}

void TPrintPDF::WriteXref(int catalog) {
    const std::size_t xref = doc_.size();
    const int size = objectCount_ + 1;
    Line(doc_, "xref");
    Line(doc_, "0 " + std::to_string(size));
    Line(doc_, "0000000000 65535 f");
    for (std::size_t offset : offsets_)
        Line(doc_, Padded(offset) + " 00000 n");
    Line(doc_, "trailer");
    Line(doc_, "<< /Size " + std::to_string(size));
    Line(doc_, "/Root " + Ref(catalog));
    Line(doc_, "/Info 1 0 R");
    Line(doc_, ">>");
    Line(doc_, "startxref");
    Line(doc_, std::to_string(xref));
    Line(doc_, "%%EOF");
}

void TPrintPDF::Finish() {
    if (!open_) return;
    EndContent();
    BeginObject();
    const int outlines = objectCount_;
    Line(doc_, "<< /Type /Outlines");
    Line(doc_, "/Count 0");
    Line(doc_, ">>");
    EndObject();
    const int firstFont = WriteFonts();
    const int pageTree = objectCount_ + 1;
    WritePageTree(pageTree + 2);
    WriteResources(firstFont);
    WritePages(pageTree, pageTree + 1);
    BeginObject();
    const int catalog = objectCount_;
    Line(doc_, "<< /Type /Catalog");
    Line(doc_, "/Pages " + Ref(pageTree));
    Line(doc_, "/Outlines " + Ref(outlines));
    Line(doc_, ">>");
    EndObject();
    WriteXref(catalog);
    open_ = false;
}

bool TPrintPDF::EndDoc(std::string& reason) {
    Finish();
    return WriteFileAtomically(FileName, doc_, reason);
}

} // namespace brevant
