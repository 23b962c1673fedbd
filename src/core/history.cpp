#include "core/history.h"

#include <utility>

namespace projcalc {

void History::record(const Calculation& before, const Calculation& after) {
    if (before == after) return;
    undo_.push_back(before);
    if (undo_.size() > kUndoDepth) undo_.pop_front();
    redo_.clear();
}

std::optional<Calculation> History::undo(const Calculation& current) {
    if (undo_.empty()) return std::nullopt;
    Calculation previous = std::move(undo_.back());
    undo_.pop_back();
    redo_.push_back(current);
    return previous;
}

std::optional<Calculation> History::redo(const Calculation& current) {
    if (redo_.empty()) return std::nullopt;
    Calculation next = std::move(redo_.back());
    redo_.pop_back();
    undo_.push_back(current);
    return next;
}

void History::clear() noexcept {
    undo_.clear();
    redo_.clear();
}

void History::markSaved(const Calculation& calculation) {
    saved_ = calculationFileOf(calculation);
}

bool History::changed(const Calculation& calculation) const {
    return !(calculationFileOf(calculation) == saved_);
}

}  // namespace projcalc
