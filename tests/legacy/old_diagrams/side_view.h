#pragma once

#include "diagrams/scene.h"
#include "old_core/calculator_state.h"

namespace projcalc::legacy {

class View;

// The side view: the screen line, the projector's side picture with its lens point, the rays,
// the lens axis and the offset ticks, with the offset boxes, the range sign and their caption
// laid out. Sets `hasWideRatioCurrent`. Control sizes are asked of the view.
[[nodiscard]] Scene DrawScreen2(CalculatorState& state, const View& view);

}  // namespace projcalc::legacy
