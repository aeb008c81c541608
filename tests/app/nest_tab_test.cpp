// The Nest tab in the main window: DXF parts, definition files and the calculated part nested on
// a worker thread while the window keeps working, stopped on request, the sheets saved, the job
// saved and loaded; bad settings, files and jobs named in the status line; the window's own
// part untouched by the definition files. Screenshots of the tab during and after a run are
// left for people to look at.
#include "app_fixture.h"

#include "documents/cam_dxf_writer.h"
#include "engine/definition_file.h"
#include "nest_tab.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
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
    // Runs the nest to its end; the copies placed.
    int NestToTheEnd() {
        Find<QPushButton>("NestButton")->click();
        if (!QTest::qWaitFor([this] { return !tab->Running(); }, 60000)) return -1;
        if (!tab->Result()) return -1;
        int placed = 0;
        for (const NestSheet& s : tab->Result()->sheets)
            placed += int(s.placements.size());
        return placed;
    }
    NestTab* tab = nullptr;
};

QString Example(const char* name) {
    return QString(BREVANT_SOURCE_DIR) + "/examples/" + name;
}

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

    // The sheet and the clearance are typed in the window's unit: OK to another unit converts
    // them with the window's fields, Cancel leaves them.
    void sheetFollowsAUnitChangedWithOk() {
        NestFixture app;
        app.Set("NestSheetWidth", "96");
        app.Set("NestSheetHeight", "4*12");
        app.Set("NestClearance", "0.5");
        const auto chooseMillimetres = [&app](const char* button) {
            return app.WithSettingsOpen([button](SettingsDialog& d) {
                d.findChild<QComboBox*>("UnitsComboBox")->setCurrentIndex(kMillimeters);
                d.findChild<QPushButton*>(button)->click();
            });
        };
        QVERIFY(chooseMillimetres("CancelButton"));
        QCOMPARE(app.EditOf("NestSheetWidth")->text(), QString("96"));
        QCOMPARE(app.EditOf("NestSheetHeight")->text(), QString("4*12"));
        QVERIFY(chooseMillimetres("Button1"));
        QCOMPARE(app.EditOf("NestSheetWidth")->text(), QString("2438.4"));
        QCOMPARE(app.EditOf("NestSheetHeight")->text(), QString("1219.2"));
        QCOMPARE(app.EditOf("NestClearance")->text(), QString("12.7"));
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
    void nestsTheCalculatedPartAndDefinitionFilesAndLeavesTheWindowsPart() {
        NestFixture app;
        QVERIFY(!app.tab->AddCurrentPart(1));
        QCOMPARE(app.tab->StatusText(),
                 QString("There is no calculated part to nest: calculate the part first."));
        QCOMPARE(app.tab->PartCount(), 0);
        app.window->OpenFiles({Example("hopper-cone.layout")});
        LayoutEngine& e = app.window->Engine();
        const int kind = e.LayoutType();
        const std::string caption = e.Form.Caption;
        const std::string inputs = DefinitionFileText(e, "");
        app.Find<QPushButton>("NestAddCurrentButton")->click();
        QCOMPARE(app.tab->PartCount(), 1);
        auto* quantity =
            qobject_cast<QSpinBox*>(app.Find<QTableWidget>("NestPartsTable")->cellWidget(0, 1));
        QVERIFY(quantity);
        quantity->setValue(3);
        app.tab->AddPart(Example("square-to-round.layout"), 2);
        app.tab->AddPart(Example("conveyor-flight.layout"), 1);
        app.Find<QSpinBox>("NestTime")->setValue(2);
        app.Find<QPushButton>("NestButton")->click();
        QVERIFY(app.tab->Running());
        // Calculating the definition files left the window's part as it was.
        QCOMPARE(e.LayoutType(), kind);
        QCOMPARE(e.Form.Caption, caption);
        QCOMPARE(DefinitionFileText(e, ""), inputs);
        QVERIFY(!e.CurrentKind()->Pattern().Outlines.empty());
        QTRY_VERIFY_WITH_TIMEOUT(app.tab->StatusText().startsWith("Nesting:"), 20000);
        QVERIFY(app.window->grab().save(ArtifactDir() + "/nest-tab-parts-running.png"));
        QTRY_VERIFY_WITH_TIMEOUT(!app.tab->Running(), 30000);
        QVERIFY(app.tab->Result().has_value());
        int placed = 0;
        for (const NestSheet& s : app.tab->Result()->sheets)
            placed += int(s.placements.size());
        QCOMPARE(placed, 6);
        QTest::qWait(100);
        QVERIFY(app.window->grab().save(ArtifactDir() + "/nest-tab-parts-done.png"));
    }

    void theJobIsSavedAndLoadedWithItsPartsAndSettings() {
        NestFixture app;
        app.window->OpenFiles({Example("hopper-cone.layout")});
        QVERIFY(app.tab->AddCurrentPart(2));
        app.tab->AddPart(Example("square-to-round.layout"), 3);
        app.tab->AddPart(PlateDxf(app.dir, "plate.dxf", 20), 4);
        app.Set("NestSheetWidth", "60");
        app.Set("NestClearance", "0.25");
        app.Set("NestRotations", "0,180");
        app.Find<QSpinBox>("NestTime")->setValue(1);
        const QString job = app.dir.filePath("job.nestjob");
        QVERIFY(app.tab->SaveJob(job));
        const int placed = app.NestToTheEnd();
        QCOMPARE(placed, 2 + 3 + 4);

        NestFixture other;
        QVERIFY(other.tab->LoadJob(job));
        QCOMPARE(other.tab->PartCount(), 3);
        QCOMPARE(other.EditOf("NestSheetWidth")->text(), QString("60"));
        QCOMPARE(other.EditOf("NestClearance")->text(), QString("0.25"));
        QCOMPARE(other.EditOf("NestRotations")->text(), QString("0,180"));
        QCOMPARE(other.Find<QSpinBox>("NestTime")->value(), 1);
        // The kept part comes back without the window calculating anything.
        QCOMPARE(other.NestToTheEnd(), placed);

        QFile bad(other.dir.filePath("bad.nestjob"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("{\"BrevantNestJob\": 1, \"units\": \"ft\"}");
        bad.close();
        QVERIFY(!other.tab->LoadJob(bad.fileName()));
        QVERIFY2(other.tab->StatusText().endsWith("\"units\" must be \"in\", \"cm\" or \"mm\"."),
                 qPrintable(other.tab->StatusText()));
        QCOMPARE(other.tab->PartCount(), 3);
        QVERIFY(!other.tab->SaveJob(other.dir.filePath("missing/job.nestjob")));
        QVERIFY(other.tab->StatusText().startsWith("Cannot write"));
    }
};

QTEST_MAIN(NestTabTest)
#include "nest_tab_test.moc"
