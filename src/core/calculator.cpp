#include "core/calculator.h"

#include <cmath>

#include "calc/limit_message.h"
#include "calc/readout.h"
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
    return std::filesystem::path(dataFolder_ + name);
}

bool Calculator::startUp(const std::filesystem::path& dataFolder) {
    dataFolder_ = withTrailingBackslash(dataFolder.string());

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

    ready_ = false;
    view_.showEnterButton(std::nullopt);

    // The default choices: inches, WIDE, the projector at the bottom, 4:3.
    calc_ = Calculation{};
    calc_.options = Options{Aspect::R4x3, Zoom::Wide, Mount::Bottom};
    calc_.unit = Unit::Inches;
    view_.showOptions(optionStates());

    catalogue_.clear();
    std::vector<ModelRecord> models;
    const auto error = loadModelCatalogue(dataFile("ModelInfo.ini"), models, fileSystem_);
    // The models read before an error are listed, as the list was filled while reading.
    for (const ModelRecord& model : models)
        catalogue_.push_back(traitsOf(model));
    showModelList();
    if (error) {
        view_.showError(*error);
        return false;
    }
    if (catalogue_.empty()) {
        view_.showError(makeError(ErrorCode::TableFull, dataFile("ModelInfo.ini").string() +
                                                            " holds no projector model"));
        return false;
    }

    pickModel(0);
    // A broken first model is reported and start-up goes on; the boxes keep their texts.
    (void)recalculate(storedDiagonal(), OnLimit::Reject);
    ready_ = true;
    return true;
}

std::optional<std::string> Calculator::readVersionText() const {
    std::string bytes;
    if (fileSystem_.readFile(dataFile("Language.ini"), bytes)) return std::nullopt;
    return projcalc::readVersionText(Profile::parse(bytes));
}

// ---- value boxes ----------------------------------------------------------------------------

void Calculator::onValueFocus(Quantity box) {
    view_.showEnterButton(box);
    committedTexts_[static_cast<std::size_t>(indexOf(box))] = view_.valueText(box);
    view_.selectValueText(box);
}

void Calculator::onValueKey(Quantity box, int keyCode) {
    view_.showEnterButton(box);
    if (keyCode == kEnterKey) commitValue(box);
}

void Calculator::onValueFocusLost(Quantity box) {
    commitValue(box);
}

void Calculator::onEnterClicked(Quantity box) {
    commitValue(box);
}

void Calculator::commitValue(Quantity box) {
    const auto index = static_cast<std::size_t>(indexOf(box));
    const std::string typed = view_.valueText(box);
    if (typed != committedTexts_[index]) {
        bool kept = false;
        const LeadingNumber number = readLeadingNumber(typed);
        const double rounded = roundUpEntry(number.value);
        const double inches = toInches(rounded, calc_.unit);
        if (number.overflow || !std::isfinite(inches)) {
            reportFault(
                makeError(ErrorCode::Overflow, "the typed value is too large to work with: " +
                                                   std::string(utf8Prefix(typed, 40))));
        } else {
            view_.setValueText(box, formatFixed(rounded, 0));
            (void)solveAndKeep({box, inches}, OnLimit::Reject, kept);
        }
        if (!kept) view_.setValueText(box, committedTexts_[index]);
    }
    takeShownTexts();
    view_.showEnterButton(std::nullopt);
    if (ready_) (void)refreshAndDraw();
}

// ---- options --------------------------------------------------------------------------------

OptionStates Calculator::optionStates() const {
    OptionStates states;
    states.checked = calc_.options;
    states.unit = calc_.unit;
    if (calc_.model >= 0) {
        states.aspectEnabled = calc_.traits.offersAspect;
        const bool zoomSelectable = calc_.traits.zoomSelectable();
        states.zoomEnabled = {zoomSelectable, zoomSelectable};
    }
    return states;
}

void Calculator::selectScale() {
    calc_.frontScale = calc_.traits.frontReferenceFor(calc_.options.aspect);
}

template <typename Choice>
void Calculator::clickOption(Choice chosen, Choice current, bool (Calculator::*handler)(Choice)) {
    if (chosen == current) return;
    if ((this->*handler)(chosen)) return;
    // The new choice could not be worked out: go back to the one the results belong to.
    const bool wasReady = ready_;
    ready_ = false;
    (void)(this->*handler)(current);
    ready_ = wasReady;
}

void Calculator::onAspectClicked(Aspect aspect) {
    clickOption(aspect, calc_.options.aspect, &Calculator::aspectChanged);
}

void Calculator::onZoomClicked(Zoom zoom) {
    clickOption(zoom, calc_.options.zoom, &Calculator::zoomChanged);
}

void Calculator::onUnitsClicked(Unit unit) {
    clickOption(unit, calc_.unit, &Calculator::unitsChanged);
}

void Calculator::onPositionClicked(Mount mount) {
    clickOption(mount, calc_.options.mount, &Calculator::positionChanged);
}

bool Calculator::aspectChanged(Aspect aspect) {
    calc_.options.aspect = aspect;
    view_.showOptions(optionStates());
    selectScale();
    if (!ready_) return true;
    // The distance stays and the screen size follows it, up to the nearest limit.
    return recalculate({Quantity::Distance, calc_.results.distance}, OnLimit::Clamp);
}

bool Calculator::zoomChanged(Zoom zoom) {
    calc_.options.zoom = zoom;
    view_.showOptions(optionStates());
    selectScale();
    if (!ready_) return true;
    return recalculate(storedDiagonal(), OnLimit::Clamp);
}

bool Calculator::unitsChanged(Unit unit) {
    calc_.unit = unit;
    view_.showOptions(optionStates());
    if (!ready_ || !calc_.resultsValid) return true;
    return showResults();
}

bool Calculator::positionChanged(Mount mount) {
    calc_.options.mount = mount;
    view_.showOptions(optionStates());
    if (!ready_) return true;
    return recalculate(storedDiagonal(), OnLimit::Reject, false);
}

// ---- the recalculation chain ----------------------------------------------------------------

bool Calculator::solveAndKeep(Known known, OnLimit onLimit, bool& kept) {
    const SolveResult result = solve(calc_.traits, calc_.options, known, onLimit);
    kept = false;
    if (result.crossed)
        view_.showMessage(limitMessage(texts_.limitMessages, calc_.unit, *result.crossed));
    if (const Solution* solution = result.solution()) {
        calc_.results = *solution;
        calc_.resultsValid = true;
        kept = !result.crossed;
        return true;
    }
    if (const auto* hit = std::get_if<LimitHit>(&result.outcome)) {
        view_.showMessage(limitMessage(texts_.limitMessages, calc_.unit, *hit));
        return true;
    }
    reportFault(std::get<AppError>(result.outcome));
    return false;
}

bool Calculator::showResults() {
    auto shown = readout(calc_.traits, calc_.options, calc_.unit, calc_.results);
    if (auto* error = std::get_if<AppError>(&shown)) {
        reportFault(*error);
        return false;
    }
    view_.showReadout(std::get<Readout>(shown));
    showPlanning();
    return true;
}

bool Calculator::recalculate(Known known, OnLimit onLimit, bool drawFront) {
    bool kept = false;
    if (!solveAndKeep(known, onLimit, kept)) return false;
    if (!showResults()) return false;
    if (drawFront) drawFrontView();
    drawSideView();
    return true;
}

bool Calculator::refreshAndDraw() {
    if (!calc_.resultsValid) return true;  // nothing worked out yet for this model
    if (!showResults()) return false;
    drawFrontView();
    drawSideView();
    return true;
}

void Calculator::drawFrontView() {
    FrontDrawing drawing =
        frontScene(calc_.results, calc_.options, calc_.frontScale, view_.frontMetrics(),
                   distancesOf(throwRangeFor(calc_.traits, calc_.options, calc_.results)));
    calc_.frontScale = drawing.scale;
    view_.showScene(DiagramId::Front, drawing.scene);
}

void Calculator::drawSideView() {
    view_.showScene(DiagramId::Side,
                    sideScene(calc_.traits, calc_.options, calc_.results, view_.sideMetrics()));
}

void Calculator::reportFault(const AppError& error) {
    view_.showError(error);
}

void Calculator::clearResults() {
    calc_.resultsValid = false;
    view_.showReadout(Readout{});
    view_.showPlanning(std::nullopt, calc_.unit);
    for (const auto& [diagram, picture] :
         {std::pair{DiagramId::Front, view_.frontMetrics().picture},
          std::pair{DiagramId::Side, view_.sideMetrics().picture}}) {
        Scene blank;
        blank.width = picture.width;
        blank.height = picture.height;
        view_.showScene(diagram, blank);
    }
}

}  // namespace projcalc
