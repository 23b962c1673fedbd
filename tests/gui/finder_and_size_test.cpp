// What a new user tripped over in Find models and the window: the finder starts from the
// calculation's own diagonal, keeps the model picked while typing, explains its mark and fits its
// headers; and nothing the window shows changes its size.
#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>
#include <cmath>

#include "gui_fixture.h"
#include "modal_dialog.h"

using namespace projcalc;
using namespace projcalc::gui_test;

namespace {

QString selectedModel(QTableWidget* table) {
    const int row = table->currentRow();
    return row >= 0 ? table->item(row, 0)->text() : QString();
}

// Types `text` into a value box and presses Enter.
void enter(WindowHarness& h, int box, const QString& text) {
    QLineEdit* field = h.valueBox(box);
    h.click(field);
    h.press(field, Qt::Key_A, Qt::ControlModifier);
    h.type(field, text);
    h.press(field, Qt::Key_Return);
}

}  // namespace

class FinderAndSizeTest : public QObject {
    Q_OBJECT

  private slots:
    void theFinderStartsFromTheDiagonalWithItsDecimals() {
        DataFolder data({kModelPlain, kModelWideOnly169});
        WindowHarness h;
        QVERIFY(h.start(data));
        h.click(h.option("optAspect_2"));
        enter(h, 2, QStringLiteral("100"));  // a 16:9 width of 100: a diagonal of 114.73
        QCOMPARE(h.valueTexts().at(1), QStringLiteral("115"));
        QString shown;
        ModalDialog finder([&shown](QDialog& dialog) {
            shown = dialog.findChild<QLineEdit*>(QStringLiteral("txtFindDiagonal"))->text();
            dialog.reject();
        });
        h.press(&h.window(), Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(finder.opened());
        QCOMPARE(shown, QStringLiteral("114.73"));
    }

    void typingKeepsTheModelPickedAndEnterTakesIt() {
        DataFolder data({kModelPlain, kModelWideOnly169});
        WindowHarness h;
        QVERIFY(h.start(data));
        QStringList selected;
        bool noteMatchesMarks = false;
        bool headersFit = true;
        ModalDialog finder([&](QDialog& dialog) {
            retype(dialog.findChild<QLineEdit*>(QStringLiteral("txtFindDiagonal")),
                   QStringLiteral("100"));
            auto* aspect = dialog.findChild<QComboBox*>(QStringLiteral("cboFindAspect"));
            aspect->setCurrentIndex(2);  // 16:9, which both models offer
            auto* nearest = dialog.findChild<QLineEdit*>(QStringLiteral("txtFindNearest"));
            retype(nearest, QStringLiteral("50"));
            retype(dialog.findChild<QLineEdit*>(QStringLiteral("txtFindFarthest")),
                   QStringLiteral("200"));
            auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tblFindModels"));
            if (table->rowCount() != 2) return;
            // The second row, picked with the keyboard; then the room is typed again.
            table->setFocus();
            QTest::keyClick(table, Qt::Key_Down);
            selected << selectedModel(table);
            nearest->setFocus();
            QTest::keyClick(nearest, Qt::Key_Backspace);  // "5"
            selected << selectedModel(table);
            QTest::keyClicks(nearest, QStringLiteral("1"));  // "51"
            selected << selectedModel(table);

            bool marked = false;
            for (int row = 0; row < table->rowCount(); ++row) {
                for (int column = 1; column <= 2; ++column)
                    marked = marked || table->item(row, column)->text().endsWith(" *");
            }
            auto* note = dialog.findChild<QLabel*>(QStringLiteral("lblFindStar"));
            noteMatchesMarks = note->isVisibleTo(&dialog) == marked &&
                               note->text().startsWith(QStringLiteral("* "));
            QHeaderView* header = table->horizontalHeader();
            for (int column = 1; column < table->columnCount(); ++column) {
                const QString caption = table->horizontalHeaderItem(column)->text();
                headersFit = headersFit && header->fontMetrics().horizontalAdvance(caption) <
                                               header->sectionSize(column);
            }
            QTest::keyClick(nearest, Qt::Key_Return);
        });
        h.press(&h.window(), Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(finder.opened());
        QVERIFY(!finder.leftOpen());
        QCOMPARE(selected.size(), 3);
        QCOMPARE(selected[1], selected[0]);
        QCOMPARE(selected[2], selected[0]);
        QCOMPARE(h.modelList()->currentText(), selected[0]);
        QVERIFY(noteMatchesMarks);
        QVERIFY(headersFit);
    }

    // Whatever a calculation shows (outside limits, messages, other models, other units), the
    // window keeps the size it has: the option column never moves under the mouse.
    void nothingShownChangesTheWindowsSize() {
        DataFolder data({kModelPlain, kModelWideOnly169});
        WindowHarness h;
        QVERIFY(h.start(data));
        h.find<QAction>("mnuViewPlanning")->trigger();
        QTest::qWait(50);
        const QSize start = h.window().size();
        const auto sizeStays = [&](const char* step) {
            QCoreApplication::processEvents();
            QVERIFY2(h.window().size() == start, step);
        };
        for (const char* option :
             {"optWIDE_1", "optUnits_2", "optAspect_2", "optUnits_1", "optAspect_3", "optWIDE_0",
              "optPosition_0", "optUnits_0", "optAspect_0"}) {
            h.click(h.option(option));
            sizeStays(option);
        }
        enter(h, 1, QStringLiteral("299"));
        sizeStays("a large diagonal");
        enter(h, 0, QStringLiteral("99999"));
        sizeStays("a refused distance");
        h.press(h.modelList(), Qt::Key_Down);
        sizeStays("another model");
    }
};

QTEST_MAIN(FinderAndSizeTest)
#include "finder_and_size_test.moc"
