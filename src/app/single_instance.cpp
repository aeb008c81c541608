// The single running program: lock, socket, hand-over.
#include "single_instance.h"

#include "core/hand_over_message.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

#include <memory>
#include <string>
#include <vector>

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
    std::vector<std::string> names;
    for (const QString& f : files)
        names.push_back(QFile::encodeName(f).toStdString());
    const std::string message = EncodeHandOver(names);
    socket.write(message.data(), qint64(message.size()));
    if (!socket.waitForBytesWritten(timeoutMs)) return false;
    while (socket.bytesAvailable() < 1)
        if (!socket.waitForReadyRead(timeoutMs)) return false;
    char answer = 0;
    return socket.getChar(&answer) && answer == kAcknowledge;
}

void SingleInstance::Accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // The bytes of this connection so far; the message may arrive in pieces.
        auto received = std::make_shared<std::string>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, received] {
            const QByteArray bytes = socket->readAll();
            received->append(bytes.constData(), size_t(bytes.size()));
            const HandOverDecode d = DecodeHandOver(*received);
            if (d.status == HandOverDecode::Status::Incomplete) return;
            if (d.status == HandOverDecode::Status::Invalid) {
                socket->abort(); // not one of ours: nothing is opened
                return;
            }
            socket->putChar(kAcknowledge);
            socket->flush();
            QStringList files;
            for (const std::string& f : d.files)
                files << QFile::decodeName(QByteArray::fromStdString(f));
            emit filesReceived(files);
        });
    }
}

} // namespace brevant
