// The message box kinds, the file-dialog filter conversion, the settings dialog and the
// About box.
#include "app_fixture.h"

#include "about_box.h"
#include "file_filter.h"
#include "settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QRadioButton>
#include <QTimer>

using namespace brevant;
using namespace brevant::apptest;

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void messageKinds_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("buttons"); // left, middle, right ("" = hidden)
        QTest::addColumn<QList<int>>("results");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<int>("focus");
        QTest::newRow("0 ok") << 0 << QStringList{"", "", "OK"} << QList<int>{0, 0, 1}
                              << "ImageWarning" << 2;
        QTest::newRow("1 yes no") << 1 << QStringList{"", "Yes", "No"} << QList<int>{0, 6, 7}
                                  << "ImageQuestion" << 1;
        QTest::newRow("2 yes no cancel") << 2 << QStringList{"Yes", "No", "Cancel"}
                                         << QList<int>{6, 7, 2} << "ImageQuestion" << 0;
        QTest::newRow("3 stop yes no")
            << 3 << QStringList{"", "Yes", "No"} << QList<int>{0, 6, 7} << "ImageStop" << 1;
        QTest::newRow("4 stop ok cancel")
            << 4 << QStringList{"", "OK", "Cancel"} << QList<int>{0, 1, 2} << "ImageStop" << 1;
        QTest::newRow("5 ok cancel")
            << 5 << QStringList{"", "OK", "Cancel"} << QList<int>{0, 1, 2} << "ImageQuestion" << 1;
        QTest::newRow("6 save cancel") << 6 << QStringList{"", "Save", "Cancel"}
                                       << QList<int>{0, 9, 2} << "ImageQuestion" << 1;
        QTest::newRow("7 save discard cancel") << 7 << QStringList{"Save", "Discard", "Cancel"}
                                               << QList<int>{9, 10, 2} << "ImageQuestion" << 0;
        QTest::newRow("8 none") << 8 << QStringList{"", "", ""} << QList<int>{0, 0, 0} << "" << -1;
    }

    void messageKinds() {
        QFETCH(int, kind);
        QFETCH(QStringList, buttons);
        QFETCH(QList<int>, results);
        QFETCH(QString, icon);
        QFETCH(int, focus);
        for (int slot = 0; slot < 3; ++slot) {
            TMy form(nullptr, MessageStyle::Memo);
            form.Prepare("Title", "Body", kind);
            QPushButton* b = form.Button(slot);
            QCOMPARE(!b->isHidden(), !buttons[slot].isEmpty());
            if (buttons[slot].isEmpty()) continue;
            QCOMPARE(b->text(), buttons[slot]);
            b->click();
            QCOMPARE(form.result(), results[slot]);
        }
        TMy form(nullptr, MessageStyle::Memo);
        form.Prepare("Title", "Body", kind);
        for (const char* name : {"ImageWarning", "ImageStop", "ImageQuestion"})
            QCOMPARE(!form.findChild<QLabel*>(name)->isHidden(), icon == name);
        QCOMPARE(form.FocusButton(), focus < 0 ? nullptr : form.Button(focus));
    }

    void closingByTheFrameCancels() {
        TMy form(nullptr, MessageStyle::Memo);
        form.Prepare("Title", "Body", 99);
        QTimer::singleShot(0, &form, [&form] { form.close(); });
        QCOMPARE(form.exec(), 2);
    }

    void bodyStyles() {
        TMy memo(nullptr, MessageStyle::Memo);
        memo.Prepare("T", "long body", 0);
        QVERIFY(!memo.findChild<QWidget*>("Memo1")->isHidden());
        QVERIFY(memo.findChild<QWidget*>("BodyLabel")->isHidden());
        TMy label(nullptr, MessageStyle::Label);
        label.Prepare("T", "notice", 0);
        QVERIFY(label.findChild<QWidget*>("Memo1")->isHidden());
        QCOMPARE(label.findChild<QLabel*>("BodyLabel")->text(), QString("notice"));
    }

    void longTitlesAreReadWhole() {
        TMy form(nullptr, MessageStyle::Memo);
        form.Prepare("Bad number in BottomEllipseWidth", "", 0);
        const QLabel* title = form.findChild<QLabel*>("TitleLabel");
        QVERIFY(QFontMetrics(title->font()).horizontalAdvance(title->text()) <= title->width());
        form.Prepare("Overwrite?", "", 1);
        QCOMPARE(title->font().pointSize(), 16);
    }

    void fileFilters_data() {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("qt");
        QTest::newRow("cad save")
            << "CAD (*.dxf)|*.dxf|CAD (*.cdl)|*.cdl|CAD (*.igs)|*.igs|All Files (*.*)|*.*"
            << "CAD (*.dxf);;CAD (*.cdl);;CAD (*.igs);;All Files (*)";
        QTest::newRow("one type") << "layout Files (*.layout)|*.layout|All Files (*.*)|*.*"
                                  << "layout Files (*.layout);;All Files (*)";
        QTest::newRow("pattern list") << "CAD Files|*.dxf;*.cdl;|All Files (*.*)|*.*"
                                      << "CAD Files (*.dxf *.cdl);;All Files (*)";
        QTest::newRow("all files twice") << "All Files (*.*)|*.*|All Files (*.*)|*.*"
                                         << "All Files (*)";
        QTest::newRow("empty") << ""
                               << "All Files (*)";
    }

    void fileFilters() {
        QFETCH(QString, engine);
        QFETCH(QString, qt);
        QCOMPARE(ToQtFilter(engine.toStdString()), qt);
    }

    void qtSaveDialogGetsFilterSuffixFolderAndName() {
        QTemporaryDir dir;
        FileDialogRequest r;
        r.title = "Save 2D CAD";
        r.filter = "CAD (*.dxf)|*.dxf|CAD (*.cdl)|*.cdl|All Files (*.*)|*.*";
        r.defaultExtension = "dxf";
        r.initialFolder = dir.path().toStdString();
        r.fileName = "hopper";
        // The dialog lives only inside the call: read it while it is shown, then cancel.
        bool seen = false, noOverwritePrompt = false;
        QStringList filters;
        QString suffix, title, folder;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!d) return;
            seen = true;
            filters = d->nameFilters();
            suffix = d->defaultSuffix();
            title = d->windowTitle();
            folder = QDir(d->directory()).canonicalPath();
            noOverwritePrompt = d->testOption(QFileDialog::DontConfirmOverwrite);
            d->reject();
        });
        if (QGuiApplication::platformName() == "offscreen") // the headless platform's own notice
            QTest::ignoreMessage(QtWarningMsg, "This plugin does not support propagateSizeHints()");
        QCOMPARE(QtHost::RunFileDialog(nullptr, r, true), std::string());
        QVERIFY(seen);
        QCOMPARE(filters, QStringList({"CAD (*.dxf)", "CAD (*.cdl)", "All Files (*)"}));
        QCOMPARE(suffix, QString("dxf"));
        QCOMPARE(title, QString("Save 2D CAD"));
        QCOMPARE(folder, QDir(dir.path()).canonicalPath());
        QVERIFY(noOverwritePrompt);
    }

    void settingsDialogIsBoundAndOkSaves() {
        AppFixture app;
        app.Show();
        app.Commit("ConeTopDiameter", "10");
        SettingsDialog& dialog = app.window->Settings();
        QCOMPARE(dialog.windowTitle(), QString("Settings"));
        auto* units = dialog.findChild<QComboBox*>("UnitsComboBox");
        QCOMPARE(units->count(), 3);
        QCOMPARE(units->currentText(), QString("Inches"));
        QCOMPARE(dialog.findChild<QComboBox*>("PDFCombo")->count(), 14);
        QVERIFY(dialog.findChild<QRadioButton*>("LineMedium")->isChecked());
        QVERIFY(dialog.findChild<QRadioButton*>("PortraitRadio")->isChecked());
        QVERIFY(dialog.findChild<QLabel*>("Label4")->text().contains("Quorvel"));
        QVERIFY(app.WithSettingsOpen([](SettingsDialog& d) {
            d.findChild<QComboBox*>("UnitsComboBox")->setCurrentIndex(2);
            d.findChild<QCheckBox*>("ThicknessCheckBox")->setChecked(true);
            d.findChild<QRadioButton*>("LandscapeRadio")->setChecked(true);
            d.findChild<QPushButton*>("Button1")->click();
        }));
        QCOMPARE(app.Find<QLabel>("UnitLabel1")->text(), QString("mm"));
        QCOMPARE(app.EditOf("ConeTopDiameter")->text(), QString("254"));
        QFile ini(QString::fromStdString(app.window->SettingsPath()));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray text = ini.readAll();
        QVERIFY(text.contains("Units=2"));
        QVERIFY(text.contains("ShowThickness=1"));
        QVERIFY(text.contains("PDFOrientation=2"));
    }

    // However the dialog is left without OK, the program is as before it opened: the dialog's
    // own controls, the unit the engine works in, the labels and the typed values; the
    // settings file is not written.
    void settingsDialogLeftWithoutOkPutsEverythingBack_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel") << "Cancel";
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("close button") << "close";
    }
    void settingsDialogLeftWithoutOkPutsEverythingBack() {
        QFETCH(QString, how);
        AppFixture app;
        app.Show();
        app.Commit("ConeTopDiameter", "10");
        QVERIFY(app.WithSettingsOpen([how](SettingsDialog& d) {
            d.findChild<QComboBox*>("UnitsComboBox")->setCurrentIndex(2);
            d.findChild<QComboBox*>("PDFCombo")->setCurrentIndex(5);
            d.findChild<QRadioButton*>("LineThick")->setChecked(true);
            d.findChild<QRadioButton*>("LandscapeRadio")->setChecked(true);
            d.findChild<QCheckBox*>("SeamLineCheckBox")->setChecked(true);
            d.findChild<QCheckBox*>("ThicknessCheckBox")->setChecked(true);
            if (how == "Cancel")
                d.findChild<QPushButton*>("CancelButton")->click();
            else if (how == "Escape")
                QTest::keyClick(&d, Qt::Key_Escape);
            else
                d.close();
        }));
        SettingsDialog& dialog = app.window->Settings();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.findChild<QComboBox*>("UnitsComboBox")->currentIndex(), 0);
        QCOMPARE(dialog.findChild<QComboBox*>("PDFCombo")->currentIndex(), 0);
        QVERIFY(dialog.findChild<QRadioButton*>("LineMedium")->isChecked());
        QVERIFY(dialog.findChild<QRadioButton*>("PortraitRadio")->isChecked());
        QVERIFY(!dialog.findChild<QCheckBox*>("SeamLineCheckBox")->isChecked());
        QVERIFY(!dialog.findChild<QCheckBox*>("ThicknessCheckBox")->isChecked());
        QCOMPARE(app.window->Engine().Units(), kInches);
        QCOMPARE(app.Find<QLabel>("UnitLabel1")->text(), QString("in"));
        QCOMPARE(app.EditOf("ConeTopDiameter")->text(), QString("10"));
        QVERIFY(!QFile::exists(QString::fromStdString(app.window->SettingsPath())));
    }

    void aboutBoxTextsAndAnimation() {
        AboutBox box("2.5.1.0");
        QCOMPARE(box.windowTitle(), QString("About"));
        QCOMPARE(box.findChild<QLabel*>("Label4")->text(), QString("Ver.  2.5.1.0"));
        QCOMPARE(box.findChild<QLabel*>("Label2")->text(), QString("By Quorvel Software"));
        QCOMPARE(box.findChild<QLabel*>("Label1")->text(), QString("Brevant"));
        QVERIFY(!box.Animating());
        box.show();
        QVERIFY(box.Animating());
        QTRY_COMPARE_WITH_TIMEOUT(box.TextBlock()->y(), 50, 4000); // slid up into view
        box.close();
        QVERIFY(!box.Animating());
        QCOMPARE(VersionLine(""), QString("Ver.  "));
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
