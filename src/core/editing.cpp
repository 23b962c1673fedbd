// The question before changes are lost, and the summary Copy Results puts on the clipboard.
#include "calc/typed_value.h"
#include "core/calculator.h"
#include "core/result_summary.h"
#include "util/paths.h"

namespace projcalc {

std::optional<SaveQuestion> Calculator::saveQuestion() const {
    if (!changed()) return std::nullopt;
    const EditingTexts& texts = texts_.editing;
    const std::string name = calc_.file.empty() ? texts.untitled : fileNameOf(calc_.file);
    return SaveQuestion{fillPlaceholders(texts.saveChangesQuestion, name, ""), texts.saveButton,
                        texts.discardButton, texts.cancelButton};
}

std::string Calculator::resultsSummary() const {
    std::vector<std::string> lines = resultSummaryLines(calc_, texts_);
    // The planning figures follow the offsets, in the order the panel shows them.
    for (std::string& line : planningSummaryLines(calc_, texts_))
        lines.push_back(std::move(line));
    return summaryText(lines);
}

}  // namespace projcalc
