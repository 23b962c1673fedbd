#include "calc/typed_value.h"

#include <cmath>

#include "calc/units.h"
#include "util/numbers.h"
#include "util/text.h"

namespace projcalc {
namespace {

constexpr std::size_t kQuotedCharacters = 40;

bool onlyBlanks(std::string_view text) noexcept {
    return text.find_first_not_of(" \t\n") == std::string_view::npos;
}

AppError tooLarge(std::string_view text) {
    return makeError(ErrorCode::Overflow, "the typed value is too large to work with: " +
                                              std::string(utf8Prefix(text, kQuotedCharacters)));
}

// The text with its one decimal comma made a point; the text itself otherwise.
std::string withDecimalPoint(std::string_view text) {
    std::string read(text);
    const auto comma = read.find(',');
    if (comma != std::string::npos && read.find(',', comma + 1) == std::string::npos &&
        read.find('.') == std::string::npos)
        read[comma] = '.';
    return read;
}

}  // namespace

std::variant<TypedValue, InputRefusal, AppError> readTypedValue(Quantity box, Unit unit,
                                                                std::string_view typed,
                                                                bool decimalComma) {
    const std::string converted = decimalComma ? withDecimalPoint(typed) : std::string();
    const std::string_view text = decimalComma ? std::string_view(converted) : typed;
    const LeadingNumber number = readLeadingNumber(text);
    if (!number.found || !onlyBlanks(text.substr(number.length))) {
        return InputRefusal{box, InputProblem::NotANumber, std::string(typed)};
    }
    if (number.overflow) return tooLarge(typed);
    const double shown = roundUpEntry(number.value);
    if ((box == Quantity::Width || box == Quantity::Height) && !(shown > 0.0)) {
        return InputRefusal{box, InputProblem::NotAboveZero, std::string(typed)};
    }
    const double inches = toInches(shown, unit);
    if (!std::isfinite(inches)) return tooLarge(typed);
    return TypedValue{shown, inches};
}

std::string fillPlaceholders(std::string_view pattern, std::string_view first,
                             std::string_view second) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() &&
            (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
            text += pattern[i + 1] == '1' ? first : second;
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string refusalMessage(const InputMessages& messages, std::string_view boxCaption,
                           const InputRefusal& refusal) {
    std::string quoted(utf8Prefix(refusal.text, kQuotedCharacters));
    if (quoted.size() < refusal.text.size()) quoted += "\u2026";
    const std::string& pattern =
        refusal.problem == InputProblem::NotAboveZero ? messages.notAboveZero : messages.notANumber;
    return fillPlaceholders(pattern, boxCaption, quoted);
}

}  // namespace projcalc
