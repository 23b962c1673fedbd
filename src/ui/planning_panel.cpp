#include "ui/planning_panel.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "ui/artwork.h"
#include "ui/planning_grid.h"
#include "ui/qt_text.h"

namespace projcalc::ui {

using namespace planning_grid;

PlanningPanel::PlanningPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("planningPanel"));
    auto* margins = new QHBoxLayout(this);
    // The same margins as the drawings and the option frames above it.
    margins->setContentsMargins(4, 0, 5, 4);
    frame_ = new QGroupBox(this);
    frame_->setObjectName(QStringLiteral("fraPlanning"));
    margins->addWidget(frame_);
    QWidget* const box = frame_;  // the parent of everything the frame shows
    // The zoom ends and seats above, the light inputs and the scope screen's rows across the
    // whole width below.
    auto* stack = new QVBoxLayout(box);
    stack->setSpacing(2);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    stack->addLayout(grid);

    throwCaption_ = label(box, QStringLiteral("lblPlanThrow"));
    imageCaption_ = label(box, QStringLiteral("lblPlanImage"));
    grid->addWidget(throwCaption_, 1, kCaptionColumn);
    grid->addWidget(imageCaption_, 2, kCaptionColumn);
    for (std::size_t end = 0; end < 2; ++end) {
        const int column = valueColumn(end);
        zoomHeadings_[end] = label(box, indexedName("lblPlanZoom", end), Qt::AlignRight);
        grid->addWidget(zoomHeadings_[end], 0, column);
        // lblPlanThrowValue_0, lblPlanThrowMark_0, ... by row and zoom end.
        const struct {
            EndLabels& labels;
            int row;
            const char* valueName;
            const char* markName;
        } rows[] = {{throwEnds_[end], 1, "lblPlanThrowValue", "lblPlanThrowMark"},
                    {imageEnds_[end], 2, "lblPlanImageValue", "lblPlanImageMark"}};
        for (const auto& row : rows) {
            row.labels.value = valueLabel(box, indexedName(row.valueName, end));
            row.labels.mark = label(box, indexedName(row.markName, end));
            grid->addWidget(row.labels.value, row.row, column);
            grid->addWidget(row.labels.mark, row.row, column + 1);
        }
    }
    // Extra width goes between the zoom ends and the seats.
    grid->setColumnStretch(kSeparatorColumn - 1, 1);

    auto* separator = new QFrame(box);
    separator->setObjectName(QStringLiteral("linePlanning"));
    separator->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    grid->addWidget(separator, 0, kSeparatorColumn, kLightRow, 1);

    seatingHeading_ = label(box, QStringLiteral("lblPlanSeating"));
    grid->addWidget(seatingHeading_, 0, kSeatCaptionColumn, 1, 2);
    for (std::size_t seat = 0; seat < seatCaptions_.size(); ++seat) {
        const int row = 1 + static_cast<int>(seat);
        seatCaptions_[seat] = label(box, indexedName("lblPlanSeat", seat));
        seatValues_[seat] = valueLabel(box, indexedName("lblPlanSeatValue", seat));
        grid->addWidget(seatCaptions_[seat], row, kSeatCaptionColumn);
        grid->addWidget(seatValues_[seat], row, kSeatValueColumn);
    }

    buildLightScopeRows(grid, stack, box);

    setCaptions(captions_);
    colourMarks();
}

void PlanningPanel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) colourMarks();
}

// Red that keeps a contrast of 4.5:1 to the window's colour, light or dark.
void PlanningPanel::colourMarks() {
    QPalette red = palette();
    red.setColor(QPalette::WindowText,
                 isDarkPalette(red) ? QColor(255, 128, 128) : QColor(192, 0, 0));
    for (const auto& ends : {throwEnds_, imageEnds_, scopeEnds_}) {
        for (const EndLabels& end : ends) {
            if (end.mark != nullptr) end.mark->setPalette(red);
        }
    }
}

void PlanningPanel::setCaptions(const PlanningCaptions& captions) {
    captions_ = captions;
    frame_->setTitle(toQt(captions.panelTitle));
    for (std::size_t end = 0; end < zoomHeadings_.size(); ++end)
        zoomHeadings_[end]->setText(toQt(captions.zoomHeadings[end]));
    throwCaption_->setText(toQt(captions.throwRow));
    imageCaption_->setText(toQt(captions.imageRow));
    seatingHeading_->setText(toQt(captions.seatingHeading));
    for (std::size_t seat = 0; seat < seatCaptions_.size(); ++seat)
        seatCaptions_[seat]->setText(toQt(captions.seats[seat]));
    nameValues();
    showTexts(texts_);  // the marks carry a caption too
}

void PlanningPanel::nameValues() {
    // Screen readers name each value by its row (or seat) and its zoom end.
    for (std::size_t end = 0; end < 2; ++end) {
        const QString zoom = toQt(captions_.zoomHeadings[end]);
        throwEnds_[end].value->setAccessibleName(toQt(captions_.throwRow) + u' ' + zoom);
        imageEnds_[end].value->setAccessibleName(toQt(captions_.imageRow) + u' ' + zoom);
    }
    for (std::size_t seat = 0; seat < seatValues_.size(); ++seat) {
        seatValues_[seat]->setAccessibleName(toQt(captions_.seatingHeading) + u' ' +
                                             toQt(captions_.seats[seat]));
    }
}

void PlanningPanel::showEnd(const EndLabels& labels, const PlanningEndText& text) {
    labels.value->setText(toQt(text.value));
    labels.mark->setText(text.outsideLimits ? toQt(captions_.outsideLimits) : QString());
    labels.mark->setToolTip(text.outsideLimits ? toQt(captions_.outsideLimitsTip) : QString());
}

void PlanningPanel::showTexts(const PlanningTexts& texts) {
    texts_ = texts;
    for (std::size_t end = 0; end < 2; ++end) {
        showEnd(throwEnds_[end], texts.throwDistance[end]);
        showEnd(imageEnds_[end], texts.imageDiagonal[end]);
    }
    for (std::size_t seat = 0; seat < seatValues_.size(); ++seat)
        seatValues_[seat]->setText(toQt(texts.seating[seat]));
}

}  // namespace projcalc::ui
