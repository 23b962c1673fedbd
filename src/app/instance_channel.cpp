#include "app/instance_channel.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QVariant>
#include <QtEndian>
#include <algorithm>
#include <utility>

#include "app/single_instance.h"

namespace projcalc::app {

namespace {

constexpr int kLengthBytes = 4;
// A later start that connects and then does not finish its request is dropped after this long.
constexpr int kIdleConnectionMs = 5000;
// The request a connection has sent and had acknowledged, waiting for the confirmation.
constexpr const char* kAcknowledgedFile = "projcalcAcknowledgedFile";

// The remaining time of `deadline` as a timeout for Qt's waitFor... calls (at least 1 ms, so that
// an expired deadline never turns into "wait forever").
int remainingMs(const QDeadlineTimer& deadline) {
    return static_cast<int>(std::max<qint64>(1, deadline.remainingTime()));
}

}  // namespace

QString channelPath(const QString& folder) {
    return QDir(folder).filePath(QString::fromLatin1(kSocketFileName));
}

QByteArray encodeRequest(const QByteArray& file) {
    QByteArray message(kLengthBytes, '\0');
    qToBigEndian(static_cast<quint32>(file.size()), message.data());
    return message + file;
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
        QTimer::singleShot(kIdleConnectionMs, socket, [this, socket] { onIdle(socket); });
        onReadyRead(socket);
    }
}

void InstanceServer::onIdle(QLocalSocket* socket) {
    // After a freeze the confirmation may be waiting unread: it counts.
    if (socket->waitForReadyRead(0)) onReadyRead(socket);
    if (socket->state() == QLocalSocket::ConnectedState) socket->abort();
}

void InstanceServer::onReadyRead(QLocalSocket* socket) {
    if (socket->state() != QLocalSocket::ConnectedState) return;
    const QVariant acknowledged = socket->property(kAcknowledgedFile);
    if (acknowledged.isValid()) {
        char answer = 0;
        if (!socket->getChar(&answer)) return;
        socket->setProperty(kAcknowledgedFile, QVariant());
        if (answer != kConfirmation) {
            socket->abort();
            return;
        }
        socket->disconnectFromServer();
        emit requested(acknowledged.toByteArray());
        return;
    }
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
    const QByteArray file = socket->read(length);
    if (!isAcceptableRequest(file)) {
        socket->abort();
        return;
    }
    // Acknowledged on receipt, before the window does anything with it.
    socket->setProperty(kAcknowledgedFile, file);
    socket->write(&kAcknowledgement, 1);
    socket->flush();
    if (socket->bytesAvailable() > 0) onReadyRead(socket);
}

bool sendToRunningInstance(const QString& folder, const QByteArray& file, int timeoutMs) {
    if (!isAcceptableRequest(file)) return false;
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
    if (!socket.getChar(&answer) || answer != kAcknowledgement) return false;
    // From here on the request counts as handed over.
    socket.write(&kConfirmation, 1);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(remainingMs(deadline))) return false;
    }
    return true;
}

}  // namespace projcalc::app
