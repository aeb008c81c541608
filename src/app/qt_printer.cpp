// The printer adapter over QPrinter and QPrintDialog.
#include "qt_printer.h"

#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

namespace brevant {

QtPrinter::QtPrinter(QPrinter& printer) : printer_(printer) {}

QtPrinter::~QtPrinter() {
    if (painter_) EndDoc();
}

double QtPrinter::PageWidth() const {
    return printer_.pageLayout().paintRectPixels(printer_.resolution()).width();
}

double QtPrinter::PageHeight() const {
    return printer_.pageLayout().paintRectPixels(printer_.resolution()).height();
}

bool QtPrinter::BeginDoc(const std::string& title) {
    if (painter_) return true;
    printer_.setDocName(QString::fromStdString(title));
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(&printer_)) return false;
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter_ = std::move(painter);
    return true;
}

void QtPrinter::EndDoc() {
    if (!painter_) return;
    painter_->end();
    painter_.reset();
}

void QtPrinter::AbortDoc() {
    if (!painter_) return;
    printer_.abort();
    painter_->end();
    painter_.reset();
}

void QtPrinter::NewPage() {
    printer_.newPage();
}

void QtPrinter::SetFont(const std::string& family, double size) {
    QFont font(QString::fromStdString(family));
    font.setPointSizeF(size);
    canvas_.SetFont(font);
}

void QtPrinter::SetPaper(QPrinter& printer, const PdfPaper& upright, bool landscape) {
    // A fuzzy match finds the standard paper of these points (A4, Letter, ...), so that the
    // print dialog shows it by its own name.
    const QSize points(qRound(upright.WidthPoints), qRound(upright.HeightPoints));
    printer.setPageSize(QPageSize(points, QString::fromUtf8(upright.Name)));
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool QtPrinter::AskPrinter(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace brevant
