// The projcalc program as a process: one copy per user, a stale lock, the exit after the first
// paint that the start-up benchmark uses, and its command line.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "gui_fixture.h"

using namespace projcalc::gui_test;

namespace {

constexpr int kTimeoutMs = 20000;

// One run of the program on the offscreen platform with its own runtime folder.
class Program {
  public:
    Program(const QString& runtimeFolder, const DataFolder& data, bool exitAfterPaint) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtimeFolder);
        env.remove("PROJCALC_EXIT_AFTER_FIRST_PAINT");
        if (exitAfterPaint) env.insert("PROJCALC_EXIT_AFTER_FIRST_PAINT", "1");
        process_.setProcessEnvironment(env);
        process_.start(QStringLiteral(PROJCALC_EXE), {"--data-dir", data.qpath()});
    }
    ~Program() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(kTimeoutMs);
        }
    }
    QProcess& process() { return process_; }
    [[nodiscard]] bool painted() { return process_.readAllStandardError().contains("painted"); }

  private:
    QProcess process_;
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
