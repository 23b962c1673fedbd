#include "core/report_date.h"

#include <chrono>
#include <cstdio>

namespace projcalc {

std::optional<std::string> isoDateOf(std::int64_t secondsSinceEpoch) {
    if (secondsSinceEpoch < 0 || secondsSinceEpoch > kLatestReportTime) return std::nullopt;
    using namespace std::chrono;
    const sys_days day = floor<days>(sys_seconds(seconds(secondsSinceEpoch)));
    const year_month_day date(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return std::string(text);
}

std::variant<ReportDate, AppError> reportDate(std::optional<std::string_view> sourceDateEpoch,
                                              const std::string& today) {
    if (!sourceDateEpoch) return ReportDate{today, std::nullopt};
    const std::string_view value = *sourceDateEpoch;
    const auto malformed = [&value] {
        return makeError(ErrorCode::InvalidArgument,
                         "SOURCE_DATE_EPOCH \"" + std::string(value) +
                             "\" is not a number of seconds since 1970 up to the year 9999");
    };
    if (value.empty()) return malformed();
    std::int64_t seconds = 0;
    for (const char c : value) {
        if (c < '0' || c > '9') return malformed();
        seconds = seconds * 10 + (c - '0');
        // Past the latest date, before further digits could overflow.
        if (seconds > kLatestReportTime) return malformed();
    }
    const std::optional<std::string> date = isoDateOf(seconds);
    if (!date) return malformed();
    return ReportDate{*date, seconds};
}

}  // namespace projcalc
