#pragma once

#include <array>
#include <string>

#include "calc/options.h"
#include "calc/solve.h"

namespace projcalc {

// The too-large and too-small messages, by unit. "%1" stands for the limit in the selected unit
// and, for feet and centimeters, "%2" for the limit in inches.
struct LimitMessages {
    std::array<std::string, 3> tooLarge;
    std::array<std::string, 3> tooSmall;

    friend bool operator==(const LimitMessages&, const LimitMessages&) = default;
};

// The message for a diagonal that crossed a limit, with its placeholders filled in.
[[nodiscard]] std::string limitMessage(const LimitMessages& messages, Unit unit,
                                       const LimitHit& hit);

}  // namespace projcalc
