#include "util/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace projcalc {
namespace {

struct ReadCase {
    const char* text;
    double value;
    bool found;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class LeadingNumberTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(LeadingNumberTest, ReadsTheLongestNumericPrefix) {
    const ReadCase& c = GetParam();
    const LeadingNumber n = readLeadingNumber(c.text);
    EXPECT_DOUBLE_EQ(n.value, c.value) << '"' << c.text << '"';
    EXPECT_EQ(n.found, c.found) << '"' << c.text << '"';
    EXPECT_FALSE(n.overflow);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberTest,
    ::testing::Values(ReadCase{"12.5", 12.5, true}, ReadCase{"  12.5  ", 12.5, true},
                      ReadCase{"1 2\t3\n4", 1234, true}, ReadCase{"12.5.6", 12.5, true},
                      ReadCase{"12,5", 12, true}, ReadCase{"-7.25mm", -7.25, true},
                      ReadCase{"+3", 3, true}, ReadCase{".5", 0.5, true}, ReadCase{"5.", 5, true},
                      ReadCase{"1e3", 1000, true}, ReadCase{"1E-2x", 0.01, true},
                      ReadCase{"2e", 2, true}, ReadCase{"2e+", 2, true},
                      ReadCase{"3 e 2", 300, true}, ReadCase{"&HFF", 255, true},
                      ReadCase{"&hff", 255, true}, ReadCase{"&O17", 15, true},
                      ReadCase{"&HFFFFFFFF", 4294967295.0, true}, ReadCase{"&H", 0, false},
                      ReadCase{"&Z12", 0, false}, ReadCase{"", 0, false}, ReadCase{"abc", 0, false},
                      ReadCase{"-", 0, false}, ReadCase{".", 0, false}, ReadCase{"-0", 0, true},
                      ReadCase{"1e-400", 0, true}, ReadCase{"0.000e999999", 0, true},
                      ReadCase{"12pt", 12, true}, ReadCase{"\r12", 0, false}));

// How much of the text the number took: what follows it is not part of it.
TEST(LeadingNumber, ReportsTheLengthOfTheNumberWithItsBlanks) {
    const std::pair<std::string, std::size_t> cases[] = {
        {"12.5", 4}, {"  12.5  ", 6}, {"1 2\t3\n4x", 7}, {"12,5", 2},   {"2e", 1},
        {"2e+", 1},  {"3 e 2", 5},    {"&HFFG", 4},      {"&o17 8", 4}, {"abc", 0},
        {"", 0},     {"-", 0},        {"1e999 ", 5},     {"-0.0mm", 4}};
    for (const auto& [text, length] : cases)
        EXPECT_EQ(readLeadingNumber(text).length, length) << '"' << text << '"';
    const std::string hugeRadix = "&H" + std::string(300, 'F') + " z";
    EXPECT_EQ(readLeadingNumber(hugeRadix).length, 302u);
}

TEST(LeadingNumber, NegativeZeroReadsAsPlainZero) {
    EXPECT_FALSE(std::signbit(readLeadingNumber("-0.0").value));
}

TEST(LeadingNumber, ReportsNumbersTooLargeForADouble) {
    for (const char* text : {"1e999", "-1e999", "1e309", "123456789e301"}) {
        const LeadingNumber n = readLeadingNumber(text);
        EXPECT_TRUE(n.overflow) << text;
        EXPECT_EQ(n.value, 0.0) << text;
    }
    EXPECT_FALSE(readLeadingNumber("1.7976931348623157e308").overflow);
    EXPECT_TRUE(readLeadingNumber("&H" + std::string(300, 'F')).overflow);
}

TEST(LeadingNumber, NeverThrowsOnArbitraryBytes) {
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes.push_back(static_cast<char>(i));
    for (std::size_t start = 0; start < bytes.size(); ++start) {
        const LeadingNumber n = readLeadingNumber(std::string_view(bytes).substr(start));
        EXPECT_TRUE(std::isfinite(n.value));
    }
    EXPECT_EQ(readLeadingNumber(std::string(1'000'000, '9')).overflow, true);
}

struct FormatCase {
    double value;
    const char* general;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.general;
}

class GeneralFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(GeneralFormatTest, WritesAtMostFifteenSignificantDigits) {
    EXPECT_EQ(formatGeneral(GetParam().value), GetParam().general);
}

INSTANTIATE_TEST_SUITE_P(Values, GeneralFormatTest,
                         ::testing::Values(FormatCase{200.0 / 12.0, "16.6666666666667"},
                                           FormatCase{60.0 * 2.54, "152.4"}, FormatCase{60.0, "60"},
                                           FormatCase{-2.5, "-2.5"}, FormatCase{-3.0, "-3"},
                                           FormatCase{-0.0, "0"}, FormatCase{0.1 + 0.2, "0.3"},
                                           FormatCase{1234567.125, "1234567.125"}));

TEST(GeneralFormat, TheLargestDoublesStayReadable) {
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(readLeadingNumber(formatGeneral(largest)).value, largest);
    EXPECT_FALSE(readLeadingNumber(formatGeneral(-largest)).overflow);
    EXPECT_EQ(formatGeneral(1e308), "1e+308");
}

TEST(FixedFormat, WritesTheDisplayPatterns) {
    EXPECT_EQ(formatFixed(100.0, 0), "100");
    EXPECT_EQ(formatFixed(99.5, 0), "100");
    EXPECT_EQ(formatFixed(-99.5, 0), "-100");
    EXPECT_EQ(formatFixed(14.9, 1), "14.9");
    EXPECT_EQ(formatFixed(3.0, 1), "3.0");
    EXPECT_EQ(formatFixed(2.3000000000000003, 1), "2.3");
    EXPECT_EQ(formatFixed(-0.0, 0), "0");
    EXPECT_EQ(formatFixed(-0.01, 1), "0.0");
    EXPECT_EQ(formatFixed(1e300, 0).size(), 301u);
}

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(9.5), 10);
    EXPECT_EQ(roundHalfEven(10.5), 10);
    EXPECT_EQ(roundHalfEven(2.6), 3);
}

TEST(MaxOf, EqualValuesGiveTheSecond) {
    EXPECT_EQ(maxOf(3, 4), 4);
    EXPECT_EQ(maxOf(5, 4), 5);
    const double zero = 0.0;
    const double negativeZero = -0.0;
    EXPECT_TRUE(std::signbit(maxOf(zero, negativeZero)));
}

// Under a locale whose decimal separator is a comma, numbers are still read and written with ".".
TEST(NumbersUnderCommaLocale, UseAFullStopWhateverTheLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed (scripts/install-deps.sh adds it)";
    }
    EXPECT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_DOUBLE_EQ(readLeadingNumber("12.5").value, 12.5);
    EXPECT_DOUBLE_EQ(readLeadingNumber("12,5").value, 12.0);
    EXPECT_EQ(formatGeneral(16.25), "16.25");
    EXPECT_EQ(formatFixed(14.9, 1), "14.9");
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace projcalc
