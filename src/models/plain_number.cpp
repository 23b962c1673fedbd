#include "models/plain_number.h"

#include <charconv>
#include <cmath>
#include <string>

namespace projcalc {
namespace {

// The plain-number rule of the program, in one place: the shared reader of util/ will take its
// place here.
std::optional<double> readPlain(std::string_view text, bool decimalComma) noexcept {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (text.front() == '+' || text.front() == '-') {
        if (text.front() == '-') return std::nullopt;
        text.remove_prefix(1);
    }
    char digits[64];
    if (text.size() >= sizeof digits) return std::nullopt;  // far beyond any light value
    std::size_t length = 0;
    bool point = false;
    bool digit = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' || (decimalComma && c == ',')) {
            if (point) return std::nullopt;
            point = true;
        } else {
            return std::nullopt;
        }
        digits[length++] = c == ',' ? '.' : c;
    }
    if (!digit) return std::nullopt;
    double value = 0.0;
    const auto result = std::from_chars(digits, digits + length, value);
    if (result.ec != std::errc() || result.ptr != digits + length || !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<double> readPositivePlainNumber(std::string_view text, bool decimalComma) noexcept {
    const std::optional<double> value = readPlain(text, decimalComma);
    if (!value || !(*value > 0.0)) return std::nullopt;
    return value;
}

}  // namespace projcalc
