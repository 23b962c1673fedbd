#include "ui/print_dialog.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <utility>

#include "calc/typed_value.h"
#include "i18n/language.h"
#include "ui/qt_text.h"

namespace projcalc::ui {
namespace {

// The interface font from the language file; a control keeps its own where the file gives none.
void applyInterfaceFont(QWidget* widget, const InterfaceTexts& texts) {
    QFont font = widget->font();
    if (!texts.fontName.empty()) font.setFamily(toQt(texts.fontName));
    if (texts.fontSize > 0) font.setPointSize(texts.fontSize);
    widget->setFont(font);
}

}  // namespace

PrinterList systemPrinters() {
    return {QPrinterInfo::availablePrinterNames(), QPrinterInfo::defaultPrinterName()};
}

PrintDialog::PrintDialog(const InterfaceTexts& texts, const PrinterList& printers,
                         PrintAction print, ErrorReporter report, PrintContent content,
                         QWidget* parent)
    : QDialog(parent), print_(std::move(print)), report_(std::move(report)) {
    setObjectName(QStringLiteral("frmPrint"));
    setModal(true);
    setWindowTitle(toQtLines(texts.printDialogTexts[0]));

    label_ = new QLabel(toQtLines(texts.printDialogTexts[1]), this);
    label_->setObjectName(QStringLiteral("lblPrint"));
    label_->setTextFormat(Qt::PlainText);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("lstPrinter"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    label_->setBuddy(list_);
    printButton_ = new QPushButton(toQtLines(texts.printDialogTexts[2]), this);
    printButton_->setObjectName(QStringLiteral("cmdPrint"));
    printButton_->setDefault(true);
    cancelButton_ = new QPushButton(toQtLines(texts.printDialogTexts[3]), this);
    cancelButton_->setObjectName(QStringLiteral("cmdCancel"));
    for (QWidget* widget :
         {static_cast<QWidget*>(label_), static_cast<QWidget*>(list_),
          static_cast<QWidget*>(printButton_), static_cast<QWidget*>(cancelButton_)}) {
        applyInterfaceFont(widget, texts);
    }

    auto* choice = new QHBoxLayout;
    auto* contentLabel = new QLabel(toQtLines(texts.text("lblPrintContent")), this);
    contentLabel->setObjectName(QStringLiteral("lblPrintContent"));
    applyInterfaceFont(contentLabel, texts);
    choice->addWidget(contentLabel);
    content_ = new QButtonGroup(this);
    for (const PrintContent option : {PrintContent::Window, PrintContent::Report}) {
        const int index = static_cast<int>(option);
        auto* button = new QRadioButton(
            toQtLines(texts.text("optPrintContent_" + std::to_string(index))), this);
        applyInterfaceFont(button, texts);
        button->setObjectName(QStringLiteral("optPrintContent_%1").arg(index));
        button->setChecked(option == content);
        content_->addButton(button, index);
        choice->addWidget(button);
    }
    choice->addStretch();

    // Without a printer the list is empty and Print greyed; this says why and what to do instead.
    noPrinter_ = new QLabel(
        toQtLines(fillPlaceholders(texts.text("lblNoPrinter"), exportPdfMenuPath(texts), "")),
        this);
    noPrinter_->setObjectName(QStringLiteral("lblNoPrinter"));
    noPrinter_->setTextFormat(Qt::PlainText);
    noPrinter_->setWordWrap(true);
    applyInterfaceFont(noPrinter_, texts);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(printButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(list_);
    layout->addWidget(noPrinter_);
    layout->addLayout(choice);
    layout->addLayout(buttons);
    resize(320, 240);

    connect(printButton_, &QPushButton::clicked, this, &PrintDialog::onPrintClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    fillList(printers);
}

// Lists the printers in the system's order, each entry carrying its index, and selects the first
// entry named exactly like the default printer. Without printers there is nothing to print on.
void PrintDialog::fillList(const PrinterList& printers) {
    printerNames_ = printers.names;
    list_->clear();
    printButton_->setEnabled(!printerNames_.isEmpty());
    noPrinter_->setVisible(printerNames_.isEmpty());
    for (qsizetype i = 0; i < printerNames_.size(); ++i) {
        auto* item = new QListWidgetItem(printerNames_[i], list_);
        item->setData(Qt::UserRole, static_cast<int>(i));
    }
    if (printers.defaultName.isEmpty()) return;
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->item(row)->text() == printers.defaultName) {
            list_->setCurrentRow(row);
            return;
        }
    }
}

PrintContent PrintDialog::content() const {
    return content_->checkedId() == static_cast<int>(PrintContent::Report) ? PrintContent::Report
                                                                           : PrintContent::Window;
}

void PrintDialog::onPrintClicked() {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    std::optional<AppError> failure;
    if (selected.isEmpty()) {
        failure = makeError(ErrorCode::TableFull, "no printer is selected in the list");
    } else {
        const int index = selected.first()->data(Qt::UserRole).toInt();
        // Pending repaints of the main window run first, so that it prints as it is shown.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        failure = print_(printerNames_.value(index), content());
    }
    if (failure && report_) report_(*failure);
    done(failure ? QDialog::Rejected : QDialog::Accepted);
}

}  // namespace projcalc::ui
