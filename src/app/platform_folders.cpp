// The user's folders from QStandardPaths.
#include "platform_folders.h"

#include <QStandardPaths>

namespace brevant {

PlatformFolders StandardPlatformFolders() {
    PlatformFolders f;
    f.documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
    f.dataHome =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
    return f;
}

} // namespace brevant
