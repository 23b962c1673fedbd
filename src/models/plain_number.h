#pragma once

#include <optional>
#include <string_view>

namespace projcalc {

// A plain decimal number the user or a catalogue gives for a light value (lumens, screen gain,
// light share): blanks (space, tab) around it, an optional "+", digits with at most one decimal
// point ("3000", "3000.", ".5"; with `decimalComma` the point may also be a comma), no sign "-",
// no exponent, no "&H", nothing else; finite and above 0. Nothing otherwise.
[[nodiscard]] std::optional<double> readPositivePlainNumber(std::string_view text,
                                                            bool decimalComma = false) noexcept;

}  // namespace projcalc
