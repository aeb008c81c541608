// Registering the resources compiled into the desktop program's static library.
#include "app_resources.h"

#include <QDir>
#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitBrevantQrc() {
    Q_INIT_RESOURCE(brevant);
}

namespace brevant {

void InitAppResources() {
    static const bool done = (InitBrevantQrc(), true);
    (void)done;
}

} // namespace brevant
