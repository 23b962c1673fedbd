// The planning panel's throw ratio, light and scope rows, and the inputs they follow.
#include <QBoxLayout>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "ui/planning_grid.h"
#include "ui/planning_panel.h"
#include "ui/qt_text.h"

namespace projcalc::ui {

using namespace planning_grid;

namespace {

// A text that never widens the panel: it takes the width the other rows leave, and its tooltip
// holds it whole.
QLabel* noteLabel(QWidget* parent, const QString& name) {
    QLabel* note = label(parent, name);
    note->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    makeSelectableByMouse(note);
    return note;
}

QLineEdit* lightInput(QWidget* parent, const QString& name) {
    auto* input = new QLineEdit(parent);
    input->setObjectName(name);
    input->setAlignment(Qt::AlignRight);
    input->setMaxLength(16);
    return input;
}

// An empty row keeps its height: a label without text shows one blank.
QString orBlank(const std::string& text) {
    return text.empty() ? QStringLiteral(" ") : toQt(text);
}

}  // namespace

void PlanningPanel::buildLightScopeRows(QGridLayout* grid, QBoxLayout* stack, QWidget* box) {
    // Beside the last seat the throw ratio; under the seats the light of each end on a line of
    // its own across the whole width, or one line for a model without lumens.
    ratioCaption_ = label(box, QStringLiteral("lblPlanRatio"));
    lightCaption_ = label(box, QStringLiteral("lblPlanLight"));
    grid->addWidget(ratioCaption_, kRatioRow, kCaptionColumn);
    grid->addWidget(lightCaption_, kLightRow, kCaptionColumn);
    const int endsSpan = kSeatValueColumn + 1 - valueColumn(0);
    for (std::size_t end = 0; end < 2; ++end) {
        ratioValues_[end] = valueLabel(box, indexedName("lblPlanRatioValue", end));
        grid->addWidget(ratioValues_[end], kRatioRow, valueColumn(end));
        lightValues_[end] = valueLabel(box, indexedName("lblPlanLightValue", end));
        lightValues_[end]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        grid->addWidget(lightValues_[end], kLightRow + static_cast<int>(end), valueColumn(0), 1,
                        endsSpan);
    }
    noLumens_ = noteLabel(box, QStringLiteral("lblPlanNoLumens"));
    grid->addWidget(noLumens_, kLightRow, valueColumn(0), 1, endsSpan);

    // The inputs, then where the ends throw the scope picture, then the scope screen's figures.
    auto* inputs = new QHBoxLayout;
    inputs->setSpacing(6);
    gainCaption_ = label(box, QStringLiteral("lblPlanGain"));
    gainInput_ = lightInput(box, QStringLiteral("txtPlanGain"));
    shareCaption_ = label(box, QStringLiteral("lblPlanShare"));
    shareInput_ = lightInput(box, QStringLiteral("txtPlanShare"));
    scopeCaption_ = label(box, QStringLiteral("lblPlanScope"));
    scopeChoice_ = new QComboBox(box);
    scopeChoice_->setObjectName(QStringLiteral("cboPlanScope"));
    for (int i = 0; i < 4; ++i)
        scopeChoice_->addItem(QString());
    gainCaption_->setBuddy(gainInput_);
    shareCaption_->setBuddy(shareInput_);
    scopeCaption_->setBuddy(scopeChoice_);
    for (QWidget* widget : std::initializer_list<QWidget*>{
             gainCaption_, gainInput_, shareCaption_, shareInput_, scopeCaption_, scopeChoice_})
        inputs->addWidget(widget);
    inputs->addStretch(1);
    stack->addLayout(inputs);

    auto* scopeRows = new QGridLayout;
    scopeRows->setHorizontalSpacing(6);
    scopeThrowCaption_ = label(box, QStringLiteral("lblScopeThrow"));
    scopeRows->addWidget(scopeThrowCaption_, 0, kCaptionColumn);
    for (std::size_t end = 0; end < 2; ++end) {
        scopeEnds_[end].value = valueLabel(box, indexedName("lblScopeThrowValue", end));
        scopeEnds_[end].mark = label(box, indexedName("lblScopeThrowMark", end));
        scopeRows->addWidget(scopeEnds_[end].value, 0, valueColumn(end));
        scopeRows->addWidget(scopeEnds_[end].mark, 0, valueColumn(end) + 1);
    }
    scopeRows->setColumnStretch(valueColumn(1) + 2, 1);
    stack->addLayout(scopeRows);
    // The scope screen's sides, then on a line of its own where one place serves both pictures
    // (or why none does).
    scopeSize_ = noteLabel(box, QStringLiteral("lblScopeSize"));
    scopeNote_ = noteLabel(box, QStringLiteral("lblScopeNote"));
    stack->addWidget(scopeSize_);
    stack->addWidget(scopeNote_);

    connect(gainInput_, &QLineEdit::editingFinished, this,
            [this] { enterLightInput(gainInput_, lightTexts_.gain, true); });
    connect(shareInput_, &QLineEdit::editingFinished, this,
            [this] { enterLightInput(shareInput_, lightTexts_.share, false); });
    connect(scopeChoice_, &QComboBox::activated, this, [this](int index) {
        if (index != lightTexts_.scopeChoice) emit scopeChosen(index);
    });
    showLightScope(lightTexts_);
}

void PlanningPanel::enterLightInput(QLineEdit* input, const std::string& shown, bool gain) {
    // Leaving an input that shows the value in force (after a refusal put it back) is no entry.
    if (input->text() == toQt(shown)) return;
    if (gain) {
        emit gainEntered(input->text());
    } else {
        emit shareEntered(input->text());
    }
}

void PlanningPanel::setLightScopeCaptions(const LightScopeCaptions& captions) {
    lightCaptions_ = captions;
    ratioCaption_->setText(toQt(captions.throwRatioRow));
    ratioCaption_->setToolTip(toQt(captions.throwRatioTip));
    lightCaption_->setText(toQt(captions.lightRow));
    lightCaption_->setToolTip(toQt(captions.lightTip));
    gainCaption_->setText(toQt(captions.gain));
    gainCaption_->setToolTip(toQt(captions.gainTip));
    gainInput_->setToolTip(toQt(captions.gainTip));
    shareCaption_->setText(toQt(captions.share));
    shareCaption_->setToolTip(toQt(captions.shareTip));
    shareInput_->setToolTip(toQt(captions.shareTip));
    scopeCaption_->setText(toQt(captions.scope));
    scopeCaption_->setToolTip(toQt(captions.scopeTip));
    scopeChoice_->setToolTip(toQt(captions.scopeTip));
    for (int i = 0; i < scopeChoice_->count(); ++i)
        scopeChoice_->setItemText(i, toQt(captions.scopeChoices[static_cast<std::size_t>(i)]));
    scopeThrowCaption_->setText(toQt(captions.scopeThrowRow));
    for (std::size_t end = 0; end < 2; ++end) {
        const QString zoom = toQt(captions_.zoomHeadings[end]);
        ratioValues_[end]->setAccessibleName(toQt(captions.throwRatioRow) + u' ' + zoom);
        lightValues_[end]->setAccessibleName(toQt(captions.lightRow) + u' ' + zoom);
        scopeEnds_[end].value->setAccessibleName(toQt(captions.scopeThrowRow) + u' ' + zoom);
    }
    gainInput_->setAccessibleName(toQt(captions.gain));
    shareInput_->setAccessibleName(toQt(captions.share));
    scopeChoice_->setAccessibleName(toQt(captions.scope));
    fitLightColumns();
    showLightScope(lightTexts_);
}

// The light values take the width of a long one from the start, and the inputs that of a few
// digits, so that no figure widens the panel.
void PlanningPanel::fitLightColumns() {
    const QFontMetrics metrics(font());
    const int light = metrics.horizontalAdvance(QStringLiteral("TELE  999.9 fL, 9999 nits, ")) +
                      metrics.horizontalAdvance(QStringLiteral("bright room"));
    for (QLabel* value : lightValues_)
        value->setMinimumWidth(light);
    noLumens_->setMinimumWidth(metrics.horizontalAdvance(toQt(lightCaptions_.noLumens)));
    const int digits = metrics.horizontalAdvance(QStringLiteral("000.00")) + 12;
    gainInput_->setFixedWidth(digits);
    shareInput_->setFixedWidth(digits);
}

void PlanningPanel::showLightScope(const LightScopeTexts& texts) {
    lightTexts_ = texts;
    for (std::size_t end = 0; end < 2; ++end) {
        ratioValues_[end]->setText(toQt(texts.throwRatio[end]));
        // "WIDE  22.5 fL, 77 nits, dark room"; a model without lumens shows one line instead.
        lightValues_[end]->setText(texts.noLumens.empty()
                                       ? toQt(captions_.zoomHeadings[end]) + QStringLiteral("  ") +
                                             toQt(texts.light[end])
                                       : QString());
        showEnd(scopeEnds_[end], texts.scopeShown ? texts.scopeThrow[end] : PlanningEndText{" "});
    }
    noLumens_->setText(toQt(texts.noLumens));
    noLumens_->setToolTip(toQt(texts.noLumens));
    gainInput_->setText(toQt(texts.gain));
    shareInput_->setText(toQt(texts.share));
    scopeChoice_->setCurrentIndex(texts.scopeChoice);
    scopeThrowCaption_->setText(texts.scopeShown ? toQt(lightCaptions_.scopeThrowRow)
                                                 : QStringLiteral(" "));
    scopeSize_->setText(orBlank(texts.scopeSize));
    scopeSize_->setToolTip(scopeSize_->text().trimmed());
    scopeNote_->setText(orBlank(texts.scopeNote));
    scopeNote_->setToolTip(toQt(texts.scopeNote));
}

}  // namespace projcalc::ui
