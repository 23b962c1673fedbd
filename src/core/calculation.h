#pragma once

#include <string>

#include "calc/light.h"
#include "calc/model_traits.h"
#include "calc/options.h"
#include "calc/scope.h"
#include "calc/solve.h"
#include "files/calculation_file.h"

namespace projcalc {

// The calculator's one piece of mutable state: the selected model, the user's choices and the
// results last kept. It is a plain value, so an earlier calculation can be kept and put back.
struct Calculation {
    int model = -1;      // the selected model: its index in the catalogue and row in the list
    ModelTraits traits;  // the selected model's record and what is derived from it
    Options options;
    Unit unit = Unit::Inches;

    // The results last kept, in inches. A model pick or a zoom change solves again from
    // `results.diagonal`, which the pick sets to the model's largest diagonal beforehand.
    Solution results;
    bool resultsValid = false;  // some solve has kept results since start-up or a blank
    // The boxes and drawings were emptied because the selected model's results cannot be worked
    // out; before anything has been worked out they still show their design texts.
    bool resultsCleared = false;

    // The projection distance the front view's reference segment stands for: the model's
    // reference for the aspect, enlarged by drawings that did not fit.
    double frontScale = 0.0;

    std::string file;  // the calculation file last opened or saved; empty when none

    // The screen gain and light share the light on the screen is worked out with, and the scope
    // screen planned beside the 16 : 9 picture.
    LightSettings light;
    ScopeRatio scope = ScopeRatio::None;

    // The smallest and largest diagonal for the checked aspect at the checked zoom end.
    [[nodiscard]] DiagonalLimitPair currentLimits() const noexcept {
        return traits.limits(options.aspect, options.zoom);
    }

    friend bool operator==(const Calculation&, const Calculation&) = default;
};

// What a calculation file stores of a calculation.
[[nodiscard]] CalculationFile calculationFileOf(const Calculation& calculation);

}  // namespace projcalc
