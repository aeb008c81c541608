// Screenshots of the flat shape of the square to round, spiral flight and branch pipe after a
// Calculate on their pages, for people to look at; the checks catch an empty view and a
// result panel left unfilled. A definition file opened while another layout type is chosen
// shows its own type's page, calculated.
#include "app_fixture.h"

#include "cad_view_widget.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
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

QString ArtifactDir() {
    QString dir = qEnvironmentVariable("BREVANT_ARTIFACT_DIR", BREVANT_ARTIFACT_DIR);
    dir += "/screenshots";
    QDir().mkpath(dir);
    return dir;
}

} // namespace

class LayoutScreenshotsTest : public QObject {
    Q_OBJECT

private slots:
    void flatShapeAfterCalculate_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("edits"); // name, text, name, text, ...
        QTest::addColumn<QString>("title");     // Label10 of the result panel, "" when none
        QTest::newRow("square-to-round-shifted-tilted")
            << 1 << QStringList{"SquareWidth",     "20", "SquareLength",      "16",
                                "SquareHeight",    "12", "SquareTopDiameter", "10",
                                "SquareTopXShift", "2",  "SquareTopAngle",    "15"}
            << QString();
        QTest::newRow("spiral-flight")
            << 2 << QStringList{"SpiralODEdit", "21", "SpiralIDEdit", "8", "SpiralPitchEdit", "12"}
            << QString("Spiral Flight Dimensions");
        QTest::newRow("pipe-intersection")
            << 3
            << QStringList{"BigPipeDiaEdit", "12", "SmallPipeDiaEdit", "6", "PipeOffsetEdit", "1"}
            << QString();
    }

    void flatShapeAfterCalculate() {
        QFETCH(int, type);
        QFETCH(QStringList, edits);
        QFETCH(QString, title);
        AppFixture app;
        app.Show(1100, 760);
        app.Find<QComboBox>("LayoutComboBox")->setCurrentIndex(type);
        for (qsizetype i = 0; i + 1 < edits.size(); i += 2)
            app.Commit(edits[i].toUtf8().constData(), edits[i + 1]);
        app.Trigger("CalculateMenu");
        QVERIFY(app.messages.empty());
        app.Find<QTabWidget>("DisplayTabControl")->setCurrentIndex(2);
        QTest::qWait(150);
        QApplication::processEvents();
        const QString name = QString::fromUtf8(QTest::currentDataTag()) + "-flat-shape.png";
        QVERIFY(app.window->grab().save(ArtifactDir() + "/" + name));
        QVERIFY(LitShare(app.window->FlatView().Picture()) > 0.002);
        if (!title.isEmpty()) QCOMPARE(app.Find<QLabel>("Label10")->text(), title);
    }

    // Opening a file as "brevant FILE" and the file manager do, while the cone is chosen.
    void fileOpensOnItsOwnTypesPageCalculated() {
        AppFixture app;
        app.Show(1100, 760);
        auto* combo = app.Find<QComboBox>("LayoutComboBox");
        combo->setCurrentIndex(0);
        QCOMPARE(app.Find<QTabWidget>("DimTabControl")->currentIndex(), 0);
        app.window->OpenFiles({QString(BREVANT_EXAMPLES_DIR) + "/square-to-round.layout"});
        QApplication::processEvents();
        QVERIFY(app.messages.empty());
        QCOMPARE(app.window->windowTitle(), QString("Brevant [square-to-round.layout]"));
        QCOMPARE(combo->currentIndex(), 1);
        QCOMPARE(combo->currentText(), QString("Square to Round"));
        QCOMPARE(app.Find<QTabWidget>("DimTabControl")->currentIndex(), 1);
        QVERIFY(app.EditOf("SquareWidth")->isVisible());
        QCOMPARE(app.EditOf("SquareWidth")->text(), QString("20"));
        QVERIFY(!app.EditOf("ConeTopDiameter")->isVisible());
        // Calculated: the pattern's size in the result panel and the pattern in the flat view.
        QCOMPARE(app.Find<QLabel>("WidthX")->text(), QString("24.2726"));
        QCOMPARE(app.Find<QLabel>("HeightY")->text(), QString("46.8528"));
        app.Find<QTabWidget>("DisplayTabControl")->setCurrentIndex(2);
        QTest::qWait(150);
        QApplication::processEvents();
        QVERIFY(app.Find<QWidget>("RegularDataDisplay")->isVisible());
        QVERIFY(app.Find<QLabel>("WidthX")->isVisible());
        QVERIFY(app.window->grab().save(ArtifactDir() + "/square-to-round-opened.png"));
        QVERIFY(LitShare(app.window->FlatView().Picture()) > 0.002);
    }
};

QTEST_MAIN(LayoutScreenshotsTest)
#include "layout_screenshots_gl_test.moc"
