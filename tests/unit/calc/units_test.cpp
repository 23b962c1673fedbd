#include "calc/units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "calc/aspect.h"
#include "calc/size_line.h"
#include "test_support.h"
#include "util/errors.h"

namespace projcalc {
namespace {

TEST(Units, ConvertToAndFromInches) {
    EXPECT_EQ(toInches(10, Unit::Inches), 10);
    EXPECT_DOUBLE_EQ(toInches(10, Unit::Feet), 120);
    EXPECT_EQ(toInches(10, Unit::Feet), 10 / 0.08333333333333333);  // divided, not times 12
    EXPECT_DOUBLE_EQ(toInches(10, Unit::Centimeters), 3.937007874015748);
    EXPECT_EQ(fromInches(120, Unit::Feet), 120 * 0.08333333333333333);
    EXPECT_DOUBLE_EQ(fromInches(100, Unit::Centimeters), 254);
}

TEST(RoundUpEntry, RoundsTypedNumbersUpToWholeNumbers) {
    EXPECT_EQ(roundUpEntry(2.000000000001), 2);
    EXPECT_EQ(roundUpEntry(2.01), 3);
    EXPECT_EQ(roundUpEntry(2.5), 3);
    EXPECT_EQ(roundUpEntry(12.3), 13);
    EXPECT_EQ(roundUpEntry(3), 3);
    EXPECT_EQ(roundUpEntry(0), 0);
    EXPECT_EQ(roundUpEntry(-2.5), -2);
}

struct DisplayCase {
    double value;
    Step precision;
    double wide;
    double tele;
};

void PrintTo(const DisplayCase& c, std::ostream* os) {
    *os << c.value << (c.precision == Step::Tenth ? " to tenths" : " to whole units");
}

class RoundForDisplayTest : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(RoundForDisplayTest, RoundsHalfUpAtWideAndCutsDownAtTele) {
    const DisplayCase& c = GetParam();
    EXPECT_DOUBLE_EQ(roundForDisplay(c.value, c.precision, Zoom::Wide), c.wide) << c.value;
    EXPECT_DOUBLE_EQ(roundForDisplay(c.value, c.precision, Zoom::Tele), c.tele) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, RoundForDisplayTest,
    ::testing::Values(
        DisplayCase{12.5, Step::Whole, 13, 12}, DisplayCase{12.4999, Step::Whole, 12, 12},
        DisplayCase{99.5, Step::Whole, 100, 99}, DisplayCase{14.96, Step::Tenth, 15, 14.9},
        DisplayCase{14.95, Step::Tenth, 15, 14.9}, DisplayCase{-0.5, Step::Whole, 0, -1},
        // A hair below a whole number or tenth counts as that number at TELE...
        DisplayCase{85.99999999999999, Step::Whole, 86, 86},
        DisplayCase{2.9999999999, Step::Tenth, 3, 3},
        DisplayCase{1e12 - 1e-4, Step::Whole, 1e12, 1e12},
        // ...but a real fraction below it does not.
        DisplayCase{85.9999, Step::Whole, 86, 85}, DisplayCase{2.99, Step::Tenth, 3, 2.9}));

// Every whole number of centimetres typed at TELE comes back as itself.
TEST(RoundForDisplay, WholeCentimetresSurviveTheTripThroughInches) {
    for (int cm = 1; cm < 100000; ++cm) {
        const double inches = toInches(cm, Unit::Centimeters);
        ASSERT_EQ(roundForDisplay(fromInches(inches, Unit::Centimeters), Step::Whole, Zoom::Tele),
                  cm)
            << cm;
        const double feetInches = toInches(cm, Unit::Feet);
        ASSERT_EQ(roundForDisplay(fromInches(feetInches, Unit::Feet), Step::Whole, Zoom::Tele), cm)
            << cm;
    }
}

TEST(AspectGeometry, SidesFollowTheRatio) {
    const double ratio = 16.0 / 9.0;
    const double h = heightFromDiagonal(100, ratio);
    EXPECT_NEAR(h, 49.0261, 1e-4);
    EXPECT_NEAR(widthFromHeight(h, ratio), 87.1576, 1e-4);
    EXPECT_NEAR(diagonalFromSides(widthFromHeight(h, ratio), h), 100, 1e-12);
    EXPECT_DOUBLE_EQ(heightFromWidth(80, 4.0 / 3.0), 60);
    EXPECT_DOUBLE_EQ(heightFromDiagonal(100, 4.0 / 3.0), 60);
}

// The written-out height of each aspect is the one sin(atan(1 / ratio)) gives, to the last bit.
TEST(AspectGeometry, EachAspectsHeightIsTheRatiosHeight) {
    for (const Aspect aspect : {Aspect::R4x3, Aspect::R5x4, Aspect::R16x9, Aspect::R16x10}) {
        for (const double diagonal : {1.0, 33.3, 100.0, 119.99999999999999, 1234.5678, 1e300}) {
            EXPECT_EQ(heightFromDiagonal(diagonal, aspect),
                      heightFromDiagonal(diagonal, ratioOf(aspect)))
                << nameOf(aspect).word << " " << diagonal;
        }
    }
}

// A copy of a model on another panel.
ModelRecord onPanel(ModelRecord m, int panel) {
    m.panelAspect = panel;
    return m;
}

double distanceOr(const std::variant<double, AppError>& distance, double otherwise) {
    const double* value = std::get_if<double>(&distance);
    return value != nullptr ? *value : otherwise;
}

TEST(SizeLine, SixteenTenOnASixteenNinePanelUsesItsLiteralFactor) {
    ModelRecord m = sampleModel();
    m.wideSizeSlope = 1.0;
    m.wideSizeIntercept = 0.0;
    EXPECT_EQ(diagonalFromDistance(onPanel(m, 1), 100, Zoom::Wide, Aspect::R16x10),
              100 * 0.972948721);
    EXPECT_EQ(diagonalFromDistance(onPanel(m, 0), 100, Zoom::Wide, Aspect::R16x9),
              100 * 0.9178779878760819);
    EXPECT_EQ(diagonalFromDistance(onPanel(m, 2), 100, Zoom::Wide, Aspect::R4x3), 100);
    EXPECT_NEAR(diagonalFromDistance(onPanel(m, 0), 100, Zoom::Wide, Aspect::R5x4),
                100 * 3 / 20.0 * std::sqrt(41), 1e-12);
}

TEST(SizeLine, PanelCodeWithoutFactorGivesZeroBothWays) {
    const ModelRecord m = onPanel(sampleModel(), 3);
    for (const Aspect aspect : {Aspect::R16x9, Aspect::R16x10}) {
        EXPECT_EQ(diagonalFromDistance(m, 100, Zoom::Wide, aspect), 0);
        EXPECT_EQ(distanceOr(distanceFromDiagonal(m, 100, Zoom::Wide, aspect), -1), 0);
    }
}

class SizeLineRoundTrip : public ::testing::TestWithParam<Aspect> {};

TEST_P(SizeLineRoundTrip, DistanceFromDiagonalInvertsDiagonalFromDistance) {
    const Aspect aspect = GetParam();
    for (int panel = 0; panel <= 2; ++panel) {
        const ModelRecord m = onPanel(sampleModel(), panel);
        for (const Zoom zoom : kAllZooms) {
            for (double d : {12.0, 77.7, 150.0, 1234.5}) {
                const double diagonal = diagonalFromDistance(m, d, zoom, aspect);
                EXPECT_NEAR(distanceOr(distanceFromDiagonal(m, diagonal, zoom, aspect), -1), d,
                            1e-9 * d)
                    << "panel " << panel << " zoom " << indexOf(zoom) << " aspect "
                    << nameOf(aspect).caption;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Aspects, SizeLineRoundTrip, ::testing::ValuesIn(kAllAspects));

TEST(SizeLine, ASlopeOfZeroIsADivisionByZeroNamingModelAndZoomEnd) {
    ModelRecord m = sampleModel("Fixed 1");
    m.teleSizeSlope = 0;
    m.teleSizeIntercept = 0;
    const auto distance = distanceFromDiagonal(m, 100, Zoom::Tele, Aspect::R4x3);
    ASSERT_TRUE(std::holds_alternative<AppError>(distance));
    EXPECT_EQ(std::get<AppError>(distance).number(), 11);
    EXPECT_NE(std::get<AppError>(distance).description.find("\"Fixed 1\" has no size line at TELE"),
              std::string::npos);
}

TEST(SizeLine, AnOverflowingDistanceIsReportedNotInfinite) {
    ModelRecord m = sampleModel();
    m.wideSizeSlope = 1e-300;
    const auto distance = distanceFromDiagonal(m, 1e300, Zoom::Wide, Aspect::R4x3);
    ASSERT_TRUE(std::holds_alternative<AppError>(distance));
    EXPECT_EQ(std::get<AppError>(distance).number(), 6);
}

}  // namespace
}  // namespace projcalc
