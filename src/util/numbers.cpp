#include "util/numbers.h"

#include <fast_float/fast_float.h>
#include <fmt/format.h>

#include <array>
#include <cmath>
#include <cstddef>
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

    const DecimalValue read = readDecimal(s.substr(mantissaStart, last - mantissaStart));
    if (read.status == DecimalStatus::TooLarge) {
        result.overflow = true;
        return result;
    }
    if (read.status != DecimalStatus::Read) {
        end = 0;
        return LeadingNumber{};
    }
    result.value = negative ? -read.value : read.value;
    if (result.value == 0.0) result.value = 0.0;
    return result;
}

// Where a number text in readDecimal's form ends: past its last character, or 0 when `s` does
// not begin with one.
std::size_t decimalEnd(std::string_view s) noexcept {
    std::size_t pos = 0;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) ++pos;
    std::size_t digits = 0;
    for (; pos < s.size() && isDigit(s[pos]); ++pos)
        ++digits;
    if (pos < s.size() && s[pos] == '.') {
        for (++pos; pos < s.size() && isDigit(s[pos]); ++pos)
            ++digits;
    }
    if (digits == 0) return 0;
    if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
        std::size_t e = pos + 1;
        if (e < s.size() && (s[e] == '+' || s[e] == '-')) ++e;
        if (e >= s.size() || !isDigit(s[e])) return 0;
        for (; e < s.size() && isDigit(s[e]); ++e) {
        }
        pos = e;
    }
    return pos;
}

// The digits and decimal exponent of the shortest text that reads back as `value` (finite, not
// zero, positive): value = 0.DIGITS times ten to the power `point`.
struct ShortestDigits {
    std::string digits;
    int point = 0;
};

ShortestDigits shortestDigits(double value) {
    // {fmt} writes the shortest digits, in fixed or scientific notation by a rule of its own.
    const std::string text = fmt::format("{}", value);
    ShortestDigits out;
    int beforePoint = 0;
    bool seenPoint = false;
    std::size_t i = 0;
    for (; i < text.size() && text[i] != 'e'; ++i) {
        const char c = text[i];
        if (c == '.') {
            seenPoint = true;
        } else if (out.digits.empty() && c == '0') {
            if (seenPoint) --beforePoint;  // a leading zero after the point
        } else {
            out.digits.push_back(c);
            if (!seenPoint) ++beforePoint;
        }
    }
    int exponent = 0;
    if (i < text.size()) {
        const std::string_view e = std::string_view(text).substr(i + 1);
        const bool negative = !e.empty() && e.front() == '-';
        for (char c : e) {
            if (isDigit(c)) exponent = exponent * 10 + (c - '0');
        }
        if (negative) exponent = -exponent;
    }
    while (!out.digits.empty() && out.digits.back() == '0')
        out.digits.pop_back();
    out.point = beforePoint + exponent;
    return out;
}

// 10 to the power of decimals. The powers up to 10^22 are whole doubles, so the table holds the
// very numbers std::pow gives; a start formats dozens of numbers and need not load pow's code
// and tables for them.
double powerOfTen(int decimals) {
    static constexpr std::array<double, 23> kPowers = {
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (decimals >= 0 && static_cast<std::size_t>(decimals) < kPowers.size())
        return kPowers[static_cast<std::size_t>(decimals)];
    return std::pow(10.0, decimals);
}

}  // namespace

DecimalValue readDecimal(std::string_view text) noexcept {
    DecimalValue result;
    if (text.empty() || decimalEnd(text) != text.size()) return result;
    const bool negative = text.front() == '-';
    if (text.front() == '+' || text.front() == '-') text.remove_prefix(1);
    double value = 0.0;
    const char* stop = text.data() + text.size();
    const auto [ptr, ec] =
        fast_float::from_chars(text.data(), stop, value, fast_float::chars_format::general);
    if (ec != std::errc() || ptr != stop) return result;
    if (!std::isfinite(value)) {
        result.status = DecimalStatus::TooLarge;
        return result;
    }
    result.value = value == 0.0 ? 0.0 : (negative ? -value : value);
    result.status = DecimalStatus::Read;
    return result;
}

std::optional<double> readPlainNumber(std::string_view text, bool decimalComma) noexcept {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    std::size_t digits = 0;
    std::size_t comma = std::string_view::npos;
    bool separator = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            ++digits;
        } else if (c == '.' || (decimalComma && c == ',')) {
            if (separator) return std::nullopt;
            separator = true;
            if (c == ',') comma = i;
        } else if (i != 0 || (c != '+' && c != '-')) {
            return std::nullopt;
        }
    }
    if (digits == 0) return std::nullopt;
    DecimalValue read;
    if (comma == std::string_view::npos) {
        read = readDecimal(text);
    } else {
        try {
            std::string withPoint(text);
            withPoint[comma] = '.';
            read = readDecimal(withPoint);
        } catch (...) {
            return std::nullopt;
        }
    }
    if (read.status != DecimalStatus::Read) return std::nullopt;
    return read.value;
}

std::string formatShortest(double value) {
    if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    if (value == 0.0) return std::signbit(value) ? "-0" : "0";
    const std::string sign = value < 0 ? "-" : "";
    const ShortestDigits d = shortestDigits(std::fabs(value));
    const int count = static_cast<int>(d.digits.size());

    std::string scientific = sign;
    scientific += d.digits.front();
    if (count > 1) {
        scientific += '.';
        scientific += d.digits.substr(1);
    }
    const int exponent = d.point - 1;
    scientific += exponent < 0 ? "e-" : "e+";
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10) scientific += '0';
    scientific += std::to_string(magnitude);

    std::string fixed = sign;
    if (d.point <= 0) {
        fixed += "0.";
        fixed.append(static_cast<std::size_t>(-d.point), '0');
        fixed += d.digits;
    } else if (d.point >= count) {
        // A whole number: its exact digits, as many as the point says. Only worth writing out
        // when no longer than the scientific text.
        if (sign.size() + static_cast<std::size_t>(d.point) > scientific.size()) return scientific;
        fixed += fmt::format("{:.0f}", std::fabs(value));
    } else {
        fixed += d.digits.substr(0, static_cast<std::size_t>(d.point));
        fixed += '.';
        fixed += d.digits.substr(static_cast<std::size_t>(d.point));
    }

    return scientific.size() < fixed.size() ? scientific : fixed;
}

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
    std::string text = fmt::format("{:.15g}", value);
    // Near the largest double, 15 digits may round up past it; the shortest exact text does not.
    if (readLeadingNumber(text).overflow) text = formatShortest(value);
    return text;
}

std::string formatFixed(double value, int decimals) {
    if (!std::isfinite(value)) return "0";
    const double scale = powerOfTen(decimals);
    double rounded = std::round(value * scale) / scale;  // halves away from zero
    if (!std::isfinite(rounded)) rounded = value;
    if (rounded == 0.0) rounded = 0.0;  // no negative zero
    return fmt::format("{:.{}f}", rounded, decimals < 0 ? 0 : decimals);
}

double roundHalfEven(double value) noexcept {
    // Below 2^52 a double has a fraction; adding 2^52 pushes it out of the number, rounded the
    // default way (halves to even), and taking 2^52 away again leaves the whole number:
    // std::nearbyint's result without its library call. From 2^52 up every double is whole.
    constexpr double kTwoTo52 = 0x1p52;
    double r = value;
    if (std::fabs(value) < kTwoTo52)
        r = value < 0 ? (value - kTwoTo52) + kTwoTo52 : (value + kTwoTo52) - kTwoTo52;
    return r == 0.0 ? 0.0 : r;
}

}  // namespace projcalc
