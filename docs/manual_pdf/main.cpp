// brevant-manual-pdf: turns the Markdown chapters of the user manual into one printable PDF
// (A4, a title page, a table of contents, page numbers) with the dimension pictures drawn from
// their SVG files.
//
// Usage: brevant-manual-pdf OUTPUT.pdf VERSION CHAPTER.md...
// A picture is written in Markdown as ![caption](PATH.svg), PATH relative to its chapter.
#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr double kBodyPoints = 10;
constexpr double kCodePoints = 8.5;
constexpr double kPictureWidthShare = 0.62; // of the text width
constexpr int kFooterMillimetres = 10;
constexpr int kResolution = 600; // dots per inch of the PDF page

struct Heading {
    int level;
    QString text;
    int page; // 0-based page of the body
};

bool ReadText(const QString& path, QString& text) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "brevant-manual-pdf: cannot read %s: %s\n", qPrintable(path),
                     qPrintable(f.errorString()));
        return false;
    }
    text = QString::fromUtf8(f.readAll());
    return true;
}

// A Markdown picture: ![caption](PATH.svg).
const QRegularExpression& PicturePattern() {
    static const QRegularExpression picture(R"((!\[[^\]]*\]\()([^)\s]+\.svg)\))");
    return picture;
}

// The chapter's picture paths made absolute, so that chapters from any folder can be joined.
QString WithAbsolutePictures(const QString& markdown, const QString& chapterPath) {
    const QDir folder = QFileInfo(chapterPath).absoluteDir();
    QString out;
    qsizetype done = 0;
    for (auto it = PicturePattern().globalMatch(markdown); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += markdown.mid(done, m.capturedStart(0) - done);
        out += m.captured(1) + QDir::cleanPath(folder.absoluteFilePath(m.captured(2))) + ")";
        done = m.capturedEnd(0);
    }
    return out + markdown.mid(done);
}

// Renders every SVG picture the Markdown names into an image resource of the document.
bool RegisterPictures(QTextDocument& doc, const QString& markdown) {
    for (auto it = PicturePattern().globalMatch(markdown); it.hasNext();) {
        const QString path = it.next().captured(2);
        QSvgRenderer svg(path);
        if (!svg.isValid()) {
            std::fprintf(stderr, "brevant-manual-pdf: cannot read picture %s\n", qPrintable(path));
            return false;
        }
        const QSize size = svg.defaultSize().scaled(1600, 1600, Qt::KeepAspectRatio);
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p);
        p.end();
        doc.addResource(QTextDocument::ImageResource, QUrl(path), image);
    }
    return true;
}

// Sizes the pictures to a share of the text width, keeping their proportions.
void SizePictures(QTextDocument& doc, double textWidth) {
    QTextCursor cursor(&doc);
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            if (!frag.charFormat().isImageFormat()) continue;
            QTextImageFormat img = frag.charFormat().toImageFormat();
            const QImage image =
                doc.resource(QTextDocument::ImageResource, QUrl(img.name())).value<QImage>();
            if (image.isNull()) continue;
            // The layout scales a picture's size from screen pixels (96 per inch) to the page.
            const double w = textWidth * kPictureWidthShare * 96 / kResolution;
            img.setWidth(w);
            img.setHeight(w * image.height() / image.width());
            cursor.setPosition(frag.position());
            cursor.setPosition(frag.position() + frag.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(img);
        }
        if (b.text().trimmed() == QChar(QChar::ObjectReplacementCharacter)) {
            QTextBlockFormat centred = b.blockFormat();
            centred.setAlignment(Qt::AlignHCenter);
            cursor.setPosition(b.position());
            cursor.setBlockFormat(centred);
        }
    }
}

// Chapters start on a new page; headings get room above them; code blocks a smaller font
// and a grey background; tables thin borders.
void StyleDocument(QTextDocument& doc) {
    QTextCursor cursor(&doc);
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QTextBlockFormat bf = b.blockFormat();
        const int level = bf.headingLevel();
        cursor.setPosition(b.position());
        if (level == 1 && b.position() > 0) {
            bf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            cursor.setBlockFormat(bf);
        } else if (level >= 2) {
            bf.setTopMargin(10);
            bf.setBottomMargin(4);
            cursor.setBlockFormat(bf);
        }
        if (bf.hasProperty(QTextFormat::BlockCodeFence) ||
            bf.hasProperty(QTextFormat::BlockCodeLanguage)) {
            bf.setBackground(QColor(238, 238, 238));
            bf.setNonBreakableLines(false); // a line too long for the page wraps, not clips
            bf.setLeftMargin(8);
            cursor.setBlockFormat(bf);
            cursor.setPosition(b.position() + b.length() - 1, QTextCursor::KeepAnchor);
            QTextCharFormat cf;
            cf.setFontPointSize(kCodePoints);
            cursor.mergeCharFormat(cf);
        }
    }
    for (QTextFrame* frame : doc.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table) continue;
        QTextTableFormat tf = table->format();
        tf.setBorder(0.5);
        tf.setBorderBrush(QColor(120, 120, 120));
        tf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        tf.setCellSpacing(0);
        tf.setBorderCollapse(true);
        tf.setHeaderRowCount(1);
        for (int r = 0; r < table->rows(); ++r)
            for (int c = 0; c < table->columns(); ++c) {
                QTextTableCell cell = table->cellAt(r, c);
                QTextTableCellFormat cf = cell.format().toTableCellFormat();
                cf.setBorder(0.5);
                cf.setBorderBrush(QColor(120, 120, 120));
                cf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
                cell.setFormat(cf);
            }
        tf.setCellPadding(3);
        tf.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        table->setFormat(tf);
        for (int c = 0; c < table->columns(); ++c) {
            QTextTableCell head = table->cellAt(0, c);
            QTextCharFormat bold;
            bold.setFontWeight(QFont::Bold);
            QTextCursor cc = head.firstCursorPosition();
            cc.setPosition(head.lastCursorPosition().position(), QTextCursor::KeepAnchor);
            cc.mergeCharFormat(bold);
        }
    }
}

// A heading at the foot of a page moves to the next page together with the block after it.
void KeepHeadingsWithText(QTextDocument& doc, double pageHeight) {
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    QTextCursor cursor(&doc);
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextBlock next = b.next();
        if (b.blockFormat().headingLevel() < 2 || !next.isValid()) continue;
        const QRectF head = layout->blockBoundingRect(b);
        const QRectF body = layout->blockBoundingRect(next);
        const int headPage = static_cast<int>(head.top() / pageHeight);
        // The first line of the next block (or all of it, when it is short) must share the page.
        const double needed =
            std::min(body.bottom(), body.top() + 3 * kBodyPoints * kResolution / 72.0);
        if (static_cast<int>(needed / pageHeight) == headPage) continue;
        QTextBlockFormat bf = b.blockFormat();
        bf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        cursor.setPosition(b.position());
        cursor.setBlockFormat(bf);
    }
}

std::vector<Heading> CollectHeadings(QTextDocument& doc, double pageHeight) {
    std::vector<Heading> out;
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const int level = b.blockFormat().headingLevel();
        if (level < 1 || level > 2) continue;
        const double top = layout->blockBoundingRect(b).top();
        out.push_back({level, b.text(), static_cast<int>(top / pageHeight)});
    }
    return out;
}

QString Escaped(const QString& s) {
    return s.toHtmlEscaped();
}

QString ContentsHtml(const std::vector<Heading>& headings, int firstBodyPage) {
    QString html = "<h1>Contents</h1><table width='100%' cellspacing='0' cellpadding='2'>";
    for (const Heading& h : headings) {
        const QString indent = h.level == 1 ? QString() : QString("&nbsp;&nbsp;&nbsp;&nbsp;");
        const QString text = h.level == 1 ? "<b>" + Escaped(h.text) + "</b>" : Escaped(h.text);
        html += "<tr><td>" + indent + text + "</td><td align='right'>" +
                QString::number(h.page + firstBodyPage) + "</td></tr>";
    }
    return html + "</table>";
}

QString TitleHtml(const QString& version) {
    return "<div style='text-align:center'><p style='font-size:36pt'>&nbsp;</p>"
           "<p style='font-size:36pt'>&nbsp;</p>"
           "<p style='font-size:30pt'><b>Brevant</b></p>"
           "<p style='font-size:16pt'>User Manual</p>"
           "<p style='font-size:12pt'>Flat patterns for sheet-metal fabrication:<br/>"
           "cones, cylinders, square to round, spiral flights, pipe intersections</p>"
           "<p style='font-size:11pt'>&nbsp;</p>"
           "<p style='font-size:11pt'>Version " +
           Escaped(version) + "</p><p style='font-size:11pt'>Quorvel Software</p></div>";
}

void SetUpDocument(QTextDocument& doc, QPaintDevice* device, QSizeF page) {
    doc.documentLayout()->setPaintDevice(device);
    QFont body("DejaVu Sans");
    body.setPointSizeF(kBodyPoints);
    doc.setDefaultFont(body);
    doc.setPageSize(page);
    doc.setDocumentMargin(0);
}

int PageCount(QTextDocument& doc) {
    return doc.pageCount();
}

// Paints the pages of doc, each followed by a page number unless numbered is false.
void PaintPages(QPainter& painter, QPdfWriter& writer, QTextDocument& doc, int& pageNumber,
                bool numbered, bool& first, double footerTop) {
    const QSizeF page = doc.pageSize();
    for (int i = 0; i < doc.pageCount(); ++i) {
        if (!first) writer.newPage();
        first = false;
        painter.save();
        painter.translate(0, -i * page.height());
        const QRectF clip(0, i * page.height(), page.width(), page.height());
        QAbstractTextDocumentLayout::PaintContext ctx;
        ctx.clip = clip;
        painter.setClipRect(clip);
        doc.documentLayout()->draw(&painter, ctx);
        painter.restore();
        ++pageNumber;
        if (numbered) {
            QFont f("DejaVu Sans");
            f.setPointSizeF(8);
            painter.setFont(f);
            painter.setPen(QColor(90, 90, 90));
            const QRectF footer(0, footerTop, page.width(), page.height());
            painter.drawText(footer, Qt::AlignHCenter | Qt::AlignTop,
                             QString("Brevant User Manual  \u2013  %1").arg(pageNumber));
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: brevant-manual-pdf OUTPUT.pdf VERSION CHAPTER.md...\n");
        return 2;
    }
    const QString output = args[1], version = args[2];
    QString markdown;
    for (int i = 3; i < args.size(); ++i) {
        QString text;
        if (!ReadText(args[i], text)) return 1;
        markdown += WithAbsolutePictures(text, args[i]) + "\n\n";
    }

    // Written to a temporary name and moved into place, so that a failed run leaves no
    // half-written manual behind.
    QSaveFile target(output);
    if (!target.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "brevant-manual-pdf: cannot write %s: %s\n", qPrintable(output),
                     qPrintable(target.errorString()));
        return 1;
    }
    {
        QPdfWriter writer(&target);
        writer.setResolution(kResolution);
        writer.setTitle("Brevant User Manual");
        writer.setCreator("brevant-manual-pdf");
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(20, 18, 20, 12 + kFooterMillimetres),
                                         QPageLayout::Millimeter));
        const QRect paint = writer.pageLayout().paintRectPixels(writer.resolution());
        const QSizeF page(paint.width(), paint.height());
        const double footerTop =
            page.height() + kFooterMillimetres / 2.0 / 25.4 * writer.resolution();

        QTextDocument body;
        SetUpDocument(body, &writer, page);
        // Setting the text clears the resources, so the pictures come after it.
        body.setMarkdown(markdown);
        if (!RegisterPictures(body, markdown)) return 1;
        StyleDocument(body);
        SizePictures(body, page.width());
        KeepHeadingsWithText(body, page.height());
        const std::vector<Heading> headings = CollectHeadings(body, page.height());

        QTextDocument title;
        SetUpDocument(title, &writer, page);
        title.setHtml(TitleHtml(version));
        QTextDocument contents;
        SetUpDocument(contents, &writer, page);
        contents.setHtml(ContentsHtml(headings, 1));
        const int front = PageCount(title) + PageCount(contents);
        contents.setHtml(ContentsHtml(headings, front + 1));

        QPainter painter(&writer);
        int pageNumber = 0;
        bool first = true;
        PaintPages(painter, writer, title, pageNumber, false, first, footerTop);
        PaintPages(painter, writer, contents, pageNumber, true, first, footerTop);
        PaintPages(painter, writer, body, pageNumber, true, first, footerTop);
        painter.end();
    }
    if (!target.commit()) {
        std::fprintf(stderr, "brevant-manual-pdf: cannot write %s: %s\n", qPrintable(output),
                     qPrintable(target.errorString()));
        return 1;
    }
    return 0;
}
