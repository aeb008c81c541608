// Opening a file with the system's program for its type.
#include "system_open.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <optional>

namespace brevant {

namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
constexpr int kQueryMilliseconds = 5000;

// One line of a query of the desktop's type database; empty when the query failed or found
// nothing, unset when it could not be asked.
std::optional<QString> AskMime(const QString& tool, const QStringList& arguments) {
    QProcess p;
    p.start(tool, arguments);
    if (!p.waitForFinished(kQueryMilliseconds) || p.exitStatus() != QProcess::NormalExit)
        return std::nullopt;
    if (p.exitCode() != 0) return std::nullopt;
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

// False only when the desktop's type database answers that no program is set for the file's
// type; when it cannot be asked, the opener is left to decide.
bool SomeProgramTakes(const QString& path) {
    const QString tool = QStandardPaths::findExecutable("xdg-mime");
    if (tool.isEmpty()) return true;
    const std::optional<QString> type = AskMime(tool, {"query", "filetype", path});
    if (!type || type->isEmpty()) return true;
    const std::optional<QString> program = AskMime(tool, {"query", "default", *type});
    return !program || !program->isEmpty();
}
#else
bool SomeProgramTakes(const QString&) {
    return true;
}
#endif

} // namespace

bool OpenWithSystemProgram(const QString& path) {
    if (!SomeProgramTakes(path)) return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace brevant
