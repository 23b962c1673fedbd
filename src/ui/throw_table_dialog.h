#pragma once

#include <QByteArray>
#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

#include "calc/throw_table.h"
#include "core/calculator.h"

class QLineEdit;
class QRadioButton;

namespace projcalc::ui {

// Export throw table...: the step between the table's diagonals (in inches, or in centimetres
// when the selected unit is metric) and whether to write CSV or a PDF page.
class ThrowTableDialog : public QDialog {
    Q_OBJECT

  public:
    enum class Format { Csv, Pdf };

    ThrowTableDialog(const Calculator& calculator, QWidget* parent = nullptr);

    // The step in inches, once the dialog was accepted with a step above 0.
    [[nodiscard]] std::optional<double> step() const;
    [[nodiscard]] Format format() const;

  private:
    const Calculator& calculator_;
    QLineEdit* step_ = nullptr;
    QRadioButton* pdf_ = nullptr;
};

// A throw table as a PDF page (more when it is long): the model, the aspect, the date and the
// table in the selected unit, on A4 or, where the locale measures in US units, Letter.
[[nodiscard]] QByteArray throwTablePdf(const Calculator& calculator,
                                       const std::vector<ThrowRow>& rows);

}  // namespace projcalc::ui
