// The PDF writer: object numbers and order, offsets that point at each object, the content
// lengths, the numbers and strings it writes, the fonts it names and the file it saves.
#include "documents/pdf_writer.h"
#include "support/pdf_inspect.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

using namespace brevant;
using brevant::testing::PdfView;

namespace fs = std::filesystem;

namespace {

std::string Build(const std::function<void(TPrintPDF&)>& draw, int pages = 1) {
    TPrintPDF pdf;
    pdf.CreationDate = "20240102030405";
    pdf.BeginDoc();
    for (int p = 0; p < pages; ++p) {
        if (p > 0) pdf.NewPage();
        draw(pdf);
    }
    pdf.Finish();
    return pdf.Document();
}

// The offsets listed in the cross-reference table, object 1 first.
std::vector<std::size_t> XrefOffsets(const std::string& doc) {
    std::vector<std::size_t> offsets;
    const std::size_t xref = doc.rfind("\r\nxref\r\n");
    static const std::regex entry(R"((\d{10}) 00000 n\r\n)");
    const std::string table = doc.substr(xref);
    for (auto it = std::sregex_iterator(table.begin(), table.end(), entry);
         it != std::sregex_iterator(); ++it)
        offsets.push_back(std::stoul(it->str(1)));
    return offsets;
}

class PdfFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("brevant-pdfwriter-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

} // namespace

TEST(PdfWriter, EmptyDocumentHasNineObjectsAndOneEmptyPage) {
    const std::string doc = Build([](TPrintPDF&) {});
    PdfView view(doc);
    EXPECT_EQ(doc.rfind("%PDF-1.4\r\n", 0), 0u);
    EXPECT_EQ(view.Offsets().size(), 9u);
    EXPECT_NE(doc.find("/Size 10\r\n"), std::string::npos);
    EXPECT_EQ(view.Object(3), "3 0 obj\r\n0\r\n");
    ASSERT_EQ(view.Pages().size(), 1u);
    EXPECT_EQ(view.Pages()[0].content, "");
    EXPECT_NE(doc.find("/MediaBox [ 0 0 612 792]\r\n"), std::string::npos);
    EXPECT_TRUE(doc.ends_with("%%EOF\r\n"));
}

TEST(PdfWriter, CrossReferenceOffsetsPointAtEachObjectHeader) {
    for (int pages : {1, 2, 5}) {
        const std::string doc = Build(
            [](TPrintPDF& p) {
                p.DrawLine(1, 2, 3, 4);
                p.TextOut(10, 20, "Row: 1 Col: 1");
            },
            pages);
        const std::vector<std::size_t> offsets = XrefOffsets(doc);
        ASSERT_EQ(offsets.size(), std::size_t(3 * pages + 6)) << pages;
        for (std::size_t k = 0; k < offsets.size(); ++k)
            EXPECT_EQ(doc.compare(offsets[k], std::to_string(k + 1).size() + 8,
                                  std::to_string(k + 1) + " 0 obj\r\n"),
                      0)
                << "object " << k + 1 << " of " << pages << " pages";
        const std::size_t startxref = doc.rfind("startxref\r\n") + 11;
        EXPECT_EQ(std::stoul(doc.substr(startxref)), doc.rfind("\r\nxref\r\n0 ") + 2);
        EXPECT_NE(doc.find("/Size " + std::to_string(3 * pages + 7) + "\r\n"), std::string::npos);
    }
}

TEST(PdfWriter, ContentLengthCountsTheOperatorBytes) {
    TPrintPDF pdf;
    pdf.BeginDoc();
    pdf.DrawLine(0, 0, 100, 100);
    pdf.NewPage();
    pdf.TextOut(1, 2, "x");
    pdf.Finish();
    PdfView view(pdf.Document());
    for (int content : {2, 4}) {
        const std::string length = view.Object(content + 1);
        EXPECT_EQ(length, std::to_string(content + 1) + " 0 obj\r\n" +
                              std::to_string(view.Stream(content).size()) + "\r\n");
    }
}

TEST(PdfWriter, TwoPagesNumberTheirObjectsInFileOrder) {
    const std::string doc = Build([](TPrintPDF&) {}, 2);
    PdfView view(doc);
    EXPECT_NE(view.Object(6).find("/Type /Outlines"), std::string::npos);
    EXPECT_NE(view.Object(7).find("/Type /Font"), std::string::npos);
    EXPECT_NE(view.Object(8).find("/Kids [\r\n10 0 R\r\n11 0 R\r\n]\r\n/Count 2"),
              std::string::npos);
    EXPECT_NE(view.Object(9).find("/F4 7 0 R \r\n"), std::string::npos);
    EXPECT_NE(view.Object(10).find("/Contents 2 0 R"), std::string::npos);
    EXPECT_NE(view.Object(11).find("/Contents 4 0 R"), std::string::npos);
    EXPECT_NE(view.Object(12).find("/Type /Catalog\r\n/Pages 8 0 R\r\n/Outlines 6 0 R"),
              std::string::npos);
    std::size_t previous = 0;
    for (const auto& [number, offset] : view.Offsets()) {
        EXPECT_GT(offset, previous) << number;
        previous = offset;
    }
}

TEST(PdfWriter, LinesAndTextAreWrittenAsTheirOperators) {
    const std::string content = PdfView(Build([](TPrintPDF& p) {
                                    p.LineWidth = 2;
                                    p.DrawLine(12.0f + 1.0f / 3, 3, -0.5f, 0);
                                    p.Font = {poHelveticaBold, 20};
                                    p.TextOut(10, 20, "a (b) \\");
                                }))
                                    .Pages()[0]
                                    .content;
    EXPECT_EQ(content, "2 w\r\n12.3333 3 m\r\n-0.5 0 l\r\nS\r\n"
                       "/F1 20 Tf\r\nBT\r\n10 772 Td\r\n(a \\(b\\) \\\\) Tj\r\nET\r\n");
}

TEST(PdfWriter, RectangleIsFourLinesLeftTopRightBottom) {
    const auto page =
        PdfView(Build([](TPrintPDF& p) { p.DrawRectangle(21, 770, 590, 21); })).Pages()[0];
    ASSERT_EQ(page.segments.size(), 4u);
    const double expected[4][4] = {
        {21, 770, 21, 21}, {21, 21, 590, 21}, {590, 21, 590, 770}, {590, 770, 21, 770}};
    for (int i = 0; i < 4; ++i) {
        const auto& s = page.segments[std::size_t(i)];
        EXPECT_EQ((std::vector<double>{s.x1, s.y1, s.x2, s.y2}),
                  (std::vector<double>(expected[i], expected[i] + 4)));
    }
}

TEST(PdfWriter, MemoLinesUseTheSameFontAndStepByTheSpacing) {
    const std::string content = PdfView(Build([](TPrintPDF& p) {
                                    p.Font = {poTimesRoman, 9};
                                    p.LineSpacing = -11;
                                    p.MemoOut(5, 10, {"one", "two"});
                                }))
                                    .Pages()[0]
                                    .content;
    EXPECT_EQ(content, "BT\r\n/F8 9 Tf\r\n5 782 Td\r\n(one) Tj\r\n0 -11.0 TD\r\n(two) Tj\r\n"
                       "0 -11.0 TD\r\nET\r\n");
}

TEST(PdfWriter, EveryFontUsedIsNamedWithItsStandardName) {
    const std::string doc = Build([](TPrintPDF& p) {
        p.Font = {poHelveticaBold, 20};
        p.TextOut(1, 1, "a");
        p.Font = {poHelvetica, 7};
        p.TextOut(1, 1, "b");
        p.Font = {poSymbol, 7};
        p.TextOut(1, 1, "c");
    });
    for (const char* expected :
         {"/Name /F0\r\n/BaseFont /Helvetica\r\n/Encoding /WinAnsiEncoding\r\n",
          "/Name /F1\r\n/BaseFont /Helvetica-Bold\r\n/Encoding /WinAnsiEncoding\r\n",
          "/Name /F12\r\n/BaseFont /Symbol\r\n>>"})
        EXPECT_NE(doc.find(expected), std::string::npos) << expected;
    EXPECT_NE(doc.find("/F0 5 0 R \r\n/F1 6 0 R \r\n/F12 7 0 R \r\n"), std::string::npos);
}

TEST(PdfWriter, InformationHoldsTheDocumentPropertiesInTheCodePage) {
    TPrintPDF pdf;
    pdf.TITLE = "Brevant [caf\xC3\xA9 (1).layout]";
    pdf.Creator = "Tessaly 3D";
    pdf.CreationDate = "20240102030405";
    pdf.BeginDoc();
    pdf.Finish();
    const std::string info = PdfView(pdf.Document()).Object(1);
    EXPECT_EQ(info, "1 0 obj\r\n<<\r\n/Producer (Quorvel PDF)\r\n/Author (Quorvel Software)\r\n"
                    "/CreationDate (D:20240102030405)\r\n/Creator (Tessaly 3D)\r\n"
                    "/Keywords ()\r\n/Subject ()\r\n/Title (Brevant [caf\xE9 \\(1\\).layout])\r\n"
                    "/ModDate ()\r\n>>\r\n");
}

TEST(PdfWriter, ASecondBeginDocStartsAfresh) {
    TPrintPDF pdf;
    pdf.DrawLine(1, 1, 2, 2); // outside a document: discarded
    pdf.BeginDoc();
    pdf.NewPage();
    pdf.Finish();
    pdf.BeginDoc();
    pdf.Finish();
    EXPECT_EQ(PdfView(pdf.Document()).Pages().size(), 1u);
    EXPECT_EQ(PdfView(pdf.Document()).Pages()[0].content, "");
    EXPECT_EQ(pdf.PageNumber(), 1);
}

TEST_F(PdfFiles, SavedDocumentsPassTheStructureCheckAndRender) {
    TPrintPDF pdf;
    pdf.TITLE = "Row (1) \\ caf\xC3\xA9";
    pdf.PageWidth = 841.89f;
    pdf.PageHeight = 595.28f;
    pdf.BeginDoc();
    for (int page = 0; page < 3; ++page) {
        if (page > 0) pdf.NewPage();
        pdf.DrawRectangle(21, 570, 820, 21);
        pdf.Font = {poHelveticaBold, 20};
        pdf.TextOut(25, 40, "Row: 1 Col: " + std::to_string(page + 1) + " \xE2\x82\xAC (x)");
    }
    pdf.FileName = (dir / "three.pdf").string();
    std::string reason;
    ASSERT_TRUE(pdf.EndDoc(reason)) << reason;
    EXPECT_TRUE(brevant::testing::QpdfCheckPasses(pdf.FileName));
    EXPECT_EQ(brevant::testing::RenderedPageCount(pdf.FileName), 3);
    TPrintPDF empty;
    empty.BeginDoc();
    empty.FileName = (dir / "empty.pdf").string();
    ASSERT_TRUE(empty.EndDoc(reason)) << reason;
    EXPECT_TRUE(brevant::testing::QpdfCheckPasses(empty.FileName));
}

TEST_F(PdfFiles, AFileThatCannotBeWrittenLeavesTheOldOneAndSaysWhy) {
    TPrintPDF pdf;
    pdf.BeginDoc();
    pdf.FileName = (dir / "missing" / "x.pdf").string();
    std::string reason;
    EXPECT_FALSE(pdf.EndDoc(reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_FALSE(fs::exists(pdf.FileName));
    EXPECT_FALSE(pdf.Document().empty()); // still in memory
}
