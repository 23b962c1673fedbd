// The Option menu's "Select model info file..." and "Restore previous catalogue": the catalogue
// store changes the files and the list, the calculation then starts from its first model.
#include <utility>

#include "core/calculator.h"

namespace projcalc {

std::optional<std::string> Calculator::replacementQuestion(const std::string& chosen) {
    auto question = catalogue_.replacementQuestion(chosen, texts_);
    if (auto* notice = std::get_if<Notice>(&question)) {
        show({std::move(*notice)});
        return std::nullopt;
    }
    return std::move(std::get<std::string>(question));
}

bool Calculator::restorePreviousCatalogue() {
    return takeCatalogue(catalogue_.restorePrevious(texts_));
}

bool Calculator::replaceCatalogue(const std::string& chosen) {
    return takeCatalogue(catalogue_.replace(chosen, texts_));
}

bool Calculator::takeCatalogue(CatalogueOutcome outcome) {
    if (!outcome.inForce) {
        show(std::move(outcome.notices));
        return false;
    }
    Calculation c = withModel(calc_, 0, catalogue_.models().front());
    Transition step = solveStoredDiagonal(c, OnLimit::Reject, context());
    if (step.next) {
        c = std::move(*step.next);
    } else {
        c.resultsValid = false;
        c.resultsCleared = true;
    }
    // What the first model's step said, then what the catalogue left out.
    std::vector<Notice> notices = std::move(step.notices);
    for (Notice& notice : outcome.notices)
        notices.push_back(std::move(notice));
    calc_ = std::move(c);
    history_.clear();
    show(std::move(notices));
    return true;
}

}  // namespace projcalc
