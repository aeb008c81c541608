// The keyboard and the window size as a user meets them on a real X display: keys come from
// xdotool, not from Qt's own event queue. Enter and keypad Enter in an input field calculate,
// the menus open with their access keys, and the window as it opens fits the screen's available
// area and, where the screen is big enough (1280 x 800), shows all the cone's inputs without
// scrolling; Escape leaves the Settings dialog with nothing changed. Run at scale factor 1 and 2
// on screens of several sizes.
#include "app_fixture.h"
#include "settings_dialog.h"
#include "support/kinds.h"

#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>

#include <functional>
#include <vector>

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

// Keys for a modal dialog, which runs an event loop of its own until it closes: each step
// waits until its condition holds, then runs xdotool with its arguments, one step at a time.
class KeySteps : public QObject {
public:
    struct Step {
        std::function<bool()> ready;
        std::function<QStringList()> arguments;
    };
    explicit KeySteps(std::vector<Step> steps) : steps_(std::move(steps)) {
        connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
        timer_.start(50);
    }
    bool Done() const { return next_ == steps_.size() && xdo_.state() == QProcess::NotRunning; }
    std::size_t StepsSent() const { return next_; }

private:
    void Poll() {
        if (next_ == steps_.size() || xdo_.state() != QProcess::NotRunning) return;
        if (!steps_[next_].ready()) return;
        xdo_.start("xdotool", steps_[next_].arguments());
        ++next_;
    }
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    QProcess xdo_;
    QTimer timer_;
};

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

    // Alt+F, T opens Settings; Down switches the unit (the engine works in it while the dialog
    // is open); Escape closes the dialog and puts the unit back: the labels, the engine's unit
    // and the typed value are as before. OK and Cancel lie inside the dialog, below its check
    // boxes and above the screen scale.
    void escapeInSettingsKeepsTheUnit() {
        AppFixture app;
        QVERIFY(ShowAsOpened(app));
        app.Commit("ConeTopDiameter", "10");
        const LayoutEngine& engine = app.window->Engine();
        SettingsDialog& dialog = app.window->Settings();
        auto* units = dialog.findChild<QComboBox*>("UnitsComboBox");
        UnitSystem unitWhileOpen = kInches;
        QString labelWhileOpen;
        KeySteps steps({
            {[&] { return app.window->isActiveWindow(); },
             [] {
                 return QStringList{"key", "alt+f"};
             }},
            {[] { return QApplication::activePopupWidget() != nullptr; },
             [] {
                 return QStringList{"key", "t"};
             }},
            // The display runs no window manager: give the dialog the keyboard as a click would.
            {[&] { return dialog.isVisible(); },
             [&] {
                 return QStringList{"windowfocus", "--sync", QString::number(dialog.winId())};
             }},
            {[&] { return dialog.isActiveWindow() && units->hasFocus(); },
             [] {
                 return QStringList{"key", "Down"};
             }},
            {[&] {
                 unitWhileOpen = engine.Units();
                 labelWhileOpen = app.Find<QLabel>("UnitLabel1")->text();
                 if (unitWhileOpen != kInches) {
                     dialog.grab().save(ArtifactDirectory() + "/" + Named("settings-open"));
                     dialog.screen()->grabWindow(0).save(ArtifactDirectory() + "/" +
                                                         Named("settings-screen"));
                 }
                 return unitWhileOpen != kInches;
             },
             [] {
                 return QStringList{"key", "Escape"};
             }},
        });
        // A dialog left open by a missed step is closed, so that the test fails instead of
        // waiting for ever.
        QTimer::singleShot(3 * kPatience, &dialog, [&dialog] { dialog.reject(); });
        QTRY_VERIFY_WITH_TIMEOUT(steps.Done() && !dialog.isVisible(), 4 * kPatience);
        QCOMPARE(steps.StepsSent(), std::size_t(5));
        QCOMPARE(unitWhileOpen, kCentimeters);
        QCOMPARE(labelWhileOpen, QString("in")); // labels change with OK only
        QCOMPARE(engine.Units(), kInches);
        QCOMPARE(units->currentIndex(), 0);
        QCOMPARE(app.Find<QLabel>("UnitLabel1")->text(), QString("in"));
        QCOMPARE(app.EditOf("ConeTopDiameter")->text(), QString("10"));
        QVERIFY(!QFile::exists(QString::fromStdString(app.window->SettingsPath())));

        const QRect inside = dialog.rect();
        const auto bottomOf = [&dialog](const char* name) {
            QWidget* w = dialog.findChild<QWidget*>(name);
            return w->mapTo(&dialog, QPoint(0, w->height())).y();
        };
        const int below = bottomOf("CamDxfCheckBox");
        const int above = dialog.findChild<QWidget*>("Label7")->mapTo(&dialog, QPoint(0, 0)).y();
        for (const char* name : {"Button1", "CancelButton"}) {
            auto* button = dialog.findChild<QPushButton*>(name);
            QVERIFY2(button && button->isVisibleTo(&dialog), name);
            const QRect at(button->mapTo(&dialog, QPoint(0, 0)), button->size());
            QVERIFY2(inside.contains(at) && at.top() >= below && at.bottom() <= above, name);
        }
    }

private:
    // A screenshot's name with the screen's size and the scale factor.
    static QString Named(const char* what) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return QString("%1-%2x%3-scale%4.png")
            .arg(what)
            .arg(screen->size().width())
            .arg(screen->size().height())
            .arg(screen->devicePixelRatio());
    }

    static QString ArtifactDirectory() {
        QString dir = qEnvironmentVariable("BREVANT_ARTIFACT_DIR", BREVANT_ARTIFACT_DIR);
        dir += "/screenshots";
        QDir().mkpath(dir);
        return dir;
    }
};

QTEST_MAIN(KeyboardWindowTest)
#include "keyboard_window_gl_test.moc"
