// Option > Find models... and File > Export throw table..., driven as a user would.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

#include "gui_fixture.h"
#include "modal_dialog.h"
#include "ui/throw_table_dialog.h"

using namespace projcalc;
using namespace projcalc::gui_test;

namespace {

// The row of the finder's table that shows a model.
int rowOf(QTableWidget* table, const QString& model) {
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->item(row, 0)->text() == model) return row;
    }
    return -1;
}

}  // namespace

class CatalogueCommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void aDoubleClickInTheFinderTakesTheModelAsOneStep() {
        DataFolder data({kModelPlain, kModelWideOnly169});
        WindowHarness h;
        QVERIFY(h.start(data));
        QStringList listed;
        ModalDialog finder([&listed](QDialog& dialog) {
            retype(dialog.findChild<QLineEdit*>("txtFindDiagonal"), QStringLiteral("100"));
            auto* aspect = dialog.findChild<QComboBox*>("cboFindAspect");
            aspect->setFocus();
            QTest::keyClick(aspect, Qt::Key_Down);  // 5:4
            QTest::keyClick(aspect, Qt::Key_Down);  // 16:9
            retype(dialog.findChild<QLineEdit*>("txtFindNearest"), QStringLiteral("50"));
            retype(dialog.findChild<QLineEdit*>("txtFindFarthest"), QStringLiteral("200"));
            auto* table = dialog.findChild<QTableWidget*>("tblFindModels");
            for (int row = 0; row < table->rowCount(); ++row)
                listed << table->item(row, 0)->text();
            const int row = rowOf(table, QStringLiteral("Wide 169"));
            if (row < 0) return;
            const QRect cell = table->visualRect(table->model()->index(row, 0));
            // A double-click as the system delivers it: a click, then the second press.
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        });
        h.press(&h.window(), Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(finder.opened());
        QVERIFY(!finder.leftOpen());
        // Both models throw a 100-inch 16:9 screen from between 50 and 200 inches.
        QCOMPARE(listed.size(), 2);
        QVERIFY(listed.contains(QStringLiteral("Plain 100")));
        QCOMPARE(h.modelList()->currentText(), QStringLiteral("Wide 169"));
        QVERIFY(h.option(QStringLiteral("optAspect_2"))->isChecked());
        QCOMPARE(h.valueTexts().at(1), QStringLiteral("100"));
        QVERIFY(h.messages().empty());

        // One step: Undo brings back the first model, its aspect and its diagonal together.
        // The window manager gives the window back its focus once the dialog has closed.
        h.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.window()));
        h.press(&h.window(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(h.modelList()->currentText(), QStringLiteral("Plain 100"));
        QVERIFY(h.option(QStringLiteral("optAspect_0"))->isChecked());
        QCOMPARE(h.valueTexts().at(1), QStringLiteral("300"));
    }

    void theFinderListsNothingUntilItsNumbersMakeSense() {
        DataFolder data({kModelPlain, kModelWideOnly169});
        WindowHarness h;
        QVERIFY(h.start(data));
        int rows = -1;
        ModalDialog finder([&rows](QDialog& dialog) {
            retype(dialog.findChild<QLineEdit*>("txtFindNearest"), QStringLiteral("900"));
            rows = dialog.findChild<QTableWidget*>("tblFindModels")->rowCount();
            dialog.reject();
        });
        h.press(&h.window(), Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(finder.opened());
        QCOMPARE(rows, 0);  // nearest beyond farthest
        QCOMPARE(h.modelList()->currentText(), QStringLiteral("Plain 100"));
    }

    void theThrowTableIsWrittenAsCsvOrPdf_data() {
        QTest::addColumn<bool>("pdf");
        QTest::newRow("CSV") << false;
        QTest::newRow("PDF") << true;
    }

    void theThrowTableIsWrittenAsCsvOrPdf() {
        QFETCH(bool, pdf);
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        const QString target = data.qpath() + (pdf ? "/table.pdf" : "/table.csv");
        ui::FileDialogRequest asked;
        h.window().setFileDialogHook([&](QWidget*, const ui::FileDialogRequest& request) {
            asked = request;
            return target;
        });
        ModalDialog options([pdf](QDialog& dialog) {
            retype(dialog.findChild<QLineEdit*>("txtTableStep"), QStringLiteral("50"));
            if (pdf)
                QTest::mouseClick(dialog.findChild<QRadioButton*>("optTablePdf"), Qt::LeftButton);
            QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                              Qt::LeftButton);
        });
        h.press(&h.window(), Qt::Key_T, Qt::ControlModifier);
        QTRY_VERIFY(options.opened());
        QCOMPARE(asked.defaultSuffix, pdf ? QStringLiteral("pdf") : QStringLiteral("csv"));
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray written = file.readAll();
        if (pdf) {
            QVERIFY(written.startsWith("%PDF"));
            return;
        }
        // Plain 100 at 4:3: from its smallest limit over both ends, 30, every multiple of 50
        // above it, and its largest limit, 300.
        const QList<QByteArray> lines = written.split('\n');
        // Each row says which model and aspect it is for.
        QVERIFY(lines[0].startsWith("Model,Aspect,Diagonal (in),"));
        QCOMPARE(lines.size(), 1 + 7 + 1);  // the header, seven rows, the last line's end
        QVERIFY(lines[1].startsWith("Plain 100,4 : 3,30.00,"));
        QVERIFY(lines[7].startsWith("Plain 100,4 : 3,300.00,"));
    }

    // The step is typed in inches, or in centimetres when the selected unit is metric, starts at
    // a round step of that unit and always comes back in inches.
    void theThrowTableStepIsTypedInTheUnitsFamily_data() {
        QTest::addColumn<Unit>("unit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("inches");  // 0: OK is refused
        QTest::newRow("inches, as offered") << Unit::Inches << QString() << 10.0;
        QTest::newRow("feet step in inches") << Unit::Feet << QStringLiteral("10") << 10.0;
        QTest::newRow("centimetres, as offered") << Unit::Centimeters << QString() << 25 / 2.54;
        QTest::newRow("centimetres, blanks")
            << Unit::Centimeters << QStringLiteral(" 2.54 ") << 1.0;
        QTest::newRow("zero") << Unit::Inches << QStringLiteral("0") << 0.0;
        QTest::newRow("negative") << Unit::Centimeters << QStringLiteral("-5") << 0.0;
        QTest::newRow("no number") << Unit::Feet << QStringLiteral("ten") << 0.0;
        QTest::newRow("empty") << Unit::Inches << QStringLiteral(" ") << 0.0;
    }

    void theThrowTableStepIsTypedInTheUnitsFamily() {
        QFETCH(Unit, unit);
        QFETCH(QString, typed);
        QFETCH(double, inches);
        ui::ThrowTableDialog dialog(ui::ThrowTableInput{"Plain 100", Aspect::R4x3, unit, {}});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* step = dialog.findChild<QLineEdit*>("txtTableStep");
        if (!typed.isNull()) retype(step, typed);
        QTest::mouseClick(dialog.findChild<QRadioButton*>("optTablePdf"), Qt::LeftButton);
        const auto request = dialog.request();
        if (inches == 0.0) {
            QVERIFY(!request);
            QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                              Qt::LeftButton);
            QVERIFY(dialog.isVisible());  // OK takes no such step
            return;
        }
        QVERIFY(request);
        QVERIFY(qAbs(request->step - inches) < 1e-9);
        QCOMPARE(request->format, ui::ThrowTableDialog::Format::Pdf);
    }
};

QTEST_MAIN(CatalogueCommandsTest)
#include "catalogue_commands_test.moc"
