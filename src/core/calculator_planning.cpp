// The planning read-outs: where a zoom lens may stand, the image a distance gives, where to sit.
#include "calc/planning.h"
#include "core/calculator.h"

namespace projcalc {

void Calculator::showPlanning() {
    if (!calc_.resultsValid) {
        view_.showPlanning(std::nullopt, calc_.unit);
        return;
    }
    view_.showPlanning(planningFor(calc_.traits, calc_.options, calc_.results), calc_.unit);
}

}  // namespace projcalc
