#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "calc/light.h"
#include "calc/model_traits.h"
#include "calc/options.h"
#include "i18n/language.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace projcalc::ui {

// What the finder works with, as the window had it when the dialog opened: the catalogue, the
// checked aspect and mounting, the unit, the screen shown and the light inputs. Lengths in inches.
struct FinderInput {
    std::vector<ModelTraits> models;  // in the order of the model list
    Aspect aspect = Aspect::R4x3;
    Mount mount = Mount::Top;
    Unit unit = Unit::Inches;
    // The screen shown and the projector's distance for it; empty before any result is kept.
    std::optional<double> diagonal;
    std::optional<double> distance;
    LightSettings light;
    InterfaceTexts texts;
};

// Find models...: the user gives a screen (diagonal and aspect) and the stretch of the room
// where the projector may stand; the dialog lists, while the user types, every model of the
// catalogue that fits, with its distances at both zoom ends, where in the room it can stand and
// the light of each end on the screen; with a least light typed, only the models that reach it.
// Double-click or Enter takes the model.
class ModelFinderDialog : public QDialog {
    Q_OBJECT

  public:
    // What the user took: the model's row, the aspect and the diagonal as typed.
    struct Choice {
        int row = 0;
        Aspect aspect = Aspect::R4x3;
        std::string diagonalText;
    };

    explicit ModelFinderDialog(FinderInput input, QWidget* parent = nullptr);

    [[nodiscard]] std::optional<Choice> choice() const { return choice_; }

    // The rows listed, for tests: each model's row in the model list, in the shown order.
    [[nodiscard]] std::vector<int> listedRows() const;

  private:
    void refresh();
    void take(int tableRow);
    [[nodiscard]] QString text(const char* key) const;

    FinderInput input_;
    QLineEdit* diagonal_ = nullptr;
    QComboBox* aspect_ = nullptr;
    QLineEdit* nearest_ = nullptr;
    QLineEdit* farthest_ = nullptr;
    QLineEdit* minimumLight_ = nullptr;  // at least this many fL; empty or 0: no minimum
    QTableWidget* table_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* starNote_ = nullptr;
    std::optional<Choice> choice_;
};

}  // namespace projcalc::ui
