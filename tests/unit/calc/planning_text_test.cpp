// The planning panel's texts: lengths with their unit signs, the marks, and no value.
#include "calc/planning_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>

namespace projcalc {
namespace {

struct LengthCase {
    double inches;
    Unit unit;
    const char* text;
};

void PrintTo(const LengthCase& c, std::ostream* os) {
    *os << c.inches << " in, unit " << indexOf(c.unit);
}

class PlanningLengthTextTest : public ::testing::TestWithParam<LengthCase> {};

TEST_P(PlanningLengthTextTest, WritesTheLengthInTheUnitWithItsSign) {
    EXPECT_EQ(planningLengthText(GetParam().inches, GetParam().unit), GetParam().text);
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Feet, PlanningLengthTextTest,
    ::testing::Values(LengthCase{148, Unit::Feet, "12\u2032 4\u2033"},
                      LengthCase{148.4, Unit::Feet, "12\u2032 4\u2033"},
                      LengthCase{148.5, Unit::Feet, "12\u2032 5\u2033"},  // halves go up
                      LengthCase{143.5, Unit::Feet, "12\u2032 0\u2033"},  // 11.5″ carries
                      LengthCase{11.5, Unit::Feet, "1\u2032 0\u2033"},
                      LengthCase{11.49, Unit::Feet, "0\u2032 11\u2033"},
                      LengthCase{0, Unit::Feet, "0\u2032 0\u2033"},
                      LengthCase{-0.4, Unit::Feet, "0\u2032 0\u2033"},  // no "-0"
                      LengthCase{-13, Unit::Feet, "-1\u2032 1\u2033"},
                      LengthCase{-12.5, Unit::Feet, "-1\u2032 1\u2033"},
                      LengthCase{1e6, Unit::Feet, "83333\u2032 4\u2033"},
                      // Lengths beyond any room are still written out.
                      LengthCase{1e16, Unit::Feet, "833333333333333\u2032 4\u2033"},
                      LengthCase{-1e16, Unit::Feet, "-833333333333333\u2032 4\u2033"}));

INSTANTIATE_TEST_SUITE_P(
    InchesAndCentimetres, PlanningLengthTextTest,
    ::testing::Values(LengthCase{148.45, Unit::Inches, "148.5\u2033"},
                      LengthCase{148.44, Unit::Inches, "148.4\u2033"},
                      LengthCase{300, Unit::Inches, "300.0\u2033"},
                      LengthCase{0, Unit::Inches, "0.0\u2033"},
                      LengthCase{-0.04, Unit::Inches, "0.0\u2033"},
                      LengthCase{-2.25, Unit::Inches, "-2.3\u2033"},
                      LengthCase{10, Unit::Centimeters, "25.4 cm"},
                      LengthCase{3, Unit::Centimeters, "7.6 cm"},   // 7.62
                      LengthCase{7, Unit::Centimeters, "17.8 cm"},  // 17.78
                      LengthCase{0, Unit::Centimeters, "0.0 cm"},
                      LengthCase{1e15, Unit::Inches, "1000000000000000.0\u2033"},
                      LengthCase{-1e15, Unit::Centimeters, "-2540000000000000.0 cm"}));

INSTANTIATE_TEST_SUITE_P(NotANumber, PlanningLengthTextTest,
                         ::testing::Values(LengthCase{kInf, Unit::Feet, kNoPlanningValue},
                                           LengthCase{-kInf, Unit::Inches, kNoPlanningValue},
                                           LengthCase{kNaN, Unit::Centimeters, kNoPlanningValue},
                                           // Finite in inches, beyond a double in centimetres.
                                           LengthCase{1e308, Unit::Centimeters, kNoPlanningValue}));

TEST(PlanningTexts, WithoutResultsEveryValueIsTheNoValueText) {
    const PlanningTexts texts = planningTexts(std::nullopt, Unit::Feet);
    for (const PlanningEndText& end : texts.throwDistance)
        EXPECT_EQ(end, (PlanningEndText{kNoPlanningValue, false}));
    for (const PlanningEndText& end : texts.imageDiagonal)
        EXPECT_EQ(end, (PlanningEndText{kNoPlanningValue, false}));
    for (const std::string& seat : texts.seating)
        EXPECT_EQ(seat, kNoPlanningValue);
}

TEST(PlanningTexts, EachEndShowsItsLengthAndWhetherItIsOutsideItsLimits) {
    Planning planning;
    planning.throwRange[0] = EndResult{Solution{200.0, 100.0, 80.0, 60.0, 0.0, 0.0}, true};
    planning.throwRange[1] = EndResult{Solution{250.0, 100.0, 80.0, 60.0, 0.0, 0.0}, false};
    planning.imageRange[0] = EndResult{Solution{200.0, 100.0, 80.0, 60.0, 0.0, 0.0}, true};
    planning.seating = {149.282, 123.107, 109.899};
    const PlanningTexts texts = planningTexts(planning, Unit::Inches);
    EXPECT_EQ(texts.throwDistance[0], (PlanningEndText{"200.0\u2033", false}));
    EXPECT_EQ(texts.throwDistance[1], (PlanningEndText{"250.0\u2033", true}));
    EXPECT_EQ(texts.imageDiagonal[0], (PlanningEndText{"100.0\u2033", false}));
    EXPECT_EQ(texts.imageDiagonal[1], (PlanningEndText{kNoPlanningValue, false}));
    EXPECT_EQ(texts.seating,
              (std::array<std::string, 3>{"149.3\u2033", "123.1\u2033", "109.9\u2033"}));
    EXPECT_EQ(planningTexts(planning, Unit::Feet).throwDistance[1].value, "20\u2032 10\u2033");
}

}  // namespace
}  // namespace projcalc

namespace projcalc {
namespace {

struct ThrowRatioCase {
    double distance, width;
    const char* text;
};

class ThrowRatioTest : public ::testing::TestWithParam<ThrowRatioCase> {};

// Distance ÷ width, written with two decimals; no ratio where either is not a length.
TEST_P(ThrowRatioTest, IsDistanceOverWidthWithTwoDecimals) {
    const ThrowRatioCase& c = GetParam();
    EXPECT_EQ(throwRatioText(throwRatio(c.distance, c.width)), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Ratios, ThrowRatioTest,
    ::testing::Values(ThrowRatioCase{152, 100, "1.52 : 1"}, ThrowRatioCase{300, 240, "1.25 : 1"},
                      ThrowRatioCase{2.675, 1, "2.68 : 1"},  // halves away from zero
                      ThrowRatioCase{50, 100, "0.50 : 1"}, ThrowRatioCase{1000, 3, "333.33 : 1"},
                      ThrowRatioCase{0, 100, "\u2014"}, ThrowRatioCase{-10, 100, "\u2014"},
                      ThrowRatioCase{100, 0, "\u2014"},
                      ThrowRatioCase{std::numeric_limits<double>::infinity(), 100, "\u2014"},
                      ThrowRatioCase{100, std::numeric_limits<double>::quiet_NaN(), "\u2014"},
                      ThrowRatioCase{1e308, 1e-10, "\u2014"}));  // too large to be a ratio

TEST(ThrowRatios, FollowTheEndsOfTheThrowRange) {
    BothEnds range;
    range[1] =
        EndResult{Solution{.distance = 125, .diagonal = 100, .width = 80, .height = 60}, true};
    const ZoomLengths ratios = throwRatiosOf(range, 80);
    EXPECT_FALSE(ratios[0]);
    ASSERT_TRUE(ratios[1]);
    EXPECT_DOUBLE_EQ(*ratios[1], 125.0 / 80.0);
}

struct LightTextCase {
    double footLamberts;
    const char* text;
};

class LightEndTextTest : public ::testing::TestWithParam<LightTextCase> {};

// fL to one decimal, nits whole, the band in words; the lower bound belongs to its band.
TEST_P(LightEndTextTest, WritesFootLambertsNitsAndTheRating) {
    const std::array<std::string, 5> words = {"too dim", "dark room", "dim room", "living room",
                                              "bright room"};
    EXPECT_EQ(lightEndText(endLightOf(GetParam().footLamberts), "%1 fL, %2 nits, %3", words),
              GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Bands, LightEndTextTest,
    ::testing::Values(LightTextCase{0, "0.0 fL, 0 nits, too dim"},
                      LightTextCase{11.96, "12.0 fL, 41 nits, too dim"},  // rated unrounded
                      LightTextCase{12, "12.0 fL, 41 nits, dark room"},
                      LightTextCase{16, "16.0 fL, 55 nits, dark room"},
                      LightTextCase{27, "27.0 fL, 93 nits, dim room"},
                      LightTextCase{40, "40.0 fL, 137 nits, living room"},
                      LightTextCase{59.99, "60.0 fL, 206 nits, living room"},
                      LightTextCase{60, "60.0 fL, 206 nits, bright room"},
                      LightTextCase{1234.56, "1234.6 fL, 4230 nits, bright room"}));

TEST(LightEndText, AnEndWithoutAFigureShowsNoValue) {
    EXPECT_EQ(lightEndText(std::nullopt, "%1 fL", {}), kNoPlanningValue);
    EXPECT_EQ(lightEndText(endLightOf(std::numeric_limits<double>::infinity()), "%1 fL", {}),
              kNoPlanningValue);
}

}  // namespace
}  // namespace projcalc
