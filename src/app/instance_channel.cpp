#include "app/instance_channel.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QtEndian>
#include <algorithm>
#include <utility>

namespace projcalc::app {

namespace {

constexpr int kLengthBytes = 4;
// A later start that connects and then sends nothing is dropped after this long.
constexpr int kIdleConnectionMs = 5000;

// The remaining time of `deadline` as a timeout for Qt's waitFor... calls (at least 1 ms, so that
// an expired deadline never turns into "wait forever").
int remainingMs(const QDeadlineTimer& deadline) {
    return static_cast<int>(std::max<qint64>(1, deadline.remainingTime()));
}

}  // namespace

QString channelPath(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral("projcalc.socket"));
}

QByteArray encodeRequest(const QString& file) {
    const QByteArray path = file.toUtf8();
    QByteArray message(kLengthBytes, '\0');
    qToBigEndian(static_cast<quint32>(path.size()), message.data());
    return message + path;
}

InstanceServer::InstanceServer(QString folder, QObject* parent)
    : QObject(parent), folder_(std::move(folder)), server_(new QLocalServer(this)) {
    // Only this user may connect, whatever the folder's own permissions are.
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &InstanceServer::onNewConnection);
}

InstanceServer::~InstanceServer() = default;

bool InstanceServer::listen() {
    const QString path = channelPath(folder_);
    // This copy holds the lock, so no other copy listens here: a socket file at the path is left
    // over from a copy that crashed, and connecting to it would fail.
    QLocalServer::removeServer(path);
    return server_->listen(path);
}

QString InstanceServer::errorString() const {
    return server_->errorString();
}

void InstanceServer::onNewConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        QTimer::singleShot(kIdleConnectionMs, socket, [socket] { socket->abort(); });
        onReadyRead(socket);
    }
}

void InstanceServer::onReadyRead(QLocalSocket* socket) {
    if (socket->state() != QLocalSocket::ConnectedState) return;
    const QByteArray head = socket->peek(kLengthBytes);
    if (head.size() < kLengthBytes) return;
    const quint32 length = qFromBigEndian<quint32>(head.constData());
    // Anything longer than a path can be is not one of our requests.
    if (length > static_cast<quint32>(kMaxRequestBytes)) {
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < kLengthBytes + static_cast<qint64>(length)) return;
    socket->skip(kLengthBytes);
    const QString file = QString::fromUtf8(socket->read(length));
    // A file is named by its absolute path: the sender's working folder is not ours.
    if (!file.isEmpty() && !QDir::isAbsolutePath(file)) {
        socket->abort();
        return;
    }
    socket->write(&kAcknowledgement, 1);
    socket->flush();
    socket->disconnectFromServer();
    emit requested(file);
}

bool sendToRunningInstance(const QString& folder, const QString& file, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(channelPath(folder));
    if (!socket.waitForConnected(remainingMs(deadline))) return false;
    socket.write(encodeRequest(file));
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(remainingMs(deadline))) return false;
    }
    while (socket.bytesAvailable() < 1) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(remainingMs(deadline))) return false;
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == kAcknowledgement;
}

}  // namespace projcalc::app
