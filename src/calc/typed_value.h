#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "calc/options.h"
#include "util/errors.h"

namespace projcalc {

// A value typed into a value box, once read: the whole number the box shows in the selected unit,
// and that length in inches.
struct TypedValue {
    double shown = 0.0;
    double inches = 0.0;

    friend bool operator==(const TypedValue&, const TypedValue&) = default;
};

// Why a typed text is refused before anything is solved from it.
enum class InputProblem {
    NotANumber,    // no number, or something other than blanks after it ("150,7", "120abc")
    NotAboveZero,  // a width or height that rounds up to 0 or less
};

// A refused text: which box, why, and the text as the user typed it.
struct InputRefusal {
    Quantity box = Quantity::Distance;
    InputProblem problem = InputProblem::NotANumber;
    std::string text;

    friend bool operator==(const InputRefusal&, const InputRefusal&) = default;
};

// The messages of a refusal. "%1" stands for the box's caption and "%2" for the typed text.
struct InputMessages {
    std::string notANumber = "%1: \u201c%2\u201d is not a number. Use a point for decimals.";
    std::string notAboveZero = "%1: \u201c%2\u201d must be above 0.";

    friend bool operator==(const InputMessages&, const InputMessages&) = default;
};

// Reads what the user typed into a value box. The text must be one number (as readLeadingNumber
// reads it: blanks anywhere, a sign, a "." for decimals, an exponent, "&H" and "&O") with nothing
// but blanks after it. The number is rounded up to a whole number (roundUpEntry); a width or
// height must then be above 0. A diagonal or distance below the model's limits is left to the
// limits. A number too large to work with is an overflow error, in any unit.
//
// With `decimalComma` (an interface language that writes one) a text holding one "," and no "."
// reads the comma as the decimal point: "150,7" is 150.7. A point still works there; a text with
// both, or with two commas, is refused, since it could mean either.
[[nodiscard]] std::variant<TypedValue, InputRefusal, AppError> readTypedValue(
    Quantity box, Unit unit, std::string_view text, bool decimalComma = false);

// The message for a refused text, naming the box by `boxCaption`. The text is quoted as typed,
// cut after 40 characters.
[[nodiscard]] std::string refusalMessage(const InputMessages& messages, std::string_view boxCaption,
                                         const InputRefusal& refusal);

// `pattern` with each "%1" replaced by `first` and each "%2" by `second`, in one pass, so that a
// replacement that holds "%2" itself stays as it is.
[[nodiscard]] std::string fillPlaceholders(std::string_view pattern, std::string_view first,
                                           std::string_view second);

}  // namespace projcalc
