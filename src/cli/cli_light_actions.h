#pragma once

#include <string>
#include <string_view>

#include "cli/cli_actions.h"

namespace projcalc::cli {

// The actions of the light and scope inputs (see actionTable): gain=, light=, minfl= and scope=.

// Types into the screen gain or light share input and leaves it; a refused text is said in the
// report's messages and changes nothing, as in the window.
void typeScreenGain(ActionContext& context, const std::string& text);
void typeLightShare(ActionContext& context, const std::string& text);

// The finder's "at least N fL": a plain number, 0 or more (0: no minimum). Throws UsageError.
[[nodiscard]] double minimumFootLambertsOf(std::string_view argument);
void checkMinimumFootLamberts(std::string_view argument);
void setMinimumFootLamberts(ActionContext& context, const std::string& argument);

// The "Scope screen" choice: 2.35, 2.39, 2.40 (2.4) or none. Throws UsageError.
void checkScopeRatio(std::string_view argument);
void chooseScopeRatio(ActionContext& context, const std::string& argument);

}  // namespace projcalc::cli
