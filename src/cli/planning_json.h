#pragma once

#include <optional>

#include "calc/planning.h"
#include "cli/json_report.h"
#include "core/screen.h"

namespace projcalc::cli {

// The report's "planning" object, lengths in inches written so that they read back as the same
// doubles:
//   {"throwRange": {"wide": {"distance", "withinLimits"} | null, "tele": ...},
//    "imageRange": {"wide": {"diagonal"} | null, "tele": ...},
//    "seating": {"smpte30", "thx36", "thx40"},
//    "throwRatio": {"wide": N | null, "tele": N | null},
//    "light": null | {"gain", "lightPercent", "wide": {"fL", "nits", "rating"[, "scopeFL"]} |
//              null, "tele": ...},
//    "scope": null | {"ratio", "width", "height", "diagonal", "imageDiagonal",
//              "wide": {"distance", "withinLimits"} | null, "tele": ...,
//              "zoomMethod": {"standFrom", "standTo"} | null}}
// null for an end the model lacks or whose value cannot be worked out; null as a whole when
// there are no results.
[[nodiscard]] Json planningJson(const PlanningScreen& planning);

}  // namespace projcalc::cli
