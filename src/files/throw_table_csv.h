#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/options.h"
#include "calc/throw_table.h"
#include "calc/units.h"

namespace projcalc {

// A throw table as CSV (RFC 4180: fields separated by commas, quoted where they must be, lines
// ended by CR LF), lengths in the given unit with two decimals and "." as the decimal separator,
// whatever the locale. Every row starts with the model's name and the aspect ("16 : 9"), so that
// tables put together stay readable. The header names the unit; an end the model lacks has empty
// fields. The last two columns are each end's foot-lamberts with one decimal, empty without a
// figure.
[[nodiscard]] std::string throwTableCsv(const std::vector<ThrowRow>& rows, Unit unit,
                                        std::string_view model, Aspect aspect);

// One CSV field: quoted, with its quotes doubled, when it holds a comma, a quote or a line break.
[[nodiscard]] std::string csvField(std::string_view text);

}  // namespace projcalc
