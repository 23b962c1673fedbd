#pragma once

#include <QWidget>
#include <array>

#include "calc/planning_text.h"
#include "i18n/planning_captions.h"

class QGroupBox;
class QLabel;

namespace projcalc::ui {

// The planning panel under the drawings: a frame (fraPlanning) holding, for this screen, the
// projection distance at each zoom end, for this distance the image each end gives, and the
// seats at three viewing angles. An end outside its limits carries a red mark beside its value.
// Laid out with Qt layouts, so that it takes the room its texts need at any scale, font and
// language; hidden, it takes none.
class PlanningPanel : public QWidget {
    Q_OBJECT

  public:
    explicit PlanningPanel(QWidget* parent = nullptr);

    void setCaptions(const PlanningCaptions& captions);
    void showTexts(const PlanningTexts& texts);

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
};

}  // namespace projcalc::ui
