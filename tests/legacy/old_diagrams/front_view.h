#pragma once

#include "diagrams/scene.h"
#include "old_core/calculator_state.h"

namespace projcalc::legacy {

class View;

// The front view: the screen as a filled parallelogram seen obliquely, the projector at the
// throw distance to scale and four rays to the screen's corners, with the value boxes, their
// Enter buttons and captions laid out beside what they measure. Enlarges `frontViewScale` when
// the screen does not fit. Control sizes are asked of the view.
[[nodiscard]] Scene DrawScreen1(CalculatorState& state, const View& view);

}  // namespace projcalc::legacy
