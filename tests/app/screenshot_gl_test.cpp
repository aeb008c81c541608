// Screenshots of the window on a real display after a Calculate of the example hopper cone:
// each display tab, every dimension drawing, the settings dialog, the About box and a message.
// The pictures go to the artifact folder for people to look at; the checks catch blank views.
#include "app_fixture.h"

#include "about_box.h"
#include "cad_view_widget.h"
#include "settings_dialog.h"
#include "solid_viewport.h"

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

bool Save(QWidget& w, const QString& name) {
    QApplication::processEvents();
    return WindowPicture(w).save(ArtifactDir() + "/" + name + ".png");
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

class ScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void displayTabsAfterCalculate() {
        AppFixture app;
        app.Show(1100, 760);
        app.Find<QComboBox>("LayoutComboBox")->setCurrentIndex(0);
        app.Commit("ConeTopDiameter", "10");
        app.Commit("ConeBottomDiameter", "20");
        app.Commit("ConeHeight", "10");
        app.Type("SheetWidth", "96");
        app.Type("SheetHeight", "48");
        app.Type("XClearenceEdit", "0.5");
        app.Type("YClearenceEdit", "0.5");
        app.Trigger("CalculateMenu");
        QVERIFY(app.messages.empty());
        auto* tabs = app.Find<QTabWidget>("DisplayTabControl");
        const char* names[] = {"1-dimensions", "2-solid", "3-flat-shape", "4-sheet"};
        for (int i = 0; i < 4; ++i) {
            tabs->setCurrentIndex(i);
            QTest::qWait(150);
            QVERIFY(Save(*app.window, QString("cone-") + names[i]));
        }
        app.window->resize(640, 480 + 50);
        tabs->setCurrentIndex(2);
        QTest::qWait(150);
        QVERIFY(Save(*app.window, "cone-flat-shape-small-window"));
        QVERIFY(LitShare(app.window->FlatView().Picture()) > 0.002);
        QVERIFY(LitShare(app.window->SheetView().Picture()) > 0.002);
        qInfo("OpenGL available: %s", OpenGLAvailable() ? "yes" : "no");
    }

    // A cone typed and calculated in millimetres, then Settings > Units: Inches > OK: the
    // labels, the typed values and the results are in inches at once, the same part.
    void coneAfterOkFromMillimetresToInches() {
        AppFixture app;
        app.Show(1100, 760);
        const auto chooseUnit = [&app](int index) {
            return app.WithSettingsOpen([index](SettingsDialog& d) {
                d.findChild<QComboBox*>("UnitsComboBox")->setCurrentIndex(index);
                d.findChild<QPushButton*>("Button1")->click();
            });
        };
        QVERIFY(chooseUnit(kMillimeters));
        app.Commit("ConeTopDiameter", "250");
        app.Commit("ConeBottomDiameter", "500");
        app.Commit("ConeHeight", "250");
        app.Trigger("CalculateMenu");
        QVERIFY(app.messages.empty());
        auto* tabs = app.Find<QTabWidget>("DisplayTabControl");
        tabs->setCurrentIndex(2);
        QTest::qWait(150);
        QVERIFY(Save(*app.window, "cone-millimetres"));
        const double radius = app.Find<QLabel>("LargeRadius")->text().toDouble();

        QVERIFY(chooseUnit(kInches));
        QTest::qWait(150);
        QVERIFY(Save(*app.window, "cone-after-ok-to-inches"));
        QVERIFY(app.messages.empty());
        for (const char* label : {"UnitLabel1", "UnitLabel2", "UnitLabel3"})
            QCOMPARE(app.Find<QLabel>(label)->text(), QString("in"));
        QCOMPARE(app.EditOf("ConeTopDiameter")->text().toDouble(), 250 / 25.4);
        QCOMPARE(app.EditOf("ConeHeight")->text().toDouble(), 250 / 25.4);
        QVERIFY(qAbs(app.Find<QLabel>("LargeRadius")->text().toDouble() - radius / 25.4) < 1e-3);
    }

    void dimensionDrawingOfEachType() {
        AppFixture app;
        app.Show(1000, 700);
        app.Find<QTabWidget>("DisplayTabControl")->setCurrentIndex(0);
        const char* names[] = {"cone", "square-to-round", "spiral-flight", "pipe-intersection"};
        for (int type = 0; type < 4; ++type) {
            app.Find<QComboBox>("LayoutComboBox")->setCurrentIndex(type);
            QTest::qWait(100);
            QVERIFY(Save(*app.window, QString("dimensions-") + names[type]));
        }
    }

    void dialogs() {
        AppFixture app;
        app.Show();
        SettingsDialog& settings = app.window->Settings();
        settings.show();
        QVERIFY(QTest::qWaitForWindowExposed(&settings));
        QVERIFY(Save(settings, "settings"));
        settings.hide();
        AboutBox& about = app.window->About();
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::qWait(2300);
        QVERIFY(Save(about, "about"));
        about.close();
        TMy message(app.window.get(), MessageStyle::Memo);
        message.SetTitleCaption("Brevant by Quorvel Software");
        message.Prepare("Bad number in ConeBottomDiameter", "2x", 0);
        message.show();
        QVERIFY(QTest::qWaitForWindowExposed(&message));
        QVERIFY(Save(message, "message-kind-0"));
        message.Prepare("Overwrite existing file?", "", 2);
        QVERIFY(Save(message, "message-kind-2"));
        message.hide();
    }
};

QTEST_MAIN(ScreenshotTest)
#include "screenshot_gl_test.moc"
