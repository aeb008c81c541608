// A pan on the view's bitmap scrolls the pixels and paints the uncovered strips; the picture
// must be the one a full repaint of the same view paints, within antialiasing shades: thin and
// wide lines, dashed lines, arcs large and small, dots, points, texts and filled boxes, on a
// screen of normal and of double density, and with ends midway between pixels.
#include "caddraw/cad_draw.h"
#include "painter_canvas.h"

#include <QDir>
#include <QGuiApplication>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace brevant;

namespace {

// Scattered elements of every kind; `whole` puts them on whole units (ends midway between
// pixels where the view's centre falls between two).
void Fill(TCadDraw& view, bool whole) {
    for (int i = 0; i < 400; ++i) {
        const double f = whole ? 0 : 0.37;
        const double x = (i * 37) % 200 - 100 + f * (i % 7), y = (i * 53) % 140 - 70 + f * (i % 5);
        view.SetDrawColor(i % 3 ? kColorLimeGreen : kColorRed);
        view.CadSettings().current_linetype = i % 11 == 0 ? 2 : 0;
        view.MakeLine(x, y, 0, x + (i % 41) - 20, y + (i % 23) - 11, 0);
        view.MakeLine(x + 3, y + 3, 0, x + 3, y + 3, 0); // no length: a dot
        view.MakeArc(1, x, y, 0, 0.3 + (i % 40), i * 17 % 360, i * 17 % 360 + 10 + i * 29 % 340);
        if (i % 25 == 0) view.MakePoint(x - 2, y + 1, 0);
        if (i % 40 == 0) view.MakeText(x, y, "A12");
        if (i % 60 == 0) view.MakeRectangle(x, y, 6, 4, kColorCyan, kColorWhite);
    }
}

// The largest difference of a colour channel between the two pictures, and how many pixels
// differ by more than 16.
std::pair<int, int> Difference(const QImage& a, const QImage& b) {
    int worst = 0, many = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q))});
            worst = std::max(worst, d);
            many += d > 16;
        }
    return {worst, many};
}

// The last pictures of each case are kept for a look.
void Keep(const QImage& image, const QString& name) {
    QString dir = qEnvironmentVariable("BREVANT_ARTIFACT_DIR", BREVANT_ARTIFACT_DIR);
    dir += "/screenshots";
    QDir().mkpath(dir);
    image.save(dir + "/cad_view_scroll_" + name + ".png");
}

} // namespace

class CadViewScrollTest : public QObject {
    Q_OBJECT

private slots:
    void aPanShowsWhatARepaintShows_data() {
        QTest::addColumn<double>("density");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<double>("penWidth");
        QTest::newRow("normal density") << 1.0 << 320 << false << 1.0;
        QTest::newRow("double density") << 2.0 << 320 << false << 1.0;
        QTest::newRow("wide pen") << 1.0 << 320 << false << 3.0;
        QTest::newRow("ends midway between pixels") << 1.0 << 321 << true << 1.0;
    }

    void aPanShowsWhatARepaintShows() {
        QFETCH(double, density);
        QFETCH(int, width);
        QFETCH(bool, whole);
        QFETCH(double, penWidth);
        ImageCanvas canvas(density);
        TCadDraw view;
        view.SetCanvas(&canvas);
        Fill(view, whole);
        view.CadSettings().SetPenWidth(static_cast<float>(penWidth));
        view.Resize(width, 240);
        if (whole) view.SetViewSize(2 * 240); // one unit a pixel
        QImage panned, repainted;
        const int shifts[][2] = {{3, 0},  {-3, 0}, {0, 5}, {0, -4},
                                 {7, -6}, {-1, 1}, {2, 2}, {-40, 31}};
        for (const auto& s : shifts) {
            view.Pan(s[0] / view.CadSettings().xscale[1], s[1] / view.CadSettings().yscale[1]);
            panned = canvas.Image().copy();
            view.Redraw(); // no move: the whole bitmap painted again
            repainted = canvas.Image().copy();
            const auto [worst, many] = Difference(panned, repainted);
            if (worst > 0)
                qInfo("shift %d, %d: worst difference %d of 255, %d pixels over 16", s[0], s[1],
                      worst, many);
            QVERIFY2(worst <= 64 && many <= 4,
                     qPrintable(QString("shift %1, %2: worst %3, %4 over 16")
                                    .arg(s[0])
                                    .arg(s[1])
                                    .arg(worst)
                                    .arg(many)));
        }
        const QString row = QString(QTest::currentDataTag()).replace(' ', '_');
        Keep(panned, row + "_panned");
        Keep(repainted, row + "_repainted");
    }
};

QTEST_MAIN(CadViewScrollTest)
#include "cad_view_scroll_test.moc"
