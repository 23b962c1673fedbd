// The File menu's calculation commands and the Option menu's catalogue command, driven through
// their shortcuts and menu items with the file dialogs answered by the tests.
#include <QAction>
#include <QMenu>
#include <QtTest>
#include <fstream>

#include "gui_fixture.h"

using namespace projcalc;
using namespace projcalc::gui_test;

namespace {

QString readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return QString::fromStdString(
        std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
}

}  // namespace

class FileMenuTest : public QObject {
    Q_OBJECT

    // Answers every file dialog with `answer`, recording what was asked.
    static void answerDialogs(WindowHarness& h, const QString& answer,
                              std::vector<ui::FileDialogRequest>& asked) {
        h.window().setFileDialogHook([&asked, answer](QWidget*, const ui::FileDialogRequest& r) {
            asked.push_back(r);
            return answer;
        });
    }

  private slots:
    void saveAsksForANameThenWritesWithoutAsking() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        const QString file = data.qpath() + QStringLiteral("/hall.plan.cf");
        std::vector<ui::FileDialogRequest> asked;
        answerDialogs(h, file, asked);

        h.press(&h.window(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(asked.size(), std::size_t{1});
        QCOMPARE(asked[0].mode, ui::FileDialogRequest::Mode::Save);
        QCOMPARE(asked[0].nameFilter, QStringLiteral("CalculateFile (*.cf)"));
        QCOMPARE(asked[0].defaultSuffix, QStringLiteral("cf"));
        QVERIFY(QFileInfo::exists(file));
        QCOMPARE(h.window().windowTitle(),
                 QStringLiteral("Projection Distance Calculator [hall.plan]"));

        h.click(h.valueBox(1));
        h.type(h.valueBox(1), QStringLiteral("150"));
        h.press(h.valueBox(1), Qt::Key_Return);
        h.press(&h.window(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(asked.size(), std::size_t{1});  // the current file is written without asking
        QVERIFY(readAll(data.path() / "hall.plan.cf").contains(QStringLiteral("\r\n150\r\n")));

        h.window().findChild<QAction*>(QStringLiteral("mnuFileSaveAs"))->trigger();
        QCOMPARE(asked.size(), std::size_t{2});  // Save As always asks
        QVERIFY(h.messages().empty());
    }

    void openRestoresTheSavedCalculation() {
        DataFolder data({kModelPlain, kModelWideOnly169});
        WindowHarness h;
        QVERIFY(h.start(data));
        const QString file = data.qpath() + QStringLiteral("/room.cf");
        std::vector<ui::FileDialogRequest> asked;
        answerDialogs(h, file, asked);
        h.click(h.option(QStringLiteral("optWIDE_1")));
        h.click(h.option(QStringLiteral("optUnits_2")));
        h.window().findChild<QAction*>(QStringLiteral("mnuFileSaveAs"))->trigger();
        const QStringList saved = h.valueTexts();

        h.modelList()->setFocus();
        h.press(h.modelList(), Qt::Key_Down);  // another model, other values
        QVERIFY(h.valueTexts() != saved);

        h.press(&h.window(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(asked.back().mode, ui::FileDialogRequest::Mode::Open);
        QCOMPARE(asked.back().nameFilter, QStringLiteral("CalculateFile (*.cf)"));
        QCOMPARE(h.valueTexts(), saved);
        QCOMPARE(h.modelList()->currentText(), QStringLiteral("Plain 100"));
        QVERIFY(h.option(QStringLiteral("optWIDE_1"))->isChecked());
        QVERIFY(h.option(QStringLiteral("optUnits_2"))->isChecked());
        QCOMPARE(h.window().windowTitle(), QStringLiteral("Projection Distance Calculator [room]"));
    }

    void aFailedSaveShowsTheErrorAndKeepsTheTitle() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        std::vector<ui::FileDialogRequest> asked;
        answerDialogs(h, data.qpath() + QStringLiteral("/no/such/folder/x.cf"), asked);
        h.press(&h.window(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(h.messages().size(), std::size_t{1});
        QCOMPARE(h.messages()[0].icon, ui::MessageRequest::Icon::Critical);
        QVERIFY(h.messages()[0].text.startsWith(QStringLiteral("Err : ")));
        QVERIFY(h.messages()[0].text.contains(QStringLiteral("x.cf")));
        QCOMPARE(h.window().windowTitle(), QStringLiteral("Projection Distance Calculator"));
    }

    void selectingAModelFileReplacesTheList() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        const TempDir elsewhere;
        const auto chosen = elsewhere.write("new.ini", catalogueText({kModelWideOnly169}));
        std::vector<ui::FileDialogRequest> asked;
        const int models = h.modelList()->count();
        auto* restore = h.window().findChild<QAction*>(QStringLiteral("mnuOptionRestoreCatalogue"));
        auto* option = h.window().findChild<QMenu*>(QStringLiteral("mnuOption"));
        const auto restoreOffered = [&] {
            option->popup(h.window().mapToGlobal(QPoint(0, 0)));
            option->hide();
            return restore->isEnabled();
        };
        QVERIFY(!restoreOffered());
        // The question comes first; Cancel changes nothing.
        h.goOnAnswers().push_back(false);
        answerDialogs(h, QString::fromStdString(chosen.string()), asked);
        h.window().findChild<QAction*>(QStringLiteral("mnuOptionModelInfo"))->trigger();
        QCOMPARE(h.questions().size(), std::size_t{1});
        QCOMPARE(h.questions()[0].text,
                 QStringLiteral("Replace the %1 models of the current catalogue with the 1 models "
                                "of %2? The current catalogue is kept.")
                     .arg(models)
                     .arg(QString::fromStdString(chosen.string())));
        QCOMPARE(h.modelList()->count(), models);
        answerDialogs(h, QString::fromStdString(chosen.string()), asked);
        h.window().findChild<QAction*>(QStringLiteral("mnuOptionModelInfo"))->trigger();
        QCOMPARE(asked.back().nameFilter, QStringLiteral("ModelFile (*.ini)"));
        QCOMPARE(h.modelList()->count(), 1);
        QCOMPARE(h.modelList()->currentText(), QStringLiteral("Wide 169"));
        QVERIFY(h.option(QStringLiteral("optAspect_2"))->isChecked());
        QVERIFY(!h.option(QStringLiteral("optAspect_0"))->isEnabled());
        QVERIFY(QFileInfo::exists(data.qpath() + QStringLiteral("/OLD.ini")));

        // A file without models is refused with its path, and nothing changes.
        const auto empty = elsewhere.write("empty.ini", catalogueText({}));
        answerDialogs(h, QString::fromStdString(empty.string()), asked);
        h.window().findChild<QAction*>(QStringLiteral("mnuOptionModelInfo"))->trigger();
        QCOMPARE(h.messages().size(), std::size_t{1});
        QVERIFY(h.messages()[0].text.contains(QString::fromStdString(empty.string())));
        QCOMPARE(h.modelList()->currentText(), QStringLiteral("Wide 169"));

        // Option > Restore previous catalogue brings the replaced one back in one step.
        QVERIFY(restoreOffered());
        restore->trigger();
        QCOMPARE(h.modelList()->count(), models);
        QCOMPARE(h.messages().size(), std::size_t{1});
    }
};

QTEST_MAIN(FileMenuTest)
#include "file_menu_test.moc"
