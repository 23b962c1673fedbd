#pragma once

#include <string>
#include <string_view>

namespace projcalc {

// The result of reading the number at the start of a text.
struct LeadingNumber {
    double value = 0.0;     // 0 when the text holds no number, or when it overflowed
    bool overflow = false;  // the number is too large for a double
    bool found = false;     // the text began with a number (after skipping blanks)
    // How many characters of the text lie before the end of the number, the blanks before and
    // inside it included; 0 when no number was found. What follows is not part of the number.
    std::size_t length = 0;
};

// Reads the leading number of a text the way every number in the program is read (catalogue
// fields, typed values, language values): blanks, tabs and line feeds are ignored anywhere; the
// longest numeric prefix counts (sign, digits, one ".", an exponent with "e" or "E"); "&H" and
// "&O" introduce hexadecimal and octal digits. "." is the decimal separator under every locale.
// Never throws; a value too large for a double is reported through `overflow`, never as inf.
[[nodiscard]] LeadingNumber readLeadingNumber(std::string_view text) noexcept;

// General decimal text with at most 15 significant digits and no trailing zeros, "." as the
// decimal separator: 16.6666666666667, 152.4, 60. Negative zero is written "0".
[[nodiscard]] std::string formatGeneral(double value);

// Fixed-point text with the given number of decimals, as the display patterns "0" (0 decimals)
// and "0.0" (1 decimal) write it; halves round away from zero. Never writes "-0" or "-0.0".
[[nodiscard]] std::string formatFixed(double value, int decimals);

// Rounds to the nearest integer, halves to the even neighbour.
[[nodiscard]] double roundHalfEven(double value) noexcept;

// The larger of two values; equal values give the second (y).
template <typename T>
[[nodiscard]] constexpr T maxOf(T x, T y) noexcept {
    return x > y ? x : y;
}

}  // namespace projcalc
