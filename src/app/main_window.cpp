// The main window: start-up, the model mirror, the minimum size, activation and shut-down.
#include "main_window.h"

#include "about_box.h"
#include "app_resources.h"
#include "cad_view_widget.h"
#include "dimension_picture.h"
#include "settings_dialog.h"
#include "solid_viewport.h"
#include "widget_factory.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

#include <memory>
#include <utility>

namespace brevant {

namespace {

constexpr int kSnapBelow = 400; // a side smaller than this ...
constexpr int kSnapTo = 410;    // ... snaps to this

char LocaleDecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode())
                                                         : '.';
}

// Room kept for the window manager's frame and title bar around the client area.
constexpr int kFrameAllowanceX = 16;
constexpr int kFrameAllowanceY = 48;

// The height the first input page needs to show its whole column without scrolling, beyond what
// its scroll area asks for by itself.
int ScrolledAwayHeight(QWidget* pages) {
    const auto* page = qobject_cast<QTabWidget*>(pages);
    const auto* scroll =
        page && page->count() ? page->widget(0)->findChild<QScrollArea*>() : nullptr;
    if (!scroll || !scroll->widget()) return 0;
    return std::max(0, scroll->widget()->sizeHint().height() - scroll->sizeHint().height());
}

} // namespace

// At least 640 x 480 of client area and tall enough for the cone's inputs, but never beyond the
// screen's available area (less the window frame): on a small or highly scaled screen the
// inputs scroll instead.
QSize TMainForm::DefaultSize() const {
    const int bars = menuBar()->sizeHint().height() + statusBar()->height();
    const int inputs = centralWidget()->sizeHint().height() + ScrolledAwayHeight(dimTabs_);
    QSize size(640, std::max(480, inputs) + bars);
    if (const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        const QSize room =
            s->availableGeometry().size() - QSize(kFrameAllowanceX, kFrameAllowanceY);
        size = size.boundedTo(room).expandedTo(QSize(kSnapTo, kSnapTo));
    }
    return size;
}

TMainForm::TMainForm(const PlatformFolders& folders, QWidget* parent)
    : QMainWindow(parent), host_(kInitialCaption), engine_(host_), binder_(engine_.Form) {
    InitAppResources();
    setObjectName("MainForm");
    host_.SetParentWindow(this);
    engine_.App.LocaleDecimalSeparator = LocaleDecimalSeparator();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        engine_.App.ScreenScale = std::max(1.0, screen->devicePixelRatio());
    engine_.App.UserDataFolder = FindUserDataFolder(folders);
    engine_.App.DocFolders = folders.docFolders;
    settingsPath_ = SettingsFilePath(engine_);
    host_.SetDefaultFolder(engine_.App.UserDataFolder);
    engine_.CadDraw1.SetBackgroundColor(kColorBlack);
    engine_.CadDraw2.SetBackgroundColor(kColorBlack);
    engine_.Startup();

    auto* central = Child<QWidget>(this);
    auto* row = Owned<QHBoxLayout>(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(BuildLeftColumn(central));
    row->addWidget(BuildDisplays(central), 1);
    setCentralWidget(central);
    BuildMenus();
    statusBar()->setFixedHeight(24);
    statusBar()->setSizeGripEnabled(false);
    QLabel* status = binder_.Label(statusBar(), "StatusLabel");
    status->setStyleSheet("color: red;");
    statusBar()->addWidget(status, 1);
    BindHandlers();
    setMinimumSize(200, 200);
    resize(DefaultSize());

    about_ = Child<AboutBox>(this, engine_.App.Version);
    settings_ = Child<SettingsDialog>(this, engine_, binder_, settingsPath_);
    Refresh();
    if (QWidget* first = binder_.WidgetOf("ConeTopDiameter")) first->setFocus();
    qApp->installEventFilter(this);
}

TMainForm::~TMainForm() {
    qApp->removeEventFilter(this);
    // The widgets refer to the engine and the binder, which die before QMainWindow would
    // delete its children: take the windows down first.
    std::unique_ptr<QWidget> central(takeCentralWidget());
    std::unique_ptr<SettingsDialog> settings(settings_);
    std::unique_ptr<AboutBox> about(about_);
    setStatusBar(nullptr); // deletes the status bar with its bound label
}

void TMainForm::Run(const std::function<void()>& operation) {
    operation();
    Refresh();
}

void TMainForm::Refresh() {
    binder_.Push();
    const FormModel& f = engine_.Form;
    setWindowTitle(QString::fromStdString(f.Caption));
    if (dimTabs_->currentIndex() != f.DimTabPage) dimTabs_->setCurrentIndex(f.DimTabPage);
    if (displayTabs_->currentIndex() != f.DisplayTab) displayTabs_->setCurrentIndex(f.DisplayTab);
    dimImage_->SetPicture(f.DimImage);
    sheetNote_->setVisible(!f.SheetDataDisplay.visible);
    // The scene may have changed with any command.
    if (auto* solid = qobject_cast<SolidViewport*>(solidView_))
        solid->SceneChanged();
    else
        solidView_->update();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    const int w = width() < kSnapBelow ? kSnapTo : width();
    const int h = height() < kSnapBelow ? kSnapTo : height();
    if (w != width() || h != height()) resize(w, h);
}

void TMainForm::FirstActivation() {
    if (activated_) return;
    activated_ = true;
    Run([this] { engine_.FormActivate(); });
    OpenFiles(std::exchange(pendingFiles_, {}));
}

void TMainForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FirstActivation();
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Without a window manager the window may never be activated; once it is shown and the
    // event loop runs, it counts as activated.
    QTimer::singleShot(0, this, [this] { FirstActivation(); });
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    // A mouse release anywhere in the main window ends the program's own writing.
    if (event->type() == QEvent::MouseButtonRelease && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this)
        engine_.MouseUp();
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!RunShutDown()) {
        event->ignore(); // cancelled: the window and its inputs stay
        return;
    }
    event->accept();
}

bool TMainForm::RunShutDown() {
    if (shutDown_) return true;
    shutDown_ = brevant::ShutDown(engine_, settingsPath_);
    return shutDown_;
}

} // namespace brevant
