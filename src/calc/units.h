#pragma once

#include <string_view>

#include "calc/options.h"

namespace projcalc {

// Feet per inch: the double nearest to 1/12. Lengths are turned into inches by dividing by it,
// not by multiplying by 12, so that typed feet come out exactly as they always have.
inline constexpr double kFeetPerInch = 0.08333333333333333;
inline constexpr double kCentimetersPerInch = 2.54;

// The short sign of a unit: "in", "ft" or "cm".
[[nodiscard]] std::string_view unitSign(Unit unit) noexcept;

// A length in the given unit, in inches.
[[nodiscard]] double toInches(double value, Unit unit) noexcept;

// A length in inches, in the given unit.
[[nodiscard]] double fromInches(double value, Unit unit) noexcept;

// The whole number a typed value is rounded up to: floor(value + 0.99999999999). Any fraction
// goes up to the next whole number (2.01 gives 3) while 2.000000000001 stays 2.
[[nodiscard]] double roundUpEntry(double value) noexcept;

// How finely a shown length is rounded.
enum class Step { Whole, Tenth };

// The rounding of every shown length. At WIDE halves round up; at TELE the value is cut down,
// except that a value within a billionth (relative to its size) below a whole unit or tenth counts
// as that unit, so that 86 cm stored in inches and converted back shows 86, not 85.
[[nodiscard]] double roundForDisplay(double value, Step step, Zoom zoom) noexcept;

}  // namespace projcalc
