// The user's folders from QStandardPaths.
#include "platform_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace brevant {

PlatformFolders StandardPlatformFolders() {
    PlatformFolders f;
    f.documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
    f.dataHome =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
    // The installed manual lies in <prefix>/share/doc/brevant beside <prefix>/bin; the
    // build tree tells where it prints the manual relative to the program.
    const QString program = QCoreApplication::applicationDirPath();
    if (!program.isEmpty()) {
        f.docFolders.push_back(QDir::cleanPath(program + "/../share/doc/brevant").toStdString());
#ifdef BREVANT_BUILD_TREE_DOCS
        f.docFolders.push_back(
            QDir::cleanPath(program + "/" + BREVANT_BUILD_TREE_DOCS).toStdString());
#endif
    }
    return f;
}

} // namespace brevant
