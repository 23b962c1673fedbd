#include "files/calculation_tail.h"

#include <charconv>
#include <cmath>

#include "calc/light.h"
#include "models/plain_number.h"
#include "util/text.h"

namespace projcalc {
namespace {

std::string plainText(double value) {
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string("0");
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
        if (key == "gain") {
            if (const auto gain = readScreenGain(value)) read.tail.gain = *gain;
        } else if (key == "lightPercent") {
            if (const auto percent = readLightShare(value)) read.tail.lightPercent = *percent;
        } else if (key == "lumens") {
            if (const auto lumens = readPositivePlainNumber(value)) read.lumens = *lumens;
        } else if (key == "teleLumens") {
            if (const auto lumens = readPositivePlainNumber(value)) read.teleLumens = *lumens;
        } else if (key == "scope") {
            if (const auto scope = readScopeRatio(value)) read.tail.scope = *scope;
        }
    }
    return read;
}

}  // namespace projcalc
