// The main window's print, PDF export and About commands.
#include <QApplication>

#include "i18n/language.h"
#include "ui/about_dialog.h"
#include "ui/main_window.h"
#include "ui/print_dialog.h"
#include "ui/qt_text.h"
#include "ui/window_printer.h"

namespace projcalc::ui {

void MainWindow::setPrinterProvider(PrinterProvider provider) {
    printerProvider_ = std::move(provider);
}

void MainWindow::setExitHook(ExitHook hook) {
    exitHook_ = std::move(hook);
}

// The dialog is made for each opening and lives until it closes; the window's contents (both
// drawings included, the menu bar left out) or the report print on the printer chosen in it.
void MainWindow::onPrint() {
    // What is being typed is entered first, so that the page shows it with its results.
    if (!commitPendingEdit()) return;
    PrintDialog dialog(
        calculator_.texts(), printerProvider_(),
        [this](const QString& printer, PrintContent content) {
            return printContent(printer, content);
        },
        [this](const AppError& error) { showError(error); }, rememberedPrintContent(), this);
    dialog.exec();
}

void MainWindow::onExportPdf() {
    if (!commitPendingEdit()) return;
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.nameFilter = QStringLiteral("PDF (*.pdf)");
    request.folder = exportFolder("*.pdf");
    request.defaultSuffix = QStringLiteral("pdf");
    const QString path = fileDialogHook_(this, request);
    rememberFolder("*.pdf", path);
    if (path.isEmpty()) return;
    if (const auto failure = exportPdf(*centralWidget(), path)) showError(*failure);
}

// The version is read at every opening; without it the program ends, as it does at start-up
// when a text is missing.
void MainWindow::onAbout() {
    const std::optional<std::string> version = calculator_.readVersionText();
    if (!version) {
        showMessage(calculator_.missingVersionMessage());
        exitHook_(this, 1);
        return;
    }
    AboutDialog dialog(calculator_.texts(), *version, this);
    dialog.exec();
}

}  // namespace projcalc::ui
