// The single running program: lock, socket, hand-over.
#include "single_instance.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace brevant {

namespace {
constexpr char kAcknowledge = '+';
} // namespace

SingleInstance::SingleInstance(const QString& folder, QObject* parent)
    : QObject(parent), folder_(folder) {}

SingleInstance::~SingleInstance() = default; // closing the server removes the socket file

QString SingleInstance::UserRuntimeFolder() {
    // Qt checks the folder's owner and mode and falls back to a private folder of its own.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!folder.isEmpty()) QDir().mkpath(folder);
    return folder;
}

QStringList SingleInstance::AbsoluteFiles(const QStringList& files, const QString& workingFolder) {
    QStringList absolute;
    const QDir base(workingFolder);
    for (const QString& f : files)
        absolute << QDir::cleanPath(base.absoluteFilePath(f));
    return absolute;
}

QString SingleInstance::SocketPath() const {
    return QDir(folder_).filePath("brevant.socket");
}

QString SingleInstance::LockPath() const {
    return QDir(folder_).filePath("brevant.lock");
}

SingleInstance::Start SingleInstance::Claim(const QStringList& files, int timeoutMs) {
    if (folder_.isEmpty() || !QFileInfo(folder_).isDir()) return Start::Alone;
    // The lock is held only while deciding: a start that finds the socket answering hands
    // over; one that finds none (or a dead one left by a crash) takes the name.
    QLockFile lock(LockPath());
    if (!lock.tryLock(timeoutMs)) return Start::Alone;
    QLocalSocket socket;
    socket.connectToServer(SocketPath());
    if (socket.waitForConnected(timeoutMs))
        return HandOver(socket, files, timeoutMs) ? Start::HandedOver : Start::Unanswered;
    QLocalServer::removeServer(SocketPath()); // left behind by a program that ended abruptly
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(SocketPath())) return Start::Alone;
    server_ = std::move(server);
    connect(server_.get(), &QLocalServer::newConnection, this, &SingleInstance::Accept);
    return Start::First;
}

bool SingleInstance::HandOver(QLocalSocket& socket, const QStringList& files, int timeoutMs) {
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << files;
    socket.write(message);
    if (!socket.waitForBytesWritten(timeoutMs)) return false;
    while (socket.bytesAvailable() < 1)
        if (!socket.waitForReadyRead(timeoutMs)) return false;
    char answer = 0;
    return socket.getChar(&answer) && answer == kAcknowledge;
}

void SingleInstance::Accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QDataStream in(socket);
            in.setVersion(QDataStream::Qt_6_0);
            in.startTransaction();
            QStringList files;
            in >> files;
            if (!in.commitTransaction()) return; // the rest is still on its way
            socket->putChar(kAcknowledge);
            socket->flush();
            emit filesReceived(files);
        });
    }
}

} // namespace brevant
