#include "models/plain_number.h"

#include "util/numbers.h"

namespace projcalc {

std::optional<double> readPositivePlainNumber(std::string_view text, bool decimalComma) noexcept {
    const std::optional<double> value = readPlainNumber(text, decimalComma);
    if (!value || !(*value > 0.0)) return std::nullopt;
    return value;
}

}  // namespace projcalc
