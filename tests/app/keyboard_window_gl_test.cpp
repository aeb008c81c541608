// The keyboard and the window size as a user meets them on a real X display: keys come from
// xdotool, not from Qt's own event queue. Enter and keypad Enter in an input field calculate,
// the menus open with their access keys, and the window as it opens fits the screen's available
// area and, where the screen is big enough (1280 x 800), shows all the cone's inputs without
// scrolling. Run at scale factor 1 and 2 on screens of several sizes.
#include "app_fixture.h"
#include "support/kinds.h"

#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

using namespace brevant;
using namespace brevant::apptest;

namespace {

// How long a step may take on a loaded machine before it counts as not happening (ms).
constexpr int kPatience = 20000;

// Runs xdotool with the arguments while the event loop keeps going, then lets the window take
// what it sent.
bool XDo(const QStringList& arguments) {
    QProcess p;
    p.start("xdotool", arguments);
    if (!p.waitForStarted(kPatience)) return false;
    while (p.state() != QProcess::NotRunning)
        QTest::qWait(20);
    QTest::qWait(150);
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Shows the window at the size it opens with and gives it the keyboard, as clicking into it
// would (the display runs no window manager).
bool ShowAsOpened(AppFixture& app) {
    app.window->show();
    if (!QTest::qWaitForWindowExposed(app.window.get(), kPatience)) return false;
    if (!XDo({"windowfocus", "--sync", QString::number(app.window->winId())})) return false;
    if (!QTest::qWaitForWindowActive(app.window.get(), kPatience)) return false;
    if (!app.window->Engine().Drv.FormReady)
        app.window->Run([&app] { app.window->Engine().FormActivate(); });
    QTest::qWait(100);
    return true;
}

// Puts the keyboard focus into an input field and types its text with real key presses.
bool TypeInto(AppFixture& app, const char* edit, const QString& text) {
    QLineEdit* e = app.EditOf(edit);
    e->setFocus();
    e->selectAll();
    QTest::qWait(50);
    return XDo({"type", "--delay", "30", text});
}

bool ConeCalculated(AppFixture& app) {
    const FormModel& f = app.window->Engine().Form;
    return f.RegularDataDisplay.visible;
}

} // namespace

class KeyboardWindowTest : public QObject {
    Q_OBJECT

private slots:
    void enterInAnInputFieldCalculates_data() {
        QTest::addColumn<QString>("key");
        QTest::newRow("Return") << "Return";
        QTest::newRow("keypad Enter") << "KP_Enter";
    }
    void enterInAnInputFieldCalculates() {
        QFETCH(QString, key);
        AppFixture app;
        QVERIFY(ShowAsOpened(app));
        QVERIFY(TypeInto(app, "ConeTopDiameter", "10"));
        QVERIFY(TypeInto(app, "ConeBottomDiameter", "20"));
        QVERIFY(TypeInto(app, "ConeHeight", "10"));
        QVERIFY(!ConeCalculated(app));
        QVERIFY(XDo({"key", key}));
        // The last field was committed before the calculation: the height took part.
        QTRY_VERIFY_WITH_TIMEOUT(ConeCalculated(app), kPatience);
        QVERIFY2(app.messages.empty(),
                 qPrintable(app.messages.empty() ? QString() : app.messages.front().title));
        QCOMPARE(ConeOf(app.window->Engine()).Def.ConeHeight, 10.0);
        QCOMPARE(app.EditOf("ConeHeight")->text(), QString("10"));
        // Enter again, nothing changed since: calculates again, still no message.
        app.window->Run([&app] { app.window->Engine().HideResultDisplays(); });
        QVERIFY(XDo({"key", key}));
        QTRY_VERIFY_WITH_TIMEOUT(ConeCalculated(app), kPatience);
        QVERIFY(app.messages.empty());
    }

    // Alt+V opens the View menu instead of typing "v" into the field; C then calculates.
    void accessKeysOpenMenusAndRunTheirItems() {
        AppFixture app;
        QVERIFY(ShowAsOpened(app));
        app.Commit("ConeTopDiameter", "10");
        app.Commit("ConeBottomDiameter", "20");
        app.Commit("ConeHeight", "10");
        QVERIFY(TypeInto(app, "ConeHeight", "12"));
        QVERIFY(XDo({"key", "alt+v"}));
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget() != nullptr, kPatience);
        QCOMPARE(app.EditOf("ConeHeight")->text(), QString("12"));
        QVERIFY(XDo({"key", "c"}));
        QTRY_VERIFY_WITH_TIMEOUT(ConeCalculated(app), kPatience);
        QVERIFY(QApplication::activePopupWidget() == nullptr);
        // Alt+H opens the Help menu; Escape closes it again.
        QVERIFY(XDo({"key", "alt+h"}));
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget() != nullptr, kPatience);
        QVERIFY(XDo({"key", "Escape"}));
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget() == nullptr, kPatience);
    }

    // The window as it opens: never larger than the screen's available area; on a screen of
    // 1280 x 800 or more (in the window's own pixels) the cone's inputs need no scrolling.
    void windowOpensWithinTheScreen() {
        AppFixture app;
        QVERIFY(ShowAsOpened(app));
        const QScreen* screen = app.window->screen();
        const QRect available = screen->availableGeometry();
        const QRect frame = app.window->frameGeometry();
        QVERIFY2(frame.width() <= available.width() && frame.height() <= available.height(),
                 qPrintable(QString("window %1 x %2 on %3 x %4 (scale %5)")
                                .arg(frame.width())
                                .arg(frame.height())
                                .arg(available.width())
                                .arg(available.height())
                                .arg(app.window->devicePixelRatio())));
        auto* page = app.Find<QTabWidget>("DimTabControl")->widget(0);
        auto* scroll = page->findChild<QScrollArea*>();
        QVERIFY(scroll);
        const QString name = QString("window-%1x%2-scale%3.png")
                                 .arg(screen->size().width())
                                 .arg(screen->size().height())
                                 .arg(app.window->devicePixelRatio());
        QVERIFY(app.window->grab().save(ArtifactDirectory() + "/" + name));
        if (available.width() < 1280 || available.height() < 800) return;
        QCOMPARE(scroll->verticalScrollBar()->maximum(), 0);
        for (const char* edit : {"ConeTopDiameter", "BottomEllipseWidth"}) {
            QLineEdit* e = app.EditOf(edit);
            const QRect at(e->mapTo(scroll->viewport(), QPoint(0, 0)), e->size());
            QVERIFY2(scroll->viewport()->rect().contains(at), edit);
        }
    }

private:
    static QString ArtifactDirectory() {
        QString dir = qEnvironmentVariable("BREVANT_ARTIFACT_DIR", BREVANT_ARTIFACT_DIR);
        dir += "/screenshots";
        QDir().mkpath(dir);
        return dir;
    }
};

QTEST_MAIN(KeyboardWindowTest)
#include "keyboard_window_gl_test.moc"
