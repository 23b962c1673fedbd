#pragma once

#include <string>
#include <string_view>

#include "calc/scope.h"

namespace projcalc {

// The values a calculation file may keep after its 76th value, one "key=value" per line: the
// screen gain ("gain="), the light share ("lightPercent="), the model's lumens ("lumens=",
// "teleLumens=", kept in the file's model record) and the scope ratio ("scope=").
struct CalculationTail {
    double gain = 1.0;
    double lightPercent = 100.0;
    ScopeRatio scope = ScopeRatio::None;

    friend bool operator==(const CalculationTail&, const CalculationTail&) = default;
};

// The tail's lines, each ended by CR LF: only the keys whose value differs from its default
// (gain 1, share 100, no lumens, no scope), so a calculation without them has no tail at all.
// Numbers are written shortest, so that they read back as the same double.
[[nodiscard]] std::string writeCalculationTail(const CalculationTail& tail, double lumens,
                                               double teleLumens);

// The tail read from the text after the 76th value: unknown keys and lines without "=" are
// ignored; a key that is missing, or whose value is not a number within its range (gain above 0
// up to 10, share 1 to 100, lumens above 0) or not a scope ratio, keeps its default.
// Keys are trimmed and compared as written.
struct ReadTail {
    CalculationTail tail;
    double lumens = 0.0;
    double teleLumens = 0.0;
};
[[nodiscard]] ReadTail readCalculationTail(std::string_view rest);

}  // namespace projcalc
