#pragma once

#include "old_core/calculator_state.h"

namespace projcalc::legacy {

// The state the earlier controller built when a model was picked, with the given options checked
// afterwards (aspect index, zoom end, unit, position) and the limits and front scale they select.
[[nodiscard]] CalculatorState stateAfterPick(const ModelRecord& record, int aspectIndex,
                                             int zoomEnd, int unitIndex, int position);

}  // namespace projcalc::legacy
