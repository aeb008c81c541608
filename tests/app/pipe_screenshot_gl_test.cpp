// A screenshot of the branch pipe's flat pattern after a Calculate on the pipe page, for people
// to look at; the check catches an empty view.
#include "app_fixture.h"

#include "cad_view_widget.h"

#include <QComboBox>
#include <QDir>
#include <QTabWidget>

using namespace brevant;
using namespace brevant::apptest;

namespace {

// Share of pixels brighter than the background: a drawn view is not blank.
double LitShare(const QImage& image) {
    qint64 lit = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            if (qGray(image.pixel(x, y)) > 60) ++lit;
    return double(lit) / (double(image.width() / 2) * double(image.height() / 2));
}

} // namespace

class PipeScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void flatShapeAfterCalculate() {
        AppFixture app;
        app.Show(1100, 760);
        app.Find<QComboBox>("LayoutComboBox")->setCurrentIndex(3);
        app.Commit("BigPipeDiaEdit", "12");
        app.Commit("SmallPipeDiaEdit", "6");
        app.Commit("PipeOffsetEdit", "1");
        app.Trigger("CalculateMenu");
        QVERIFY(app.messages.empty());
        app.Find<QTabWidget>("DisplayTabControl")->setCurrentIndex(2);
        QTest::qWait(150);
        QApplication::processEvents();
        QString dir = qEnvironmentVariable("BREVANT_ARTIFACT_DIR", BREVANT_ARTIFACT_DIR);
        dir += "/screenshots";
        QDir().mkpath(dir);
        QVERIFY(app.window->grab().save(dir + "/pipe-flat-shape.png"));
        QVERIFY(LitShare(app.window->FlatView().Picture()) > 0.002);
    }
};

QTEST_MAIN(PipeScreenshotTest)
#include "pipe_screenshot_gl_test.moc"
