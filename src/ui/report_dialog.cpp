#include "ui/report_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "i18n/language.h"
#include "ui/qt_text.h"

namespace projcalc::ui {

ReportDialog::ReportDialog(const InterfaceTexts& texts, const ReportDetails& offered,
                           QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmReport"));
    setModal(true);
    setWindowTitle(toQtLines(texts.text("frmReport")));

    title_ = new QLineEdit(offered.title, this);
    title_->setObjectName(QStringLiteral("txtReportTitle"));
    preparedBy_ = new QLineEdit(offered.preparedBy, this);
    preparedBy_->setObjectName(QStringLiteral("txtReportPreparedBy"));
    const auto label = [this](const std::string& text, const char* name, QWidget* buddy) {
        auto* caption = new QLabel(toQtLines(text), this);
        caption->setObjectName(QString::fromLatin1(name));
        caption->setBuddy(buddy);
        return caption;
    };
    auto* form = new QFormLayout;
    form->addRow(label(texts.text("lblReportTitle"), "lblReportTitle", title_), title_);
    form->addRow(label(texts.text("lblReportPreparedBy"), "lblReportPreparedBy", preparedBy_),
                 preparedBy_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok =
        buttons->addButton(toQtLines(texts.text("btnOk")), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdReportOk"));
    ok->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(toQtLines(texts.editing.cancelButton), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdReportCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    title_->setMinimumWidth(280);
    title_->selectAll();
    title_->setFocus();
}

ReportDetails ReportDialog::details() const {
    return {title_->text().trimmed(), preparedBy_->text().trimmed()};
}

}  // namespace projcalc::ui
