#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "util/errors.h"

namespace projcalc {

// The latest moment a report can be dated: the last second of the year 9999, in seconds since
// 1970-01-01 UTC. Dates keep four-digit years.
inline constexpr std::int64_t kLatestReportTime = 253402300799;

// The calendar date (UTC) of a moment in seconds since 1970-01-01 UTC, as ISO 8601 writes it:
// "2024-05-01". Nothing for a moment before 1970 or after kLatestReportTime.
[[nodiscard]] std::optional<std::string> isoDateOf(std::int64_t secondsSinceEpoch);

// The date a report carries, and the moment that fixed it.
struct ReportDate {
    std::string text;                   // "2024-05-01"
    std::optional<std::int64_t> epoch;  // the SOURCE_DATE_EPOCH it comes from, when it does

    friend bool operator==(const ReportDate&, const ReportDate&) = default;
};

// A SOURCE_DATE_EPOCH that is set (`sourceDateEpoch`) fixes the date, so that a report can be
// made again byte for byte: its UTC date. It must be a whole number of seconds, decimal digits
// only, up to kLatestReportTime; anything else is an error naming the variable, never silently
// replaced by today. Unset, the date is `today` as the caller gives it.
[[nodiscard]] std::variant<ReportDate, AppError> reportDate(
    std::optional<std::string_view> sourceDateEpoch, const std::string& today);

}  // namespace projcalc
