// Editing in the window as a user does it, through keys and menu items: the value being typed
// is entered before Save, Print and Export PDF; changes show in the title and are asked about
// before they are lost; Edit > Undo and Redo; typed texts refused with a clear message.
#include <QAction>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QWindow>
#include <QtTest>
#include <fstream>

#include "files/calculation_file.h"
#include "gui_fixture.h"
#include "modal_dialog.h"

using namespace projcalc;
using namespace projcalc::gui_test;

namespace {

const QString kCaption = QStringLiteral("Projection Distance Calculator");
const QStringList kStart = {"300", "300", "240", "180"};

// The title as the window system shows it: "*" after it while there are changes.
QString shownTitle(WindowHarness& h) {
    return h.window().windowHandle()->title();
}

QAction* action(WindowHarness& h, const char* name) {
    return h.window().findChild<QAction*>(QString::fromLatin1(name));
}

// The diagonal a calculation file holds, in inches; 0 when it cannot be read.
double savedDiagonal(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto parsed = parseCalculationFile(bytes, path.toStdString());
    const auto* file = std::get_if<CalculationFile>(&parsed);
    return file != nullptr ? file->screenDiagonal : 0.0;
}

// Answers every file dialog with `answer`, counting them.
void answerFileDialogs(WindowHarness& h, const QString& answer, int& asked) {
    h.window().setFileDialogHook([&asked, answer](QWidget*, const ui::FileDialogRequest&) {
        ++asked;
        return answer;
    });
}

// Clicks into a value box, selects its text and types over it without entering it.
void typeInto(WindowHarness& h, int box, const QString& text) {
    h.click(h.valueBox(box));
    h.press(h.valueBox(box), Qt::Key_A, Qt::ControlModifier);
    h.type(h.valueBox(box), text);
}

}  // namespace

class EditingTest : public QObject {
    Q_OBJECT

  private slots:
    // Fault: Save and Export PDF used to take the old value with "500" still in its box.
    void theValueBeingTypedIsEnteredBeforeSavePrintAndExport() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        const QString room = data.qpath() + QStringLiteral("/room.cf");
        int asked = 0;
        answerFileDialogs(h, room, asked);
        action(h, "mnuFileSaveAs")->trigger();
        h.press(&h.window(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(asked, 2);

        typeInto(h, 1, QStringLiteral("250"));
        h.press(h.valueBox(1), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(asked, 2);  // the file is current: Save asks nothing
        QCOMPARE(savedDiagonal(room), 250.0);
        QCOMPARE(h.valueTexts(), QStringList({"250", "250", "200", "150"}));
        QVERIFY(h.visibleEnterButtons().empty());
        QVERIFY(h.valueBox(1)->hasFocus());
        QCOMPARE(shownTitle(h), kCaption + QStringLiteral(" [room]"));

        // What the page shows is worked out before the export and the print begin.
        typeInto(h, 1, QStringLiteral("120"));
        QStringList exported;
        std::vector<int> enterButtons = {-1};
        h.window().setFileDialogHook([&](QWidget*, const ui::FileDialogRequest&) {
            exported = h.valueTexts();
            enterButtons = h.visibleEnterButtons();
            return data.qpath() + QStringLiteral("/room.pdf");
        });
        action(h, "mnuFileExportPdf")->trigger();
        QCOMPARE(exported, QStringList({"120", "120", "96", "72"}));
        QVERIFY(enterButtons.empty());
        QVERIFY(QFileInfo::exists(data.qpath() + QStringLiteral("/room.pdf")));

        typeInto(h, 2, QStringLiteral("80"));
        QStringList printed;
        h.window().setPrinterProvider([] { return ui::PrinterList{}; });
        {
            const ModalDialog modal([&](QDialog& dialog) {
                printed = h.valueTexts();
                dialog.reject();
            });
            h.press(h.valueBox(2), Qt::Key_P, Qt::ControlModifier);
            QTRY_VERIFY(modal.opened());
        }
        QCOMPARE(printed, QStringList({"100", "100", "80", "60"}));
        h.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.window()));

        // A refused value stops the command: no dialog, the file as it was, the text selected.
        typeInto(h, 1, QStringLiteral("150,7"));
        h.press(h.valueBox(1), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(asked, 2);
        QCOMPARE(savedDiagonal(room), 250.0);
        QCOMPARE(h.messages().size(), std::size_t{1});
        QCOMPARE(h.messages()[0].text,
                 QStringLiteral("Screen Size Diagonal: \u201c150,7\u201d is not a number. Use a "
                                "point for decimals."));
        QCOMPARE(h.valueBox(1)->text(), QStringLiteral("100"));
        QVERIFY(h.valueBox(1)->hasFocus());
        h.type(h.valueBox(1), QStringLiteral("9"));
        QCOMPARE(h.valueBox(1)->text(), QStringLiteral("9"));
    }

    // Fault: a change after opening a file showed no mark and Ctrl+Q quit without asking.
    void changesShowInTheTitleAndQuitAsksFirst() {
        DataFolder data({kModelPlain, kModelWideOnly169});
        WindowHarness h;
        QVERIFY(h.start(data));
        QCOMPARE(shownTitle(h), kCaption);
        h.press(h.valueBox(1), Qt::Key_Q, Qt::ControlModifier);  // nothing changed: no question
        QVERIFY(h.questions().empty());
        QVERIFY(!h.window().isVisible());

        WindowHarness w;
        QVERIFY(w.start(data));
        const QString room = data.qpath() + QStringLiteral("/room.cf");
        int asked = 0;
        answerFileDialogs(w, room, asked);
        action(w, "mnuFileSaveAs")->trigger();
        w.modelList()->setFocus();
        w.press(w.modelList(), Qt::Key_Down);
        QVERIFY(w.window().isWindowModified());
        QCOMPARE(shownTitle(w), kCaption + QStringLiteral(" [room]*"));

        w.answers().push_back(SaveChoice::Cancel);
        w.press(&w.window(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(w.questions().size(), std::size_t{1});
        QCOMPARE(w.questions()[0].text, QStringLiteral("Save changes to room.cf?"));
        QCOMPARE(w.questions()[0].title, kCaption + QStringLiteral(" [room]"));
        QCOMPARE(w.questions()[0].save, QStringLiteral("&Save"));
        QCOMPARE(w.questions()[0].discard, QStringLiteral("&Discard"));
        QCOMPARE(w.questions()[0].cancel, QStringLiteral("Cancel"));
        QVERIFY(w.window().isVisible());

        w.answers().push_back(SaveChoice::Save);
        w.window().close();  // the window's close button asks the same
        QCOMPARE(w.questions().size(), std::size_t{2});
        QVERIFY(!w.window().isVisible());
        QVERIFY(readFile(room).startsWith("\"Wide 169\""));
    }

    // The real question box: its buttons, and Cancel keeping the window open.
    void theQuestionBoxOffersSaveDiscardAndCancel() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        h.window().setQuestionHook(ui::askQuestionBox);
        typeInto(h, 1, QStringLiteral("120"));  // entered when the window is closed
        QStringList buttons;
        const ModalDialog modal([&](QDialog& dialog) {
            auto* box = qobject_cast<QMessageBox*>(&dialog);
            QVERIFY(box != nullptr);
            QCOMPARE(box->text(), QStringLiteral("Save changes to Untitled?"));
            for (QAbstractButton* button : box->buttons())
                buttons << button->text();
            box->button(QMessageBox::Cancel)->click();
        });
        h.press(&h.window(), Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY(modal.opened());
        QVERIFY(!modal.leftOpen());
        buttons.sort();
        QCOMPARE(buttons, QStringList({"&Discard", "&Save", "Cancel"}));
        QVERIFY(h.window().isVisible());
        QCOMPARE(h.valueBox(1)->text(), QStringLiteral("120"));
        QCOMPARE(shownTitle(h), kCaption + QStringLiteral("*"));
    }

    // Fault: Ctrl+Z did nothing. Now it takes back entered values and option clicks, or the
    // typing in a box while there is typing to take back.
    void undoAndRedoTakeBackWhatWasEnteredOrTyped() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        QAction* undo = action(h, "mnuEditUndo");
        QAction* redo = action(h, "mnuEditRedo");
        QVERIFY(!undo->isEnabled());
        typeInto(h, 1, QStringLiteral("120"));
        h.press(h.valueBox(1), Qt::Key_Return);
        const QStringList entered = {"120", "120", "96", "72"};
        QCOMPARE(h.valueTexts(), entered);
        QVERIFY(undo->isEnabled());
        QCOMPARE(shownTitle(h), kCaption + QStringLiteral("*"));

        h.press(h.valueBox(1), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(h.valueTexts(), kStart);
        QCOMPARE(shownTitle(h), kCaption);
        QVERIFY(!undo->isEnabled());
        QVERIFY(redo->isEnabled());
        h.press(h.valueBox(1), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(h.valueTexts(), entered);
        undo->trigger();
        h.press(h.valueBox(1), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(h.valueTexts(), entered);

        h.click(h.option(QStringLiteral("optUnits_2")));
        QCOMPARE(h.valueBox(1)->text(), QStringLiteral("305"));
        h.press(h.option(QStringLiteral("optUnits_2")), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(h.option(QStringLiteral("optUnits_0"))->isChecked());
        QCOMPARE(h.valueTexts(), entered);

        // Typing is taken back in the box first; then the calculation.
        typeInto(h, 2, QStringLiteral("80"));
        h.press(h.valueBox(2), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(h.valueTexts(), entered);
        h.press(h.valueBox(2), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(h.valueTexts(), kStart);
        QVERIFY(h.messages().empty());
    }

    // Fault: "150,7" was read as 150, "abc" as 0; Escape did not undo; a refused value left the
    // caret at the end of the old text.
    void typedTextIsReadInFullOrRefused_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("message");
        const QString notANumber = QStringLiteral(
            ": \u201c%1\u201d is not a number. Use a point "
            "for decimals.");
        QTest::newRow("decimal comma, Enter")
            << 2 << "150,7"
            << "enter" << QStringLiteral("Width") + notANumber.arg(QStringLiteral("150,7"));
        QTest::newRow("letters after the number, Tab")
            << 1 << "120abc"
            << "tab" << QStringLiteral("Screen Size Diagonal") + notANumber.arg("120abc");
        QTest::newRow("no number, click elsewhere")
            << 0 << "abc"
            << "click" << QStringLiteral("Projection Distance") + notANumber.arg("abc");
        QTest::newRow("negative width, Enter button")
            << 2 << "-120"
            << "button" << QStringLiteral("Width: \u201c-120\u201d must be above 0.");
        QTest::newRow("below the limits, Tab") << 1 << "12.3"
                                               << "tab"
                                               << "Too small: at least 40 inches";
    }

    void typedTextIsReadInFullOrRefused() {
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(QString, how);
        QFETCH(QString, message);
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        QLineEdit* edit = h.valueBox(box);
        typeInto(h, box, typed);
        if (how == "enter") h.press(edit, Qt::Key_Return);
        if (how == "tab") h.press(edit, Qt::Key_Tab);
        if (how == "click") h.click(h.option(QStringLiteral("optUnits_0")));
        if (how == "button") h.click(h.enterButton(box));
        QCOMPARE(h.messages().size(), std::size_t{1});
        QCOMPARE(h.messages()[0].text, message);
        QCOMPARE(h.valueTexts(), kStart);
        QVERIFY(edit->hasFocus());
        QCOMPARE(edit->selectedText(), kStart[box]);
        QVERIFY(!action(h, "mnuEditUndo")->isEnabled());
        // The next keys replace the old text.
        h.type(edit, QStringLiteral("1"));
        QCOMPARE(edit->text(), QStringLiteral("1"));
    }

    void escapePutsBackTheTextAndNothingIsEntered() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        typeInto(h, 3, QStringLiteral("999"));
        h.press(h.valueBox(3), Qt::Key_Escape);
        QCOMPARE(h.valueBox(3)->text(), QStringLiteral("180"));
        QCOMPARE(h.valueBox(3)->selectedText(), QStringLiteral("180"));
        h.press(h.valueBox(3), Qt::Key_Tab);
        QCOMPARE(h.valueTexts(), kStart);
        QVERIFY(h.messages().empty());
        QVERIFY(!action(h, "mnuEditUndo")->isEnabled());
    }

    // With the real message box: once it is closed, the refused box has the focus and its text
    // is selected.
    void afterTheMessageTheRefusedBoxHasTheFocus() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        h.window().setMessageHook(ui::showMessageBox);
        QString shown;
        const ModalDialog modal([&](QDialog& dialog) {
            shown = qobject_cast<QMessageBox*>(&dialog)->text();
            dialog.accept();
        });
        typeInto(h, 2, QStringLiteral("150,7"));
        h.press(h.valueBox(2), Qt::Key_Tab);
        QTRY_VERIFY(modal.opened());
        QVERIFY(shown.startsWith(QStringLiteral("Width: ")));
        QCOMPARE(h.window().focusWidget(), h.valueBox(2));
        h.window().activateWindow();
        QTRY_VERIFY(h.valueBox(2)->hasFocus());
        QCOMPARE(h.valueBox(2)->selectedText(), QStringLiteral("240"));
        QCOMPARE(h.visibleEnterButtons(), std::vector<int>{});
    }

    void copyResultsPutsTheSummaryOnTheClipboard() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        typeInto(h, 1, QStringLiteral("120"));  // entered first, like a print
        h.press(h.valueBox(1), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY2(copied.startsWith(
                     QStringLiteral("Model: Plain 100\nAspect Ratio: 4 : 3\nWIDE / TELE: WIDE\n"
                                    "Position: Bottom of Screen\nProjection Distance: 120 inches\n"
                                    "Screen Size Diagonal: 120 inches\nWidth: 96 inches\n"
                                    "Height: 72 inches\nOffset: 36.0 ~ 7.2 inches\n")),
                 qPrintable(copied));
        QVERIFY(copied.contains(QStringLiteral("Distance for this screen, WIDE: 120.0\u2033\n")));
    }

  private:
    static QByteArray readFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

QTEST_MAIN(EditingTest)
#include "editing_test.moc"
