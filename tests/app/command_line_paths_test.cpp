// The paths of the command line are taken as the bytes the system passed, from the same places
// the option parser takes them.
#include "app/command_line_paths.h"

#include <QtTest>
#include <string>
#include <vector>

using namespace projcalc::app;

class CommandLinePathsTest : public QObject {
    Q_OBJECT

  private slots:
    // The report's output file is a path too; the texts of --title and --prepared-by are never
    // taken for the FILE.
    void picksTheReportFileAndSkipsTextOptions_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("file");
        const QString none = QStringLiteral("(none)");
        const QString out = QString::fromLatin1("/r\xe9port.pdf");
        QTest::newRow("report then file")
            << QStringList{"--report", "out.pdf", "plan.cf"} << "out.pdf"
            << "plan.cf";
        QTest::newRow("file then report") << QStringList{"plan.cf", "--report=out.pdf"} << "out.pdf"
                                          << "plan.cf";
        QTest::newRow("not UTF-8") << QStringList{"--report", out, "p.cf"} << out << "p.cf";
        QTest::newRow("texts are skipped")
            << QStringList{"--title", "Hall", "--prepared-by", "Ann", "--report", "o.pdf", "p.cf"}
            << "o.pdf"
            << "p.cf";
        QTest::newRow("texts with =") << QStringList{"--title=Hall", "p.cf"} << none << "p.cf";
        QTest::newRow("a title that looks like a file")
            << QStringList{"--title", "x.cf", "p.cf"} << none << "p.cf";
        QTest::newRow("with the data folder")
            << QStringList{"--data-dir", "/d", "--report", "o.pdf", "p.cf"} << "o.pdf"
            << "p.cf";
    }

    void picksTheReportFileAndSkipsTextOptions() {
        QFETCH(QStringList, args);
        QFETCH(QString, report);
        QFETCH(QString, file);
        const PathArguments paths = parse(args);
        QCOMPARE(shown(paths.report), report);
        QCOMPARE(shown(paths.file), file);
    }

    void picksTheDataFolderAndTheFile_data() {
        QTest::addColumn<QStringList>("args");  // Latin-1: "\xe9" stays one byte
        QTest::addColumn<QString>("dataDir");
        QTest::addColumn<QString>("file");
        const QString none = QStringLiteral("(none)");
        const QString dat = QString::fromLatin1("/dat\xe9");
        const QString lat = QString::fromLatin1("/lat\xe9.cf");
        QTest::newRow("nothing") << QStringList{} << none << none;
        QTest::newRow("file only") << QStringList{"plan.cf"} << none << "plan.cf";
        QTest::newRow("option then file") << QStringList{"--data-dir", "/d", "plan.cf"} << "/d"
                                          << "plan.cf";
        QTest::newRow("file then option") << QStringList{"plan.cf", "--data-dir", "/d"} << "/d"
                                          << "plan.cf";
        QTest::newRow("option with =") << QStringList{"--data-dir=/d", "x.cf"} << "/d"
                                       << "x.cf";
        QTest::newRow("the last option counts")
            << QStringList{"--data-dir", "/a", "--data-dir=/b"} << "/b" << none;
        QTest::newRow("not UTF-8") << QStringList{"--data-dir", dat, lat} << dat << lat;
        QTest::newRow("after --") << QStringList{"--", "--data-dir"} << none << "--data-dir";
        QTest::newRow("a dash alone") << QStringList{"-"} << none << "-";
        QTest::newRow("a folder that looks like an option")
            << QStringList{"--data-dir", "-odd", "f.cf"} << "-odd"
            << "f.cf";
    }

    void picksTheDataFolderAndTheFile() {
        QFETCH(QStringList, args);
        QFETCH(QString, dataDir);
        QFETCH(QString, file);
        const PathArguments paths = parse(args);
        QCOMPARE(shown(paths.dataDir), dataDir);
        QCOMPARE(shown(paths.file), file);
    }

    void relativePathsBecomeAbsoluteByName() {
        const std::filesystem::path absolute = absolutePath("a/../lat\xe9.cf");
        QVERIFY(absolute.is_absolute());
        QCOMPARE(QByteArray::fromStdString(absolute.filename().string()), QByteArray("lat\xe9.cf"));
        QCOMPARE(absolute.parent_path(), std::filesystem::current_path());
        QCOMPARE(absolutePath("/x/./y.cf"), std::filesystem::path("/x/y.cf"));
    }

  private:
    // The arguments after the program's name, as Latin-1 bytes ("\xe9" stays one byte).
    static PathArguments parse(const QStringList& args) {
        std::vector<std::string> texts = {"projcalc"};
        for (const QString& arg : args)
            texts.push_back(arg.toLatin1().toStdString());
        std::vector<const char*> argv;
        for (const std::string& text : texts)
            argv.push_back(text.c_str());
        return pathArguments(static_cast<int>(argv.size()), argv.data());
    }
    static QString shown(const std::optional<std::filesystem::path>& path) {
        return path ? QString::fromLatin1(path->string().c_str()) : QStringLiteral("(none)");
    }
};

QTEST_GUILESS_MAIN(CommandLinePathsTest)
#include "command_line_paths_test.moc"
