#include "util/numbers.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>
#include <version>

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

// ---- whole number texts ----------------------------------------------------------------------

struct DecimalCase {
    const char* text;
    DecimalStatus status;
    double value;
};

void PrintTo(const DecimalCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class DecimalTest : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(DecimalTest, ReadsTheWholeTextOrNothing) {
    const DecimalCase& c = GetParam();
    const DecimalValue read = readDecimal(c.text);
    EXPECT_EQ(read.status, c.status);
    EXPECT_EQ(read.value, c.value);
    if (c.value == 0.0) {
        EXPECT_FALSE(std::signbit(read.value));
    }
}

constexpr auto kRead = DecimalStatus::Read;
constexpr auto kNot = DecimalStatus::NotANumber;
constexpr auto kLarge = DecimalStatus::TooLarge;

INSTANTIATE_TEST_SUITE_P(
    Texts, DecimalTest,
    ::testing::Values(
        DecimalCase{"152.4", kRead, 152.4}, DecimalCase{"-2.5", kRead, -2.5},
        DecimalCase{"+3", kRead, 3}, DecimalCase{".5", kRead, 0.5}, DecimalCase{"5.", kRead, 5},
        DecimalCase{"1e3", kRead, 1000}, DecimalCase{"1E-2", kRead, 0.01},
        DecimalCase{"2.5e+1", kRead, 25}, DecimalCase{"0.1", kRead, 0.1},
        DecimalCase{"16.666666666666668", kRead, 50.0 / 3.0},
        DecimalCase{"1.7976931348623157e308", kRead, std::numeric_limits<double>::max()},
        DecimalCase{"4.9406564584124654e-324", kRead, std::numeric_limits<double>::denorm_min()},
        DecimalCase{"1e-400", kRead, 0}, DecimalCase{"-0", kRead, 0},
        DecimalCase{"-0.0e5", kRead, 0}, DecimalCase{"1e309", kLarge, 0},
        DecimalCase{"-1e999", kLarge, 0}, DecimalCase{"", kNot, 0}, DecimalCase{"-", kNot, 0},
        DecimalCase{".", kNot, 0}, DecimalCase{"1e", kNot, 0}, DecimalCase{"1e+", kNot, 0},
        DecimalCase{" 1", kNot, 0}, DecimalCase{"1 ", kNot, 0}, DecimalCase{"1.2.3", kNot, 0},
        DecimalCase{"inf", kNot, 0}, DecimalCase{"nan", kNot, 0}, DecimalCase{"0x10", kNot, 0},
        DecimalCase{"&H10", kNot, 0}, DecimalCase{"+-1", kNot, 0}, DecimalCase{"1,5", kNot, 0}));

struct PlainCase {
    const char* text;
    bool decimalComma;
    std::optional<double> value;
};

void PrintTo(const PlainCase& c, std::ostream* os) {
    *os << '"' << c.text << '"' << (c.decimalComma ? " with decimal comma" : "");
}

class PlainNumberTest : public ::testing::TestWithParam<PlainCase> {};

TEST_P(PlainNumberTest, ReadsAPlainDecimalWithBlanksAround) {
    const PlainCase& c = GetParam();
    EXPECT_EQ(readPlainNumber(c.text, c.decimalComma), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PlainNumberTest,
    ::testing::Values(
        PlainCase{"100", false, 100.0}, PlainCase{" \t12.5\t ", false, 12.5},
        PlainCase{"-3", false, -3.0}, PlainCase{"+3", false, 3.0}, PlainCase{".5", false, 0.5},
        PlainCase{"5.", false, 5.0}, PlainCase{"0", false, 0.0}, PlainCase{"12,5", true, 12.5},
        PlainCase{"12.5", true, 12.5}, PlainCase{" -0,25 ", true, -0.25},
        PlainCase{"12,5", false, std::nullopt}, PlainCase{"1,2.5", true, std::nullopt},
        PlainCase{"1.2.5", false, std::nullopt}, PlainCase{"", false, std::nullopt},
        PlainCase{"  ", false, std::nullopt}, PlainCase{".", false, std::nullopt},
        PlainCase{"-", false, std::nullopt}, PlainCase{"1e3", false, std::nullopt},
        PlainCase{"&H10", false, std::nullopt}, PlainCase{"1 2", false, std::nullopt},
        PlainCase{"12mm", false, std::nullopt}, PlainCase{"\n12", false, std::nullopt},
        PlainCase{"- 1", false, std::nullopt}, PlainCase{"1-", false, std::nullopt},
        PlainCase{"inf", false, std::nullopt}, PlainCase{"nan", false, std::nullopt}));

TEST(PlainNumber, RefusesNumbersBeyondTheLargestDouble) {
    EXPECT_EQ(readPlainNumber(std::string(309, '9')), std::nullopt);
    const std::string longButSmall = "0." + std::string(1000, '0') + "1";
    EXPECT_EQ(readPlainNumber(longButSmall), 0.0);
}

// ---- writing ---------------------------------------------------------------------------------

struct ShortestCase {
    double value;
    const char* text;
};

void PrintTo(const ShortestCase& c, std::ostream* os) {
    *os << c.text;
}

class ShortestFormatTest : public ::testing::TestWithParam<ShortestCase> {};

TEST_P(ShortestFormatTest, WritesTheShortestTextThatReadsBack) {
    EXPECT_EQ(formatShortest(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ShortestFormatTest,
    ::testing::Values(
        ShortestCase{0.0, "0"}, ShortestCase{-0.0, "-0"}, ShortestCase{1.0, "1"},
        ShortestCase{100.0, "100"}, ShortestCase{152.4, "152.4"}, ShortestCase{-2.5, "-2.5"},
        ShortestCase{0.1, "0.1"}, ShortestCase{0.1 + 0.2, "0.30000000000000004"},
        ShortestCase{50.0 / 3.0, "16.666666666666668"}, ShortestCase{0.001, "0.001"},
        ShortestCase{0.0001, "1e-04"}, ShortestCase{0.00012, "0.00012"},
        ShortestCase{1.5e-7, "1.5e-07"}, ShortestCase{123456.0, "123456"},
        ShortestCase{1e15, "1e+15"}, ShortestCase{1e20, "1e+20"}, ShortestCase{123e18, "1.23e+20"},
        ShortestCase{12345678901234567.0, "12345678901234568"}, ShortestCase{1.5e300, "1.5e+300"},
        ShortestCase{std::numeric_limits<double>::max(), "1.7976931348623157e+308"},
        ShortestCase{std::numeric_limits<double>::denorm_min(), "5e-324"},
        ShortestCase{std::numeric_limits<double>::infinity(), "inf"},
        ShortestCase{-std::numeric_limits<double>::infinity(), "-inf"}));

// Every finite double written shortest reads back as itself.
TEST(ShortestFormat, ReadsBackExactly) {
    std::mt19937_64 bits(27);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t word = bits();
        double value = 0.0;
        std::memcpy(&value, &word, sizeof value);
        if (!std::isfinite(value) || value == 0.0) continue;
        const DecimalValue read = readDecimal(formatShortest(value));
        ASSERT_EQ(read.status, DecimalStatus::Read) << formatShortest(value);
        ASSERT_EQ(read.value, value) << formatShortest(value);
    }
}

#if defined(__cpp_lib_to_chars)
// Where the standard library writes floating point itself, it writes the very same texts.
TEST(ShortestFormat, MatchesTheStandardLibrary) {
    std::mt19937_64 bits(9);
    std::uniform_real_distribution<double> lengths(-1e6, 1e6);
    for (int i = 0; i < 20000; ++i) {
        double value = lengths(bits);
        if (i % 2 == 0) {
            const std::uint64_t word = bits();
            std::memcpy(&value, &word, sizeof value);
            if (!std::isfinite(value)) continue;
        } else if (i % 3 == 0) {
            value = std::round(value * 10) / 10;
        }
        char buffer[64];
        const auto shortest = std::to_chars(buffer, buffer + sizeof buffer, value);
        ASSERT_EQ(formatShortest(value), std::string(buffer, shortest.ptr));
        ASSERT_EQ(readDecimal(std::string(buffer, shortest.ptr)).value, value == 0.0 ? 0.0 : value);
        const auto general =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
        if (value != 0.0 && std::fabs(value) < 1e308) {
            ASSERT_EQ(formatGeneral(value), std::string(buffer, general.ptr));
        }
        char fixed[400];
        const double rounded = std::round(value * 10) / 10;
        const auto one =
            std::to_chars(fixed, fixed + sizeof fixed, rounded, std::chars_format::fixed, 1);
        if (rounded != 0.0 && std::fabs(value) < 1e15) {
            ASSERT_EQ(formatFixed(value, 1), std::string(fixed, one.ptr)) << value;
        }
    }
}
#endif

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
    EXPECT_EQ(formatFixed(0.125, 2), "0.13");
    EXPECT_EQ(formatFixed(1e21, 1), "1000000000000000000000.0");
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

// The library's rounding of halves to even is the reference, at every size of number.
TEST(RoundHalfEven, GivesWhatTheLibraryGives) {
    const double big = 0x1p52;
    std::vector<double> values = {
        0.0,       -0.0,      0.49999999999999994, 0.5,       -0.5,    1.5,        -1.5,  2.5,
        big - 0.5, big - 1.5, -(big - 0.5),        big,       big + 1, 0x1p53 + 2, 1e300, -1e300,
        4.9e-324,  -4.9e-324, 1e15 + 0.5,          1e15 + 1.5};
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> anywhere(-1e6, 1e6);
    for (int i = 0; i < 10000; ++i) {
        const double value = anywhere(random);
        values.push_back(value);
        values.push_back(std::floor(value) + 0.5);  // halves
    }
    for (const double value : values) {
        const double expected = std::nearbyint(value);
        ASSERT_EQ(roundHalfEven(value), expected == 0.0 ? 0.0 : expected) << value;
        ASSERT_FALSE(std::signbit(roundHalfEven(value)) && roundHalfEven(value) == 0.0) << value;
    }
    EXPECT_TRUE(std::isnan(roundHalfEven(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::infinity()),
              std::numeric_limits<double>::infinity());
}

// Each count of decimals scales by the power of ten the library gives.
TEST(FixedFormat, ScalesByTheLibrarysPowersOfTen) {
    for (const double value : {0.125, 2.675, 1.0 / 3.0, 123456.789, -0.0049999}) {
        for (int decimals = 0; decimals <= 25; ++decimals) {
            const double scale = std::pow(10.0, decimals);
            double expected = std::round(value * scale) / scale;
            if (!std::isfinite(expected)) expected = value;
            if (expected == 0.0) expected = 0.0;
            char text[400];
            std::snprintf(text, sizeof text, "%.*f", decimals, expected);
            EXPECT_EQ(formatFixed(value, decimals), text) << value << " " << decimals;
        }
    }
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
    if (std::strcmp(std::localeconv()->decimal_point, ",") != 0) {
        std::setlocale(LC_ALL, saved.c_str());
        GTEST_SKIP() << "this C library's de_DE.UTF-8 has no decimal comma";
    }
    EXPECT_DOUBLE_EQ(readLeadingNumber("12.5").value, 12.5);
    EXPECT_DOUBLE_EQ(readLeadingNumber("12,5").value, 12.0);
    EXPECT_EQ(formatGeneral(16.25), "16.25");
    EXPECT_EQ(formatFixed(14.9, 1), "14.9");
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace projcalc
