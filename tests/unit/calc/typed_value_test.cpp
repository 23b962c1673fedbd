#include "calc/typed_value.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace projcalc {
namespace {

// What a typed text gives: a whole number (and its inches), a refusal, or an overflow error.
enum class Outcome { Value, NotANumber, NotAboveZero, Overflow };

struct TypedCase {
    const char* text;
    Quantity box;
    Unit unit;
    Outcome outcome;
    double shown = 0.0;  // the whole number taken, for Outcome::Value
};

void PrintTo(const TypedCase& c, std::ostream* os) {
    *os << '"' << c.text << "\" in box " << indexOf(c.box);
}

class ReadTypedValueTest : public ::testing::TestWithParam<TypedCase> {};

TEST_P(ReadTypedValueTest, TakesOneNumberAndRefusesTheRest) {
    const TypedCase& c = GetParam();
    const auto read = readTypedValue(c.box, c.unit, c.text);
    switch (c.outcome) {
        case Outcome::Value: {
            ASSERT_TRUE(std::holds_alternative<TypedValue>(read));
            const TypedValue& value = std::get<TypedValue>(read);
            EXPECT_EQ(value.shown, c.shown);
            EXPECT_EQ(value.inches, c.unit == Unit::Feet          ? c.shown / 0.08333333333333333
                                    : c.unit == Unit::Centimeters ? c.shown / 2.54
                                                                  : c.shown);
            break;
        }
        case Outcome::NotANumber:
        case Outcome::NotAboveZero: {
            ASSERT_TRUE(std::holds_alternative<InputRefusal>(read));
            const InputRefusal& refusal = std::get<InputRefusal>(read);
            EXPECT_EQ(refusal.problem, c.outcome == Outcome::NotANumber
                                           ? InputProblem::NotANumber
                                           : InputProblem::NotAboveZero);
            EXPECT_EQ(refusal.box, c.box);
            EXPECT_EQ(refusal.text, c.text);
            break;
        }
        case Outcome::Overflow:
            ASSERT_TRUE(std::holds_alternative<AppError>(read));
            EXPECT_EQ(std::get<AppError>(read).number(), 6);
            break;
    }
}

constexpr Quantity kWidthBox = Quantity::Width;
constexpr Quantity kHeightBox = Quantity::Height;
constexpr Quantity kDiagonalBox = Quantity::Diagonal;
constexpr Quantity kDistanceBox = Quantity::Distance;
constexpr Unit kInches = Unit::Inches;

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadTypedValueTest,
    ::testing::Values(
        // Read in full as before: blanks anywhere, a sign, an exponent, &H and &O, rounding up.
        TypedCase{"120", kWidthBox, kInches, Outcome::Value, 120},
        TypedCase{"  1 2 0\t", kWidthBox, kInches, Outcome::Value, 120},
        TypedCase{"+99.2", kDistanceBox, kInches, Outcome::Value, 100},
        TypedCase{"1.5e2", kDiagonalBox, kInches, Outcome::Value, 150},
        TypedCase{"3 e 2", kDiagonalBox, kInches, Outcome::Value, 300},
        TypedCase{"&H64", kHeightBox, kInches, Outcome::Value, 100},
        TypedCase{"&o17 ", kHeightBox, kInches, Outcome::Value, 15},
        TypedCase{".5", kWidthBox, kInches, Outcome::Value, 1},
        TypedCase{"5.", kWidthBox, kInches, Outcome::Value, 5},
        TypedCase{"10", kDistanceBox, Unit::Feet, Outcome::Value, 10},
        TypedCase{"254", kDistanceBox, Unit::Centimeters, Outcome::Value, 254},
        // A diagonal or distance below the limits is the limits' business.
        TypedCase{"-120", kDistanceBox, kInches, Outcome::Value, -120},
        TypedCase{"0", kDiagonalBox, kInches, Outcome::Value, 0},
        // Not one number.
        TypedCase{"150,7", kWidthBox, kInches, Outcome::NotANumber},
        TypedCase{"120abc", kDiagonalBox, kInches, Outcome::NotANumber},
        TypedCase{"abc", kWidthBox, kInches, Outcome::NotANumber},
        TypedCase{"", kHeightBox, kInches, Outcome::NotANumber},
        TypedCase{"   ", kHeightBox, kInches, Outcome::NotANumber},
        TypedCase{"12.5.6", kDistanceBox, kInches, Outcome::NotANumber},
        TypedCase{"2e", kDistanceBox, kInches, Outcome::NotANumber},
        TypedCase{"&H", kDistanceBox, kInches, Outcome::NotANumber},
        TypedCase{"&HFG", kDistanceBox, kInches, Outcome::NotANumber},
        TypedCase{"-", kDistanceBox, kInches, Outcome::NotANumber},
        TypedCase{"120 cm", kDistanceBox, kInches, Outcome::NotANumber},
        TypedCase{"\r12", kDistanceBox, kInches, Outcome::NotANumber},
        TypedCase{"\xff\xfe", kDistanceBox, kInches, Outcome::NotANumber},
        // A width or height must be above 0 once rounded up.
        TypedCase{"-120", kWidthBox, kInches, Outcome::NotAboveZero},
        TypedCase{"0", kHeightBox, kInches, Outcome::NotAboveZero},
        TypedCase{"-0.5", kHeightBox, kInches, Outcome::NotAboveZero},
        TypedCase{"1e-400", kWidthBox, kInches, Outcome::NotAboveZero},
        TypedCase{"0.001", kWidthBox, kInches, Outcome::Value, 1},
        // Too large to work with, in the number or once in inches.
        TypedCase{"1e400", kDiagonalBox, kInches, Outcome::Overflow},
        TypedCase{"-1e999", kWidthBox, kInches, Outcome::Overflow},
        TypedCase{"1e308", kDistanceBox, Unit::Feet, Outcome::Overflow},
        TypedCase{"-1e308", kDistanceBox, Unit::Feet, Outcome::Overflow}));

// In a language that writes a decimal comma, one comma without a point is the decimal point; the
// point keeps working, and a text that could mean either is refused as typed.
struct CommaCase {
    const char* text;
    bool decimalComma;
    double shown;  // 0: refused as not a number
};

class DecimalCommaTest : public ::testing::TestWithParam<CommaCase> {};

TEST_P(DecimalCommaTest, IsTheDecimalPointOnlyWhereTheLanguageWritesIt) {
    const CommaCase& c = GetParam();
    const auto read = readTypedValue(kDistanceBox, kInches, c.text, c.decimalComma);
    if (c.shown == 0.0) {
        ASSERT_TRUE(std::holds_alternative<InputRefusal>(read)) << c.text;
        EXPECT_EQ(std::get<InputRefusal>(read).text, c.text);
    } else {
        ASSERT_TRUE(std::holds_alternative<TypedValue>(read)) << c.text;
        EXPECT_EQ(std::get<TypedValue>(read).shown, c.shown) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DecimalCommaTest,
    ::testing::Values(CommaCase{"150,7", true, 151}, CommaCase{" 150 , 2 ", true, 151},
                      CommaCase{",5", true, 1}, CommaCase{"1,5e2", true, 150},
                      CommaCase{"150.7", true, 151}, CommaCase{"150,7", false, 0},
                      CommaCase{"1.500,7", true, 0}, CommaCase{"1,500,7", true, 0},
                      CommaCase{",", true, 0}, CommaCase{"150,7cm", true, 0}));

TEST(RefusalMessage, NamesTheBoxAndQuotesTheTextAsTyped) {
    const InputMessages english;
    EXPECT_EQ(refusalMessage(english, "Width", {kWidthBox, InputProblem::NotANumber, "150,7"}),
              "Width: \u201c150,7\u201d is not a number. Use a point for decimals.");
    EXPECT_EQ(refusalMessage(english, "Width", {kWidthBox, InputProblem::NotAboveZero, "-120"}),
              "Width: \u201c-120\u201d must be above 0.");
    // A long text is cut after 40 characters, never inside a character.
    const std::string longText = std::string(39, '9') + "\u00e9\u00e9x";
    EXPECT_EQ(
        refusalMessage({"%2", "%2"}, "Height", {kHeightBox, InputProblem::NotANumber, longText}),
        std::string(39, '9') + "\u00e9\u2026");
}

TEST(FillPlaceholders, ReplacesBothInOnePass) {
    EXPECT_EQ(fillPlaceholders("%1: %2 (%1)", "a%2", "b%1"), "a%2: b%1 (a%2)");
    EXPECT_EQ(fillPlaceholders("100% sure %", "x", "y"), "100% sure %");
}

}  // namespace
}  // namespace projcalc
