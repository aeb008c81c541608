// The CAD view widget: painting the engine's drawing, wheel zoom about the mouse, panning
// with the middle button, and printing through the printer adapter.
#include "cad_view_widget.h"
#include "qt_printer.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

using namespace brevant;

namespace {

int LitPixels(const QImage& image) {
    int lit = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) > 60) ++lit;
    return lit;
}

// A square of four lines and a circle of arcs, fitted into the view.
void DrawSample(TCadDraw& view) {
    view.MakeLine(0, 0, 0, 10, 0, 0);
    view.MakeLine(10, 0, 0, 10, 10, 0);
    view.MakeLine(10, 10, 0, 0, 10, 0);
    view.MakeLine(0, 10, 0, 0, 0, 0);
    view.MakeArc(1, 5, 5, 0, 3, 0, 180);
    view.MakeArc(1, 5, 5, 0, 3, 180, 0);
    view.SetExtents();
    view.ZoomAll();
}

} // namespace

class CadViewTest : public QObject {
    Q_OBJECT

private slots:
    void paintsTheDrawingOnBlack() {
        TCadDraw view;
        view.SetBackgroundColor(kColorBlack);
        CadViewWidget widget(view);
        widget.resize(400, 300);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QCOMPARE(LitPixels(widget.Picture()), 0);
        DrawSample(view);
        const QImage picture = widget.Picture();
        QCOMPARE(picture.size(), QSize(400, 300));
        QVERIFY(LitPixels(picture) > 200);
        QCOMPARE(qGray(picture.pixel(2, 2)), 0); // the margin stays background
    }

    void wheelZoomsAboutTheMouseAndMiddleDragPans() {
        TCadDraw view;
        CadViewWidget widget(view);
        widget.resize(400, 400);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        DrawSample(view);
        const double before = view.ViewSize();
        const QPoint at(300, 100);
        QTest::mouseMove(&widget, at);
        const TDPoint under = view.PixelToCoord(at.x(), at.y());
        QWheelEvent wheel(at, widget.mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&widget, &wheel);
        QVERIFY(std::abs(view.ViewSize() - before * 0.9) < 1e-6);
        const TDPoint after = view.PixelToCoord(at.x(), at.y());
        QVERIFY(std::abs(after.x - under.x) < 0.1 && std::abs(after.y - under.y) < 0.1);
        const double cx = view.CenterX();
        QTest::mousePress(&widget, Qt::MiddleButton, Qt::NoModifier, QPoint(200, 200));
        QMouseEvent move(QEvent::MouseMove, QPointF(220, 200),
                         widget.mapToGlobal(QPointF(220, 200)), Qt::NoButton, Qt::MiddleButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&widget, &move);
        QTest::mouseRelease(&widget, Qt::MiddleButton, Qt::NoModifier, QPoint(220, 200));
        QVERIFY(view.CenterX() < cx); // dragging right moves the view's centre left
    }

    void printsThroughThePrinterAdapter() {
        QTemporaryDir dir;
        TCadDraw view;
        CadViewWidget widget(view);
        widget.resize(300, 300);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        DrawSample(view);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString path = dir.path() + "/view.pdf";
        printer.setOutputFileName(path);
        QtPrinter adapter(printer);
        QVERIFY(adapter.PageWidth() > 0);
        const int below = view.PrintCad(adapter);
        QVERIFY2(below > 0, view.LastError().c_str());
        QVERIFY(!adapter.Printing());
        QVERIFY(QFileInfo(path).size() > 500);
    }
};

QTEST_MAIN(CadViewTest)
#include "cad_view_test.moc"
