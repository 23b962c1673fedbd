// `projcalc --report OUT.pdf FILE.cf` as a script runs it: without a display, without the running
// copy, reproducible with SOURCE_DATE_EPOCH, and with errors on standard error.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <map>

#include "cli_process.h"
#include "gui_fixture.h"
#include "pdf_contents.h"

using namespace projcalc::gui_test;
using projcalc::cli_test::CliResult;

namespace {

constexpr int kTimeoutMs = 20000;
constexpr const char* kMay2024 = "SOURCE_DATE_EPOCH=1714521600";  // 2024-05-01 00:00 UTC

QByteArray contentsOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return QByteArray::fromStdString(
        std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
}

QString qtPath(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

// A data folder with a saved calculation (Plain 100, centimetres, 500 cm diagonal), and folders
// of its own for the settings and the runtime files.
class Setup {
  public:
    Setup() {
        const CliResult saved =
            projcalc::cli_test::runCli({"--data-dir", data.path().string(), "units=centimeters",
                                        "diagonal=500", "save-as=" + plan().string()},
                                       {"LC_ALL=C.UTF-8"});
        ok = saved.exitCode == 0;
    }
    [[nodiscard]] std::filesystem::path plan() const { return data.path() / "Hall A.cf"; }
    [[nodiscard]] std::filesystem::path out(const std::string& name) const {
        return data.path() / name;
    }
    // The environment of a script: no display, the test's own settings and runtime folders.
    [[nodiscard]] std::vector<std::string> environment(std::vector<std::string> extra = {}) const {
        extra.push_back("LC_ALL=C.UTF-8");
        extra.push_back("XDG_CONFIG_HOME=" + config.path().toStdString());
        extra.push_back("XDG_RUNTIME_DIR=" + runtime.path().toStdString());
        return extra;
    }
    [[nodiscard]] CliResult report(std::vector<std::string> args,
                                   std::vector<std::string> extraEnvironment = {}) const {
        args.insert(args.begin(), {"--data-dir", data.path().string()});
        return projcalc::cli_test::runProgram(PROJCALC_EXE, args, environment(extraEnvironment));
    }

    DataFolder data;
    QTemporaryDir config;
    QTemporaryDir runtime;
    bool ok = false;
};

}  // namespace

class ReportCommandTest : public QObject {
    Q_OBJECT

  private slots:
    // Two runs a second apart give the same bytes; the text holds the date of SOURCE_DATE_EPOCH,
    // the file's name as the title and the numbers the command-line tool shows for the file.
    void reportIsReproducibleAndHoldsTheFilesNumbers() {
        const Setup s;
        QVERIFY(s.ok);
        const CliResult first =
            s.report({"--report", s.out("a.pdf").string(), s.plan().string()}, {kMay2024});
        QVERIFY2(first.exitCode == 0, first.err.c_str());
        QVERIFY2(first.err.empty(), first.err.c_str());
        QTest::qWait(1100);
        const CliResult second =
            s.report({"--report", s.out("b.pdf").string(), s.plan().string()}, {kMay2024});
        QCOMPARE(second.exitCode, 0);
        QCOMPARE(contentsOf(s.out("a.pdf")), contentsOf(s.out("b.pdf")));

        const QString text = pdfText(qtPath(s.out("a.pdf")));
        QVERIFY2(text.startsWith(QStringLiteral("Hall A ")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Date: 2024-05-01")), qPrintable(text));
        const CliResult shown = projcalc::cli_test::runCli(
            {"--data-dir", s.data.path().string(), "open=" + s.plan().string()},
            {"LC_ALL=C.UTF-8"});
        QCOMPARE(shown.exitCode, 0);
        const QJsonObject json =
            QJsonDocument::fromJson(QByteArray::fromStdString(shown.out)).object();
        const QJsonArray boxes = json.value(QStringLiteral("boxes")).toArray();
        QCOMPARE(boxes.size(), 4);
        for (const QJsonValue& box : boxes) {
            const QString value = box.toString() + QStringLiteral(" cm (");
            QVERIFY2(text.contains(value), qPrintable(value + QStringLiteral(" not in ") + text));
        }
        for (const QJsonValue& offset : json.value(QStringLiteral("offsets")).toArray())
            QVERIFY(text.contains(offset.toString() + QStringLiteral(" cm (")));
        QCOMPARE(pdfImageCount(qtPath(s.out("a.pdf"))), 0);
    }

    void titleAndPreparerAreGivenOnTheCommandLine() {
        const Setup s;
        QVERIFY(s.ok);
        const CliResult run = s.report({"--title", "Client copy", "--prepared-by=Ann Lee",
                                        "--report", s.out("r.pdf").string(), s.plan().string()});
        QVERIFY2(run.exitCode == 0, run.err.c_str());
        const QString text = pdfText(qtPath(s.out("r.pdf")));
        QVERIFY2(text.startsWith(QStringLiteral("Client copy Prepared by: Ann Lee")),
                 qPrintable(text));
        QVERIFY(
            text.contains(QStringLiteral("Date: ") + QDate::currentDate().toString(Qt::ISODate)));
    }

    // The output keeps the bytes of its name, which need not be UTF-8.
    void outputNameStaysItsBytes() {
        const Setup s;
        QVERIFY(s.ok);
        const std::filesystem::path out = s.out("r\xe9port.pdf");
        const CliResult run = s.report({"--report", out.string(), s.plan().string()});
        QVERIFY2(run.exitCode == 0, run.err.c_str());
        QVERIFY(std::filesystem::is_regular_file(out));
    }

    void errorsAreReportedWithAStatus_data() {
        // OUT, NOFOLDER/OUT, PLAN, MISSING and CATALOGUE stand for paths in the data folder.
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file")
            << QStringList{"--report", "OUT", "MISSING"} << QString() << 1 << "missing.cf";
        QTest::newRow("bad file") << QStringList{"--report", "OUT", "CATALOGUE"} << QString() << 1
                                  << "ModelInfo.ini";
        QTest::newRow("malformed SOURCE_DATE_EPOCH")
            << QStringList{"--report", "OUT", "PLAN"} << "SOURCE_DATE_EPOCH=yesterday" << 1
            << "SOURCE_DATE_EPOCH";
        QTest::newRow("output folder missing")
            << QStringList{"--report", "NOFOLDER/OUT", "PLAN"} << QString() << 1 << "none/r.pdf";
        QTest::newRow("no file") << QStringList{"--report", "OUT"} << QString() << 2
                                 << "--report needs";
        QTest::newRow("title without report")
            << QStringList{"--title", "X", "PLAN"} << QString() << 2 << "go with --report";
    }

    void errorsAreReportedWithAStatus() {
        QFETCH(QStringList, args);
        QFETCH(QString, environment);
        QFETCH(int, status);
        QFETCH(QString, message);
        const Setup s;
        QVERIFY(s.ok);
        const std::map<QString, std::filesystem::path> paths = {
            {"OUT", s.out("r.pdf")},
            {"NOFOLDER/OUT", s.out("none") / "r.pdf"},
            {"PLAN", s.plan()},
            {"MISSING", s.out("missing.cf")},
            {"CATALOGUE", s.out("ModelInfo.ini")}};
        std::vector<std::string> argv;
        for (const QString& arg : args) {
            const auto path = paths.find(arg);
            argv.push_back(path != paths.end() ? path->second.string() : arg.toStdString());
        }
        std::vector<std::string> extra;
        if (!environment.isEmpty()) extra.push_back(environment.toStdString());
        const CliResult run = s.report(argv, extra);
        QCOMPARE(run.exitCode, status);
        QVERIFY2(QString::fromStdString(run.err).contains(message), run.err.c_str());
        QVERIFY(!std::filesystem::exists(s.out("r.pdf")));
        QVERIFY(!std::filesystem::exists(s.out("none")));
    }

    // A report made while the window runs is written by the new process itself: the running
    // window is not handed the file, and the runtime folder gets no lock of the report's.
    void neverHandsTheFileToTheWindowNorTakesTheLock() {
        const Setup s;
        QVERIFY(s.ok);
        const CliResult alone =
            s.report({"--report", s.out("alone.pdf").string(), s.plan().string()});
        QCOMPARE(alone.exitCode, 0);
        QCOMPARE(QDir(s.runtime.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());

        QProcess window;
        QProcessEnvironment env;
        for (const std::string& entry :
             s.environment({"QT_QPA_PLATFORM=offscreen", "PROJCALC_REPORT_TITLE=1"})) {
            const auto equals = entry.find('=');
            env.insert(QString::fromStdString(entry.substr(0, equals)),
                       QString::fromStdString(entry.substr(equals + 1)));
        }
        window.setProcessEnvironment(env);
        window.start(QStringLiteral(PROJCALC_EXE), {"--data-dir", s.data.qpath()});
        QVERIFY(window.waitForStarted(kTimeoutMs));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(s.runtime.filePath("projcalc.socket")), kTimeoutMs);

        const CliResult beside =
            s.report({"--report", s.out("beside.pdf").string(), s.plan().string()});
        QVERIFY2(beside.exitCode == 0, beside.err.c_str());
        QVERIFY(std::filesystem::is_regular_file(s.out("beside.pdf")));
        QTest::qWait(300);
        const QByteArray said = window.readAllStandardError();
        QVERIFY2(!said.contains("Hall A"), said.constData());
        QCOMPARE(window.state(), QProcess::Running);
        window.kill();
        QVERIFY(window.waitForFinished(kTimeoutMs));
    }
};

QTEST_GUILESS_MAIN(ReportCommandTest)
#include "report_command_test.moc"
