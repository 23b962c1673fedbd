#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace projcalc::app {

// The local socket `projcalc.socket` in `folder`, beside the single-instance lock.
[[nodiscard]] QString channelPath(const QString& folder);

// Where the running copy of the program listens for later starts. A later start sends one
// request (a calculation file to open, or none: just come to the front) and the running copy
// acknowledges it once it has read it whole, before it acts on it.
//
// Only the copy that holds the single-instance lock listens, so a socket file found at the path
// is one that a crashed copy left behind; it is removed.
class InstanceServer : public QObject {
    Q_OBJECT

  public:
    explicit InstanceServer(QString folder, QObject* parent = nullptr);
    ~InstanceServer() override;

    // Starts listening; false (see errorString()) when the socket cannot be made, in which case
    // the program runs on without it.
    [[nodiscard]] bool listen();
    [[nodiscard]] QString errorString() const;

  signals:
    // A later start asked to open `file` (an absolute path), or only to come to the front when
    // `file` is empty.
    void requested(const QString& file);

  private:
    void onNewConnection();
    void onReadyRead(QLocalSocket* socket);

    QString folder_;
    QLocalServer* server_;
};

// Hands a request to the running copy listening in `folder` and waits up to `timeoutMs` for its
// acknowledgement. False when no copy listens there or it did not answer in time.
[[nodiscard]] bool sendToRunningInstance(const QString& folder, const QString& file, int timeoutMs);

// The wire format, exposed for tests: a 4-byte big-endian length, then the file's path in UTF-8.
// A request is at most kMaxRequestBytes long; the answer is the single byte kAcknowledgement.
inline constexpr int kMaxRequestBytes = 64 * 1024;
inline constexpr char kAcknowledgement = '\x06';
[[nodiscard]] QByteArray encodeRequest(const QString& file);

}  // namespace projcalc::app
