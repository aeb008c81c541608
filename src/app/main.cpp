// brevant: the desktop program's entry point.
#include "core/version.h"
#include "main_window.h"
#include "platform_folders.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(brevant::kProductName);
    QApplication::setApplicationVersion(brevant::kProductVersion);
    QApplication::setOrganizationName("Quorvel Software");
    brevant::TMainForm window(brevant::StandardPlatformFolders());
    window.show();
    return QApplication::exec();
}
