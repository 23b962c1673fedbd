// The installation report: File > Export Report... and the report choice of the print dialog.
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include "core/report_content.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/report_dialog.h"
#include "ui/report_layout.h"
#include "ui/report_output.h"
#include "ui/window_printer.h"

namespace projcalc::ui {
namespace {

// What the user's settings ($XDG_CONFIG_HOME/projcalc/projcalc.conf) remember for reports.
constexpr const char* kPreparedByKey = "report/preparedBy";
constexpr const char* kPrintContentKey = "print/content";

QSettings userSettings() {
    return QSettings(QStringLiteral("projcalc"), QStringLiteral("projcalc"));
}

// Where the save dialog starts: the report's title as a file name, in the PDF files' folder.
QString suggestedReportPath(const QString& folder, const QString& title) {
    QString name = title;
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

}  // namespace

void MainWindow::buildReportCommands() {
    QAction* exportPdf = findChild<QAction*>(QStringLiteral("mnuFileExportPdf"));
    auto* file = exportPdf != nullptr ? qobject_cast<QMenu*>(exportPdf->parent()) : nullptr;
    if (file == nullptr) return;
    auto* action = new QAction(QStringLiteral("Export &Report..."), file);
    action->setObjectName(QStringLiteral("mnuFileExportReport"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    const QList<QAction*> actions = file->actions();
    file->insertAction(actions.value(actions.indexOf(exportPdf) + 1, nullptr), action);
    connect(action, &QAction::triggered, this, &MainWindow::onExportReport);
}

void MainWindow::applyReportCaptions(const InterfaceTexts& texts) {
    if (auto* action = findChild<QAction*>(QStringLiteral("mnuFileExportReport")))
        action->setText(toQtLines(texts.text("mnuFileExportReport")));
}

std::optional<ReportContent> MainWindow::askReport() {
    const InterfaceTexts& texts = calculator_.texts();
    const Calculation& calculation = calculator_.calculation();
    const QString defaultTitle = toQt(defaultReportTitle(calculation, texts));
    QSettings settings = userSettings();
    ReportDialog dialog(
        texts, {defaultTitle, settings.value(QLatin1String(kPreparedByKey)).toString()}, this);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    ReportDetails details = dialog.details();
    settings.setValue(QLatin1String(kPreparedByKey), details.preparedBy);
    if (details.title.isEmpty()) details.title = defaultTitle;
    return reportContent(calculation, texts,
                         {fromQt(details.title), fromQt(details.preparedBy),
                          fromQt(QDate::currentDate().toString(Qt::ISODate))},
                         reportTextMeasure(toQt(texts.fontName)));
}

void MainWindow::onExportReport() {
    // What is being typed is entered first, so that the report shows it with its results.
    if (!commitPendingEdit()) return;
    const std::optional<ReportContent> report = askReport();
    if (!report) return;
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.nameFilter = QStringLiteral("PDF (*.pdf)");
    request.defaultSuffix = QStringLiteral("pdf");
    request.folder = suggestedReportPath(exportFolder("*.pdf"), toQt(report->title));
    const QString path = fileDialogHook_(this, request);
    rememberFolder("*.pdf", path);
    if (path.isEmpty()) return;
    const auto failure = writeReportPdf(*report, toQt(calculator_.texts().fontName), localePaper(),
                                        QFile::encodeName(path).toStdString());
    if (failure) showError(*failure);
}

PrintContent MainWindow::rememberedPrintContent() {
    return userSettings().value(QLatin1String(kPrintContentKey)).toString() ==
                   QLatin1String("report")
               ? PrintContent::Report
               : PrintContent::Window;
}

std::optional<AppError> MainWindow::printContent(const QString& printerName, PrintContent content) {
    QSettings settings = userSettings();
    settings.setValue(QLatin1String(kPrintContentKey), content == PrintContent::Report
                                                           ? QStringLiteral("report")
                                                           : QStringLiteral("window"));
    if (content == PrintContent::Window) return printOnPrinter(*centralWidget(), printerName);
    const std::optional<ReportContent> report = askReport();
    if (!report) return std::nullopt;
    return printReport(*report, toQt(calculator_.texts().fontName), printerName);
}

}  // namespace projcalc::ui
