#include "core/calculator.h"

#include <utility>

#include "core/present.h"
#include "i18n/language_file.h"
#include "util/paths.h"
#include "util/profile.h"

namespace projcalc {

Calculator::Calculator(View& view, FileSystem& fileSystem)
    : view_(view), fileSystem_(fileSystem), catalogue_(fileSystem) {}

// ---- showing ---------------------------------------------------------------------------------

Screen Calculator::screenFor(const DiagramMetrics& metrics, std::vector<Notice> notices) const {
    return present({calc_, catalogue_.names(), texts_, metrics, history_.changed(calc_),
                    history_.canUndo(), history_.canRedo(), std::move(notices)});
}

Screen Calculator::screen() const {
    return screenFor(view_.metrics(), {});
}

void Calculator::show(std::vector<Notice> notices) {
    view_.show(screenFor(view_.metrics(), std::move(notices)));
}

bool Calculator::apply(Transition step, bool record) {
    const bool accepted = !step.refused();
    if (accepted) {
        const Calculation before = std::exchange(calc_, std::move(*step.next));
        if (record) history_.record(before, calc_);
    }
    show(std::move(step.notices));
    return accepted;
}

void Calculator::report(const AppError& error) {
    show({Notice::failure(error)});
}

// ---- start-up --------------------------------------------------------------------------------

bool Calculator::startUp(const std::filesystem::path& dataFolder, const StartUpRules& rules) {
    catalogue_.setDataFolder(dataFolder.string());
    languageFile_ = rules.languageFile.value_or(catalogue_.dataFile("Language.ini"));

    auto texts = readLanguageFile(languageFile_, fileSystem_);
    if (auto* message = std::get_if<std::string>(&texts)) {
        show({Notice::message(std::move(*message))});
        return false;
    }
    texts_ = std::move(std::get<InterfaceTexts>(texts));
    view_.useTexts(texts_);

    // The default choices: 4:3, WIDE, and the unit and mounting of the rules (inches and the
    // projector at the bottom unless the window remembers others).
    calc_ = Calculation{};
    calc_.options = Options{Aspect::R4x3, Zoom::Wide, rules.mount};
    calc_.unit = rules.unit;

    // Saves interrupted in the data folder leave temporary files that nothing else removes.
    (void)fileSystem_.removeStaleTemporaryFiles(catalogue_.dataFolder());

    CatalogueOutcome load = catalogue_.loadAtStartUp(rules.fallBackToOldCatalogue, texts_);
    std::vector<Notice> notices = std::move(load.notices);
    const bool loaded = load.inForce;
    if (loaded) {
        calc_ = withModel(calc_, 0, catalogue_.models().front());
        // A broken first model is reported and start-up goes on; the boxes keep their texts.
        Transition step = solveStoredDiagonal(calc_, OnLimit::Reject, context());
        if (step.next) calc_ = std::move(*step.next);
        for (Notice& notice : step.notices)
            notices.push_back(std::move(notice));
    }
    history_.clear();
    history_.markSaved(calc_);
    show(std::move(notices));
    return loaded;
}

// ---- the interface texts ---------------------------------------------------------------------

std::string Calculator::missingVersionMessage() const {
    return projcalc::missingVersionMessage(languageFile_);
}

std::optional<std::string> Calculator::readVersionText() const {
    return readLanguageVersion(languageFile_, fileSystem_);
}

bool Calculator::useLanguageFile(const std::filesystem::path& file) {
    auto texts = readLanguageFile(file, fileSystem_);
    if (auto* message = std::get_if<std::string>(&texts)) {
        show({Notice::message(std::move(*message))});
        return false;
    }
    languageFile_ = file;
    texts_ = std::move(std::get<InterfaceTexts>(texts));
    view_.useTexts(texts_);
    // The drawings' captions take new room: the front view is refit to the new metrics.
    (void)apply(showAgain(calc_, context()), false);
    return true;
}

// ---- intents ---------------------------------------------------------------------------------

void Calculator::pickModel(int row) {
    const std::vector<ModelTraits>& models = catalogue_.models();
    if (row < 0 || static_cast<std::size_t>(row) >= models.size() || row == calc_.model) return;
    const ModelTraits& model = models[static_cast<std::size_t>(row)];
    if (keepScreenOnPick_ && calc_.resultsValid && model.offers(calc_.options.aspect)) {
        (void)apply(pickModelKeepingScreen(calc_, row, model, calc_.options.aspect,
                                           boxText(calc_, Quantity::Diagonal), context()));
        return;
    }
    (void)apply(projcalc::pickModel(calc_, row, model, context()));
}

bool Calculator::commit(Quantity box, std::string_view typed) {
    return apply(commitTyped(calc_, box, typed, context()));
}

template <typename Choice>
void Calculator::chooseWith(Choice chosen, Choice current,
                            Transition (*transition)(const Calculation&, Choice,
                                                     const StepContext&)) {
    if (chosen == current) return;
    (void)apply(transition(calc_, chosen, context()));
}

void Calculator::choose(Aspect aspect) {
    chooseWith(aspect, calc_.options.aspect, &chooseAspect);
}

void Calculator::choose(Zoom zoom) {
    chooseWith(zoom, calc_.options.zoom, &chooseZoom);
}

void Calculator::choose(Unit unit) {
    chooseWith(unit, calc_.unit, &chooseUnit);
}

void Calculator::choose(Mount mount) {
    chooseWith(mount, calc_.options.mount, &chooseMount);
}

bool Calculator::setScreenGain(std::string_view typed) {
    return apply(projcalc::setScreenGain(calc_, typed, context()));
}

bool Calculator::setLightShare(std::string_view typed) {
    return apply(projcalc::setLightShare(calc_, typed, context()));
}

void Calculator::choose(ScopeRatio ratio) {
    if (ratio == calc_.scope) return;
    (void)apply(chooseScope(calc_, ratio));
}

bool Calculator::undo() {
    std::optional<Calculation> previous = history_.undo(calc_);
    if (!previous) return false;
    // The history holds choices and results; the file they were last saved in stays current.
    previous->file = calc_.file;
    if (!previous->resultsValid) previous->resultsCleared = true;
    calc_ = std::move(*previous);
    (void)apply(showAgain(calc_, context()), false);
    return true;
}

bool Calculator::redo() {
    std::optional<Calculation> next = history_.redo(calc_);
    if (!next) return false;
    next->file = calc_.file;
    if (!next->resultsValid) next->resultsCleared = true;
    calc_ = std::move(*next);
    (void)apply(showAgain(calc_, context()), false);
    return true;
}

void Calculator::takeFoundModel(int row, Aspect aspect, const std::string& diagonalText) {
    const std::vector<ModelTraits>& models = catalogue_.models();
    if (row < 0 || static_cast<std::size_t>(row) >= models.size()) return;
    const StepContext step = context();
    Calculation c = calc_;
    std::vector<Notice> notices;
    const auto take = [&](Transition part) {
        if (part.next) c = std::move(*part.next);
        for (Notice& notice : part.notices)
            notices.push_back(std::move(notice));
    };
    if (row != c.model)
        take(projcalc::pickModel(c, row, models[static_cast<std::size_t>(row)], step));
    if (c.traits.offers(aspect) && aspect != c.options.aspect) take(chooseAspect(c, aspect, step));
    take(commitTyped(c, Quantity::Diagonal, diagonalText, step));
    (void)apply({std::move(c), std::move(notices)});
}

}  // namespace projcalc
