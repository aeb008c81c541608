// The QPainter canvas paints a batch of strokes as it paints them one call at a time: lines,
// lines without length (a dot each), polylines, arcs and dashed strokes. Thin solid lines,
// dots, polylines and small arcs on the screen bitmap are painted straight onto its pixels,
// the same within antialiasing shades; everything else exactly as its calls paint it.
#include "painter_canvas.h"

#include <QGuiApplication>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace brevant;

Q_DECLARE_METATYPE(brevant::TDashStyle)

namespace {

// The same canvas, painting every batch call by call.
class OneByOneCanvas : public ImageCanvas {
public:
    void DrawStrokes(const TStrokeBatch& batch) override { ICanvas::DrawStrokes(batch); }
};

// Fifty strokes of each kind scattered over a 300 x 200 image, some across its edges.
TStrokeBatch Sample() {
    TStrokeBatch b;
    for (int i = 0; i < 50; ++i) {
        const double x = 7.5 + (i * 37) % 300, y = 3.5 + (i * 53) % 200;
        b.AddLine(x, y, x + 20 - i % 40, y + (i % 7) - 3);
        b.AddLine(x + 1, y + 2, x + 1, y + 2); // no length
        b.BeginPolyline();
        for (int k = 0; k <= 6; ++k)
            b.AddPoint(x + 4 * k, y + 6 * std::sin(k + i));
        b.EndPolyline();
        b.AddArc({x, y, double(1 + i % 30), double(i * 17 % 360), double(10 + i * 29 % 350)});
    }
    return b;
}

QImage Paint(ImageCanvas& canvas, TDashStyle dash, double width) {
    canvas.Resize(300, 200);
    canvas.Clear(0xFF000000);
    canvas.SetStrokeColor(0xFF32CD32);
    canvas.SetStrokeWidth(width);
    canvas.SetDash(dash);
    canvas.DrawStrokes(Sample());
    return canvas.Image().copy();
}

} // namespace

class PainterCanvasTest : public QObject {
    Q_OBJECT

private slots:
    void aBatchPaintsAsItsCalls_data() {
        QTest::addColumn<TDashStyle>("dash");
        QTest::addColumn<double>("width");
        QTest::addColumn<bool>("exact");
        QTest::newRow("solid") << TDashStyle::Solid << 1.0 << false;
        QTest::newRow("dotted") << TDashStyle::Dot << 1.0 << true;
        QTest::newRow("dash-dot, wide") << TDashStyle::DashDot << 3.0 << true;
    }

    void aBatchPaintsAsItsCalls() {
        QFETCH(TDashStyle, dash);
        QFETCH(double, width);
        QFETCH(bool, exact);
        ImageCanvas batched;
        OneByOneCanvas calls;
        const QImage a = Paint(batched, dash, width), b = Paint(calls, dash, width);
        if (exact) {
            QCOMPARE(a, b);
        } else {
            // Shades of the same strokes: no pixel lit in one and dark in the other.
            int worst = 0, differing = 0;
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x) {
                    const int d = std::abs(qGreen(a.pixel(x, y)) - qGreen(b.pixel(x, y)));
                    worst = std::max(worst, d);
                    differing += d > 8;
                }
            qInfo("worst shade difference %d of 255, %d pixels differ by more than 8", worst,
                  differing);
            QVERIFY(worst <= 64);
            QVERIFY(differing < a.width() * a.height() / 200);
        }
        int lit = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (qGreen(a.pixel(x, y)) > 60) ++lit;
        QVERIFY(lit > 500); // something was painted
    }
};

QTEST_MAIN(PainterCanvasTest)
#include "painter_canvas_test.moc"
