#include "core/asking.h"

#include "util/paths.h"

namespace projcalc {

bool offerToSaveChanges(Calculator& calculator, View& view) {
    const std::optional<SaveQuestion> question = calculator.saveQuestion();
    if (!question) return true;
    switch (view.askSaveChanges(*question)) {
        case SaveChoice::Save:
            return askAndSave(calculator, view);
        case SaveChoice::Discard:
            return true;
        case SaveChoice::Cancel:
            break;
    }
    return false;
}

bool askAndOpen(Calculator& calculator, View& view) {
    if (!offerToSaveChanges(calculator, view)) return false;
    const std::string path = view.askOpenFileName(kCalculationFilter, currentFolder());
    if (path.empty()) return false;
    return calculator.open(path);
}

bool openAfterAsking(Calculator& calculator, View& view, const std::string& path) {
    if (!offerToSaveChanges(calculator, view)) return false;
    return calculator.open(path);
}

bool askAndSave(Calculator& calculator, View& view) {
    if (!calculator.saveNeedsName()) return calculator.save();
    const std::string path = view.askSaveFileName(kCalculationFilter, currentFolder(), "cf");
    if (path.empty()) {
        calculator.forgetMissingFile();
        return false;
    }
    return calculator.saveAs(path);
}

bool askAndSaveAs(Calculator& calculator, View& view) {
    const std::string path = view.askSaveFileName(kCalculationFilter, currentFolder(), "cf");
    if (path.empty()) return false;
    return calculator.saveAs(path);
}

bool askAndReplaceCatalogue(Calculator& calculator, View& view) {
    const std::string chosen = view.askOpenFileName(kCatalogueFilter, currentFolder());
    if (chosen.empty()) return false;
    // Nothing is replaced without a word: the user sees how many models go and come first.
    const std::optional<std::string> question = calculator.replacementQuestion(chosen);
    if (!question || !view.askToGoOn(*question)) return false;
    return calculator.replaceCatalogue(chosen);
}

}  // namespace projcalc
