// The Nest tab in the main window: DXF parts nested on a worker thread while the window keeps
// working, stopped on request, the sheets saved; bad settings and files named in the status
// line. Screenshots of the tab during and after a run are left for people to look at.
#include "app_fixture.h"

#include "documents/cam_dxf_writer.h"
#include "nest_tab.h"

#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>

#include <fstream>

using namespace brevant;
using namespace brevant::apptest;

namespace {

QString ArtifactDir() {
    QString dir = qEnvironmentVariable("BREVANT_ARTIFACT_DIR", BREVANT_ARTIFACT_DIR);
    dir += "/screenshots";
    QDir().mkpath(dir);
    return dir;
}

// A cutting-machine DXF of one piece: a plate with a round end and a round hole.
QString PlateDxf(const QTemporaryDir& dir, const char* name, double length) {
    ShopOutlines o;
    o.cut.push_back({{{0, 0, 0}, {length, 0, 1}, {length, 6, 0}, {0, 6, 0}}, true});
    o.cut.push_back({{{2, 3, 1}, {4, 3, 1}}, true});
    const QString path = dir.filePath(name);
    std::ofstream out(path.toStdString(), std::ios::binary);
    WriteCamDxf(out, o, {});
    return path;
}

struct NestFixture : AppFixture {
    NestFixture() {
        Show(1200, 760);
        Find<QTabWidget>("DisplayTabControl")->setCurrentIndex(4);
        tab = Find<NestTab>("NestTab");
    }
    void Set(const char* edit, const QString& text) { EditOf(edit)->setText(text); }
    NestTab* tab = nullptr;
};

} // namespace

class NestTabTest : public QObject {
    Q_OBJECT

private slots:
    void nestsOnAWorkerWhileTheWindowKeepsWorking() {
        NestFixture app;
        QVERIFY(app.tab);
        app.tab->AddPart(PlateDxf(app.dir, "plate.dxf", 20), 9);
        app.tab->AddPart(PlateDxf(app.dir, "short.dxf", 8), 6);
        app.Set("NestSheetWidth", "48");
        app.Set("NestSheetHeight", "24");
        app.Set("NestClearance", "0.25");
        app.Find<QSpinBox>("NestTime")->setValue(2);
        int ticks = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
        timer.start(20);
        app.Find<QPushButton>("NestButton")->click();
        QVERIFY(app.tab->Running());
        QVERIFY(!app.Find<QPushButton>("NestButton")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(app.tab->StatusText().startsWith("Nesting:"), 20000);
        QVERIFY(app.window->grab().save(ArtifactDir() + "/nest-tab-running.png"));
        QTRY_VERIFY_WITH_TIMEOUT(!app.tab->Running(), 30000);
        timer.stop();
        QVERIFY2(ticks > 20, "the window's event loop ran during the nest");
        QVERIFY(app.tab->Result().has_value());
        int placed = 0;
        for (const NestSheet& s : app.tab->Result()->sheets)
            placed += int(s.placements.size());
        QCOMPARE(placed, 15);
        QVERIFY2(app.tab->StatusText().contains("sheet(s) of 48 x 24 in"),
                 qPrintable(app.tab->StatusText()));
        QCOMPARE(app.Find<QProgressBar>("NestProgress")->value(), 100);
        QTest::qWait(100);
        QVERIFY(app.window->grab().save(ArtifactDir() + "/nest-tab-done.png"));
        for (const char* name : {"sheets.pdf", "sheets.svg", "sheet.dxf"}) {
            QVERIFY(app.tab->SaveSheets(app.dir.filePath(name)));
            QVERIFY2(QFile::exists(app.dir.filePath(name)) ||
                         QFile::exists(app.dir.filePath("sheet-1.dxf")),
                     name);
        }
        QVERIFY(!app.tab->SaveSheets(app.dir.filePath("missing/sheets.pdf")));
        QVERIFY(app.tab->StatusText().startsWith("Cannot write"));
    }

    void stopEndsARunAndKeepsTheBestSoFar() {
        NestFixture app;
        app.tab->AddPart(PlateDxf(app.dir, "plate.dxf", 20), 12);
        app.Find<QSpinBox>("NestTime")->setValue(600);
        app.Find<QPushButton>("NestButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(app.tab->StatusText().startsWith("Nesting:"), 20000);
        app.Find<QPushButton>("NestStopButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!app.tab->Running(), 10000);
        QVERIFY(app.tab->Result().has_value());
        QVERIFY(app.Find<QPushButton>("NestSaveButton")->isEnabled());
    }

    void badSettingsAndFilesAreNamed() {
        NestFixture app;
        app.Find<QPushButton>("NestButton")->click();
        QCOMPARE(app.tab->StatusText(), QString("There is nothing to nest: add the parts first."));
        app.tab->AddPart(app.dir.filePath("none.dxf"), 1);
        app.Find<QPushButton>("NestButton")->click();
        QVERIFY2(app.tab->StatusText().contains("none.dxf\": no such file"),
                 qPrintable(app.tab->StatusText()));
        NestFixture other;
        other.tab->AddPart(PlateDxf(other.dir, "long.dxf", 200), 1);
        other.Set("NestSheetWidth", "4*");
        other.Find<QPushButton>("NestButton")->click();
        QCOMPARE(other.tab->StatusText(), QString("Bad number in the sheet's width."));
        other.Set("NestSheetWidth", "4*24");
        other.Set("NestRotations", "0,x");
        other.Find<QPushButton>("NestButton")->click();
        QVERIFY(other.tab->StatusText().startsWith("The rotations must be"));
        other.Set("NestRotations", "90");
        other.Find<QPushButton>("NestButton")->click();
        QVERIFY2(other.tab->StatusText().endsWith(
                     "does not fit on the 96 x 48 sheet in any allowed rotation."),
                 qPrintable(other.tab->StatusText()));
        QVERIFY(!other.tab->Running());
    }
};

QTEST_MAIN(NestTabTest)
#include "nest_tab_test.moc"
