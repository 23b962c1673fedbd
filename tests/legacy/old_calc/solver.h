#pragma once

#include <array>
#include <string>

#include "old_core/calculator_state.h"

namespace projcalc::legacy {

class View;

// Solve modes: the index of the value box that holds the known quantity, or kSolveStored to
// solve the stored diagonal again with the current selections.
inline constexpr int kSolveDistance = 0;
inline constexpr int kSolveDiagonal = 1;
inline constexpr int kSolveWidth = 2;
inline constexpr int kSolveHeight = 3;
inline constexpr int kSolveStored = 9;

// The too-large and too-small messages, by unit code. "%1" stands for the limit in the selected
// unit and, for feet and centimeters, "%2" for the limit in inches.
struct LimitMessages {
    std::array<std::string, 3> tooLarge;
    std::array<std::string, 3> tooSmall;
};

// What the solver works on: the state, the main window's clamp flag, the limit messages and the
// view that shows a message when a diagonal is outside the limits.
struct SolverContext {
    CalculatorState& state;
    bool& clampToLimit;
    const LimitMessages& messages;
    View& view;
    bool stored = false;  // set when a pass stored results (also the nested pass of a clamp)
};

// The limit message for a diagonal outside the limits, with its placeholders filled in.
[[nodiscard]] std::string limitMessageText(const std::string& message, double limitInInches,
                                           int unitIndex);

// Derives distance, diagonal, width and height from one known quantity (`value`, in inches; not
// read in mode kSolveStored), checks the diagonal against the selected model's limits and
// stores the four results and both offsets. Returns true when the diagonal was within the limits
// and the results were stored. A diagonal outside the limits shows the limit message; then
// nothing is stored, unless `clampToLimit` is set, in which case the limit itself is solved and
// stored. `clampToLimit` is cleared by every pass that stores results.
//
// Throws ArithmeticFault when a value cannot be worked out (a size line of slope 0, an overflow);
// the whole pass is computed before anything is stored, so the state keeps the last good values.
[[nodiscard]] bool CalcScreenSize(SolverContext& context, int mode, double value);

// Writes the stored results into the four value boxes (whole units of the selected unit, rounded
// by the zoom end's rule) and the offsets into the two offset boxes. Throws ArithmeticFault, with
// no box written, when an offset is not a finite number.
void showResults(const CalculatorState& state, View& view);

}  // namespace projcalc::legacy
