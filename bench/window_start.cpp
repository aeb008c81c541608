// Benchmark of the desktop program's start: from starting a process to the first frame of its
// main window on the display, for the program's own window and for a minimal Qt main window
// (menu, tabs, status bar) started the same way. On a machine shared with other work the
// absolute times wander; the ratio of the two, measured in alternation, is the figure to read.
// Run on a display: `xvfb-run -a build/bench/bench_window_start` (LIBGL_ALWAYS_SOFTWARE=1 for
// the software renderer); without one the benchmark says so and is skipped.
//
// Each measurement starts this program again as a child (`--child=main` or `--child=minimal`)
// in a fresh home folder; the child writes the monotonic clock's reading once its window has
// handled its first expose (painted and flushed to the display) and ends.
#include "main_window.h"
#include "platform_folders.h"
#include "single_instance.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr const char* kChildFlag = "--child=";

long long MonotonicNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Reports the time once the window's first expose has been handled (the frame is on the
// display), then ends the process without tearing anything down.
class FirstFrame : public QObject {
public:
    explicit FirstFrame(QWidget& window) : window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!done_ && event->type() == QEvent::Expose && watched == window_.windowHandle() &&
            window_.windowHandle()->isExposed()) {
            done_ = true;
            QTimer::singleShot(0, [] {
                std::printf("%lld\n", MonotonicNs());
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    QWidget& window_;
    bool done_ = false;
};

// A plain main window of the same size with a menu, a few tabs and a status bar.
std::unique_ptr<QMainWindow> MinimalWindow() {
    auto window = std::make_unique<QMainWindow>();
    window->menuBar()->addMenu("File")->addAction("Exit");
    window->menuBar()->addMenu("View")->addAction("Calculate");
    auto* tabs = new QTabWidget(window.get()); // owned by the window
    for (const char* name : {"Dimensions", "Solid", "Flat Shape", "Sheet"})
        tabs->addTab(new QLabel(name, tabs), name);
    window->setCentralWidget(tabs);
    window->statusBar()->showMessage("---");
    window->resize(640, 480 + window->menuBar()->sizeHint().height() + 24);
    return window;
}

// The program's own start: as its main() does for a first start without files.
int RunMainWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName("Brevant");
    QCoreApplication::setOrganizationName("Quorvel Software");
    QApplication::setWindowIcon(QIcon(":/icons/brevant.svg"));
    brevant::SingleInstance instance(brevant::SingleInstance::UserRuntimeFolder());
    if (instance.Claim({}, 5000) != brevant::SingleInstance::Start::First) return 3;
    brevant::TMainForm window(brevant::StandardPlatformFolders());
    FirstFrame watcher(window);
    app.installEventFilter(&watcher);
    window.show();
    return QApplication::exec();
}

int RunMinimalWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    std::unique_ptr<QMainWindow> window = MinimalWindow();
    FirstFrame watcher(*window);
    app.installEventFilter(&watcher);
    window->show();
    return QApplication::exec();
}

// Starts this program as a child in the given mode; the time in seconds from the start to its
// first frame, or a negative number when it failed.
double StartChild(const std::string& mode) {
    int out[2];
    if (pipe(out) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::string flag = kChildFlag + mode;
    char self[] = "/proc/self/exe";
    char* args[] = {self, flag.data(), nullptr};
    const long long start = MonotonicNs();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string text;
    char buffer[64];
    for (ssize_t n; spawned == 0 && (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, std::size_t(n));
    close(out[0]);
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0 || text.empty())
        return -1;
    return double(std::atoll(text.c_str()) - start) * 1e-9;
}

// The main window's start is the benchmark's time; the minimal window's start, measured just
// before each of them, and the ratio of the two are counters.
void WindowStart(benchmark::State& state) {
    double minimal = 0, main = 0;
    for (auto _ : state) {
        const double m = StartChild("minimal"), w = StartChild("main");
        if (m < 0 || w < 0) {
            state.SkipWithError("the child could not show its window (no display?)");
            return;
        }
        minimal += m, main += w;
        state.SetIterationTime(w);
    }
    state.counters["minimal_qt_ms"] =
        benchmark::Counter(minimal * 1e3 / double(state.iterations()));
    state.counters["ratio"] = benchmark::Counter(minimal > 0 ? main / minimal : 0);
}
BENCHMARK(WindowStart)
    ->Name("WindowStart/main_window")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

bool HasDisplay() {
    const char* x = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (wayland && *wayland);
}

// A home of its own for the children: no settings file, no running program, as on a first
// start, and nothing written into the user's folders.
bool UseFreshHome(QTemporaryDir& home) {
    if (!home.isValid()) return false;
    const QByteArray root = home.path().toLocal8Bit();
    const QByteArray runtime = root + "/runtime";
    if (!QDir().mkpath(QString::fromLocal8Bit(runtime))) return false;
    QFile::setPermissions(QString::fromLocal8Bit(runtime),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    setenv("HOME", root.constData(), 1);
    setenv("XDG_CONFIG_HOME", (root + "/.config").constData(), 1);
    setenv("XDG_DATA_HOME", (root + "/.local/share").constData(), 1);
    setenv("XDG_CACHE_HOME", (root + "/.cache").constData(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.constData(), 1);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strncmp(argv[1], kChildFlag, std::strlen(kChildFlag)) == 0) {
        const std::string mode = argv[1] + std::strlen(kChildFlag);
        int qtArgc = 1;
        return mode == "main" ? RunMainWindow(qtArgc, argv) : RunMinimalWindow(qtArgc, argv);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    QTemporaryDir home;
    if (!HasDisplay() || !UseFreshHome(home)) {
        std::fprintf(stderr, "bench_window_start: needs a display (run under xvfb-run -a)\n");
        return 0;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
