#include "calc/limit_message.h"

#include "calc/units.h"
#include "util/numbers.h"
#include "util/text.h"

namespace projcalc {

std::string limitMessage(const LimitMessages& messages, Unit unit, const LimitHit& hit) {
    const auto u = static_cast<std::size_t>(indexOf(unit));
    const std::string& message =
        hit.side == LimitHit::Side::TooLarge ? messages.tooLarge[u] : messages.tooSmall[u];
    std::string text = replaceAll(message, "%1", formatGeneral(fromInches(hit.limit, unit)));
    if (unit != Unit::Inches) text = replaceAll(text, "%2", formatGeneral(hit.limit));
    return text;
}

}  // namespace projcalc
