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
        std::vector<std::string> texts = {"projcalc"};
        for (const QString& arg : args)
            texts.push_back(arg.toLatin1().toStdString());
        std::vector<const char*> argv;
        for (const std::string& text : texts)
            argv.push_back(text.c_str());
        const PathArguments paths = pathArguments(static_cast<int>(argv.size()), argv.data());
        const auto shown = [](const std::optional<std::filesystem::path>& path) {
            return path ? QString::fromLatin1(path->string().c_str()) : QStringLiteral("(none)");
        };
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
};

QTEST_GUILESS_MAIN(CommandLinePathsTest)
#include "command_line_paths_test.moc"
