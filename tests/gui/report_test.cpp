// The installation report from the window: File > Export Report... asks for its title and who
// prepared it, then writes a PDF whose text holds what the window shows and whose drawings are
// vectors; the print dialog offers it beside the window's picture.
#include <QButtonGroup>
#include <QDate>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "gui_fixture.h"
#include "modal_dialog.h"
#include "pdf_contents.h"
#include "ui/program_style.h"

using namespace projcalc;
using namespace projcalc::gui_test;

namespace {

template <typename Widget>
Widget* child(QDialog& dialog, const char* name) {
    return dialog.findChild<Widget*>(QString::fromLatin1(name));
}

QAction* exportReportAction(WindowHarness& h) {
    return h.window().findChild<QAction*>(QStringLiteral("mnuFileExportReport"));
}

QAction* printAction(WindowHarness& h) {
    return h.window().findChild<QAction*>(QStringLiteral("mnuFilePrint"));
}

// What the report dialog offered, and what the user typed into it.
struct Typed {
    QString title;
    QString preparedBy;
    bool ok = true;  // OK, else Cancel
};
struct Offered {
    QString title;
    QString preparedBy;
};

// Answers the report dialog that the next command opens; returns what it offered.
class ReportDialogAnswer {
  public:
    explicit ReportDialogAnswer(WindowHarness& h, Typed typed)
        : modal_([this, &h, typed](QDialog& dialog) {
              auto* title = child<QLineEdit>(dialog, "txtReportTitle");
              auto* preparedBy = child<QLineEdit>(dialog, "txtReportPreparedBy");
              offered_ = {title->text(), preparedBy->text()};
              title->setText(typed.title);
              preparedBy->setText(typed.preparedBy);
              h.click(child<QPushButton>(dialog, typed.ok ? "cmdReportOk" : "cmdReportCancel"));
          }) {}
    [[nodiscard]] bool answered() const { return modal_.opened() && !modal_.leftOpen(); }
    [[nodiscard]] const Offered& offered() const { return offered_; }

  private:
    Offered offered_;
    ModalDialog modal_;
};

// Exports the report to `path` with the report dialog answered as `typed`.
bool exportReport(WindowHarness& h, const QString& path, const Typed& typed,
                  Offered* offered = nullptr) {
    h.window().setFileDialogHook([path](QWidget*, const ui::FileDialogRequest&) { return path; });
    const ReportDialogAnswer answer(h, typed);
    exportReportAction(h)->trigger();
    if (offered != nullptr) *offered = answer.offered();
    return answer.answered();
}

}  // namespace

class ReportTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ui::useProgramStyle(); }

    void reportHoldsTheNumbersAndUnitsTheWindowShows_data() {
        QTest::addColumn<QString>("unitOption");
        QTest::addColumn<QString>("unitCaption");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QString>("equivalentSign");
        QTest::addColumn<QString>("typed");  // the diagonal, within the model's limits
        QTest::newRow("inches") << "optUnits_0"
                                << "inches"
                                << "in"
                                << "cm"
                                << "150";
        QTest::newRow("feet") << "optUnits_1"
                              << "Feet"
                              << "ft"
                              << "m"
                              << "12";
        QTest::newRow("centimetres") << "optUnits_2"
                                     << "centimeters"
                                     << "cm"
                                     << "in"
                                     << "380";
    }

    // The value being typed is entered first, as Print does; the texts of the boxes, the offset
    // boxes and the planning panel all reach the page with their unit.
    void reportHoldsTheNumbersAndUnitsTheWindowShows() {
        QFETCH(QString, unitOption);
        QFETCH(QString, unitCaption);
        QFETCH(QString, sign);
        QFETCH(QString, equivalentSign);
        QFETCH(QString, typed);
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        h.click(h.option(unitOption));
        QLineEdit* diagonal = h.valueBox(1);
        h.click(diagonal);
        diagonal->selectAll();
        h.type(diagonal, typed);  // not entered yet
        const QString path = data.qpath() + QStringLiteral("/report.pdf");
        QVERIFY(exportReport(h, path, {QStringLiteral("Hall B"), QStringLiteral("Ann Lee")}));
        QVERIFY(h.messages().empty());
        QCOMPARE(diagonal->text(), typed);

        QString error;
        const QString text = pdfText(path, &error);
        QVERIFY2(!text.isEmpty(), qPrintable(error));
        const auto holds = [&text](const QString& part) {
            QVERIFY2(text.contains(part), qPrintable(part + QStringLiteral(" not in: ") + text));
        };
        holds(QStringLiteral("Hall B"));
        holds(QStringLiteral("Prepared by: Ann Lee"));
        holds(QStringLiteral("Date: ") + QDate::currentDate().toString(Qt::ISODate));
        holds(QStringLiteral("Plain 100"));
        holds(unitCaption);
        for (const QString& value : h.valueTexts())
            holds(value + QLatin1Char(' ') + sign + QStringLiteral(" ("));
        for (const char* offset : {"txtOffset_0", "txtOffset_1"})
            holds(h.find<QLineEdit>(QString::fromLatin1(offset))->text() + QLatin1Char(' ') + sign);
        holds(QLatin1Char(' ') + equivalentSign + QLatin1Char(')'));
        for (const char* panelValue :
             {"lblPlanThrowValue_0", "lblPlanImageValue_1", "lblPlanSeatValue_2"})
            holds(h.find<QLabel>(QString::fromLatin1(panelValue))->text());
        holds(QStringLiteral("Front view (to scale)"));
        holds(QStringLiteral("Side view (schematic)"));
    }

    // Both drawings reach the page as paths and text: no picture of the screen, no bitmap.
    void drawingsAreVectorsNotImages() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        const QString path = data.qpath() + QStringLiteral("/report.pdf");
        QVERIFY(exportReport(h, path, {QStringLiteral("Hall"), QString()}));
        QString error;
        QCOMPARE(pdfImageCount(path, &error), 0);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const int paths = pdfPathOperators(path);
        QVERIFY2(paths > 150, qPrintable(QString::number(paths)));
    }

    // The page is the locale's paper, A4 or Letter, and upright for this content.
    void pageFollowsTheLocalesPaper_data() {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QSizeF>("page");
        QTest::newRow("C") << QByteArray("C.UTF-8") << QSizeF(595, 842);
        QTest::newRow("Germany") << QByteArray("de_DE.UTF-8") << QSizeF(595, 842);
        QTest::newRow("United States") << QByteArray("en_US.UTF-8") << QSizeF(612, 792);
        QTest::newRow("Canada") << QByteArray("fr_CA.UTF-8") << QSizeF(612, 792);
    }

    void pageFollowsTheLocalesPaper() {
        QFETCH(QByteArray, locale);
        QFETCH(QSizeF, page);
        const QByteArray before = qgetenv("LC_ALL");
        qputenv("LC_ALL", locale);
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        const QString path = data.qpath() + QStringLiteral("/report.pdf");
        const bool exported = exportReport(h, path, {QStringLiteral("Hall"), QString()});
        qputenv("LC_ALL", before);
        QVERIFY(exported);
        QString error;
        const QSizeF shown = pdfPageSize(path, &error);
        QVERIFY2(!shown.isEmpty(), qPrintable(error));
        QCOMPARE(shown.toSize(), page.toSize());
    }

    // The dialog offers the file's name (or "Untitled") and the name given last time; an empty
    // title falls back to the offered one; Cancel writes nothing.
    void dialogOffersTheTitleAndRemembersWhoPrepared() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        const QString path = data.qpath() + QStringLiteral("/report.pdf");
        Offered offered;
        QVERIFY(exportReport(h, path, {QString(), QStringLiteral("Ann Lee")}, &offered));
        QCOMPARE(offered.title, QStringLiteral("Untitled"));
        QCOMPARE(offered.preparedBy, QString());
        QVERIFY(pdfText(path).startsWith(QStringLiteral("Untitled ")));

        const QString saved = data.qpath() + QStringLiteral("/Hall C.cf");
        QVERIFY(QFile::remove(path));
        h.window().setFileDialogHook([&](QWidget*, const ui::FileDialogRequest&) { return saved; });
        QVERIFY(h.window().calculator().saveAs(saved.toStdString()));
        QVERIFY(exportReport(h, path, {QStringLiteral("Hall C"), QStringLiteral("Bo")}, &offered));
        QCOMPARE(offered.title, QStringLiteral("Hall C"));
        QCOMPARE(offered.preparedBy, QStringLiteral("Ann Lee"));

        QVERIFY(QFile::remove(path));
        QVERIFY(exportReport(h, path, {QStringLiteral("X"), QString(), false}, &offered));
        QCOMPARE(offered.preparedBy, QStringLiteral("Bo"));
        QVERIFY(!QFile::exists(path));
        QVERIFY(h.messages().empty());
    }

    void exportFailureNamesTheFile() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        const QString path = data.qpath() + QStringLiteral("/missing/report.pdf");
        QVERIFY(exportReport(h, path, {QStringLiteral("Hall"), QString()}));
        QCOMPARE(h.messages().size(), std::size_t{1});
        QCOMPARE(h.messages()[0].icon, ui::MessageRequest::Icon::Critical);
        QVERIFY2(h.messages()[0].text.contains(path), qPrintable(h.messages()[0].text));
    }

    void captionsComeFromTheLanguageFile() {
        DataFolder data({kModelPlain}, languageText({{"mnuFileExportReport", "&Bericht..."},
                                                     {"optPrintContent_1", "&Bericht"},
                                                     {"rptDate", "Datum"}}));
        WindowHarness h;
        QVERIFY(h.start(data));
        QCOMPARE(exportReportAction(h)->text(), QStringLiteral("&Bericht..."));
        const QString path = data.qpath() + QStringLiteral("/report.pdf");
        QVERIFY(exportReport(h, path, {QStringLiteral("Halle"), QString()}));
        QVERIFY(pdfText(path).contains(QStringLiteral("Datum: ")));
        h.window().setPrinterProvider([] { return ui::PrinterList{{"Office"}, "Office"}; });
        QString caption;
        const ModalDialog modal([&](QDialog& dialog) {
            caption = child<QRadioButton>(dialog, "optPrintContent_1")->text();
            h.click(child<QPushButton>(dialog, "cmdCancel"));
        });
        printAction(h)->trigger();
        QVERIFY(modal.opened());
        QCOMPARE(caption, QStringLiteral("&Bericht"));
    }

    // The print dialog offers the window's picture (checked at first) and the report, and
    // remembers the choice. Printing the report asks for its title first; cancelling that prints
    // nothing and reports nothing.
    void printDialogOffersTheReportAndRemembersTheChoice() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        h.window().setPrinterProvider([] {
            return ui::PrinterList{{"projcalc-test-no-such-printer"}, {}};
        });
        const auto print = [&](const std::function<void(QDialog&)>& act) {
            const ModalDialog modal(act);
            printAction(h)->trigger();
            return modal.opened() && !modal.leftOpen();
        };
        bool answered = false;
        QVERIFY(print([&](QDialog& dialog) {
            QVERIFY(child<QRadioButton>(dialog, "optPrintContent_0")->isChecked());
            QCOMPARE(child<QRadioButton>(dialog, "optPrintContent_1")->text(),
                     QStringLiteral("&Report"));
            h.click(child<QRadioButton>(dialog, "optPrintContent_1"));
            child<QListWidget>(dialog, "lstPrinter")->setCurrentRow(0);
            const ReportDialogAnswer answer(h, {QStringLiteral("Hall"), QString(), false});
            h.click(child<QPushButton>(dialog, "cmdPrint"));
            answered = answer.answered();
        }));
        QVERIFY(answered);
        QVERIFY(h.messages().empty());

        QVERIFY(print([&](QDialog& dialog) {
            QVERIFY(child<QRadioButton>(dialog, "optPrintContent_1")->isChecked());
            h.click(child<QPushButton>(dialog, "cmdCancel"));
        }));
    }
};

QTEST_MAIN(ReportTest)
#include "report_test.moc"
