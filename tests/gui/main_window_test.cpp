// The main window driven as a user drives it: its controls and menus, typing into the value
// boxes, the Enter buttons, and when an edit counts as entered.
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QtTest>

#include "gui_fixture.h"
#include "ui/control_layout.h"
#include "ui/program_style.h"
#include "ui/scene_view.h"

using namespace projcalc;
using namespace projcalc::gui_test;

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ui::useProgramStyle(); }

    void everyControlStandsInItsContainerAtItsDesignPlace() {
        ui::MainWindow window;
        QCOMPARE(window.findChild<QWidget*>(QStringLiteral("window"))->size(),
                 QSize(ui::kWindowInnerWidth, ui::kWindowInnerHeight));
        for (const ui::ControlDesign& design : ui::controlDesigns()) {
            const QString name = QString::fromLatin1(design.name.data(), design.name.size());
            const QWidget* widget = window.findChild<QWidget*>(name);
            QVERIFY2(widget != nullptr, qPrintable(name));
            QCOMPARE(widget->parentWidget()->objectName(),
                     QString::fromLatin1(design.container.data(), design.container.size()));
            QCOMPARE(widget->geometry(), ui::designPixels(design));
        }
        for (int i = 0; i < 2; ++i) {
            const auto* line = window.findChild<QWidget*>(QStringLiteral("lineMenu_%1").arg(i));
            QVERIFY(line != nullptr);
            QCOMPARE(line->geometry(), QRect(0, i, ui::kWindowInnerWidth, 1));
        }
        const auto* rangeSign = window.findChild<QLabel*>(QStringLiteral("imgKara"));
        QVERIFY(rangeSign != nullptr);
        QCOMPARE(rangeSign->parentWidget()->objectName(), QStringLiteral("picDraw2"));
        QVERIFY(!rangeSign->pixmap().isNull());
    }

    void logoIsCentredInItsFrame() {
        ui::MainWindow window;
        const auto* logo = window.findChild<QLabel*>(QStringLiteral("imgLogo"));
        QVERIFY(logo != nullptr);
        QVERIFY(!logo->pixmap().isNull());
        QCOMPARE(logo->parentWidget()->objectName(), QStringLiteral("picLogo"));
        const QSize frame = logo->parentWidget()->size();
        QVERIFY(qAbs(logo->x() + logo->width() / 2.0 - (frame.width() / 2.0 - 2)) <= 1);
        QVERIFY(qAbs(logo->y() + logo->height() / 2.0 - frame.height() / 2.0) <= 1);
    }

    void menusHaveTheirCaptionsSeparatorsAndShortcuts() {
        ui::MainWindow window;
        const QStringList menus = {"nmuFile", "mnuEdit", "mnuView", "mnuOption", "mnuHelp"};
        QStringList shown;
        for (QAction* action : window.menuBar()->actions())
            shown << action->menu()->objectName();
        QCOMPARE(shown, menus);

        struct Item {
            const char* name;
            const char* caption;  // "-" for a separator
            QKeySequence shortcut;
        };
        const std::vector<std::pair<const char*, std::vector<Item>>> items = {
            {"nmuFile",
             {{"mnuFileOpen", "&Open Calculate", QKeySequence(QStringLiteral("Ctrl+O"))},
              {"mnuFileSplit1", "-", {}},
              {"mnuFileSave", "&Save Calculate", QKeySequence(QStringLiteral("Ctrl+S"))},
              {"mnuFileSaveAs", "Save&As Calculate", QKeySequence(QStringLiteral("Ctrl+Shift+S"))},
              {"mnuFileSplit2", "-", {}},
              {"mnuFilePrint", "&Print Calculate", QKeySequence(QStringLiteral("Ctrl+P"))},
              {"mnuFileExportPdf", "Export P&DF...", QKeySequence(QStringLiteral("Ctrl+Shift+E"))},
              {"mnuFileExportReport", "Export &Report...", QKeySequence(QStringLiteral("Ctrl+R"))},
              {"mnuFileExportThrowTable", "Export &throw table...",
               QKeySequence(QStringLiteral("Ctrl+T"))},
              {"mnuFileSplit3", "-", {}},
              {"mnuFileQuit", "&Quit", QKeySequence(QStringLiteral("Ctrl+Q"))}}},
            {"mnuEdit",
             {{"mnuEditUndo", "&Undo", QKeySequence(QStringLiteral("Ctrl+Z"))},
              {"mnuEditRedo", "&Redo", QKeySequence(QStringLiteral("Ctrl+Shift+Z"))},
              {"mnuEditSplit1", "-", {}},
              {"mnuEditCopyResults", "&Copy Results",
               QKeySequence(QStringLiteral("Ctrl+Shift+C"))}}},
            {"mnuView", {{"mnuViewPlanning", "&Planning", {}}}},
            {"mnuOption",
             {{"mnuOptionFindModels", "&Find models...", QKeySequence(QStringLiteral("Ctrl+F"))},
              {"mnuOptionKeepScreen", "&Keep the screen when changing model", {}},
              {"mnuOptionModelInfo", "Select model info file...", {}},
              {"mnuOptionRestoreCatalogue", "&Restore previous catalogue", {}},
              {"mnuOptionLanguage", "&Language", {}}}},
            {"mnuHelp", {{"mnuAboutAbout", "&About", {}}}},
        };
        QCOMPARE(window.findChild<QMenu*>("nmuFile")->title(), QStringLiteral("&File"));
        QCOMPARE(window.findChild<QMenu*>("mnuEdit")->title(), QStringLiteral("&Edit"));
        QCOMPARE(window.findChild<QMenu*>("mnuOption")->title(), QStringLiteral("&Option"));
        QCOMPARE(window.findChild<QMenu*>("mnuHelp")->title(), QStringLiteral("&Help"));
        for (const auto& [menuName, expected] : items) {
            const QList<QAction*> actions = window.findChild<QMenu*>(menuName)->actions();
            QCOMPARE(actions.size(), static_cast<qsizetype>(expected.size()));
            for (std::size_t i = 0; i < expected.size(); ++i) {
                QAction* action = actions[static_cast<qsizetype>(i)];
                QCOMPARE(action->objectName(), QString::fromLatin1(expected[i].name));
                const bool separator = QByteArray(expected[i].caption) == "-";
                QCOMPARE(action->isSeparator(), separator);
                if (!separator) {
                    QCOMPARE(action->text(), QString::fromLatin1(expected[i].caption));
                    QCOMPARE(action->shortcut(), expected[i].shortcut);
                }
            }
        }
    }

    void startUpShowsTheFirstModelWithTheDefaults() {
        DataFolder data({kModelPlain, kModelWideOnly169});
        WindowHarness h;
        QVERIFY(h.start(data));
        QCOMPARE(h.window().windowTitle(), QStringLiteral("Projection Distance Calculator"));
        QCOMPARE(h.modelList()->count(), 2);
        QCOMPARE(h.modelList()->currentText(), QStringLiteral("Plain 100"));
        QCOMPARE(h.valueTexts(), QStringList({"300", "300", "240", "180"}));
        for (const char* name : {"optUnits_0", "optWIDE_0", "optPosition_1", "optAspect_0"})
            QVERIFY2(h.option(name)->isChecked(), name);
        QVERIFY(h.visibleEnterButtons().empty());
        QVERIFY(h.messages().empty());
        QVERIFY(h.modelList()->hasFocus());
    }

    // Every way of entering a typed value: Enter, the Enter button, Tab and Shift+Tab away, a
    // click on another control.
    void typedValueIsEnteredAndSolved_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("shown");
        const QStringList diagonal120 = {"120", "120", "96", "72"};
        const QStringList all100 = {"100", "100", "80", "60"};
        QTest::newRow("diagonal, Enter") << 1 << "120"
                                         << "enter" << diagonal120;
        QTest::newRow("diagonal, keypad Enter") << 1 << "120"
                                                << "keypad" << diagonal120;
        QTest::newRow("distance rounded up, Enter") << 0 << "99.2"
                                                    << "enter" << all100;
        QTest::newRow("width, Enter button") << 2 << "80"
                                             << "button" << all100;
        QTest::newRow("height, Tab") << 3 << "60"
                                     << "tab" << all100;
        QTest::newRow("distance, Shift+Tab") << 0 << "100"
                                             << "backtab" << all100;
        QTest::newRow("diagonal, click elsewhere") << 1 << "100"
                                                   << "click" << all100;
    }

    void typedValueIsEnteredAndSolved() {
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(QString, how);
        QFETCH(QStringList, shown);
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        QLineEdit* edit = h.valueBox(box);
        h.click(edit);
        h.type(edit, typed);
        QCOMPARE(edit->text(), typed);
        // Nothing is solved while the user types.
        QStringList typing = {"300", "300", "240", "180"};
        typing[box] = typed;
        QCOMPARE(h.valueTexts(), typing);
        if (how == "enter") h.press(edit, Qt::Key_Return);
        if (how == "keypad") h.press(edit, Qt::Key_Enter, Qt::KeypadModifier);
        if (how == "button") h.click(h.enterButton(box));
        if (how == "tab") h.press(edit, Qt::Key_Tab);
        if (how == "backtab") h.press(edit, Qt::Key_Backtab, Qt::ShiftModifier);
        if (how == "click") h.click(h.option("optUnits_0"));
        QCOMPARE(h.valueTexts(), shown);
        QVERIFY(h.messages().empty());
        // Enter and its button keep the focus in the box.
        if (how == "enter" || how == "keypad" || how == "button") QVERIFY(edit->hasFocus());
        if (how == "tab" || how == "backtab" || how == "click") QVERIFY(!edit->hasFocus());
    }

    void valueOutsideTheLimitsIsRefusedWithItsMessage_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("too large") << "5000"
                                   << "Too large: at most 300 inches";
        QTest::newRow("not a number") << "abc"
                                      << "Screen Size Diagonal: \u201c"
                                         "abc\u201d is not a number. Use a point for decimals.";
        QTest::newRow("rounded up first, then too small") << "12.3"
                                                          << "Too small: at least 40 inches";
    }

    void valueOutsideTheLimitsIsRefusedWithItsMessage() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        QLineEdit* diagonal = h.valueBox(1);
        h.click(diagonal);
        h.type(diagonal, typed);
        h.press(diagonal, Qt::Key_Return);
        QCOMPARE(h.messages().size(), std::size_t{1});
        QCOMPARE(h.messages()[0].text, message);
        QCOMPARE(h.messages()[0].title, QStringLiteral("Projection Distance Calculator"));
        QCOMPARE(h.messages()[0].icon, ui::MessageRequest::Icon::None);
        QCOMPARE(h.valueTexts(), QStringList({"300", "300", "240", "180"}));
    }

    void focusSelectsTheWholeText_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("mouse click") << "click";
        QTest::newRow("Tab") << "tab";
        QTest::newRow("focus from code") << "code";
    }

    void focusSelectsTheWholeText() {
        QFETCH(QString, how);
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        QLineEdit* distance = h.valueBox(0);
        if (how == "click") h.click(distance);
        if (how == "tab") h.press(h.modelList(), Qt::Key_Tab);
        if (how == "code") distance->setFocus(Qt::OtherFocusReason);
        QVERIFY(distance->hasFocus());
        QCOMPARE(distance->selectedText(), QStringLiteral("300"));
        // A later click inside the focused box places the caret as usual.
        h.click(distance);
        QVERIFY(!distance->hasSelectedText());
    }

    void enterButtonShowsOnlyBesideTheBoxBeingEdited() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        h.click(h.valueBox(2));
        QCOMPARE(h.visibleEnterButtons(), std::vector<int>{2});
        h.type(h.valueBox(2), "80");
        QCOMPARE(h.visibleEnterButtons(), std::vector<int>{2});
        h.press(h.valueBox(2), Qt::Key_Tab);  // enters the width and moves to the height
        QVERIFY(h.valueBox(3)->hasFocus());
        QCOMPARE(h.visibleEnterButtons(), std::vector<int>{3});
        h.press(h.valueBox(3), Qt::Key_Return);
        QVERIFY(h.visibleEnterButtons().empty());
        h.press(h.valueBox(3), Qt::Key_Left);
        QCOMPARE(h.visibleEnterButtons(), std::vector<int>{3});
    }

    // A message box, a popup menu or another window taking the focus is not the end of an edit;
    // the edit is entered when the user moves on inside the window.
    void focusTakenByAnotherWindowLeavesTheEditOpen_data() {
        QTest::addColumn<QString>("taker");
        QTest::newRow("message box") << "message";
        QTest::newRow("popup menu") << "menu";
        QTest::newRow("another window") << "window";
    }

    void focusTakenByAnotherWindowLeavesTheEditOpen() {
        QFETCH(QString, taker);
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        QLineEdit* diagonal = h.valueBox(1);
        h.click(diagonal);
        h.type(diagonal, "100");
        const QStringList editing = {"300", "100", "240", "180"};

        if (taker == "message") {
            QMessageBox box(QMessageBox::NoIcon, "Note", "Look", QMessageBox::Ok, &h.window());
            box.open();
            box.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&box));
            QCOMPARE(h.valueTexts(), editing);
            box.done(0);
        } else if (taker == "menu") {
            auto* menu = h.window().findChild<QMenu*>("nmuFile");
            menu->popup(h.window().mapToGlobal(QPoint(10, 10)));
            QVERIFY(QTest::qWaitForWindowExposed(menu));
            QCOMPARE(h.valueTexts(), editing);
            menu->close();
        } else {
            QWidget other;
            other.resize(200, 100);
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            QCOMPARE(h.valueTexts(), editing);
            other.close();
        }
        h.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.window()));
        QTRY_VERIFY(diagonal->hasFocus());
        QCOMPARE(h.valueTexts(), editing);
        QCOMPARE(h.visibleEnterButtons(), std::vector<int>{1});

        h.press(diagonal, Qt::Key_Tab);
        QCOMPARE(h.valueTexts(), QStringList({"100", "100", "80", "60"}));
    }

    void tabVisitsTheModelListTheValueBoxesThenTheOptions() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        QStringList visited;
        for (int i = 0; i < 12; ++i) {
            h.press(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        // The planning panel's inputs follow the options.
        QCOMPARE(visited, QStringList({"txtValue_0", "txtValue_1", "txtValue_2", "txtValue_3",
                                       "optUnits_0", "optWIDE_0", "optPosition_1", "optAspect_0",
                                       "txtPlanGain", "txtPlanShare", "cboPlanScope", "cboModel"}));
        // Shift+Tab comes back the same way.
        for (const char* back : {"cboPlanScope", "txtPlanShare", "txtPlanGain"}) {
            h.press(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(back));
        }
        h.press(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("optAspect_0"));
        h.press(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("optPosition_1"));
        QVERIFY(h.messages().empty());
    }

    // The drawings place the boxes, captions and Enter buttons lying on them; whether an Enter
    // button shows is the edit's business.
    void drawingsPlaceTheControlsLyingOnThem() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        h.click(h.valueBox(1));
        h.type(h.valueBox(1), "120");
        h.press(h.valueBox(1), Qt::Key_Return);
        h.press(h.valueBox(1), Qt::Key_Left);
        for (const char* name : {"picDraw1", "picDraw2"}) {
            auto* box = h.find<ui::SceneView>(name);
            QVERIFY(!box->scene().controls.empty());
            for (const ControlPlacement& placed : box->scene().controls) {
                auto* widget = box->findChild<QWidget*>(QString::fromStdString(placed.name));
                if (widget == nullptr) continue;  // a picture the drawing paints itself
                QCOMPARE(widget->pos(), QPoint(placed.at.x, placed.at.y));
                if (placed.name.starts_with("cmdEnter")) continue;
                QVERIFY2(widget->isVisibleTo(box) == placed.visible, placed.name.c_str());
            }
        }
        QCOMPARE(h.visibleEnterButtons(), std::vector<int>{1});
    }

    void quitClosesTheWindow() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        QTest::keyClick(&h.window(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!h.window().isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
