// Questions about the whole catalogue or a whole model: which models fit a room, and a model's
// throw table.
#include "core/calculator.h"
#include "files/throw_table_csv.h"

namespace projcalc {

std::vector<FittingModel> Calculator::findModels(double diagonal, Aspect aspect, Room room) const {
    return modelsThatFit(catalogue_, aspect, calc_.options.mount, diagonal, room);
}

void Calculator::takeFoundModel(int row, Aspect aspect, const std::string& diagonalText) {
    if (!commitPendingEdit()) return;
    const Calculation before = calc_;
    ++stepParts_;
    onModelPicked(row);
    if (calc_.model == row) {
        if (calc_.traits.offers(aspect)) onAspectClicked(aspect);
        const auto box = static_cast<std::size_t>(indexOf(Quantity::Diagonal));
        committedTexts_[box] = view_.valueText(Quantity::Diagonal);
        view_.setValueText(Quantity::Diagonal, diagonalText);
        (void)commitValue(Quantity::Diagonal);
    }
    --stepParts_;
    recordStep(before);
}

std::vector<ThrowRow> Calculator::throwTableOf(const std::vector<double>& diagonals) const {
    return throwTable(calc_.traits, calc_.options.aspect, calc_.options.mount, diagonals);
}

std::vector<ThrowRow> Calculator::throwTableByLimits(double step) const {
    return throwTableOf(limitDiagonals(calc_.traits, calc_.options.aspect, step));
}

bool Calculator::exportThrowTableCsv(const std::string& path, double step) {
    if (auto error = fileSystem_.writeFileAtomic(
            path, throwTableCsv(throwTableByLimits(step), calc_.unit))) {
        view_.showError(*error);
        return false;
    }
    return true;
}

bool Calculator::writeExport(const std::string& path, std::string_view bytes) {
    if (auto error = fileSystem_.writeFileAtomic(path, bytes)) {
        view_.showError(*error);
        return false;
    }
    return true;
}

}  // namespace projcalc
