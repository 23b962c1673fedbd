#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

namespace projcalc {
struct InterfaceTexts;
}

namespace projcalc::ui {

// What the user types for a report: its title and who prepared it.
struct ReportDetails {
    QString title;
    QString preparedBy;
};

// Asks for a report's title and "prepared by" (frmReport), offering the title the report would
// have and the name given last time. OK (the default button) takes the texts as typed; Cancel,
// Escape and closing the dialog make no report.
class ReportDialog : public QDialog {
    Q_OBJECT

  public:
    ReportDialog(const InterfaceTexts& texts, const ReportDetails& offered,
                 QWidget* parent = nullptr);

    [[nodiscard]] ReportDetails details() const;

  private:
    QLineEdit* title_ = nullptr;
    QLineEdit* preparedBy_ = nullptr;
};

}  // namespace projcalc::ui
