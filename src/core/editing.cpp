// Edit commands and the state behind them: the pending edit of a value box, undo and redo, the
// changes since the last open or save, and the summary Copy Results puts on the clipboard.
#include "calc/typed_value.h"
#include "core/calculator.h"
#include "core/result_summary.h"
#include "util/paths.h"

namespace projcalc {

bool Calculator::commitPendingEdit() {
    if (!editing_) return true;
    const Quantity box = *editing_;
    if (view_.valueText(box) == committedTexts_[static_cast<std::size_t>(indexOf(box))]) {
        return true;
    }
    return commitValue(box);
}

void Calculator::recordStep(const Calculation& before) {
    if (stepParts_ > 0) return;
    if (!(calc_ == before)) {
        undoSteps_.push_back(before);
        if (undoSteps_.size() > kUndoDepth) undoSteps_.pop_front();
        redoSteps_.clear();
    }
    showEditState();
}

void Calculator::clearHistory() {
    undoSteps_.clear();
    redoSteps_.clear();
}

void Calculator::markSaved() {
    savedFile_ = calculationFileOf(calc_);
}

bool Calculator::changed() const {
    return !(calculationFileOf(calc_) == savedFile_);
}

void Calculator::showEditState() {
    view_.showEditState({changed(), !undoSteps_.empty(), !redoSteps_.empty()});
}

bool Calculator::undo() {
    if (undoSteps_.empty()) return false;
    Calculation previous = std::move(undoSteps_.back());
    undoSteps_.pop_back();
    redoSteps_.push_back(calc_);
    showCalculation(std::move(previous));
    return true;
}

bool Calculator::redo() {
    if (redoSteps_.empty()) return false;
    Calculation next = std::move(redoSteps_.back());
    redoSteps_.pop_back();
    undoSteps_.push_back(calc_);
    showCalculation(std::move(next));
    return true;
}

void Calculator::showCalculation(Calculation calculation) {
    // The history holds choices and results; the file they were last saved in stays current.
    calculation.file = calc_.file;
    calc_ = std::move(calculation);
    view_.selectModelRow(calc_.model);
    view_.showOptions(optionStates());
    if (calc_.resultsValid) {
        (void)refreshAndDraw();
    } else {
        clearResults();
    }
    takeShownTexts();
    showEditState();
}

bool Calculator::offerToSaveChanges() {
    if (!changed()) return true;
    const EditingTexts& texts = texts_.editing;
    const std::string name = calc_.file.empty() ? texts.untitled : fileNameOf(calc_.file);
    const SaveQuestion question{fillPlaceholders(texts.saveChangesQuestion, name, ""),
                                texts.saveButton, texts.discardButton, texts.cancelButton};
    switch (view_.askSaveChanges(question)) {
        case SaveChoice::Save:
            return saveCalculationFile();
        case SaveChoice::Discard:
            return true;
        case SaveChoice::Cancel:
            break;
    }
    return false;
}

void Calculator::copyResults() {
    // Like a print, the summary holds what was typed.
    if (!commitPendingEdit()) return;
    view_.copyText(resultsSummary());
}

std::string Calculator::resultsSummary() const {
    std::vector<std::string> lines = resultSummaryLines(calc_, texts_);
    // The planning figures follow the offsets, in the order the panel shows them.
    for (std::string& line : planningSummaryLines(calc_, texts_))
        lines.push_back(std::move(line));
    return summaryText(lines);
}

}  // namespace projcalc
