#include "core/calculator.h"

#include <cmath>

#include "calc/limit_message.h"
#include "calc/readout.h"
#include "calc/typed_value.h"
#include "calc/units.h"
#include "diagrams/front_view.h"
#include "diagrams/side_view.h"
#include "models/model_catalogue.h"
#include "util/folder_lock.h"
#include "util/numbers.h"
#include "util/paths.h"
#include "util/profile.h"
#include "util/text.h"

namespace projcalc {

Calculator::Calculator(View& view, FileSystem& fileSystem)
    : view_(view), fileSystem_(fileSystem), savedFile_(calculationFileOf(calc_)) {}

std::filesystem::path Calculator::dataFile(const char* name) const {
    return std::filesystem::path(dataFolder_ + name);
}

std::variant<InterfaceTexts, std::string> Calculator::readTexts(
    const std::filesystem::path& file) const {
    std::string bytes;
    const std::optional<AppError> unreadable = fileSystem_.readFile(file, bytes);
    const Profile languageFile = unreadable ? Profile() : Profile::parse(bytes);
    std::string missingKey;
    std::optional<InterfaceTexts> texts = readInterfaceTexts(languageFile, &missingKey);
    if (texts) return std::move(*texts);
    // The old message first, then the file and what is wrong with it.
    return std::string(kLanguageErrorMessage) + "\r\n" +
           (unreadable ? unreadable->description
                       : displayPath(file.string()) + ": the text " + missingKey +
                             " of section [Language] is missing or empty");
}

bool Calculator::startUp(const std::filesystem::path& dataFolder, StartUpRules rules) {
    dataFolder_ = withTrailingBackslash(dataFolder.string());
    languageFile_ = rules.languageFile.value_or(dataFile("Language.ini"));

    auto texts = readTexts(languageFile_);
    if (const auto* message = std::get_if<std::string>(&texts)) {
        view_.showMessage(*message);
        return false;
    }
    texts_ = std::move(std::get<InterfaceTexts>(texts));
    view_.applyInterfaceTexts(texts_);
    setTitle(texts_.captionText);

    ready_ = false;
    editing_.reset();
    view_.showEnterButton(std::nullopt);

    // The default choices: inches, WIDE, the projector at the bottom, 4:3.
    calc_ = Calculation{};
    calc_.options = Options{Aspect::R4x3, Zoom::Wide, Mount::Bottom};
    calc_.unit = Unit::Inches;
    view_.showOptions(optionStates());

    // Saves interrupted in the data folder leave temporary files that nothing else removes.
    (void)fileSystem_.removeStaleTemporaryFiles(dataFolder_);

    if (!loadCatalogueAtStartUp(rules)) return false;

    pickModel(0);
    // A broken first model is reported and start-up goes on; the boxes keep their texts.
    (void)recalculate(storedDiagonal(), OnLimit::Reject);
    ready_ = true;
    clearHistory();
    markSaved();
    showEditState();
    return true;
}

bool Calculator::loadCatalogueAtStartUp(StartUpRules rules) {
    const auto load = [this](const char* name, std::vector<LeftOutLine>& leftOut) {
        std::vector<ModelRecord> models;
        std::optional<AppError> error =
            loadModelCatalogue(dataFile(name), models, leftOut, fileSystem_);
        if (!error && models.empty()) {
            error = makeError(ErrorCode::TableFull,
                              displayPath(dataFile(name).string()) + " holds no projector model");
        }
        return std::pair{std::move(models), std::move(error)};
    };
    catalogue_.clear();
    catalogueName_ = "ModelInfo.ini";
    std::vector<LeftOutLine> leftOut;
    auto [models, error] = load("ModelInfo.ini", leftOut);
    if (error && rules.fallBackToOldCatalogue && fileSystem_.fileExists(dataFile("OLD.ini"))) {
        std::vector<LeftOutLine> oldLeftOut;
        auto [oldModels, oldError] = load("OLD.ini", oldLeftOut);
        if (!oldError) {
            view_.showMessage(replaceAll(replaceAll(texts_.text("msgOldCatalogue"), "%1",
                                                    dataFile("ModelInfo.ini").string()),
                                         "%2", dataFile("OLD.ini").string()) +
                              "\r\n\r\n" + error->description);
            models = std::move(oldModels);
            leftOut = std::move(oldLeftOut);
            error.reset();
            catalogueName_ = "OLD.ini";
        }
    }
    // The models read before an error are listed, as the list was filled while reading.
    for (const ModelRecord& model : models)
        catalogue_.push_back(traitsOf(model));
    showModelList();
    if (error) {
        view_.showError(*error);
        return false;
    }
    reportLeftOutLines(dataFile(catalogueName_.c_str()).string(), leftOut);
    return true;
}

void Calculator::reportLeftOutLines(const std::string& file,
                                    const std::vector<LeftOutLine>& leftOut) {
    if (leftOut.empty()) return;
    constexpr std::size_t kShown = 12;
    std::string text = replaceAll(texts_.text("msgLeftOutModels"), "%1", displayPath(file));
    for (std::size_t i = 0; i < leftOut.size() && i < kShown; ++i)
        text += "\r\n" + describeLeftOutLine(leftOut[i]);
    if (leftOut.size() > kShown) {
        text += "\r\n" + replaceAll(texts_.text("msgLeftOutMore"), "%1",
                                    std::to_string(leftOut.size() - kShown));
    }
    view_.showMessage(text);
}

std::string Calculator::missingVersionMessage() const {
    return std::string(kLanguageErrorMessage) + "\r\n" + displayPath(languageFile_.string()) +
           ": the text Version of section [Version] is missing or empty";
}

std::optional<std::string> Calculator::readVersionText() const {
    std::string bytes;
    if (fileSystem_.readFile(languageFile_, bytes)) return std::nullopt;
    return projcalc::readVersionText(Profile::parse(bytes));
}

bool Calculator::useLanguageFile(const std::filesystem::path& file) {
    auto texts = readTexts(file);
    if (const auto* message = std::get_if<std::string>(&texts)) {
        view_.showMessage(*message);
        return false;
    }
    languageFile_ = file;
    texts_ = std::move(std::get<InterfaceTexts>(texts));
    view_.applyInterfaceTexts(texts_);
    if (calc_.file.empty()) {
        setTitle(texts_.captionText);
    } else {
        setTitleForFile(calc_.file);
    }
    // Everything shown with a caption of the language file is shown again.
    if (calc_.resultsValid) (void)refreshAndDraw();
    showEditState();
    return true;
}

// ---- value boxes ----------------------------------------------------------------------------

void Calculator::onValueFocus(Quantity box) {
    editing_ = box;
    view_.showEnterButton(box);
    committedTexts_[static_cast<std::size_t>(indexOf(box))] = view_.valueText(box);
    view_.selectValueText(box);
}

void Calculator::onValueKey(Quantity box, int keyCode) {
    if (keyCode == kEscapeKey) {
        view_.setValueText(box, committedTexts_[static_cast<std::size_t>(indexOf(box))]);
        view_.selectValueText(box);
        view_.showEnterButton(std::nullopt);
        return;
    }
    view_.showEnterButton(box);
    if (keyCode == kEnterKey) (void)commitValue(box);
}

bool Calculator::onValueFocusLost(Quantity box) {
    editing_.reset();
    if (commitValue(box)) return true;
    editing_ = box;
    return false;
}

void Calculator::onEnterClicked(Quantity box) {
    (void)commitValue(box);
}

bool Calculator::commitValue(Quantity box) {
    const auto index = static_cast<std::size_t>(indexOf(box));
    const std::string typed = view_.valueText(box);
    const Calculation before = calc_;
    bool kept = true;
    if (typed != committedTexts_[index]) {
        kept = false;
        const auto read = readTypedValue(box, calc_.unit, typed);
        if (const auto* refusal = std::get_if<InputRefusal>(&read)) {
            view_.showMessage(
                refusalMessage(texts_.editing.input, boxCaption(texts_, box), *refusal));
        } else if (const auto* error = std::get_if<AppError>(&read)) {
            reportFault(*error);
        } else {
            const TypedValue& value = std::get<TypedValue>(read);
            view_.setValueText(box, formatFixed(value.shown, 0));
            (void)solveAndKeep({box, value.inches}, OnLimit::Reject, kept);
        }
        if (!kept) view_.setValueText(box, committedTexts_[index]);
    }
    view_.showEnterButton(std::nullopt);
    if (ready_) (void)refreshAndDraw();
    takeShownTexts();
    // After a refusal the next keys replace the whole text instead of adding to it.
    if (!kept) view_.selectValueText(box);
    recordStep(before);
    return kept;
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
    const Calculation before = calc_;
    if (!(this->*handler)(chosen)) {
        // The new choice could not be worked out: go back to the one the results belong to.
        const bool wasReady = ready_;
        ready_ = false;
        (void)(this->*handler)(current);
        ready_ = wasReady;
    }
    takeShownTexts();
    recordStep(before);
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
