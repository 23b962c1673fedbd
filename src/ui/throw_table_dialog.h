#pragma once

#include <QByteArray>
#include <QDialog>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "calc/options.h"
#include "calc/throw_table.h"
#include "i18n/language.h"

class QLineEdit;
class QRadioButton;

namespace projcalc::ui {

// What a throw table is asked for and written with: the selected model's name, the checked
// aspect, the selected unit and the interface texts.
struct ThrowTableInput {
    std::string modelName;
    Aspect aspect = Aspect::R4x3;
    Unit unit = Unit::Inches;
    InterfaceTexts texts;
};

// Export throw table...: the step between the table's diagonals (in inches, or in centimetres
// when the selected unit is metric) and whether to write CSV or a PDF page.
class ThrowTableDialog : public QDialog {
    Q_OBJECT

  public:
    enum class Format { Csv, Pdf };
    // What the user asked for: the step in inches, above 0, and the format.
    struct Request {
        double step = 0.0;
        Format format = Format::Csv;
    };

    explicit ThrowTableDialog(ThrowTableInput input, QWidget* parent = nullptr);

    // The table asked for, while the typed step is a number above 0; OK takes only such a step.
    [[nodiscard]] std::optional<Request> request() const;

  private:
    ThrowTableInput input_;
    QLineEdit* step_ = nullptr;
    QRadioButton* pdf_ = nullptr;
};

// A throw table as a PDF page (more when it is long): the model, the aspect, the date and the
// table in the selected unit, on A4 or, where the locale measures in US units, Letter.
[[nodiscard]] QByteArray throwTablePdf(const ThrowTableInput& input,
                                       const std::vector<ThrowRow>& rows);

}  // namespace projcalc::ui
