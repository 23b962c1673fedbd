// The channel through which a later start hands its file to the running copy: what arrives, a
// socket left by a crashed copy, and senders that do not speak the protocol.
#include "app/instance_channel.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <future>

using namespace projcalc::app;

namespace {

constexpr int kTimeoutMs = 10000;

// Sends from another thread, as a later start would from another process, while this thread's
// event loop serves the request.
std::future<bool> sendLater(const QString& folder, const QByteArray& file, int timeoutMs) {
    return std::async(std::launch::async, [folder, file, timeoutMs] {
        return sendToRunningInstance(folder, file, timeoutMs);
    });
}

bool finished(const std::future<bool>& result) {
    return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

// Leaves a socket file at `path` the way a copy that crashed leaves it: bound, then abandoned.
bool leaveStaleSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(),
                std::min(static_cast<std::size_t>(name.size()), sizeof(address.sun_path) - 1));
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
                       ::listen(fd, 1) == 0;
    ::close(fd);
    return bound && QFileInfo(path).exists();
}

}  // namespace

class InstanceChannelTest : public QObject {
    Q_OBJECT

  private slots:
    void requestArrivesWholeAndIsAcknowledged_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("plain") << QByteArray("/home/user/plans/hall.cf");
        QTest::newRow("blanks and accents")
            << QStringLiteral("/tmp/Salle de réunion 2/plan ä.cf").toUtf8();
        QTest::newRow("not UTF-8") << QByteArray("/tmp/lat\xe9/plan \xff.cf");
        QTest::newRow("only come to the front") << QByteArray();
    }

    void requestArrivesWholeAndIsAcknowledged() {
        QFETCH(QByteArray, file);
        QTemporaryDir folder;
        InstanceServer server(folder.path());
        QVERIFY2(server.listen(), qPrintable(server.errorString()));
        QSignalSpy requested(&server, &InstanceServer::requested);

        auto sent = sendLater(folder.path(), file, kTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(finished(sent), kTimeoutMs);
        QVERIFY(sent.get());
        // The sender is done once it has confirmed; the request reaches the window when the
        // confirmation does.
        QTRY_COMPARE_WITH_TIMEOUT(requested.size(), 1, kTimeoutMs);
        QCOMPARE(requested.at(0).at(0).toByteArray(), file);
    }

    void socketLeftByACrashedCopyIsReplaced() {
        QTemporaryDir folder;
        QVERIFY(leaveStaleSocket(channelPath(folder.path())));
        QVERIFY(!sendToRunningInstance(folder.path(), QByteArray("/tmp/a.cf"), 1000));

        InstanceServer server(folder.path());
        QVERIFY2(server.listen(), qPrintable(server.errorString()));
        QSignalSpy requested(&server, &InstanceServer::requested);
        auto sent = sendLater(folder.path(), QByteArray("/tmp/a.cf"), kTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(finished(sent), kTimeoutMs);
        QVERIFY(sent.get());
        QTRY_COMPARE_WITH_TIMEOUT(requested.size(), 1, kTimeoutMs);
    }

    void sendingWithoutARunningCopyFailsAtOnce() {
        QTemporaryDir folder;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!sendToRunningInstance(folder.path(), QByteArray("/tmp/a.cf"), kTimeoutMs));
        QVERIFY(clock.elapsed() < kTimeoutMs / 2);
    }

    void copyThatDoesNotAnswerTimesOut() {
        QTemporaryDir folder;
        InstanceServer server(folder.path());
        QVERIFY(server.listen());
        // Its event loop never runs: the request is never read.
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!sendToRunningInstance(folder.path(), QByteArray("/tmp/a.cf"), 300));
        QVERIFY(clock.elapsed() < kTimeoutMs / 2);
    }

    void requestSentInPiecesIsReadOnceComplete() {
        QTemporaryDir folder;
        InstanceServer server(folder.path());
        QVERIFY(server.listen());
        QSignalSpy requested(&server, &InstanceServer::requested);
        QLocalSocket socket;
        socket.connectToServer(channelPath(folder.path()));
        QVERIFY(socket.waitForConnected(kTimeoutMs));

        const QByteArray message = encodeRequest(QByteArray("/tmp/pieces.cf"));
        for (const auto& [from, to] : {std::pair{0, 2}, std::pair{2, 7}}) {
            socket.write(message.mid(from, to - from));
            socket.flush();
            QTest::qWait(50);
            QCOMPARE(socket.bytesAvailable(), 0);
        }
        socket.write(message.mid(7));
        // Acknowledged on receipt; carried out only once the sender confirms.
        QTRY_VERIFY_WITH_TIMEOUT(socket.bytesAvailable() > 0, kTimeoutMs);
        QCOMPARE(socket.read(1), QByteArray(1, kAcknowledgement));
        QTest::qWait(50);
        QCOMPARE(requested.size(), 0);
        socket.write(QByteArray(1, kConfirmation));
        QTRY_COMPARE_WITH_TIMEOUT(requested.size(), 1, kTimeoutMs);
        QCOMPARE(requested.at(0).at(0).toByteArray(), QByteArray("/tmp/pieces.cf"));
    }

    // The window may be busy with what it was handed (a message box, a long open): the sender
    // has its answer before that starts.
    void theSenderHasItsAnswerBeforeTheWindowActs() {
        QTemporaryDir folder;
        InstanceServer server(folder.path());
        QVERIFY(server.listen());
        bool senderDone = false;
        std::future<bool> sent;
        connect(&server, &InstanceServer::requested, this, [&] {
            QTest::qSleep(1500);  // a window that takes its time
            senderDone = finished(sent);
        });
        sent = sendLater(folder.path(), QByteArray("/tmp/busy.cf"), 1000);
        QTRY_VERIFY_WITH_TIMEOUT(finished(sent), kTimeoutMs);
        QVERIFY(sent.get());
        QVERIFY(senderDone);
    }

    // A window frozen while a later start waited, and resumed after it gave up, does not open the
    // file the later start reported as not handed over.
    void aRequestTheSenderGaveUpOnIsNotCarriedOut() {
        QTemporaryDir folder;
        InstanceServer server(folder.path());
        QVERIFY(server.listen());
        QSignalSpy requested(&server, &InstanceServer::requested);
        auto sent = sendLater(folder.path(), QByteArray("/tmp/late.cf"), 300);
        QTest::qSleep(600);  // frozen: no event is handled
        QVERIFY(finished(sent));
        QVERIFY(!sent.get());
        QTest::qWait(300);  // resumed
        QCOMPARE(requested.size(), 0);
    }

    void malformedRequestsAreDroppedAndTheServerGoesOn_data() {
        QTest::addColumn<QByteArray>("message");
        QByteArray tooLong(4, '\0');
        qToBigEndian(static_cast<quint32>(kMaxRequestBytes + 1), tooLong.data());
        QTest::newRow("longer than any path") << tooLong;
        QByteArray huge(4, '\xff');
        QTest::newRow("length of four gigabytes") << huge;
        QTest::newRow("relative path") << encodeRequest(QByteArray("plans/hall.cf"));
        QTest::newRow("line break in the name") << encodeRequest(QByteArray("/tmp/two\nlines.cf"));
        QTest::newRow("NUL byte") << encodeRequest(QByteArray("/tmp/a\0b.cf", 10));
        QTest::newRow("escape sequence") << encodeRequest(QByteArray("/tmp/\x1b[2J.cf"));
        QTest::newRow("64 KB of garbage") << encodeRequest("/" + QByteArray(64 * 1024, 'x'));
        QTest::newRow("one byte over PATH_MAX")
            << encodeRequest("/" + QByteArray(kMaxRequestBytes, 'x'));
    }

    void malformedRequestsAreDroppedAndTheServerGoesOn() {
        QFETCH(QByteArray, message);
        QTemporaryDir folder;
        InstanceServer server(folder.path());
        QVERIFY(server.listen());
        QSignalSpy requested(&server, &InstanceServer::requested);

        QLocalSocket socket;
        socket.connectToServer(channelPath(folder.path()));
        QVERIFY(socket.waitForConnected(kTimeoutMs));
        socket.write(message);
        QTRY_COMPARE_WITH_TIMEOUT(socket.state(), QLocalSocket::UnconnectedState, kTimeoutMs);
        QCOMPARE(socket.readAll(), QByteArray());  // no acknowledgement
        QCOMPARE(requested.size(), 0);

        auto sent = sendLater(folder.path(), QByteArray("/tmp/next.cf"), kTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(finished(sent), kTimeoutMs);
        QVERIFY(sent.get());
        QTRY_COMPARE_WITH_TIMEOUT(requested.size(), 1, kTimeoutMs);
    }
};

QTEST_GUILESS_MAIN(InstanceChannelTest)
#include "instance_channel_test.moc"
