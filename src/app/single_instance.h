// One running program per user: the first start listens on a local socket in the user's
// runtime folder; a later start hands its files over to it and ends. A lock file in the same
// folder keeps two starts at the same moment from both becoming the first.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QLocalServer;
class QLocalSocket;

namespace brevant {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Start {
        First,      // this process is the running program; it listens for later starts
        HandedOver, // another process is running and took the files: end this one
        Unanswered, // another process holds the socket but did not take the files
        Alone,      // the runtime folder is unusable: run without listening
    };

    // folder: the per-user folder holding the lock file and the socket.
    explicit SingleInstance(const QString& folder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The user's runtime folder (XDG_RUNTIME_DIR), created private when missing.
    static QString UserRuntimeFolder();
    // Absolute paths of the files named on a command line, resolved against workingFolder.
    static QStringList AbsoluteFiles(const QStringList& files, const QString& workingFolder);

    // Becomes the first instance, or hands files to the one that runs. timeoutMs bounds each
    // wait: for the lock and for the running program's answer.
    Start Claim(const QStringList& files, int timeoutMs = 5000);

    QString SocketPath() const;
    QString LockPath() const;

signals:
    // A later start handed over its files (absolute paths; possibly none).
    void filesReceived(const QStringList& files);

private:
    void Accept();
    static bool HandOver(QLocalSocket& socket, const QStringList& files, int timeoutMs);

    QString folder_;
    std::unique_ptr<QLocalServer> server_;
};

} // namespace brevant
