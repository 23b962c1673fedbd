#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calculation.h"
#include "core/screen.h"
#include "i18n/language.h"

namespace projcalc {

// What a command needs besides the calculation: the texts of the messages it may give and the
// sizes the front view is refit for.
struct StepContext {
    const InterfaceTexts& texts;
    DiagramMetrics metrics;
};

// What a command made of a calculation: the next one, or nothing when the command was refused
// and the calculation stays as it was; either way what it says to the user, in order.
struct Transition {
    std::optional<Calculation> next;
    std::vector<Notice> notices;

    [[nodiscard]] bool refused() const noexcept { return !next.has_value(); }
};

// The commands of the calculator, each a function from one calculation to the next. A command
// keeps only results whose read-out can be worked out, and after results that change the front
// view it refits the view's scale: the scale grows by 1 / 0.8 until the figure fits and is kept
// for later, smaller results.

// A value typed into a box: read, solved from and kept when it lies within the limits. A text
// the box already shows changes nothing; a refused text, a value beyond the limits or one that
// cannot be worked out is refused with its message.
[[nodiscard]] Transition commitTyped(const Calculation& c, Quantity box, std::string_view typed,
                                     const StepContext& context);

// Option clicks. A new aspect keeps the distance and the screen follows it up to the nearest
// limit; a new zoom end keeps the diagonal, up to the nearest limit; a new mounting keeps the
// diagonal; a new unit only shows the same results otherwise. A choice whose results cannot be
// worked out is refused.
[[nodiscard]] Transition chooseAspect(const Calculation& c, Aspect aspect,
                                      const StepContext& context);
[[nodiscard]] Transition chooseZoom(const Calculation& c, Zoom zoom, const StepContext& context);
[[nodiscard]] Transition chooseUnit(const Calculation& c, Unit unit, const StepContext& context);
[[nodiscard]] Transition chooseMount(const Calculation& c, Mount mount, const StepContext& context);

// The light inputs, typed: the screen gain (above 0 up to 10) and the light share (percent, 1 to
// 100), kept as typed. A text that reads as the value in force changes nothing; any other text
// that is not such a number is refused with a message that names the input and quotes the text.
// Nothing is solved: the results stay, only the light figures follow.
[[nodiscard]] Transition setScreenGain(const Calculation& c, std::string_view typed,
                                       const StepContext& context);
[[nodiscard]] Transition setLightShare(const Calculation& c, std::string_view typed,
                                       const StepContext& context);

// The scope screen planned beside the picture (None: no scope screen). The results stay.
[[nodiscard]] Transition chooseScope(const Calculation& c, ScopeRatio ratio);

// Takes a model's traits as row `row`: checks its first aspect and starting zoom end, and
// starts from its largest diagonal. Nothing is solved.
[[nodiscard]] Calculation withModel(Calculation c, int row, const ModelTraits& model);

// A pick of a model: withModel, then solved from its largest diagonal. A model whose results
// cannot be worked out is kept with its results emptied, never with the previous model's.
[[nodiscard]] Transition pickModel(const Calculation& c, int row, const ModelTraits& model,
                                   const StepContext& context);

// A pick that keeps the screen: the model in the aspect `aspect` (which it must offer), solved
// from its largest diagonal, then `diagonalText` committed as if typed into the diagonal box. A
// refused text leaves the largest picture standing, with the refusal's message.
[[nodiscard]] Transition pickModelKeepingScreen(const Calculation& c, int row,
                                                const ModelTraits& model, Aspect aspect,
                                                std::string_view diagonalText,
                                                const StepContext& context);

// Solves the calculation from its stored diagonal: at start-up and after a catalogue
// replacement (`onLimit` Reject) and after an open (Clamp, the stored diagonal may lie beyond
// limits changed since the save). Refused when the results cannot be worked out.
[[nodiscard]] Transition solveStoredDiagonal(const Calculation& c, OnLimit onLimit,
                                             const StepContext& context);

// The same calculation shown again for new metrics (another language, a step of the history):
// the front view refit, results that cannot be shown reported.
[[nodiscard]] Transition showAgain(const Calculation& c, const StepContext& context);

// The text a value box shows for a calculation.
[[nodiscard]] std::string boxText(const Calculation& c, Quantity box);

}  // namespace projcalc
