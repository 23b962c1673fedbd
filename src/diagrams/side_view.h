#pragma once

#include "calc/model_traits.h"
#include "calc/options.h"
#include "calc/solve.h"
#include "diagrams/metrics.h"
#include "diagrams/scene.h"

namespace projcalc {

// The side view: the screen line, the projector's side picture with its lens point, the rays,
// the lens axis and the offset ticks, with the offset boxes, the range sign and their caption
// laid out. The drawing is schematic: it shows on which side of the lens axis the image lies and
// whether there are one or two offsets, not the lengths to scale.
[[nodiscard]] Scene sideScene(const ModelTraits& model, const Options& options,
                              const Solution& solution, const SideMetrics& metrics);

}  // namespace projcalc
