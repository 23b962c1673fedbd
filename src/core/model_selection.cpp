// Model selection: the model list and taking a model's values and capabilities.
#include "core/calculator.h"

namespace projcalc {

void Calculator::showModelList() {
    std::vector<std::string> names;
    names.reserve(catalogue_.size());
    for (const ModelTraits& model : catalogue_)
        names.push_back(model.record.modelName);
    view_.showModelList(names);
}

void Calculator::onModelPicked(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= catalogue_.size() || row == calc_.model) {
        return;
    }
    // A refused value keeps the model its text belongs to.
    if (!commitPendingEdit()) {
        view_.selectModelRow(calc_.model);
        return;
    }
    const Calculation before = calc_;
    pickModel(row);
    takeShownTexts();
    recordStep(before);
}

void Calculator::pickModel(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= catalogue_.size()) return;
    calc_.model = index;
    view_.selectModelRow(index);
    calc_.traits = catalogue_[static_cast<std::size_t>(index)];
    // A model that offers no aspect keeps the one that is checked.
    if (calc_.traits.firstAspect) calc_.options.aspect = *calc_.traits.firstAspect;
    calc_.options.zoom = calc_.traits.startZoom;
    view_.showOptions(optionStates());
    selectScale();
    calc_.results.diagonal = calc_.currentLimits().largest;

    if (!ready_) return;
    // A model whose results cannot be worked out must not be shown with the previous model's.
    if (!recalculate(storedDiagonal(), OnLimit::Reject)) clearResults();
}

}  // namespace projcalc
