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

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(brevant::kProductName);
    QApplication::setApplicationVersion(brevant::kProductVersion);
    QApplication::setOrganizationName("Quorvel Software");
    QApplication::setDesktopFileName("com.quorvel.Brevant");
    QApplication::setWindowIcon(QIcon(":/icons/brevant.svg"));

    QCommandLineParser parser;
    parser.setApplicationDescription("Flat patterns for sheet-metal layouts.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("file", "A layout definition file (.layout) to open.",
                                 "[file...]");
    parser.process(app);
    const QStringList files =
        brevant::SingleInstance::AbsoluteFiles(parser.positionalArguments(), QDir::currentPath());

    brevant::SingleInstance instance(brevant::SingleInstance::UserRuntimeFolder());
    switch (instance.Claim(files)) {
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
