#pragma once

#include <optional>

#include "calc/planning.h"
#include "cli/json_report.h"

namespace projcalc::cli {

// The report's "planning" object, lengths in inches written so that they read back as the same
// doubles:
//   {"throwRange": {"wide": {"distance", "withinLimits"} | null, "tele": ...},
//    "imageRange": {"wide": {"diagonal"} | null, "tele": ...},
//    "seating": {"smpte30", "thx36", "thx40"}}
// null for an end the model lacks or whose value cannot be worked out; null as a whole when
// there are no results.
[[nodiscard]] Json planningJson(const std::optional<Planning>& planning);

}  // namespace projcalc::cli
