// brevant: the desktop program's entry point. One program runs per user: a later start hands
// the files named on its command line to the running one, which comes to the front.
#include "core/version.h"
#include "main_window.h"
#include "platform_folders.h"
#include "single_instance.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>

#include <cstdio>
#include <string_view>

namespace {

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription("Flat patterns for sheet-metal layouts.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("file", "A layout definition file (.layout) to open.",
                                 "[file...]");
}

void NameApplication() {
    QCoreApplication::setApplicationName(brevant::kProductName);
    QCoreApplication::setApplicationVersion(brevant::kProductVersion);
    QCoreApplication::setOrganizationName("Quorvel Software");
}

// --help and --version answer without a display.
bool AsksForHelpOrVersion(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view a(argv[i]);
        if (a == "-h" || a == "--help" || a == "-?" || a == "-v" || a == "--version") return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (AsksForHelpOrVersion(argc, argv)) {
        QCoreApplication core(argc, argv);
        NameApplication();
        QCommandLineParser parser;
        Describe(parser);
        parser.process(core); // prints and ends the program
        return 0;
    }
    QApplication app(argc, argv);
    NameApplication();
    QApplication::setDesktopFileName("com.quorvel.Brevant");
    QApplication::setWindowIcon(QIcon(":/icons/brevant.svg"));
    QCommandLineParser parser;
    Describe(parser);
    parser.process(app);
    const QStringList files =
        brevant::SingleInstance::AbsoluteFiles(parser.positionalArguments(), QDir::currentPath());

    brevant::SingleInstance instance(brevant::SingleInstance::UserRuntimeFolder());
    constexpr int kWaitMs = 30000; // a running program busy with a long command still answers
    switch (instance.Claim(files, kWaitMs)) {
    case brevant::SingleInstance::Start::HandedOver:
        return 0;
    case brevant::SingleInstance::Start::Unanswered:
        std::fprintf(stderr, "brevant: the running Brevant does not answer (socket %s)\n",
                     qPrintable(instance.SocketPath()));
        return 1;
    case brevant::SingleInstance::Start::First:
    case brevant::SingleInstance::Start::Alone:
        break;
    }

    brevant::TMainForm window(brevant::StandardPlatformFolders());
    QObject::connect(&instance, &brevant::SingleInstance::filesReceived, &window,
                     [&window](const QStringList& received) {
                         window.BringToFront();
                         window.OpenFiles(received);
                     });
    window.show();
    window.OpenFiles(files);
    return QApplication::exec();
}
