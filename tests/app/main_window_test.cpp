// The main window as the user drives it: commits, Calculate, bad numbers, the layout type,
// the bends stepper, the size rule, the menus and the controls' names and texts.
#include "app_fixture.h"

#include "cad_view_widget.h"
#include "dimension_picture.h"
#include "support/kinds.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QSet>
#include <QSpinBox>
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
} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    void ChooseLayout(AppFixture& app, int type) {
        app.Find<QComboBox>("LayoutComboBox")->setCurrentIndex(type);
    }
    void TypeExampleCone(AppFixture& app) {
        ChooseLayout(app, 0);
        app.Commit("ConeTopDiameter", "10");
        app.Commit("ConeBottomDiameter", "20");
        app.Commit("ConeHeight", "10");
        app.Type("SheetWidth", "96");
        app.Type("SheetHeight", "48");
    }

private slots:
    void startsWithCaptionMenusAndControls() {
        AppFixture app;
        app.Show();
        QCOMPARE(app.window->windowTitle(), QString("Brevant by Quorvel Software"));
        // Without a settings file the cone is chosen, with its input page and its picture.
        QCOMPARE(app.Find<QComboBox>("LayoutComboBox")->currentIndex(), 0);
        QCOMPARE(app.Find<QComboBox>("LayoutComboBox")->currentText(), QString("Cone"));
        QCOMPARE(app.Find<QTabWidget>("DimTabControl")->currentIndex(), 0);
        QCOMPARE(app.Find<DimensionPicture>("DimImage")->Picture(), 0);
        QVERIFY(app.Find<QTabWidget>("DimTabControl")->tabBar()->isHidden());
        auto* tabs = app.Find<QTabWidget>("DisplayTabControl");
        QCOMPARE(tabs->count(), 5);
        const char* texts[] = {"Dimensions", "Solid", "Flat Shape", "Sheet", "Nest"};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(tabs->tabText(i), QString(texts[i]));
        QCOMPARE(app.Find<QLabel>("StatusLabel")->text(), QString(""));
        QCOMPARE(app.Find<QLabel>("NumberOfBendsLabel")->text(), QString("4"));
        QCOMPARE(app.Find<QSpinBox>("BendConeSpinBox")->maximum(), 100);
        QCOMPARE(app.Find<QSpinBox>("SeamSpinBox")->maximum(), 360);
        QVERIFY(app.Find<QFrame>("RegularDataDisplay")->isHidden());
        // Every control of the form model has its widget.
        for (const auto& [name, e] : app.window->Engine().Form.Edits())
            QVERIFY2(app.window->findChild<QLineEdit*>(QString::fromStdString(name)), name.c_str());
        for (const auto& [name, p] : app.window->Engine().Form.Panels())
            QVERIFY2(app.window->findChild<QFrame*>(QString::fromStdString(name)), name.c_str());
    }

    void localeDecimalSeparatorReachesNumberEntry() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        AppFixture german;
        QLocale::setDefault(QLocale::c());
        QCOMPARE(german.window->Engine().App.LocaleDecimalSeparator, ',');
        AppFixture c;
        QCOMPARE(c.window->Engine().App.LocaleDecimalSeparator, '.');
    }

    void menusHaveShortcutsAndEnabledItems() {
        AppFixture app;
        const std::pair<const char*, QKeySequence> keys[] = {
            {"MenuSaveDefinition", QKeySequence(Qt::CTRL | Qt::Key_S)},
            {"MenuLoadDefinition", QKeySequence(Qt::CTRL | Qt::Key_O)},
            {"CalculateMenu", QKeySequence(Qt::Key_F2)},
            {"ResetViewMenu", QKeySequence(Qt::Key_F3)}};
        for (const auto& [name, key] : keys)
            QCOMPARE(app.Find<QAction>(name)->shortcut(), key);
        for (const char* name :
             {"MenuSave3DCAD", "MenuSave3DSolid", "MenuPrintToPDF", "MenuSaveFlatCAD",
              "MenuPrintCover", "MenuDimensionFile", "SettingsItem", "MenuExit", "ResetViewMenu",
              "TopViewMenu", "FrontViewMenu", "ClearMenu", "MenuHelp", "MenuAbout"})
            QVERIFY2(app.Find<QAction>(name)->isEnabled(), name);
    }

    // Alt and a letter open each menu, a letter then runs an item: every title and item has its
    // access key, and no two share one within the menu bar or within a menu.
    void menusHaveAccessKeysWithoutClashes() {
        AppFixture app;
        QSet<QString> titles;
        for (QAction* top : app.window->menuBar()->actions()) {
            const QString key = QKeySequence::mnemonic(top->text()).toString();
            QVERIFY2(!key.isEmpty(), qPrintable(top->text()));
            QVERIFY2(!titles.contains(key), qPrintable(top->text()));
            titles.insert(key);
            QSet<QString> items;
            for (QAction* item : top->menu()->actions()) {
                if (item->isSeparator()) continue;
                const QString itemKey = QKeySequence::mnemonic(item->text()).toString();
                QVERIFY2(!itemKey.isEmpty(), qPrintable(item->text()));
                QVERIFY2(!items.contains(itemKey), qPrintable(item->text()));
                items.insert(itemKey);
            }
        }
        QCOMPARE(titles.size(), 3);
    }

    // The Sheet tab says what it is for while it has no sheet layout to show: before a cone is
    // calculated and for the layout types that have none.
    void sheetTabSaysWhatItIsForWithoutALayout() {
        AppFixture app;
        app.Show();
        app.Find<QTabWidget>("DisplayTabControl")->setCurrentIndex(3);
        auto* note = app.Find<QLabel>("SheetTabNote");
        QVERIFY(note && note->isVisible());
        QVERIFY(note->text().contains("regular cone"));
        TypeExampleCone(app);
        app.Trigger("CalculateMenu");
        QVERIFY(!note->isVisible());
        QVERIFY(app.Find<QWidget>("CadDraw2")->isVisible());
        ChooseLayout(app, 1);
        app.Commit("SquareTopDiameter", "10");
        app.Commit("SquareWidth", "20");
        app.Commit("SquareHeight", "12");
        app.Trigger("CalculateMenu");
        QVERIFY(app.messages.empty());
        QVERIFY(note->isVisible());
        QVERIFY(app.window->SheetView().grab().save(ArtifactDir() + "/sheet-tab-square.png"));
    }

    // When no program of the system takes a written PDF or the manual, a message names it
    // (nothing visible happened otherwise).
    void fileNoProgramOpensIsNamed() {
        AppFixture app;
        app.Show();
        app.openAnswer = false;
        const std::string help = app.window->Engine().HelpFilePath();
        QDir().mkpath(QFileInfo(QString::fromStdString(help)).path());
        QFile manual(QString::fromStdString(help));
        QVERIFY(manual.open(QIODevice::WriteOnly));
        manual.close();
        app.Trigger("MenuHelp");
        QCOMPARE(app.opened, std::vector<std::string>{help});
        QCOMPARE(app.messages.size(), size_t(1));
        QCOMPARE(app.messages[0].title, QString("Can't Open File "));
        QVERIFY(app.messages[0].body.contains(QString::fromStdString(help)));
        TypeExampleCone(app);
        app.Trigger("CalculateMenu");
        app.fileAnswer = (app.dir.path() + "/pattern.pdf").toStdString();
        app.Trigger("MenuPrintToPDF");
        QCOMPARE(app.opened.back(), app.fileAnswer);
        QCOMPARE(app.messages.size(), size_t(2));
        QVERIFY(app.messages[1].body.contains(QString::fromStdString(app.fileAnswer)));
        // A program that takes the file: nothing to say.
        app.openAnswer = true;
        app.Trigger("MenuHelp");
        QCOMPARE(app.messages.size(), size_t(2));
    }

    void startUpCameraLooksFromThirtyUnits() {
        AppFixture app;
        const SolidCamera& camera = app.window->Engine().Solid.Camera;
        QCOMPARE(camera.Z, -30.0);
        QCOMPARE(camera.ViewAngle, 20.0);
    }

    // The three presets place the camera rig as the engine says: down from above, level from
    // the front, and tilted by 15 degrees.
    void viewPresetsPlaceTheCamera() {
        AppFixture app;
        app.Show();
        TypeExampleCone(app);
        app.Trigger("CalculateMenu");
        const SolidCamera& camera = app.window->Engine().Solid.Camera;
        QVERIFY(camera.Z < -5);
        const std::pair<const char*, double> tilts[] = {
            {"TopViewMenu", -90}, {"FrontViewMenu", 0}, {"ResetViewMenu", -15}};
        for (const auto& [menu, tilt] : tilts) {
            app.window->Engine().Solid.Camera.RotationY = 33; // an orbit the preset undoes
            app.Trigger(menu);
            QCOMPARE(camera.RotationX, tilt);
            QCOMPARE(camera.RotationY, 0.0);
            QVERIFY(camera.Z < -5); // each view stands back as far as it needs to frame the part
        }
        QVERIFY(app.messages.empty());
    }

    void save3DCadWritesTheChosenFileOrSaysWhyNot() {
        AppFixture app;
        app.Show();
        TypeExampleCone(app);
        app.Trigger("CalculateMenu");
        app.fileAnswer = (app.dir.path() + "/cone.dxf").toStdString();
        app.Trigger("MenuSave3DCAD");
        QCOMPARE(app.fileRequests.size(), size_t(1));
        QCOMPARE(app.fileRequests[0].first.title, std::string("Save 3D CAD"));
        QVERIFY(app.fileRequests[0].second);
        QVERIFY(QFileInfo(app.dir.path() + "/cone.dxf").size() > 0);
        QVERIFY(app.messages.empty());
        // A folder that does not exist: the failure is shown, naming the file.
        app.fileAnswer = (app.dir.path() + "/missing/cone.dxf").toStdString();
        app.Trigger("MenuSave3DCAD");
        QCOMPARE(app.messages.size(), size_t(1));
        QVERIFY2(app.messages[0].body.contains("cone.dxf"), qPrintable(app.messages[0].body));
        QVERIFY(!QFile::exists(app.dir.path() + "/missing/cone.dxf"));
    }

    // Before a Calculate there is no part: the command says so before any file dialog and
    // writes nothing; after it the STEP file is written where the user chose.
    void save3DSolidWritesTheCalculatedPartOrSaysWhyNot() {
        AppFixture app;
        app.Show();
        ChooseLayout(app, 0);
        const QString file = app.dir.path() + "/cone.step";
        app.fileAnswer = file.toStdString();
        app.Trigger("MenuSave3DSolid");
        QCOMPARE(app.fileRequests.size(), size_t(0));
        QCOMPARE(app.messages.size(), size_t(1));
        QCOMPARE(app.messages[0].title, QString("Calculate the part first"));
        QVERIFY(!QFile::exists(file));
        TypeExampleCone(app);
        app.Trigger("CalculateMenu");
        app.Trigger("MenuSave3DSolid");
        QCOMPARE(app.fileRequests.size(), size_t(1));
        QCOMPARE(app.fileRequests[0].first.title, std::string("Save 3D Solid"));
        QCOMPARE(app.messages.size(), size_t(1));
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readLine().startsWith("ISO-10303-21;"));
    }

    void nothingCalculatesBeforeTheWindowIsFirstShown() {
        AppFixture app;
        ChooseLayout(app, 0);
        app.Trigger("CalculateMenu"); // empty cone inputs would be reported once ready
        QVERIFY(app.messages.empty());
        QVERIFY(!app.window->Engine().Drv.FormReady);
        app.window->show();
        QTRY_VERIFY(app.window->Engine().Drv.FormReady);
        app.Trigger("CalculateMenu");
        QCOMPARE(app.messages.size(), size_t(1));
    }

    void committingTopAngleClampsWithoutCalculating() {
        AppFixture app;
        app.Show();
        ChooseLayout(app, 0);
        app.Commit("ConeTopAngle", "45");
        QCOMPARE(app.EditOf("ConeTopAngle")->text(), QString("30"));
        QVERIFY(app.messages.empty());
        QVERIFY(app.Find<QFrame>("RegularDataDisplay")->isHidden());
    }

    void calculateFillsRegularConeResults() {
        AppFixture app;
        app.Show();
        TypeExampleCone(app);
        QTest::mouseClick(app.Find<QPushButton>("CalculateButton"), Qt::LeftButton);
        QVERIFY2(app.messages.empty(),
                 app.messages.empty() ? "" : qPrintable(app.messages.front().title));
        QVERIFY(!app.Find<QFrame>("RegularDataDisplay")->isHidden());
        for (const char* value : {"LargeRadius", "SmallRadius", "AngleA", "WidthX"}) {
            const QString text = app.Find<QLabel>(value)->text();
            QVERIFY2(!text.isEmpty() && text != "---", value);
        }
        QVERIFY(!app.window->Engine().CadDraw1.Elements().Empty());
        // The sheet label states the two orientations on two lines.
        auto* sheet = app.Find<QLabel>("SheetLabel");
        QCOMPARE(sheet->text().split('\n').size(), 2);
        QVERIFY(sheet->sizeHint().height() >= 2 * sheet->fontMetrics().lineSpacing());
    }

    // "Print Data Sheet" to a PDF file replaces the file only with a complete page, and says
    // so when the file cannot be written.
    void dataSheetPrintedToAFileIsWrittenWhole() {
        AppFixture app;
        app.Show();
        TypeExampleCone(app);
        app.Trigger("CalculateMenu");
        const QString target = app.dir.filePath("sheet.pdf");
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older sheet");
        old.close();
        const QStringList before = QDir(app.dir.path()).entryList(QDir::Files);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(target);
        app.window->PrintDataSheetOn(printer);
        QVERIFY(app.messages.empty());
        QVERIFY(old.open(QIODevice::ReadOnly));
        QVERIFY(old.readAll().startsWith("%PDF"));
        QCOMPARE(QDir(app.dir.path()).entryList(QDir::Files), before);
        const QString missing = app.dir.filePath("none/sheet.pdf");
        printer.setOutputFileName(missing);
        app.window->PrintDataSheetOn(printer);
        QCOMPARE(app.messages.size(), size_t(1));
        QVERIFY(app.messages[0].title.contains(missing));
        QVERIFY(!QFile::exists(missing));
    }

    // The print dialog starts with the paper and orientation of the settings, and the sheet
    // comes out on that paper.
    void dataSheetPrinterStartsWithTheSettingsPaper_data() {
        QTest::addColumn<int>("paper"); // PDFCombo's index
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<int>("id"); // QPageSize::PageSizeId
        QTest::addColumn<QSizeF>("points");
        QTest::newRow("letter-landscape")
            << 0 << true << int(QPageSize::Letter) << QSizeF(792, 612);
        QTest::newRow("a4-portrait") << 5 << false << int(QPageSize::A4) << QSizeF(595, 842);
        QTest::newRow("a3-landscape") << 4 << true << int(QPageSize::A3) << QSizeF(1191, 842);
        QTest::newRow("11x17-portrait")
            << 13 << false << int(QPageSize::Tabloid) << QSizeF(792, 1224);
    }
    void dataSheetPrinterStartsWithTheSettingsPaper() {
        QFETCH(int, paper);
        QFETCH(bool, landscape);
        QFETCH(int, id);
        QFETCH(QSizeF, points);
        AppFixture app;
        app.Show();
        TypeExampleCone(app);
        app.Trigger("CalculateMenu");
        FormModel& f = app.window->Engine().Form;
        f.PDFCombo.itemIndex = paper;
        f.CheckRadio(landscape ? f.LandscapeRadio : f.PortraitRadio);
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(paper == 0 ? QPageSize::A5 : QPageSize::Letter));
        app.window->UseSettingsPaper(printer);
        const QPageLayout layout = printer.pageLayout();
        QCOMPARE(int(layout.pageSize().id()), id);
        QCOMPARE(layout.orientation(), landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        const QString target = app.dir.filePath("sheet.pdf");
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(target);
        app.window->PrintDataSheetOn(printer);
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        static const QRegularExpression box(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])");
        const QRegularExpressionMatch m = box.match(QString::fromLatin1(pdf));
        QVERIFY2(m.hasMatch(), pdf.left(400).constData());
        QCOMPARE(qRound(m.captured(1).toDouble()), qRound(points.width()));
        QCOMPARE(qRound(m.captured(2).toDouble()), qRound(points.height()));
    }

    // The pipe hides the result panels, the thickness edit's among them: its page has its own.
    void pipeThicknessIsTypedOnThePipePage() {
        AppFixture app;
        app.Show();
        ChooseLayout(app, 3);
        app.Commit("BigPipeDiaEdit", "12");
        app.Commit("SmallPipeDiaEdit", "6");
        QLineEdit* thickness = app.EditOf("PipeThicknessEdit");
        QVERIFY(app.Find<QWidget>("PipeInput")->isAncestorOf(thickness));
        QVERIFY(thickness->isVisible());
        QVERIFY(!app.EditOf("ThicknessEdit")->isVisible());
        QCOMPARE(app.Find<QLabel>("PipeThicknessUnit")->text(), QString("in"));
        app.Commit("PipeThicknessEdit", "0.25");
        QVERIFY(app.messages.empty());
        QCOMPARE(PipeOf(app.window->Engine()).State.MaterialThickness, 0.25f);
        QCOMPARE(app.EditOf("ThicknessEdit")->text(), QString("0.25")); // one control, two places
    }

    void badNumberShowsMessageAndHidesResults() {
        AppFixture app;
        app.Show();
        TypeExampleCone(app);
        app.Trigger("CalculateMenu");
        QVERIFY(!app.Find<QFrame>("RegularDataDisplay")->isHidden());
        app.Type("ConeBottomDiameter", "2x"); // typed, not committed: Calculate reads it
        app.Trigger("CalculateMenu");
        QCOMPARE(app.messages.size(), size_t(1));
        QCOMPARE(app.messages[0].title, QString("Bad number in ConeBottomDiameter"));
        QCOMPARE(app.messages[0].kind, 0);
        QCOMPARE(app.messages[0].caption, QString("Brevant by Quorvel Software"));
        for (const char* panel : {"RegularDataDisplay", "SheetDataDisplay", "BendDisplay",
                                  "SeamDisplay", "ThicknessDisplay", "SideCutDisplay"})
            QVERIFY2(app.Find<QFrame>(panel)->isHidden(), panel);
    }

    void emptyConeCalculateAsksForDimensions() {
        AppFixture app;
        app.Show();
        ChooseLayout(app, 0);
        app.Trigger("CalculateMenu");
        QCOMPARE(app.messages.size(), size_t(1));
        QCOMPARE(app.messages[0].title, QString("Must have at least one dia and two other dims."));
    }

    void layoutChangeLoadsPictureAndRecalculatesQuietly() {
        AppFixture app;
        app.Show();
        for (int type : {0, 1, 2, 3}) {
            ChooseLayout(app, type);
            QCOMPARE(app.Find<QTabWidget>("DimTabControl")->currentIndex(), type);
            QCOMPARE(app.Find<DimensionPicture>("DimImage")->Picture(), type);
        }
        QVERIFY(app.messages.empty()); // empty inputs, but quiet
        QVERIFY(app.Find<QFrame>("RegularDataDisplay")->isHidden());
    }

    void bendsStepperStopsAtFourAndTen() {
        AppFixture app;
        app.Show();
        ChooseLayout(app, 1);
        auto* minus = app.Find<QPushButton>("SpeedButton1");
        auto* plus = app.Find<QPushButton>("PlusButton");
        auto* number = app.Find<QLabel>("NumberOfBendsLabel");
        QTest::mouseClick(minus, Qt::LeftButton);
        QCOMPARE(number->text(), QString("4"));
        for (int i = 0; i < 8; ++i)
            QTest::mouseClick(plus, Qt::LeftButton);
        QCOMPARE(number->text(), QString("10"));
        // Each step calculates the transition loudly: its inputs are missing.
        QCOMPARE(app.messages.size(), size_t(9));
        QCOMPARE(app.messages.back().title, QString("Not Enough Dimensions"));
    }

    void smallWindowSnapsTo410() {
        AppFixture app;
        app.Show();
        app.window->resize(300, 300);
        QTRY_COMPARE(app.window->size(), QSize(410, 410));
        app.window->resize(390, 600);
        QTRY_COMPARE(app.window->size(), QSize(410, 600));
    }

    void clearDataEmptiesOnlyTheCurrentType() {
        AppFixture app;
        app.Show();
        ChooseLayout(app, 1);
        app.Commit("SquareWidth", "12");
        app.Type("ThicknessEdit", "0.25");
        app.Trigger("ClearMenu");
        QCOMPARE(app.EditOf("SquareWidth")->text(), QString(""));
        QCOMPARE(app.EditOf("ThicknessEdit")->text(), QString("0.25"));
    }

    void helpWithoutFileNamesThePath() {
        AppFixture app;
        app.Show();
        app.Trigger("MenuHelp");
        QCOMPARE(app.messages.size(), size_t(1));
        QCOMPARE(app.messages[0].title, QString("Can't Find Help File "));
        QVERIFY(app.messages[0].body.endsWith("BrevantHelp.pdf"));
        QVERIFY(app.opened.empty());
    }

    void saveDefinitionUsesEngineDialogAndCaption() {
        AppFixture app;
        app.Show();
        TypeExampleCone(app);
        app.fileAnswer = (app.dir.path() + "/hopper.layout").toStdString();
        app.Trigger("MenuSaveDefinition");
        QCOMPARE(app.fileRequests.size(), size_t(1));
        QVERIFY(app.fileRequests[0].second);
        QCOMPARE(app.fileRequests[0].first.defaultExtension, std::string("layout"));
        QVERIFY(QFile::exists(app.dir.path() + "/hopper.layout"));
        QCOMPARE(app.window->windowTitle(), QString("Brevant [hopper.layout]"));
    }

    void mouseReleaseAnywhereEndsTheBusyState() {
        AppFixture app;
        app.Show();
        app.window->Engine().Drv.BusyFlag = true;
        QTest::mouseClick(app.Find<QLabel>("StatusLabel"), Qt::LeftButton);
        QVERIFY(!app.window->Engine().Drv.BusyFlag);
    }

    void closingSavesTheSettings() {
        AppFixture app;
        app.Show();
        ChooseLayout(app, 2);
        app.window->close();
        QFile ini(QString::fromStdString(app.window->SettingsPath()));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QVERIFY(ini.readAll().contains("LayoutType=2"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
