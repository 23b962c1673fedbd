#include "util/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>

namespace projcalc {
namespace {

bool isIgnored(char c) noexcept {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) noexcept {
    return c >= '0' && c <= '9';
}

int digitValue(char c) noexcept {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// Digits of a "&H" or "&O" number, accumulated as a double so that very long digit strings
// overflow detectably instead of wrapping. `end` is set past the last digit, overflow or not.
LeadingNumber readRadix(std::string_view s, std::size_t pos, int radix, std::size_t& end) noexcept {
    LeadingNumber result;
    double value = 0.0;
    bool any = false;
    for (; pos < s.size() && digitValue(s[pos]) < radix; ++pos) {
        any = true;
        if (!result.overflow) {
            value = value * radix + digitValue(s[pos]);
            result.overflow = !std::isfinite(value);
        }
    }
    end = pos;
    result.found = any;
    result.value = any && !result.overflow ? value : 0.0;
    return result;
}

// The number of characters of `text` that hold its first `kept` characters other than blanks,
// and the blanks among them.
std::size_t lengthWithBlanks(std::string_view text, std::size_t kept) noexcept {
    std::size_t i = 0;
    for (; i < text.size() && kept > 0; ++i) {
        if (!isIgnored(text[i])) --kept;
    }
    return i;
}

// The decimal position of the first significant digit of a number text (1 for "5", 3 for
// "123.4", -1 for "0.05"), exponent included; very negative when the mantissa is all zeros.
long long decimalMagnitude(std::string_view s, std::size_t begin, std::size_t end) noexcept {
    std::size_t i = begin;
    long long intDigits = 0;
    long long fractionZeros = 0;
    bool seenPoint = false;
    bool significant = false;
    for (; i < end && s[i] != 'e' && s[i] != 'E'; ++i) {
        if (s[i] == '.') {
            seenPoint = true;
        } else if (significant) {
            if (!seenPoint) ++intDigits;
        } else if (s[i] != '0') {
            significant = true;
            if (!seenPoint) ++intDigits;
        } else if (seenPoint) {
            ++fractionZeros;
        }
    }
    if (!significant) return -1'000'000'000LL;
    long long exponent = 0;
    if (i < end) {
        std::size_t k = i + 1;
        bool negativeExponent = false;
        if (k < end && (s[k] == '+' || s[k] == '-')) negativeExponent = s[k++] == '-';
        for (; k < end; ++k) {
            if (exponent < 1'000'000'000LL) exponent = exponent * 10 + (s[k] - '0');
        }
        if (negativeExponent) exponent = -exponent;
    }
    return (intDigits > 0 ? intDigits : -fractionZeros) + exponent;
}

// Plain decimals of at most 15 digits and no exponent, such as "0.8333" or "300", the usual
// content of a catalogue field: the digits form an exact integer and the power of ten is exact,
// so one division gives the correctly rounded double without the general parser.
std::optional<double> readShortDecimal(std::string_view s) noexcept {
    static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::uint64_t digits = 0;
    int count = 0;
    int fraction = -1;  // digits after the point, -1 before it
    for (char c : s) {
        if (c == '.') {
            fraction = 0;
            continue;
        }
        if (!isDigit(c) || ++count > 15) return std::nullopt;
        digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
        if (fraction >= 0) ++fraction;
    }
    const double value = static_cast<double>(digits);
    return fraction > 0 ? value / kPowers[fraction] : value;
}

// Reads the number at the start of `s`, a text without blanks; `end` is set past its last
// character.
LeadingNumber readStripped(std::string_view s, std::size_t& end) noexcept {
    end = 0;
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') return readRadix(s, 2, 16, end);
        if (s[1] == 'O' || s[1] == 'o') return readRadix(s, 2, 8, end);
    }

    std::size_t pos = 0;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        negative = s[pos] == '-';
        ++pos;
    }
    const std::size_t mantissaStart = pos;
    std::size_t digits = 0;
    while (pos < s.size() && isDigit(s[pos])) {
        ++pos;
        ++digits;
    }
    if (pos < s.size() && s[pos] == '.') {
        ++pos;
        while (pos < s.size() && isDigit(s[pos])) {
            ++pos;
            ++digits;
        }
    }
    LeadingNumber result;
    if (digits == 0) return result;
    std::size_t last = pos;
    if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
        std::size_t e = pos + 1;
        if (e < s.size() && (s[e] == '+' || s[e] == '-')) ++e;
        if (e < s.size() && isDigit(s[e])) {
            while (e < s.size() && isDigit(s[e]))
                ++e;
            last = e;
        }
    }
    result.found = true;
    end = last;

    if (const auto fast = readShortDecimal(s.substr(mantissaStart, last - mantissaStart))) {
        result.value = negative ? -*fast : *fast;
        if (result.value == 0.0) result.value = 0.0;
        return result;
    }

    const char* first = s.data() + mantissaStart;
    const char* stop = s.data() + last;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(first, stop, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: overflow is reported, underflow reads as 0.
        if (decimalMagnitude(s, mantissaStart, last) > 0) result.overflow = true;
        return result;
    }
    if (ec != std::errc() || ptr != stop) {
        end = 0;
        return LeadingNumber{};
    }
    if (negative) value = -value;
    result.value = value == 0.0 ? 0.0 : value;
    return result;
}

}  // namespace

LeadingNumber readLeadingNumber(std::string_view text) noexcept {
    // Most texts hold nothing to skip and are read in place (a plain loop: find_first_of would
    // call memchr once per character); only the others are copied without their blanks.
    bool anyBlank = false;
    for (char c : text)
        anyBlank = anyBlank || isIgnored(c);
    std::size_t end = 0;
    if (!anyBlank) {
        LeadingNumber result = readStripped(text, end);
        result.length = result.found ? end : 0;
        return result;
    }
    try {
        std::string stripped;
        for (char c : text) {
            if (!isIgnored(c)) stripped.push_back(c);
        }
        LeadingNumber result = readStripped(stripped, end);
        if (result.found) result.length = lengthWithBlanks(text, end);
        return result;
    } catch (...) {
        return {};
    }
}

std::string formatGeneral(double value) {
    if (value == 0.0 || !std::isfinite(value)) return "0";
    char buffer[64];
    const auto [ptr, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    if (ec != std::errc()) return "0";
    std::string text(buffer, ptr);
    // Near the largest double, 15 digits may round up past it; the shortest exact text does not.
    if (readLeadingNumber(text).overflow) {
        const auto exact = std::to_chars(buffer, buffer + sizeof buffer, value);
        text.assign(buffer, exact.ptr);
    }
    return text;
}

std::string formatFixed(double value, int decimals) {
    if (!std::isfinite(value)) return "0";
    const double scale = decimals == 0 ? 1.0 : std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;  // halves away from zero
    if (!std::isfinite(rounded)) rounded = value;
    if (rounded == 0.0) rounded = 0.0;  // no negative zero
    char buffer[400];
    const auto [ptr, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, decimals);
    if (ec != std::errc()) return "0";
    return std::string(buffer, ptr);
}

double roundHalfEven(double value) noexcept {
    const double r = std::nearbyint(value);  // the default rounding mode rounds halves to even
    return r == 0.0 ? 0.0 : r;
}

}  // namespace projcalc
