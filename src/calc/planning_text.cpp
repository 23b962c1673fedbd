#include "calc/planning_text.h"

#include <charconv>
#include <cmath>

#include "calc/units.h"
#include "util/numbers.h"
#include "util/text.h"

namespace projcalc {
namespace {

constexpr const char* kFootSign = "\u2032";
constexpr const char* kInchSign = "\u2033";

// Below this many units a rounded length is written through whole numbers, which is quick; a
// larger one (far beyond any room) through formatFixed.
constexpr double kWholeLimit = 1e15;

void appendWhole(std::string& text, long long value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text.append(digits, end);
}

// The sign of a length whose rounded value is not 0: no "-0".
void appendSign(std::string& text, double value, long long rounded) {
    if (value < 0 && rounded > 0) text += '-';
}

std::string feetAndInches(double inches) {
    const double whole = std::round(std::fabs(inches));  // halves away from zero
    if (!(whole < kWholeLimit)) {
        const double feet = std::floor(whole / 12.0);
        return (inches < 0 ? "-" : "") + formatFixed(feet, 0) + kFootSign + " " +
               formatFixed(whole - feet * 12.0, 0) + kInchSign;
    }
    const auto total = static_cast<long long>(whole);
    std::string text;
    text.reserve(16);
    appendSign(text, inches, total);
    appendWhole(text, total / 12);
    text += kFootSign;
    text += ' ';
    appendWhole(text, total % 12);
    text += kInchSign;
    return text;
}

// A length to one decimal, halves away from zero, and its unit sign.
std::string withTenths(double value, const char* unitSign) {
    const double tenths = std::round(std::fabs(value) * 10.0);
    if (!(tenths < kWholeLimit)) return formatFixed(value, 1) + unitSign;
    const auto whole = static_cast<long long>(tenths);
    std::string text;
    text.reserve(16);
    appendSign(text, value, whole);
    appendWhole(text, whole / 10);
    text += '.';
    text += static_cast<char>('0' + whole % 10);
    text += unitSign;
    return text;
}

PlanningEndText endText(const std::optional<EndResult>& end, double Solution::*length, Unit unit) {
    if (!end) return {};
    return {planningLengthText(end->solution.*length, unit), !end->withinLimits};
}

}  // namespace

std::string planningLengthText(double inches, Unit unit) {
    if (!std::isfinite(inches)) return kNoPlanningValue;
    switch (unit) {
        case Unit::Feet:
            return feetAndInches(inches);
        case Unit::Centimeters: {
            const double centimetres = fromInches(inches, Unit::Centimeters);
            if (!std::isfinite(centimetres)) return kNoPlanningValue;
            return withTenths(centimetres, " cm");
        }
        case Unit::Inches:
            break;
    }
    return withTenths(inches, kInchSign);
}

PlanningTexts planningTexts(const std::optional<Planning>& planning, Unit unit) {
    PlanningTexts texts;
    if (!planning) return texts;
    for (const Zoom zoom : kAllZooms) {
        const auto i = static_cast<std::size_t>(indexOf(zoom));
        texts.throwDistance[i] = endText(planning->throwAt(zoom), &Solution::distance, unit);
        texts.imageDiagonal[i] = endText(planning->imageAt(zoom), &Solution::diagonal, unit);
    }
    for (const SeatingAngle angle : kAllSeatingAngles) {
        texts.seating[static_cast<std::size_t>(angle)] =
            planningLengthText(planning->seatFor(angle), unit);
    }
    return texts;
}

std::string throwRatioText(const std::optional<double>& ratio) {
    if (!ratio || !std::isfinite(*ratio)) return kNoPlanningValue;
    return formatFixed(*ratio, 2) + " : 1";
}

std::string lightEndText(const std::optional<EndLight>& light, std::string_view pattern,
                         const std::array<std::string, 5>& ratingWords) {
    if (!light || !std::isfinite(light->footLamberts)) return kNoPlanningValue;
    const auto rating = static_cast<std::size_t>(light->rating);
    std::string text = replaceAll(std::string(pattern), "%1", formatFixed(light->footLamberts, 1));
    text = replaceAll(std::move(text), "%2", formatFixed(light->nits, 0));
    return replaceAll(std::move(text), "%3",
                      rating < ratingWords.size() ? ratingWords[rating] : "");
}

}  // namespace projcalc
