// Printing for real: the print dialog lists the printers of a CUPS scheduler started for this
// test, preselects its default, and Print sends the window to it as a job. The queue writes the
// job's PDF into the test's folder, whose page must show the window.
//
// How the PDF is made: the queue has a file: device URI (allowed by "FileDevice Yes" in the
// scheduler's private cups-files.conf) and our own printer description, which takes PDF and adds
// no filter of its own, so the scheduler writes the job as CUPS's pdftopdf leaves it straight
// into out/printed.pdf. The cups-pdf backend is not used: it reads its settings, the output folder
// included, from /etc/cups whatever the scheduler's configuration says.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "gui_fixture.h"
#include "modal_dialog.h"
#include "pdf_contents.h"
#include "pdf_page.h"
#include "private_cups.h"
#include "ui/program_style.h"

using namespace projcalc;
using namespace projcalc::gui_test;

class PrintCupsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        ui::useProgramStyle();
        QVERIFY2(cups_.start(QStringLiteral(PROJCALC_TEST_PPD)), qPrintable(cups_.error()));
        // Before anything asks CUPS: this process talks to the test's scheduler only, and no
        // print settings of the user running the tests choose another default printer.
        qputenv("CUPS_SERVER", cups_.server().toUtf8());
        qputenv("HOME", cups_.scratchFolder().toUtf8());
        qunsetenv("LPDEST");
        qunsetenv("PRINTER");
    }

    void cleanupTestCase() { cups_.stop(); }

    void printSendsTheWindowToTheChosenPrinter() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        const QString queue = QString::fromLatin1(PrivateCups::kQueue);
        QStringList listed;
        QStringList selected;
        const ModalDialog modal([&](QDialog& dialog) {
            auto* list = dialog.findChild<QListWidget*>(QStringLiteral("lstPrinter"));
            for (int row = 0; row < list->count(); ++row)
                listed << list->item(row)->text();
            for (const QListWidgetItem* item : list->selectedItems())
                selected << item->text();
            h.click(dialog.findChild<QPushButton*>(QStringLiteral("cmdPrint")));
        });
        QTest::keyClick(&h.window(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(modal.opened());
        QVERIFY(!modal.leftOpen());
        QCOMPARE(listed, QStringList{queue});
        QCOMPARE(selected, QStringList{queue});
        QVERIFY2(h.messages().empty(),
                 qPrintable(h.messages().empty() ? QString() : h.messages().front().text));

        QVERIFY2(cups_.waitForCompletedJobs(1, 40000), qPrintable(cups_.error()));
        QString error;
        const QImage page = renderPdfPage(cups_.outputFile(), 50, &error);
        QVERIFY2(!page.isNull(), qPrintable(error));
        QVERIFY2(colourShare(page, QColor(0, 128, 255), 12) > 0.01,
                 "the front view's screen is not on the printed page");
        QVERIFY2(inkCoverage(page) > 0.5, "most of the printed page is blank");
    }

    // The report prints on the paper the queue is set to, upright, with the window's numbers as
    // text.
    void printSendsTheReportOnTheQueuesPaper_data() {
        QTest::addColumn<QString>("pageSize");
        QTest::addColumn<QSizeF>("page");
        QTest::newRow("A4") << "A4" << QSizeF(595, 842);
        QTest::newRow("Letter") << "Letter" << QSizeF(612, 792);
    }

    void printSendsTheReportOnTheQueuesPaper() {
        QFETCH(QString, pageSize);
        QFETCH(QSizeF, page);
        const QString queue = QString::fromLatin1(PrivateCups::kQueue);
        QVERIFY2(
            cups_.run(QStringLiteral("lpadmin"), {QStringLiteral("-p"), queue, QStringLiteral("-o"),
                                                  "PageSize-default=" + pageSize}),
            qPrintable(cups_.error()));
        const int before = completedJobs();
        QFile::remove(cups_.outputFile());
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        const ModalDialog modal([&](QDialog& dialog) {
            h.click(dialog.findChild<QRadioButton*>(QStringLiteral("optPrintContent_1")));
            const ModalDialog details([&](QDialog& report) {
                report.findChild<QLineEdit*>(QStringLiteral("txtReportTitle"))
                    ->setText(QStringLiteral("Hall B"));
                h.click(report.findChild<QPushButton*>(QStringLiteral("cmdReportOk")));
            });
            h.click(dialog.findChild<QPushButton*>(QStringLiteral("cmdPrint")));
            QVERIFY(details.opened());
        });
        h.window().findChild<QAction*>(QStringLiteral("mnuFilePrint"))->trigger();
        QVERIFY(modal.opened());
        QVERIFY(!modal.leftOpen());
        QVERIFY2(h.messages().empty(),
                 qPrintable(h.messages().empty() ? QString() : h.messages().front().text));

        QVERIFY2(cups_.waitForCompletedJobs(before + 1, 40000), qPrintable(cups_.error()));
        QString error;
        const QSizeF printed = pdfPageSize(cups_.outputFile(), &error);
        QVERIFY2(!printed.isEmpty(), qPrintable(error));
        QCOMPARE(printed.toSize(), page.toSize());
        const QString text = pdfText(cups_.outputFile());
        QVERIFY2(text.contains(QStringLiteral("Hall B")), qPrintable(text));
        for (const QString& value : h.valueTexts())
            QVERIFY2(text.contains(value + QStringLiteral(" in (")), qPrintable(text));
        QCOMPARE(pdfImageCount(cups_.outputFile()), 0);
    }

  private:
    // How many jobs the queue has completed so far.
    int completedJobs() {
        QString completed;
        if (!cups_.run(QStringLiteral("lpstat"),
                       {QStringLiteral("-W"), QStringLiteral("completed"), QStringLiteral("-o"),
                        QString::fromLatin1(PrivateCups::kQueue)},
                       &completed)) {
            return 0;
        }
        return static_cast<int>(
            completed.trimmed().split(QLatin1Char('\n'), Qt::SkipEmptyParts).size());
    }

    PrivateCups cups_;
};

QTEST_MAIN(PrintCupsTest)
#include "print_cups_test.moc"
