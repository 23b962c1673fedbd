#include "files/calculation_tail.h"

#include <cmath>

#include "calc/light.h"
#include "util/numbers.h"
#include "util/text.h"

namespace projcalc {
namespace {

std::string plainText(double value) {
    return formatShortest(value);
}

// A number as the writer writes it (an exponent allowed), blanks around it; nothing otherwise.
std::optional<double> numberOf(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    const DecimalValue number = readDecimal(text);
    if (number.status != DecimalStatus::Read) return std::nullopt;
    return number.value;
}

std::optional<double> within(std::optional<double> value, double above, double upTo,
                             bool fromIncluded) {
    if (!value) return std::nullopt;
    if (fromIncluded ? *value < above : !(*value > above)) return std::nullopt;
    if (*value > upTo) return std::nullopt;
    return value;
}

}  // namespace

std::string writeCalculationTail(const CalculationTail& tail, double lumens, double teleLumens) {
    std::string out;
    const auto line = [&out](std::string_view key, const std::string& value) {
        out += key;
        out += '=';
        out += value;
        out += "\r\n";
    };
    if (tail.gain != 1.0 && std::isfinite(tail.gain)) line("gain", plainText(tail.gain));
    if (tail.lightPercent != 100.0 && std::isfinite(tail.lightPercent))
        line("lightPercent", plainText(tail.lightPercent));
    if (lumens > 0.0 && std::isfinite(lumens)) line("lumens", plainText(lumens));
    if (teleLumens > 0.0 && std::isfinite(teleLumens)) line("teleLumens", plainText(teleLumens));
    if (tail.scope != ScopeRatio::None) line("scope", std::string(scopeRatioText(tail.scope)));
    return out;
}

ReadTail readCalculationTail(std::string_view rest) {
    ReadTail read;
    for (const std::string_view line : splitLinesAtAnyEnd(rest)) {
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view key = trimBlanks(line.substr(0, equals));
        const std::string_view value = line.substr(equals + 1);
        const std::optional<double> number = numberOf(value);
        constexpr double kAny = 1e300;
        if (key == "gain") {
            if (const auto gain = within(number, 0.0, kMaxScreenGain, false))
                read.tail.gain = *gain;
        } else if (key == "lightPercent") {
            if (const auto percent = within(number, 1.0, 100.0, true))
                read.tail.lightPercent = *percent;
        } else if (key == "lumens") {
            if (const auto lumens = within(number, 0.0, kAny, false)) read.lumens = *lumens;
        } else if (key == "teleLumens") {
            if (const auto lumens = within(number, 0.0, kAny, false)) read.teleLumens = *lumens;
        } else if (key == "scope") {
            if (const auto scope = readScopeRatio(value)) read.tail.scope = *scope;
        }
    }
    return read;
}

}  // namespace projcalc
