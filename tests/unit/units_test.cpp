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
    EXPECT_EQ(toInches(10, kUnitInches), 10);
    EXPECT_DOUBLE_EQ(toInches(10, kUnitFeet), 120);
    EXPECT_EQ(toInches(10, kUnitFeet), 10 / 0.08333333333333333);  // divided, not times 12
    EXPECT_DOUBLE_EQ(toInches(10, kUnitCentimeters), 3.937007874015748);
    EXPECT_EQ(toInches(10, 7), 0);
    EXPECT_EQ(fromInches(120, kUnitFeet), 120 * 0.08333333333333333);
    EXPECT_DOUBLE_EQ(fromInches(100, kUnitCentimeters), 254);
    EXPECT_EQ(fromInches(10, -1), 0);
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
    int precision;
    double wide;
    double tele;
};

void PrintTo(const DisplayCase& c, std::ostream* os) {
    *os << c.value << " precision " << c.precision;
}

class RoundForDisplayTest : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(RoundForDisplayTest, RoundsHalfUpAtWideAndCutsDownAtTele) {
    const DisplayCase& c = GetParam();
    EXPECT_DOUBLE_EQ(roundForDisplay(c.value, c.precision, kZoomWide), c.wide) << c.value;
    EXPECT_DOUBLE_EQ(roundForDisplay(c.value, c.precision, kZoomTele), c.tele) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, RoundForDisplayTest,
    ::testing::Values(DisplayCase{12.5, 1, 13, 12}, DisplayCase{12.4999, 1, 12, 12},
                      DisplayCase{99.5, 1, 100, 99}, DisplayCase{14.96, 2, 15, 14.9},
                      DisplayCase{14.95, 2, 15, 14.9}, DisplayCase{-0.5, 1, 0, -1},
                      // A hair below a whole number or tenth counts as that number at TELE...
                      DisplayCase{85.99999999999999, 1, 86, 86}, DisplayCase{2.9999999999, 2, 3, 3},
                      DisplayCase{1e12 - 1e-4, 1, 1e12, 1e12},
                      // ...but a real fraction below it does not.
                      DisplayCase{85.9999, 1, 86, 85}, DisplayCase{2.99, 2, 3, 2.9}));

// Every whole number of centimetres typed at TELE comes back as itself.
TEST(RoundForDisplay, WholeCentimetresSurviveTheTripThroughInches) {
    for (int cm = 1; cm < 100000; ++cm) {
        const double inches = toInches(cm, kUnitCentimeters);
        ASSERT_EQ(roundForDisplay(fromInches(inches, kUnitCentimeters), 1, kZoomTele), cm) << cm;
        const double feetInches = toInches(cm, kUnitFeet);
        ASSERT_EQ(roundForDisplay(fromInches(feetInches, kUnitFeet), 1, kZoomTele), cm) << cm;
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

TEST(SizeLine, SixteenTenOnASixteenNinePanelUsesItsLiteralFactor) {
    ModelRecord m = sampleModel();
    m.wideSizeSlope = 1.0;
    m.wideSizeIntercept = 0.0;
    EXPECT_EQ(diagonalFromDistance(m, 1, 100, kZoomWide, 10, 16), 100 * 0.972948721);
    EXPECT_EQ(diagonalFromDistance(m, 0, 100, kZoomWide, 9, 16), 100 * 0.9178779878760819);
    EXPECT_EQ(diagonalFromDistance(m, 2, 100, kZoomWide, 3, 4), 100);
    EXPECT_NEAR(diagonalFromDistance(m, 0, 100, kZoomWide, 4, 5), 100 * 3 / 20.0 * std::sqrt(41),
                1e-12);
}

TEST(SizeLine, PanelCodeWithoutFactorGivesZeroBothWays) {
    const ModelRecord m = sampleModel();
    for (double h : {9.0, 10.0}) {
        EXPECT_EQ(diagonalFromDistance(m, 3, 100, kZoomWide, h, 16), 0);
        EXPECT_EQ(distanceFromDiagonal(m, 3, 100, kZoomWide, h, 16), 0);
    }
    EXPECT_EQ(diagonalFromDistance(m, 0, 100, kZoomWide, 2, 1), 0);  // no such aspect
}

struct RoundTripCase {
    double heightPart;
    double widthPart;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) {
    *os << c.widthPart << ":" << c.heightPart;
}

class SizeLineRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(SizeLineRoundTrip, DistanceFromDiagonalInvertsDiagonalFromDistance) {
    const ModelRecord m = sampleModel();
    const auto [h, w] = GetParam();
    for (int panel = 0; panel <= 2; ++panel) {
        for (int zoom : {kZoomWide, kZoomTele}) {
            for (double d : {12.0, 77.7, 150.0, 1234.5}) {
                const double diagonal = diagonalFromDistance(m, panel, d, zoom, h, w);
                EXPECT_NEAR(distanceFromDiagonal(m, panel, diagonal, zoom, h, w), d, 1e-9 * d)
                    << "panel " << panel << " zoom " << zoom << " aspect " << w << ":" << h;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Aspects, SizeLineRoundTrip,
                         ::testing::Values(RoundTripCase{3, 4}, RoundTripCase{4, 5},
                                           RoundTripCase{9, 16}, RoundTripCase{10, 16}));

TEST(SizeLine, ASlopeOfZeroIsADivisionByZeroNamingModelAndZoomEnd) {
    ModelRecord m = sampleModel("Fixed 1");
    m.teleSizeSlope = 0;
    m.teleSizeIntercept = 0;
    try {
        (void)distanceFromDiagonal(m, 0, 100, kZoomTele, 3, 4);
        FAIL() << "expected an arithmetic fault";
    } catch (const ArithmeticFault& fault) {
        EXPECT_EQ(fault.error().number, 11);
        EXPECT_NE(fault.error().description.find("\"Fixed 1\" has no size line at TELE"),
                  std::string::npos);
    }
}

TEST(SizeLine, AnOverflowingDistanceIsReportedNotInfinite) {
    ModelRecord m = sampleModel();
    m.wideSizeSlope = 1e-300;
    EXPECT_THROW((void)distanceFromDiagonal(m, 0, 1e300, kZoomWide, 3, 4), ArithmeticFault);
}

}  // namespace
}  // namespace projcalc
