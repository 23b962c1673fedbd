#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <climits>

class QLocalServer;
class QLocalSocket;

namespace projcalc::app {

// The local socket `projcalc.socket` in `folder`, beside the single-instance lock.
[[nodiscard]] QString channelPath(const QString& folder);

// Where the running copy of the program listens for later starts. A later start sends one
// request: a calculation file to open (its absolute path, as the bytes the system names it by),
// or none, to bring the window to the front. The running copy acknowledges it as soon as it has
// read it whole, before the window does or shows anything; the later start then confirms that
// it took the acknowledgement as success, and only a confirmed request is carried out. So a
// window that was frozen and resumes after the later start gave up does not open the file the
// later start reported as not opened.
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
    void requested(const QByteArray& file);

  private:
    void onNewConnection();
    void onReadyRead(QLocalSocket* socket);
    void onIdle(QLocalSocket* socket);

    QString folder_;
    QLocalServer* server_;
};

// Hands a request to the running copy listening in `folder` and waits up to `timeoutMs` for its
// acknowledgement. False when no copy listens there or it did not answer in time; the request is
// then not carried out.
[[nodiscard]] bool sendToRunningInstance(const QString& folder, const QByteArray& file,
                                         int timeoutMs);

// The wire format, exposed for tests: a 4-byte big-endian length, then the file's path. A
// request is at most kMaxRequestBytes long; the answer is the single byte kAcknowledgement, and
// the later start's confirmation the single byte kConfirmation.
inline constexpr int kMaxRequestBytes = PATH_MAX;
inline constexpr char kAcknowledgement = '\x06';
inline constexpr char kConfirmation = '\x11';

// Whether a request may be carried out: empty, or an absolute path of at most kMaxRequestBytes
// bytes without control characters. Anything else is not one of our requests, and is never
// shown in a message. (Inline: a later start checks its own file before it loads the channel.)
[[nodiscard]] inline bool isAcceptableRequest(const QByteArray& file) {
    if (file.isEmpty()) return true;
    // A file is named by its absolute path: the sender's working folder is not ours.
    if (file.size() > kMaxRequestBytes || file.front() != '/') return false;
    for (const char c : file) {
        if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F') return false;
    }
    return true;
}
[[nodiscard]] QByteArray encodeRequest(const QByteArray& file);

}  // namespace projcalc::app
