#pragma once

#include <QWidget>
#include <array>

#include "calc/planning_text.h"
#include "core/light_scope_text.h"
#include "i18n/planning_captions.h"

class QBoxLayout;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace projcalc::ui {

// The planning panel under the drawings: a frame (fraPlanning) holding, for this screen, the
// projection distance at each zoom end, for this distance the image each end gives, and the
// seats at three viewing angles; each end's throw ratio and its light on the screen, with the
// screen gain and light share inputs; and a scope screen's figures. An end outside its limits
// carries a red mark beside its value. Every row is there whatever the calculation shows, so
// that no result changes the panel's size.
// Laid out with Qt layouts, so that it takes the room its texts need at any scale, font and
// language; hidden, it takes none.
class PlanningPanel : public QWidget {
    Q_OBJECT

  public:
    explicit PlanningPanel(QWidget* parent = nullptr);

    void setCaptions(const PlanningCaptions& captions);
    void showTexts(const PlanningTexts& texts);
    void setLightScopeCaptions(const LightScopeCaptions& captions);
    // Shows the rows and puts the values in force into the inputs, which also takes back a
    // refused text.
    void showLightScope(const LightScopeTexts& texts);

  signals:
    // The user left a light input, or pressed Enter in it, with a text other than the one shown.
    void gainEntered(const QString& text);
    void shareEntered(const QString& text);
    // The user chose a scope screen (by ScopeRatio).
    void scopeChosen(int ratio);

  protected:
    // A new palette brings the marks a red that stands out from it.
    void changeEvent(QEvent* event) override;

  private:
    // The value of one zoom end of a row and the mark beside it.
    struct EndLabels {
        QLabel* value = nullptr;
        QLabel* mark = nullptr;
    };

    void showEnd(const EndLabels& labels, const PlanningEndText& text);
    // The throw ratio, light and scope rows under the zoom ends (planning_panel_light.cpp).
    void buildLightScopeRows(QGridLayout* grid, QBoxLayout* stack, QWidget* box);
    void fitLightColumns();
    void enterLightInput(QLineEdit* input, const std::string& shown, bool gain);
    void nameValues();
    void colourMarks();

    PlanningCaptions captions_;
    PlanningTexts texts_;
    QGroupBox* frame_ = nullptr;
    std::array<QLabel*, 2> zoomHeadings_{};
    QLabel* throwCaption_ = nullptr;
    QLabel* imageCaption_ = nullptr;
    QLabel* seatingHeading_ = nullptr;
    std::array<QLabel*, 3> seatCaptions_{};
    std::array<EndLabels, 2> throwEnds_{};
    std::array<EndLabels, 2> imageEnds_{};
    std::array<QLabel*, 3> seatValues_{};

    LightScopeCaptions lightCaptions_;
    LightScopeTexts lightTexts_;
    QLabel* ratioCaption_ = nullptr;
    std::array<QLabel*, 2> ratioValues_{};
    QLabel* lightCaption_ = nullptr;
    std::array<QLabel*, 2> lightValues_{};
    QLabel* noLumens_ = nullptr;
    QLabel* gainCaption_ = nullptr;
    QLineEdit* gainInput_ = nullptr;
    QLabel* shareCaption_ = nullptr;
    QLineEdit* shareInput_ = nullptr;
    QLabel* scopeCaption_ = nullptr;
    QComboBox* scopeChoice_ = nullptr;
    QLabel* scopeThrowCaption_ = nullptr;
    std::array<EndLabels, 2> scopeEnds_{};
    QLabel* scopeSize_ = nullptr;
    QLabel* scopeNote_ = nullptr;
};

}  // namespace projcalc::ui
