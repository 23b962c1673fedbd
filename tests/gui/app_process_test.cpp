// The projcalc program as a process: one copy per user, a stale lock, termination signals, the
// exit after the first paint that the start-up benchmark uses, and its command line, with file
// names that are not UTF-8.
#include <signal.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "cli_process.h"
#include "gui_fixture.h"

using namespace projcalc::gui_test;

namespace {

constexpr int kTimeoutMs = 20000;

// One run of the program on the offscreen platform with its own runtime folder.
class Program {
  public:
    Program(const QString& runtimeFolder, const DataFolder& data, bool exitAfterPaint,
            const QStringList& files = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtimeFolder);
        env.remove("PROJCALC_EXIT_AFTER_FIRST_PAINT");
        if (exitAfterPaint) env.insert("PROJCALC_EXIT_AFTER_FIRST_PAINT", "1");
        process_.setProcessEnvironment(env);
        process_.start(QStringLiteral(PROJCALC_EXE),
                       QStringList{"--data-dir", data.qpath()} + files);
    }
    ~Program() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(kTimeoutMs);
        }
    }
    QProcess& process() { return process_; }
    [[nodiscard]] bool painted() {
        error_ += process_.readAllStandardError();
        return error_.contains("painted");
    }
    [[nodiscard]] const QByteArray& standardError() {
        error_ += process_.readAllStandardError();
        return error_;
    }

  private:
    QProcess process_;
    QByteArray error_;
};

}  // namespace

class AppProcessTest : public QObject {
    Q_OBJECT

  private slots:
    void secondCopyEndsAtOnceAndLeavesTheFirstRunning() {
        QTemporaryDir runtime;
        DataFolder data;
        Program first(runtime.path(), data, false);
        QVERIFY(first.process().waitForStarted(kTimeoutMs));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(runtime.filePath("projcalc.lock")), kTimeoutMs);

        Program second(runtime.path(), data, true);
        QVERIFY(second.process().waitForFinished(kTimeoutMs));
        QCOMPARE(second.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.process().exitCode(), 0);
        QVERIFY(!second.painted());
        QCOMPARE(first.process().state(), QProcess::Running);
    }

    void lockLeftByAKilledCopyDoesNotBlock() {
        QTemporaryDir runtime;
        DataFolder data;
        {
            Program crashed(runtime.path(), data, false);
            QVERIFY(crashed.process().waitForStarted(kTimeoutMs));
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(runtime.filePath("projcalc.lock")), kTimeoutMs);
            crashed.process().kill();
            QVERIFY(crashed.process().waitForFinished(kTimeoutMs));
        }
        QVERIFY(QFile::exists(runtime.filePath("projcalc.lock")));

        Program next(runtime.path(), data, true);
        QVERIFY(next.process().waitForFinished(kTimeoutMs));
        QCOMPARE(next.process().exitCode(), 0);
        QVERIFY(next.painted());
    }

    // The lock file names the copy that holds it, and nothing of what a crashed one left.
    void theLockFileNamesTheRunningCopyOnly() {
        QTemporaryDir runtime;
        DataFolder data;
        QFile stale(runtime.filePath("projcalc.lock"));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("4194303\nprojcalc\nsome-other-host\n");
        stale.close();
        Program running(runtime.path(), data, false);
        QVERIFY(running.process().waitForStarted(kTimeoutMs));
        const QByteArray expected = QByteArray::number(running.process().processId()) + "\n";
        const auto lockText = [&] {
            QFile lock(runtime.filePath("projcalc.lock"));
            return lock.open(QIODevice::ReadOnly) ? lock.readAll() : QByteArray();
        };
        QTRY_COMPARE_WITH_TIMEOUT(lockText(), expected, kTimeoutMs);
    }

    void copiesOfDifferentUsersDoNotMeet() {
        QTemporaryDir runtimeA;
        QTemporaryDir runtimeB;
        DataFolder data;
        Program first(runtimeA.path(), data, false);
        QVERIFY(first.process().waitForStarted(kTimeoutMs));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(runtimeA.filePath("projcalc.lock")), kTimeoutMs);
        Program other(runtimeB.path(), data, true);
        QVERIFY(other.process().waitForFinished(kTimeoutMs));
        QVERIFY(other.painted());
    }

    // A lock file that names a live process called projcalc, as the lock files of earlier
    // releases did, keeps out nobody: only a lock the system holds for a running copy does.
    void lockFileNamingALiveCopyDoesNotBlock() {
        QTemporaryDir runtimeA;
        QTemporaryDir runtimeB;
        DataFolder data;
        Program alive(runtimeA.path(), data, false);
        QVERIFY(alive.process().waitForStarted(kTimeoutMs));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(runtimeA.filePath("projcalc.lock")), kTimeoutMs);
        QFile stale(runtimeB.filePath("projcalc.lock"));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(QByteArray::number(alive.process().processId()) + "\nprojcalc\n" +
                    QSysInfo::machineHostName().toUtf8() + "\n");
        stale.close();

        Program next(runtimeB.path(), data, true);
        QVERIFY(next.process().waitForFinished(kTimeoutMs));
        QCOMPARE(next.process().exitCode(), 0);
        QVERIFY(next.painted());
    }

    // A start whose file cannot be handed over never ends without a window and without a word.
    void aFileTheRunningCopyCannotTakeOpensInAWindowOfItsOwn() {
        QTemporaryDir runtime;
        DataFolder data;
        Program first(runtime.path(), data, false);
        QVERIFY(first.process().waitForStarted(kTimeoutMs));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(runtime.filePath("projcalc.lock")), kTimeoutMs);

        // Saved first, so that the window opens it without a message.
        const std::string twoLines = (data.path() / "two\nlines.cf").string();
        const auto saved = projcalc::cli_test::runCli(
            {"--data-dir", data.path().string(), "save-as=" + twoLines}, {"LC_ALL=C.UTF-8"});
        QCOMPARE(saved.exitCode, 0);
        Program second(runtime.path(), data, true, {QString::fromStdString(twoLines)});
        QVERIFY(second.process().waitForFinished(kTimeoutMs));
        QCOMPARE(second.process().exitCode(), 0);
        QVERIFY(second.painted());
        QVERIFY2(second.standardError().contains("opens in a window of its own"),
                 second.standardError().constData());
        QCOMPARE(first.process().state(), QProcess::Running);
    }

    void terminationSignalsRemoveTheLockAndTheSocket_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    void terminationSignalsRemoveTheLockAndTheSocket() {
        QFETCH(int, signal);
        QTemporaryDir runtime;
        DataFolder data;
        Program window(runtime.path(), data, false);
        QVERIFY(window.process().waitForStarted(kTimeoutMs));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(runtime.filePath("projcalc.socket")), kTimeoutMs);
        QVERIFY(QFile::exists(runtime.filePath("projcalc.lock")));

        QElapsedTimer clock;
        clock.start();
        QCOMPARE(::kill(static_cast<pid_t>(window.process().processId()), signal), 0);
        QVERIFY(window.process().waitForFinished(kTimeoutMs));
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(window.process().exitStatus(), QProcess::CrashExit);  // ended by the signal
        QVERIFY(!QFile::exists(runtime.filePath("projcalc.lock")));
        QVERIFY(!QFile::exists(runtime.filePath("projcalc.socket")));
    }

    // A file saved by the command-line tool under a name that is not UTF-8, in a data folder whose
    // name is not UTF-8 either, opens in the window named on its command line.
    void fileNamesThatAreNotUtf8OpenFromTheCommandLine() {
        namespace fs = std::filesystem;
        const projcalc::TempDir scratch;  // QTemporaryDir cannot remove names that are not UTF-8
        const fs::path& base = scratch.path();
        const fs::path folder = base / "dat\xe9n";
        fs::create_directories(folder);
        fs::create_directories(base / "runtime");
        const DataFolder data;
        fs::copy_file(data.path() / "ModelInfo.ini", folder / "ModelInfo.ini");
        fs::copy_file(data.path() / "Language.ini", folder / "Language.ini");
        const std::string plan = (folder / "lat\xe9.cf").string();
        const std::vector<std::string> environment = {
            "HOME=" + base.string(),     "LC_ALL=C.UTF-8",
            "QT_QPA_PLATFORM=offscreen", "XDG_RUNTIME_DIR=" + (base / "runtime").string(),
            "PROJCALC_REPORT_TITLE=1",   "PROJCALC_EXIT_AFTER_FIRST_PAINT=1"};

        const auto saved = projcalc::cli_test::runCli(
            {"--data-dir", folder.string(), "diagonal=120", "save-as=" + plan}, environment);
        QCOMPARE(saved.exitCode, 0);
        QVERIFY(fs::exists(plan));
        const auto window = projcalc::cli_test::runProgram(
            PROJCALC_EXE, {"--data-dir", folder.string(), plan}, environment);
        QCOMPARE(window.exitCode, 0);
        QVERIFY2(window.err.find("painted") != std::string::npos, window.err.c_str());
        // Shown as text, the byte that is not UTF-8 becomes U+FFFD.
        QVERIFY2(window.err.find("title: Projection Distance Calculator [lat\xEF\xBF\xBD]\n") !=
                     std::string::npos,
                 window.err.c_str());
    }

    void helpAndVersionNeedNoDisplay_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("printed");
        QTest::newRow("help") << "--help"
                              << "--data-dir <DIR>";
        QTest::newRow("version") << "--version"
                                 << "projcalc " PROJCALC_VERSION;
    }

    void helpAndVersionNeedNoDisplay() {
        QFETCH(QString, option);
        QFETCH(QString, printed);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.insert("QT_QPA_PLATFORM", "xcb");
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(PROJCALC_EXE), {option});
        QVERIFY(process.waitForFinished(kTimeoutMs));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(QString::fromLocal8Bit(process.readAllStandardOutput()).contains(printed));
    }

    void unknownOptionIsAUsageError() {
        QProcess process;
        process.start(QStringLiteral(PROJCALC_EXE), {"--no-such-option"});
        QVERIFY(process.waitForFinished(kTimeoutMs));
        QCOMPARE(process.exitCode(), 2);
        QVERIFY(process.readAllStandardError().contains("no-such-option"));
    }
};

QTEST_GUILESS_MAIN(AppProcessTest)
#include "app_process_test.moc"
