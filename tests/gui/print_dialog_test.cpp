// The print dialog and the PDF export, driven from the File menu: which printers are listed and
// preselected, the dialog's texts, what Print and Cancel do, and the page that is produced.
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

#include "gui_fixture.h"
#include "modal_dialog.h"
#include "pdf_page.h"
#include "ui/artwork.h"
#include "ui/program_style.h"
#include "ui/scene_view.h"
#include "ui/window_printer.h"

using namespace projcalc;
using namespace projcalc::gui_test;

namespace {

// A printer name no system has, so that printing on it fails.
const QString kMissingPrinter = QStringLiteral("projcalc-test-no-such-printer");

// Opens the print dialog with Ctrl+P on a window whose printers are `printers`, lets `act` look
// at it and close it. False when the dialog did not open or `act` left it open.
bool runPrintDialog(WindowHarness& h, const ui::PrinterList& printers,
                    const std::function<void(QDialog&)>& act) {
    h.window().setPrinterProvider([printers] { return printers; });
    const ModalDialog modal(act);
    QTest::keyClick(&h.window(), Qt::Key_P, Qt::ControlModifier);
    return modal.opened() && !modal.leftOpen();
}

template <typename Widget>
Widget* child(QDialog& dialog, const char* name) {
    return dialog.findChild<Widget*>(QString::fromLatin1(name));
}

QStringList selectedNames(QDialog& dialog) {
    QStringList names;
    for (const QListWidgetItem* item : child<QListWidget>(dialog, "lstPrinter")->selectedItems())
        names << item->text();
    return names;
}

QAction* exportAction(WindowHarness& h) {
    return h.window().findChild<QAction*>(QStringLiteral("mnuFileExportPdf"));
}

// Four page pixels to a window pixel.
constexpr int kPageScale = 4;

// The window's contents rendered as a page at kPageScale.
QImage renderedPage(QWidget& content) {
    QImage page(content.size() * kPageScale, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    ui::renderOnPage(content, painter, QRectF(page.rect()));
    return page;
}

// Of the pixels where the picture rendered for the page differs clearly from the screen's
// picture enlarged, how many of the printed ones are nearer the page's version.
struct Sharpness {
    int differing = 0;
    int closerToSharp = 0;
    [[nodiscard]] QString text() const {
        return QStringLiteral("%1 of %2 pixels sharp").arg(closerToSharp).arg(differing);
    }
};

Sharpness sharpness(const QImage& printed, const QImage& background, const QString& picture) {
    const auto over = [&background](const QPixmap& pixmap) {
        QImage image = background.copy();
        QPainter painter(&image);
        painter.drawPixmap(image.rect(), pixmap);
        return image;
    };
    const QImage sharp = over(ui::artworkPixmap(picture, kPageScale));
    const QImage enlarged = over(ui::artworkPixmap(picture, 1.0));
    const auto distance = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b));
    };
    Sharpness result;
    for (int y = 0; y < printed.height(); ++y) {
        for (int x = 0; x < printed.width(); ++x) {
            const QRgb s = sharp.pixel(x, y);
            const QRgb e = enlarged.pixel(x, y);
            if (distance(s, e) < 60) continue;
            ++result.differing;
            const QRgb p = printed.pixel(x, y);
            if (distance(p, s) < distance(p, e)) ++result.closerToSharp;
        }
    }
    return result;
}

}  // namespace

class PrintDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ui::useProgramStyle(); }

    void loadListsThePrintersAndSelectsTheDefault_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("defaultName");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<bool>("printEnabled");
        QTest::newRow("no printer") << QStringList() << QString() << QStringList() << false;
        QTest::newRow("no printer, a default name")
            << QStringList() << "Office" << QStringList() << false;
        QTest::newRow("default found")
            << QStringList{"Office", "Lab", "Hall"} << "Lab" << QStringList{"Lab"} << true;
        QTest::newRow("default not found")
            << QStringList{"Office", "Lab"} << "Basement" << QStringList() << true;
        QTest::newRow("no default") << QStringList{"Office"} << QString() << QStringList() << true;
        QTest::newRow("names must match exactly")
            << QStringList{"lab", "Lab "} << "Lab" << QStringList() << true;
    }

    void loadListsThePrintersAndSelectsTheDefault() {
        QFETCH(QStringList, names);
        QFETCH(QString, defaultName);
        QFETCH(QStringList, selected);
        QFETCH(bool, printEnabled);
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        QVERIFY(runPrintDialog(h, {names, defaultName}, [&](QDialog& dialog) {
            auto* list = child<QListWidget>(dialog, "lstPrinter");
            QVERIFY(list != nullptr);
            QStringList listed;
            for (int row = 0; row < list->count(); ++row) {
                listed << list->item(row)->text();
                QCOMPARE(list->item(row)->data(Qt::UserRole).toInt(), row);
            }
            QCOMPARE(listed, names);
            QCOMPARE(selectedNames(dialog), selected);
            QCOMPARE(child<QPushButton>(dialog, "cmdPrint")->isEnabled(), printEnabled);
            // Without a printer the dialog says why Print is greyed and what to do instead.
            auto* note = child<QLabel>(dialog, "lblNoPrinter");
            QCOMPARE(note->isVisible(), !printEnabled);
            QCOMPARE(note->text(),
                     QStringLiteral("No printer is set up on this computer. File > "
                                    "Export PDF writes the same page to a PDF file."));
            h.click(child<QPushButton>(dialog, "cmdCancel"));
        }));
        QVERIFY(h.messages().empty());
    }

    void dialogShowsTheLanguageFileTextsInItsFont() {
        DataFolder data({kModelPlain}, languageText({{"LBL18", "Drucken"},
                                                     {"LBL19", "Drucker wählen"},
                                                     {"LBL20", "&Los"},
                                                     {"LBL21", "Abbruch"},
                                                     {"FontName", "DejaVu Serif"},
                                                     {"FontSize", "11"}}));
        WindowHarness h;
        QVERIFY(h.start(data));
        QVERIFY(runPrintDialog(h, {{"Office"}, "Office"}, [&](QDialog& dialog) {
            QCOMPARE(dialog.objectName(), QStringLiteral("frmPrint"));
            QVERIFY(dialog.isModal());
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Drucken"));
            QCOMPARE(child<QLabel>(dialog, "lblPrint")->text(), QStringLiteral("Drucker wählen"));
            QCOMPARE(child<QPushButton>(dialog, "cmdPrint")->text(), QStringLiteral("&Los"));
            QCOMPARE(child<QPushButton>(dialog, "cmdCancel")->text(), QStringLiteral("Abbruch"));
            for (const char* name : {"lblPrint", "lstPrinter", "cmdPrint", "cmdCancel"}) {
                const QFont font = child<QWidget>(dialog, name)->font();
                QCOMPARE(font.family(), QStringLiteral("DejaVu Serif"));
                QCOMPARE(font.pointSize(), 11);
            }
            QTest::keyClick(&dialog, Qt::Key_Escape);
        }));
        QVERIFY(h.messages().empty());
    }

    void printWithoutASelectionReportsTheErrorAndCloses() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        QVERIFY(runPrintDialog(h, {{"Office", "Lab"}, "Basement"}, [&](QDialog& dialog) {
            h.click(child<QPushButton>(dialog, "cmdPrint"));
            QVERIFY(!dialog.isVisible());
        }));
        QCOMPARE(h.messages().size(), std::size_t{1});
        QCOMPARE(h.messages()[0].icon, ui::MessageRequest::Icon::Critical);
        QCOMPARE(h.messages()[0].text,
                 QStringLiteral("Err : 9\nSubscript out of range: no printer is selected in the "
                                "list"));
    }

    void printOnAPrinterThatIsGoneReportsItByName() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        QVERIFY(
            runPrintDialog(h, {{"Office", kMissingPrinter}, kMissingPrinter}, [&](QDialog& dialog) {
                QCOMPARE(selectedNames(dialog), QStringList{kMissingPrinter});
                h.click(child<QPushButton>(dialog, "cmdPrint"));
            }));
        QCOMPARE(h.messages().size(), std::size_t{1});
        QCOMPARE(h.messages()[0].icon, ui::MessageRequest::Icon::Critical);
        QVERIFY2(h.messages()[0].text.startsWith(QStringLiteral("Err : 57\n")),
                 qPrintable(h.messages()[0].text));
        QVERIFY(h.messages()[0].text.contains(QLatin1Char('"') + kMissingPrinter + '"'));
    }

    void exportCaptionComesFromTheLanguageFile_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("caption");
        QTest::newRow("default") << QString::fromStdString(languageText())
                                 << QStringLiteral("Export P&DF...");
        QTest::newRow("own text") << QString::fromStdString(
                                         languageText({{"mnuFileExportPdf", "Als &PDF..."}}))
                                  << QStringLiteral("Als &PDF...");
    }

    void exportCaptionComesFromTheLanguageFile() {
        QFETCH(QString, language);
        QFETCH(QString, caption);
        DataFolder data({kModelPlain}, language.toStdString());
        WindowHarness h;
        QVERIFY(h.start(data, false));
        QCOMPARE(exportAction(h)->text(), caption);
    }

    void exportWritesThePageAsPdf() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        const QString path = data.qpath() + QStringLiteral("/window.pdf");
        ui::FileDialogRequest asked;
        h.window().setFileDialogHook([&](QWidget*, const ui::FileDialogRequest& request) {
            asked = request;
            return path;
        });
        exportAction(h)->trigger();
        QVERIFY(h.messages().empty());
        QCOMPARE(asked.mode, ui::FileDialogRequest::Mode::Save);
        QCOMPARE(asked.nameFilter, QStringLiteral("PDF (*.pdf)"));
        QCOMPARE(asked.defaultSuffix, QStringLiteral("pdf"));

        QString error;
        const QImage page = renderPdfPage(path, 50, &error);
        QVERIFY2(!page.isNull(), qPrintable(error));
        // The page lies as the window does: landscape for a window wider than tall.
        const QWidget& content = *h.window().centralWidget();
        QCOMPARE(page.width() > page.height(), content.width() > content.height());
        QVERIFY2(colourShare(page, QColor(0, 128, 255), 12) > 0.01, "no screen fill on the page");
        // Scaled up until it meets the margins in one direction, whatever the window's shape.
        const QRect ink = inkBounds(page);
        const double fill = std::max(static_cast<double>(ink.width()) / page.width(),
                                     static_cast<double>(ink.height()) / page.height());
        QVERIFY2(fill > 0.85, "the window does not fill the page");
    }

    void exportFailureNamesTheFileAndKeepsWhatWasThere_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("missing folder") << QStringLiteral("missing/window.pdf");
        QTest::newRow("a folder") << QStringLiteral("folder.pdf");
    }

    void exportFailureNamesTheFileAndKeepsWhatWasThere() {
        QFETCH(QString, target);
        DataFolder data;
        QVERIFY(QDir(data.qpath()).mkdir(QStringLiteral("folder.pdf")));
        WindowHarness h;
        QVERIFY(h.start(data));
        const QString path = data.qpath() + QLatin1Char('/') + target;
        h.window().setFileDialogHook([&](QWidget*, const ui::FileDialogRequest&) { return path; });
        exportAction(h)->trigger();
        QCOMPARE(h.messages().size(), std::size_t{1});
        QCOMPARE(h.messages()[0].icon, ui::MessageRequest::Icon::Critical);
        QVERIFY2(h.messages()[0].text.startsWith(QStringLiteral("Err : ")),
                 qPrintable(h.messages()[0].text));
        QVERIFY2(h.messages()[0].text.contains(path), qPrintable(h.messages()[0].text));
        QVERIFY(QFileInfo(data.qpath() + QStringLiteral("/folder.pdf")).isDir());
        QVERIFY(!QFileInfo::exists(data.qpath() + QStringLiteral("/missing")));
    }

    void cancelledExportWritesNothing() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        exportAction(h)->trigger();  // the harness's file dialog is cancelled
        QVERIFY(h.messages().empty());
        QCOMPARE(QDir(data.qpath()).entryList({QStringLiteral("*.pdf")}), QStringList());
    }

    // Pictures on the page are rendered for the page's resolution, not enlarged from the screen's:
    // the drawings' pictures and the logo.
    void drawingPicturesAreDrawnAtThePageResolution() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        QWidget& content = *h.window().centralWidget();
        const auto* front = h.find<ui::SceneView>(QStringLiteral("picDraw1"));
        const auto item =
            std::find_if(front->scene().items.begin(), front->scene().items.end(),
                         [](const SceneItem& i) { return i.imageName == "imgProjector"; });
        QVERIFY(item != front->scene().items.end());
        const QRect area(front->mapTo(&content, QPoint(item->at.x, item->at.y)) * kPageScale,
                         ui::artworkSize(QStringLiteral("imgProjector")) * kPageScale);
        QImage white(area.size(), QImage::Format_RGB32);
        white.fill(Qt::white);
        const Sharpness result =
            sharpness(renderedPage(content).copy(area), white, QStringLiteral("imgProjector"));
        QVERIFY(result.differing > 100);
        QVERIFY2(result.closerToSharp > result.differing * 9 / 10, qPrintable(result.text()));
    }

    void logoIsDrawnAtThePageResolutionAndComesBackForTheScreen() {
        DataFolder data;
        WindowHarness h;
        QVERIFY(h.start(data));
        QWidget& content = *h.window().centralWidget();
        auto* logo = h.find<QLabel>(QStringLiteral("imgLogo"));
        const QRect area(logo->mapTo(&content, QPoint()) * kPageScale,
                         ui::artworkSize(QStringLiteral("imgLogo")) * kPageScale);
        logo->hide();
        const QImage background = renderedPage(content).copy(area);
        logo->show();
        const Sharpness result =
            sharpness(renderedPage(content).copy(area), background, QStringLiteral("imgLogo"));
        QVERIFY(result.differing > 100);
        QVERIFY2(result.closerToSharp > result.differing * 9 / 10, qPrintable(result.text()));
        QCOMPARE(logo->pixmap().devicePixelRatio(), h.window().devicePixelRatioF());
    }
};

QTEST_MAIN(PrintDialogTest)
#include "print_dialog_test.moc"
