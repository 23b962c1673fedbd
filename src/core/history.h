#pragma once

#include <cstddef>
#include <deque>
#include <optional>

#include "core/calculation.h"
#include "files/calculation_file.h"

namespace projcalc {

// How many steps Edit > Undo can take back.
inline constexpr std::size_t kUndoDepth = 100;

// Edit > Undo and Redo, and the changes since the last open or save. Undo and redo keep whole
// calculations; "changed" compares what a calculation file would hold with what the file last
// opened or saved holds (or, never saved, the state right after start-up).
class History {
  public:
    History() : saved_(calculationFileOf(Calculation{})) {}

    // A command went from `before` to `after`: a calculation that changed becomes an undo step,
    // and what could be redone is gone.
    void record(const Calculation& before, const Calculation& after);
    // The calculation before (after) the current one, which takes its place in the other list;
    // nothing when there is no step to take.
    [[nodiscard]] std::optional<Calculation> undo(const Calculation& current);
    [[nodiscard]] std::optional<Calculation> redo(const Calculation& current);
    // Open, a catalogue replacement and start-up begin a new history.
    void clear() noexcept;

    // The calculation file last opened or saved holds `calculation` now.
    void markSaved(const Calculation& calculation);
    [[nodiscard]] bool changed(const Calculation& calculation) const;

    [[nodiscard]] bool canUndo() const noexcept { return !undo_.empty(); }
    [[nodiscard]] bool canRedo() const noexcept { return !redo_.empty(); }

  private:
    std::deque<Calculation> undo_;
    std::deque<Calculation> redo_;
    CalculationFile saved_;
};

}  // namespace projcalc
