// The main window and files named outside it: the command line and later starts.
#include "main_window.h"

#include "engine/definition_file.h"

#include <QApplication>
#include <QTimer>

namespace brevant {

namespace {
constexpr int kModalRetryMs = 250; // how often a waiting file looks for the dialog to close
}

void TMainForm::OpenFiles(const QStringList& files) {
    if (files.isEmpty()) return;
    if (!activated_) {
        pendingFiles_ << files;
        return;
    }
    // A dialog of the window is open: the load waits until it closes, as the user would.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(kModalRetryMs, this, [this, files] { OpenFiles(files); });
        return;
    }
    for (const QString& file : files)
        Run([this, path = file.toStdString()] { OpenDefinitionCommand(engine_, path); });
}

void TMainForm::BringToFront() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

} // namespace brevant
