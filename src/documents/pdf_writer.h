// TPrintPDF: a PDF 1.4 writer of equal-sized pages holding stroked lines and lines of text in
// the standard fonts. The whole file is built in memory with every object's byte offset
// counted while it is written; EndDoc saves it atomically. Nothing is compressed or embedded.
#pragma once

#include "documents/pdf_fonts.h"

#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace brevant {

class TPrintPDF {
public:
    // Set before BeginDoc: they go into the information dictionary.
    std::string TITLE;
    std::string Author = "Quorvel Software";
    std::string Creator;
    std::string Keywords;
    std::string Subject;
    std::string Producer = "Quorvel PDF";
    // "YYYYMMDDHHmmSS" for /CreationDate; empty takes the local time at BeginDoc.
    std::string CreationDate;
    // Set before EndDoc.
    std::string FileName;
    float PageWidth = 612;  // points, the /MediaBox of every page
    float PageHeight = 792; // points; also the origin flip of text positions
    // Set before the operations that use them.
    float LineWidth = 1;   // written before each stroked line
    float LineSpacing = 0; // line advance of MemoOut (negative writes downward)
    TPDFFont Font;
    bool Compress = false; // kept; the writer never compresses

    int PageNumber() const { return pageNumber_; }

    // Starts a new document in memory with its first page open.
    void BeginDoc();
    // Closes the current page and opens the next.
    void NewPage();
    // One stroked line in page points, origin at the lower left corner.
    void DrawLine(float x1, float y1, float x2, float y2);
    // Left, top, right and bottom edges, in that order, by DrawLine.
    void DrawRectangle(int x1, int y1, int x2, int y2);
    // One line of text whose baseline starts X points from the left and Y from the top.
    void TextOut(int X, int Y, const std::string& text);
    // Lines of text one below the other, LineSpacing apart.
    void MemoOut(int X, int Y, const std::vector<std::string>& lines);
    // Closes the last page and writes the remaining objects, the cross-reference table and
    // the trailer. Drawing afterwards goes nowhere until the next BeginDoc.
    void Finish();
    // Finish, then writes the document to FileName atomically. False with the reason when
    // the file cannot be written; the document stays in memory.
    bool EndDoc(std::string& reason);

    // The document as built so far (complete after Finish).
    const std::string& Document() const { return doc_; }
    void WriteTo(std::ostream& out) const { out.write(doc_.data(), std::streamsize(doc_.size())); }

private:
    void Line(std::string& target, const std::string& text);
    void BeginObject();
    void EndObject();
    void StartContent();
    void EndContent();
    void WriteInformation();
    int WriteFonts(); // returns the first font's object number
    void WritePageTree(int firstPage);
    void WriteResources(int firstFont);
    void WritePages(int pageTree, int resources);
    void WriteXref(int catalog);
    void UseFont() { fontsUsed_.insert(Font.Name); }

    std::string doc_;
    std::string ops_;                  // the current page's drawing operators
    std::vector<std::size_t> offsets_; // byte offset of object k + 1 at index k
    std::vector<int> contentObjects_;  // the content object of each page
    std::set<TPDFFontName> fontsUsed_;
    int pageNumber_ = 0;
    int objectCount_ = 0;
    bool open_ = false;
};

} // namespace brevant
