#include "core/calculator.h"

#include <cmath>

#include "calc/aspect.h"
#include "calc/units.h"
#include "diagrams/front_view.h"
#include "diagrams/side_view.h"
#include "models/model_catalogue.h"
#include "util/numbers.h"
#include "util/paths.h"
#include "util/profile.h"
#include "util/text.h"

namespace projcalc {

Calculator::Calculator(View& view, FileSystem& fileSystem) : view_(view), fileSystem_(fileSystem) {}

std::filesystem::path Calculator::dataFile(const char* name) const {
    return std::filesystem::path(state_.appFolder + name);
}

SolverContext Calculator::solverContext() {
    return SolverContext{state_, clampToLimit_, texts_.limitMessages, view_};
}

bool Calculator::startUp(const std::filesystem::path& dataFolder) {
    state_.appFolder = withTrailingBackslash(dataFolder.string());

    std::string bytes;
    const Profile languageFile =
        fileSystem_.readFile(dataFile("Language.ini"), bytes) ? Profile() : Profile::parse(bytes);
    std::optional<InterfaceTexts> texts = readInterfaceTexts(languageFile);
    if (!texts) {
        view_.showMessage(kLanguageErrorMessage);
        return false;
    }
    texts_ = std::move(*texts);
    view_.applyInterfaceTexts(texts_);
    setTitle(texts_.captionText);

    clampToLimit_ = false;
    calculatorReady_ = false;
    showEnterButton(-1);

    // Default options, checked from code: their handlers only record the choice for now.
    view_.setOptionChecked(OptionGroup::Units, kUnitInches);
    unitsChanged(kUnitInches);
    view_.setOptionChecked(OptionGroup::Zoom, kZoomWide);
    zoomChanged(kZoomWide);
    view_.setOptionChecked(OptionGroup::Position, 1);
    positionChanged(1);
    view_.setOptionChecked(OptionGroup::Aspect, 0);
    aspectChanged(0);

    currentFile_.clear();
    state_.modelTable.clear();
    listRows_.clear();
    selectedRow_ = -1;
    view_.clearModelList();
    const auto error =
        loadModelCatalogue(dataFile("ModelInfo.ini"), state_.modelTable, fileSystem_);
    fillModelList();
    if (error) {
        view_.showError(*error);
        return false;
    }
    if (state_.modelTable.empty()) {
        view_.showError(makeError(ErrorCode::TableFull, dataFile("ModelInfo.ini").string() +
                                                            " holds no projector model"));
        return false;
    }

    state_.currentModel = 0;
    selectListRow(0);

    // A broken first model is reported and start-up goes on; the boxes keep their texts.
    (void)recalculate(kSolveStored, 0);
    calculatorReady_ = true;
    return true;
}

std::optional<std::string> Calculator::readVersionText() const {
    std::string bytes;
    if (fileSystem_.readFile(dataFile("Language.ini"), bytes)) return std::nullopt;
    return projcalc::readVersionText(Profile::parse(bytes));
}

// ---- value boxes ----------------------------------------------------------------------------

void Calculator::showEnterButton(int index) {
    for (int j = 0; j < 4; ++j)
        view_.setEnterButtonVisible(j, false);
    if (index >= 0 && index <= 3) view_.setEnterButtonVisible(index, true);
}

void Calculator::onValueFocus(int index) {
    if (index < 0 || index > 3) return;
    showEnterButton(index);
    committedTexts_[static_cast<std::size_t>(index)] = view_.valueText(index);
    view_.selectValueText(index);
}

void Calculator::onValueKey(int index, int keyCode) {
    if (index < 0 || index > 3) return;
    showEnterButton(index);
    if (keyCode == kEnterKey) commitValue(index);
}

void Calculator::onValueFocusLost(int index) {
    commitValue(index);
}

void Calculator::onEnterClicked(int index) {
    commitValue(index);
}

void Calculator::commitValue(int index) {
    if (index < 0 || index > 3) return;
    const auto box = static_cast<std::size_t>(index);
    const std::string typed = view_.valueText(index);
    if (typed != committedTexts_[box]) {
        bool ok = false;
        const LeadingNumber number = readLeadingNumber(typed);
        const double rounded = roundUpEntry(number.value);
        const double inches = toInches(rounded, state_.unitIndex);
        if (number.overflow || !std::isfinite(inches)) {
            reportFault(
                makeError(ErrorCode::Overflow, "the typed value is too large to work with: " +
                                                   std::string(utf8Prefix(typed, 40))));
        } else {
            view_.setValueText(index, formatFixed(rounded, 0));
            (void)solve(index, inches, ok);
        }
        if (!ok) view_.setValueText(index, committedTexts_[box]);
    }
    for (int j = 0; j < 4; ++j)
        committedTexts_[static_cast<std::size_t>(j)] = view_.valueText(j);
    showEnterButton(-1);
    if (calculatorReady_) (void)refreshAndDraw();
}

// ---- options --------------------------------------------------------------------------------

template <typename Handler>
void Calculator::clickOption(OptionGroup group, int index, int& selection, Handler handler) {
    const int previous = selection;
    view_.setOptionChecked(group, index);
    if ((this->*handler)(index)) return;
    // The new choice could not be worked out: go back to the one the results belong to.
    const bool wasReady = calculatorReady_;
    calculatorReady_ = false;
    view_.setOptionChecked(group, previous);
    (void)(this->*handler)(previous);
    calculatorReady_ = wasReady;
}

void Calculator::onAspectClicked(int index) {
    if (index < 0 || index > 3 || index == state_.aspectIndex) return;
    clickOption(OptionGroup::Aspect, index, state_.aspectIndex, &Calculator::aspectChanged);
}

void Calculator::onZoomClicked(int index) {
    if (index < 0 || index > 1 || index == state_.zoomEnd) return;
    clickOption(OptionGroup::Zoom, index, state_.zoomEnd, &Calculator::zoomChanged);
}

void Calculator::onUnitsClicked(int index) {
    if (index < 0 || index > 2 || index == state_.unitIndex) return;
    clickOption(OptionGroup::Units, index, state_.unitIndex, &Calculator::unitsChanged);
}

void Calculator::onPositionClicked(int index) {
    if (index < 0 || index > 1 || index == state_.projectorPosition) return;
    clickOption(OptionGroup::Position, index, state_.projectorPosition,
                &Calculator::positionChanged);
}

bool Calculator::aspectChanged(int index) {
    const AspectChoice& aspect = kAspects[static_cast<std::size_t>(index)];
    state_.aspectIndex = index;
    state_.aspectWidth = aspect.width;
    state_.aspectHeight = aspect.height;
    state_.aspectRatio = aspect.width / aspect.height;
    view_.showAspectPreview(state_.aspectRatio,
                            formatFixed(aspect.width, 0) + " : " + formatFixed(aspect.height, 0));
    selectDiagonalLimits();
    if (!calculatorReady_) return true;
    // The distance stays and the screen size follows it.
    clampToLimit_ = true;
    return recalculate(kSolveDistance, state_.projectionDistance);
}

bool Calculator::zoomChanged(int index) {
    state_.zoomEnd = index;
    selectDiagonalLimits();
    if (!calculatorReady_) return true;
    clampToLimit_ = true;
    return recalculate(kSolveStored, 0);
}

bool Calculator::unitsChanged(int index) {
    state_.unitIndex = index;
    if (!calculatorReady_ || !resultsValid_) return true;
    try {
        showResults(state_, view_);
        return true;
    } catch (const ArithmeticFault& fault) {
        reportFault(fault.error());
        return false;
    }
}

bool Calculator::positionChanged(int index) {
    state_.projectorPosition = index;
    if (!calculatorReady_) return true;
    return recalculate(kSolveStored, 0, false);
}

// ---- the recalculation chain ----------------------------------------------------------------

bool Calculator::solve(int mode, double value, bool& ok) {
    SolverContext context = solverContext();
    try {
        ok = CalcScreenSize(context, mode, value);
        if (context.stored) resultsValid_ = true;
        return true;
    } catch (const ArithmeticFault& fault) {
        ok = false;
        reportFault(fault.error());
        return false;
    }
}

bool Calculator::recalculate(int mode, double value, bool drawFront) {
    bool ok = false;
    if (!solve(mode, value, ok)) return false;
    try {
        showResults(state_, view_);
    } catch (const ArithmeticFault& fault) {
        reportFault(fault.error());
        return false;
    }
    if (drawFront) drawFrontView();
    drawSideView();
    return true;
}

bool Calculator::refreshAndDraw() {
    if (!resultsValid_) return true;  // nothing worked out yet for this model
    try {
        showResults(state_, view_);
    } catch (const ArithmeticFault& fault) {
        reportFault(fault.error());
        return false;
    }
    drawFrontView();
    drawSideView();
    return true;
}

void Calculator::drawFrontView() {
    view_.showScene(DiagramId::Front, DrawScreen1(state_, view_));
}

void Calculator::drawSideView() {
    view_.showScene(DiagramId::Side, DrawScreen2(state_, view_));
}

void Calculator::reportFault(const AppError& error) {
    view_.showError(error);
}

void Calculator::clearResults() {
    resultsValid_ = false;
    for (int i = 0; i < 4; ++i)
        view_.setValueText(i, "");
    for (int i = 0; i < 2; ++i)
        view_.setOffsetText(i, "");
    for (const auto& [diagram, box] :
         {std::pair{DiagramId::Front, "picDraw1"}, std::pair{DiagramId::Side, "picDraw2"}}) {
        Scene blank;
        const Size size = view_.controlSize(box);
        blank.width = size.width;
        blank.height = size.height;
        view_.showScene(diagram, blank);
    }
}

}  // namespace projcalc
