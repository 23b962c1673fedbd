// The date a report carries and the paper it is laid out on when no printer decides.
#include <gtest/gtest.h>

#include "core/report_date.h"
#include "core/report_paper.h"

namespace projcalc {
namespace {

struct DateCase {
    const char* sourceDateEpoch;  // nullptr: not set
    const char* expected;         // nullptr: an error
};

TEST(ReportDate, ComesFromSourceDateEpochWhenSetAndRefusesAMalformedOne) {
    const DateCase cases[] = {
        {nullptr, "2031-07-04"},  // today, as the caller gives it
        {"0", "1970-01-01"},
        {"1714521600", "2024-05-01"},
        {"1714607999", "2024-05-01"},  // the last second of that day, in UTC
        {"951782400", "2000-02-29"},
        {"0001714521600", "2024-05-01"},  // leading zeros are still a number
        {"253402300799", "9999-12-31"},
        {"253402300800", nullptr},  // a five-digit year
        {"9999999999999", nullptr},
        {"", nullptr},
        {"-1", nullptr},
        {"+5", nullptr},
        {" 1714521600", nullptr},
        {"1714521600 ", nullptr},
        {"1714521600.5", nullptr},
        {"1e9", nullptr},
        {"today", nullptr},
    };
    for (const DateCase& c : cases) {
        SCOPED_TRACE(c.sourceDateEpoch != nullptr ? c.sourceDateEpoch : "(unset)");
        const auto epoch = c.sourceDateEpoch != nullptr
                               ? std::optional<std::string_view>(c.sourceDateEpoch)
                               : std::nullopt;
        const auto date = reportDate(epoch, "2031-07-04");
        if (c.expected != nullptr) {
            ASSERT_TRUE(std::holds_alternative<ReportDate>(date));
            EXPECT_EQ(std::get<ReportDate>(date).text, c.expected);
            // A date that came from the variable fixes the document's own time stamps too.
            EXPECT_EQ(std::get<ReportDate>(date).epoch.has_value(), c.sourceDateEpoch != nullptr);
        } else {
            ASSERT_TRUE(std::holds_alternative<AppError>(date));
            EXPECT_NE(std::get<AppError>(date).description.find("SOURCE_DATE_EPOCH"),
                      std::string::npos);
        }
    }
}

TEST(ReportPaper, FollowsTheLocalesTerritory) {
    const std::pair<const char*, Paper> cases[] = {
        {"en_US.UTF-8", Paper::Letter},
        {"es_US", Paper::Letter},
        {"en_CA.UTF-8", Paper::Letter},
        {"fr_CA.UTF-8", Paper::Letter},
        {"es_MX.utf8", Paper::Letter},
        {"en_PH.UTF-8", Paper::Letter},
        {"fil_PH", Paper::Letter},
        {"es_CL.UTF-8", Paper::Letter},
        {"en_US@calendar", Paper::Letter},
        {"en_GB.UTF-8", Paper::A4},
        {"de_DE@euro", Paper::A4},
        {"ja_JP.UTF-8", Paper::A4},
        {"en_AU.UTF-8", Paper::A4},
        {"C", Paper::A4},
        {"C.UTF-8", Paper::A4},
        {"POSIX", Paper::A4},
        {"", Paper::A4},
        {"en", Paper::A4},
        {"US", Paper::A4},  // a language code only, not the territory
    };
    for (const auto& [locale, paper] : cases) {
        SCOPED_TRACE(locale);
        EXPECT_EQ(paperForLocale(locale), paper);
    }
}

TEST(ReportPaper, TheLocaleIsLcAllThenLcPaperThenLang) {
    EXPECT_EQ(paperLocaleName("de_DE", "en_US", "fr_CA"), "de_DE");
    EXPECT_EQ(paperLocaleName("", "en_US", "fr_FR"), "en_US");
    EXPECT_EQ(paperLocaleName("", "", "fr_CA"), "fr_CA");
    EXPECT_EQ(paperLocaleName("", "", ""), "");
}

}  // namespace
}  // namespace projcalc
