// A screenshot of the spiral flight's flat shape after a Calculate of OD 21, ID 8, pitch 12,
// for people to look at; the checks catch a blank view and an empty result display.
#include "app_fixture.h"

#include "cad_view_widget.h"

#include <QComboBox>
#include <QDir>
#include <QTabWidget>

using namespace brevant;
using namespace brevant::apptest;

namespace {

QString ArtifactDir() {
    QString dir = qEnvironmentVariable("BREVANT_ARTIFACT_DIR", BREVANT_ARTIFACT_DIR);
    dir += "/screenshots";
    QDir().mkpath(dir);
    return dir;
}

// Share of pixels brighter than the background: a drawn view is not blank.
double LitShare(const QImage& image) {
    qint64 lit = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            if (qGray(image.pixel(x, y)) > 60) ++lit;
    return double(lit) / (double(image.width() / 2) * double(image.height() / 2));
}

} // namespace

class SpiralScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void flatShapeOfAConveyorFlight() {
        AppFixture app;
        app.Show(1100, 760);
        app.Find<QComboBox>("LayoutComboBox")->setCurrentIndex(2);
        app.Commit("SpiralODEdit", "21");
        app.Commit("SpiralIDEdit", "8");
        app.Commit("SpiralPitchEdit", "12");
        app.Trigger("CalculateMenu");
        QVERIFY(app.messages.empty());
        app.Find<QTabWidget>("DisplayTabControl")->setCurrentIndex(2);
        QTest::qWait(150);
        QApplication::processEvents();
        QVERIFY(app.window->grab().save(ArtifactDir() + "/spiral-flat-shape.png"));
        QVERIFY(LitShare(app.window->FlatView().Picture()) > 0.002);
        QCOMPARE(app.Find<QLabel>("Label10")->text(), QString("Spiral Flight Dimensions"));
        QVERIFY(app.Find<QLabel>("LargeRadius")->text().startsWith("11.117"));
    }
};

QTEST_MAIN(SpiralScreenshotTest)
#include "spiral_screenshot_gl_test.moc"
