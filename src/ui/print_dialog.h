#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "util/errors.h"

class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;

namespace projcalc {
struct InterfaceTexts;
}

namespace projcalc::ui {

// The printers the system offers, in its own order, and the name of its default printer (empty
// when there is none).
struct PrinterList {
    QStringList names;
    QString defaultName;
};

// Asks the system for its printers. The window uses systemPrinters; tests hand in their own list.
using PrinterProvider = std::function<PrinterList()>;

// The printers of the system's print service, as Qt's print support sees them.
[[nodiscard]] PrinterList systemPrinters();

// What goes on paper: the picture of the window, or the installation report. The values are the
// indices of the dialog's options (optPrintContent_0, _1).
enum class PrintContent { Window = 0, Report = 1 };

// Prints the content on the named printer; the failure, if any, comes back to be reported.
using PrintAction =
    std::function<std::optional<AppError>(const QString& printerName, PrintContent content)>;
// Shows a failure in the "Err : " layout.
using ErrorReporter = std::function<void(const AppError& error)>;

// The print dialog (frmPrint): a list of the printers with the default one preselected, a choice
// of what to print (the window or the report, `content` checked at first), a Print and a Cancel
// button. Print hands the chosen printer and content to the print action and closes the dialog,
// whether printing worked or not; a failure, or Print with no printer selected, is reported
// first. Cancel closes it without printing.
class PrintDialog : public QDialog {
    Q_OBJECT

  public:
    PrintDialog(const InterfaceTexts& texts, const PrinterList& printers, PrintAction print,
                ErrorReporter report, PrintContent content = PrintContent::Window,
                QWidget* parent = nullptr);

    // The content checked.
    [[nodiscard]] PrintContent content() const;

  private:
    void fillList(const PrinterList& printers);
    void onPrintClicked();

    PrintAction print_;
    ErrorReporter report_;
    QStringList printerNames_;  // by the index each list entry carries
    QLabel* label_ = nullptr;
    QLabel* noPrinter_ = nullptr;
    QListWidget* list_ = nullptr;
    QButtonGroup* content_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace projcalc::ui
