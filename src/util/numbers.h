#pragma once

#include <optional>
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

// How readDecimal found a text.
enum class DecimalStatus {
    Read,        // a number; `value` holds it
    NotANumber,  // not a number in the form below
    TooLarge,    // a number beyond the largest double
};

struct DecimalValue {
    double value = 0.0;  // 0 unless Read
    DecimalStatus status = DecimalStatus::NotANumber;
};

// Reads a whole text as one number in the form every build of the program writes: an optional
// sign ("+" or "-"), digits with at most one ".", at least one digit, an optional exponent ("e"
// or "E", an optional sign, digits). No blanks, no "inf" or "nan", nothing after it. A number
// too small for a double reads as the nearest one (0 or a subnormal); negative zero reads as 0.
// The same in every build and locale: the standard library of some toolchains has no
// floating-point std::from_chars.
[[nodiscard]] DecimalValue readDecimal(std::string_view text) noexcept;

// Reads a whole text as a plain decimal number, as typed in a field: blanks (space, tab) around
// it, an optional sign ("+" or "-"), digits with at most one decimal separator ("."; with
// `decimalComma` also ","), at least one digit; no exponent, no "&H" or "&O", nothing else.
// Gives the value when it is a finite double, nothing otherwise. Whether a sign or a value not
// above 0 is acceptable is the caller's question.
[[nodiscard]] std::optional<double> readPlainNumber(std::string_view text,
                                                    bool decimalComma = false) noexcept;

// The shortest text that reads back as the same double, as std::to_chars writes it: fixed
// notation unless scientific is shorter ("152.4", "1e-05", "1e+20", "1.5e+300"). Non-finite
// values are written "inf", "-inf" and "nan"; negative zero "-0".
[[nodiscard]] std::string formatShortest(double value);

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
