#include "calc/offsets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "calc/units.h"
#include "test_support.h"

namespace projcalc {
namespace {

// Size lines of slope 1 and intercept 0: the 4:3 reference diagonal equals the distance.
ModelRecord unitModel(int panel, double offsetScale169 = 0.0) {
    ModelRecord m = sampleModel();
    m.wideSizeSlope = 1.0;
    m.wideSizeIntercept = 0.0;
    m.teleSizeSlope = 1.0;
    m.teleSizeIntercept = 0.0;
    m.panelAspect = panel;
    m.offsetScale169 = offsetScale169;
    return m;
}

const double kSin43 = std::sin(std::atan(1.0 / (4.0 / 3.0)));
const double kSin169 = std::sin(std::atan(1.0 / (16.0 / 9.0)));
const double kSin1610 = std::sin(std::atan(1.0 / (16.0 / 10.0)));
const double kFactor169[] = {0.9178779878760819, 1.223837317, 1.1014535847073097};

double offsetOf(const CalculatorState& s, double height, double coefficient, int aspectIndex,
                int zoom, OffsetKind kind = OffsetKind::A, double distance = 100) {
    const AspectChoice& a = kAspects[static_cast<std::size_t>(aspectIndex)];
    return computeOffset(s, height, coefficient, a.height, a.width, distance, kind, zoom);
}

TEST(ComputeOffset, WithoutRatiosOffsetIsHeightTimesCoefficient) {
    const CalculatorState s = stateWith(unitModel(0));
    EXPECT_DOUBLE_EQ(offsetOf(s, 60, 0.5, 0, kZoomWide), 30);
    EXPECT_DOUBLE_EQ(offsetOf(s, 64, 0.25, 1, kZoomTele), 16);  // 5:4
    EXPECT_EQ(offsetOf(s, 60, 0.0, 2, kZoomWide), 0);           // no coefficient, panel not 2
}

TEST(ComputeOffset, APresentRatioTimesTheDiagonalWins) {
    ModelRecord m = unitModel(0);
    m.ratios.wide.at(AspectGroup::Ratio169, OffsetKind::A) = {-0.1, true};
    m.ratios.wide.at(AspectGroup::Ratio43, OffsetKind::B) = {0.2, true};
    const CalculatorState s = stateWith(m, 2);
    const double distance = 100 / kFactor169[0];  // a 16:9 diagonal of 100 inches
    EXPECT_NEAR(offsetOf(s, 49, 0.5, 2, kZoomWide, OffsetKind::A, distance), -10, 1e-12);
    EXPECT_DOUBLE_EQ(offsetOf(s, 60, 0.5, 0, kZoomWide, OffsetKind::B), 0.2 * 100);
    // A 5:4 image never takes a ratio, even though it shares the 4:3 entries.
    EXPECT_DOUBLE_EQ(offsetOf(s, 64, 0.5, 1, kZoomWide, OffsetKind::B), 32);
}

TEST(ComputeOffset, TeleTopTableOnlyForKindsFiveAndSixAtTheTop) {
    ModelRecord m = unitModel(0);
    m.ratios.tele.at(AspectGroup::Ratio43, OffsetKind::A) = {0.1, true};
    m.ratios.teleTop.at(AspectGroup::Ratio43, OffsetKind::A) = {0.3, true};
    for (int kind : {0, 1, 2, 3, 4, 5, 6}) {
        for (int position : {0, 1}) {
            m.modelKind = kind;
            const CalculatorState s = stateWith(m, 0, kZoomTele, 0, position);
            const bool top = position == 0 && (kind == 5 || kind == 6);
            EXPECT_DOUBLE_EQ(offsetOf(s, 60, 0.5, 0, kZoomTele), (top ? 0.3 : 0.1) * 100)
                << "kind " << kind << " position " << position;
        }
    }
}

TEST(ComputeOffset, SixteenNineWithoutScaleIsCorrectedByPanel) {
    const double c = 0.4;
    const double h43 = kSin43 * 100;
    const double base = 50 * c;
    const double expected[] = {h43 * c - h43 * 0.125, base, h43 * c - h43 * 0.05};
    for (int panel = 0; panel <= 2; ++panel) {
        const CalculatorState s = stateWith(unitModel(panel), 2);
        EXPECT_NEAR(offsetOf(s, 50, c, 2, kZoomWide), expected[panel], 1e-12) << panel;
    }
}

TEST(ComputeOffset, SixteenTenWithoutScaleIsCorrectedOnFourThreePanelsOnly) {
    const double c = 0.4;
    const double h43 = kSin43 * 100;
    const CalculatorState s0 = stateWith(unitModel(0), 3);
    EXPECT_NEAR(offsetOf(s0, 50, c, 3, kZoomWide), h43 * c - h43 / 12, 1e-12);
    const CalculatorState s1 = stateWith(unitModel(1), 3);
    EXPECT_DOUBLE_EQ(offsetOf(s1, 50, c, 3, kZoomWide), 50 * c);
}

TEST(ComputeOffset, PanelTwoCorrectsEvenWithoutCoefficient) {
    const CalculatorState s = stateWith(unitModel(2), 2);
    const double h1610 = kSin1610 * 100 * 1.132077736;
    // Without a scale, 16:9 on a 16:10 panel: h43 × 0 − h43 × 0.05.
    EXPECT_NEAR(offsetOf(s, 50, 0.0, 2, kZoomWide), -kSin43 * 100 * 0.05, 1e-12);
    const CalculatorState scaled = stateWith(unitModel(2, 1.1), 2);
    EXPECT_NEAR(offsetOf(scaled, 50, 0.0, 2, kZoomWide), (h1610 - 0.9 * h1610) / 2, 1e-12);
}

TEST(ComputeOffset, SixteenNineWithScaleFollowsThePanelAndZoomEnd) {
    const double c = 0.4;
    const double h43 = kSin43 * 100;
    const double h169 = kSin169 * 100 * kFactor169[0];
    const CalculatorState wide = stateWith(unitModel(0, 1.2), 2);
    EXPECT_NEAR(offsetOf(wide, 50, c, 2, kZoomWide), h43 * c - h43 / 2 + h169 / 2, 1e-12);
    const CalculatorState panel1 = stateWith(unitModel(1, 1.2), 2);
    EXPECT_DOUBLE_EQ(offsetOf(panel1, 50, c, 2, kZoomWide), 50 * c);
    const CalculatorState tenths = stateWith(unitModel(0, 1.2), 3);
    EXPECT_DOUBLE_EQ(offsetOf(tenths, 50, c, 3, kZoomWide), 50 * c);
}

TEST(ComputeOffset, SixteenNineAtTeleOnFourThreePanelScalesTheWideOffset) {
    ModelRecord m = unitModel(0, 1.2);
    m.wideOffsetCoefficientA = 0.3;
    m.wideOffsetCoefficientB = -0.9;
    m.teleSizeSlope = 0.5;  // the TELE image is half the WIDE one at the same distance
    const CalculatorState s = stateWith(m, 2, kZoomTele);
    // The scaled height comes from the TELE image...
    const double scaledHeight = 1.2 * (50 * kFactor169[0]) * kSin169;
    const double e = (scaledHeight - scaledHeight / 1.2) / 2;
    // ...and the offset it is added to is the WIDE one, with the WIDE coefficients.
    const double h43 = kSin43 * 100;
    const double h169 = kSin169 * 100 * kFactor169[0];
    const double qA = h43 * 0.3 - h43 / 2 + h169 / 2;
    const double qB = h43 * -0.9 - h43 / 2 + h169 / 2;  // negative: moved the other way
    ASSERT_GE(qA, 0);
    ASSERT_LT(qB, 0);
    EXPECT_NEAR(offsetOf(s, 50, 0.7, 2, kZoomTele, OffsetKind::A), qA + e, 1e-12);
    EXPECT_NEAR(offsetOf(s, 50, 0.7, 2, kZoomTele, OffsetKind::B), qB - e, 1e-12);
}

// The texts shown in the offset boxes.
struct DisplayCase {
    int unit;
    int zoom;
    double coefficient;  // offset A = coefficient × displayed height of 60 inches
    const char* text;
};

void PrintTo(const DisplayCase& c, std::ostream* os) {
    *os << "unit " << c.unit << " zoom " << c.zoom << " -> " << c.text;
}

class OffsetDisplayTest : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(OffsetDisplayTest, ShowsAbsoluteValuesRoundedByUnit) {
    const DisplayCase& c = GetParam();
    ModelRecord m = unitModel(0);
    m.wideOffsetCoefficientA = m.teleOffsetCoefficientA = c.coefficient;
    CalculatorState s = stateWith(m, 0, c.zoom, c.unit);
    s.screenHeight = 60;
    s.projectionDistance = 100;
    EXPECT_EQ(offsetDisplayTexts(s)[0], c.text);
}

INSTANTIATE_TEST_SUITE_P(Units, OffsetDisplayTest,
                         ::testing::Values(DisplayCase{kUnitInches, kZoomWide, 0.5, "30.0"},
                                           DisplayCase{kUnitInches, kZoomWide, -0.5, "30.0"},
                                           DisplayCase{kUnitInches, kZoomWide, 0.2491, "14.9"},
                                           DisplayCase{kUnitInches, kZoomTele, 0.2491, "14.9"},
                                           DisplayCase{kUnitInches, kZoomWide, 0.2493, "15.0"},
                                           DisplayCase{kUnitInches, kZoomTele, 0.2493, "14.9"},
                                           DisplayCase{kUnitFeet, kZoomWide, 0.5, "2.5"},
                                           DisplayCase{kUnitCentimeters, kZoomWide, 0.5, "76"},
                                           DisplayCase{kUnitCentimeters, kZoomTele, 0.5, "76"}));

TEST(OffsetDisplay, NegativeRatioEntryNegatesTheText) {
    ModelRecord m = unitModel(0);
    m.ratios.wide.at(AspectGroup::Ratio169, OffsetKind::A) = {-0.1, true};
    CalculatorState s = stateWith(m, 2);
    s.projectionDistance = 100 / kFactor169[0];
    s.screenHeight = 49;
    EXPECT_EQ(offsetDisplayTexts(s)[0], "-10");
}

TEST(OffsetDisplay, FiveFourTakesItsSignFromTheFourThreeEntry) {
    ModelRecord m = unitModel(0);
    m.ratios.wide.at(AspectGroup::Ratio43, OffsetKind::B) = {-0.2, true};
    CalculatorState s = stateWith(m, 1);
    s.projectionDistance = 100;
    s.screenHeight = 60;
    const auto texts = offsetDisplayTexts(s);
    EXPECT_EQ(texts[1], "-6");  // 60 × 0.1, no ratio, but the 4:3 entry's sign
}

TEST(OffsetDisplay, KindTwoWithoutRatiosShowsAPositiveOffsetAWithAMinus) {
    ModelRecord m = unitModel(0);
    m.modelKind = 2;
    m.wideOffsetCoefficientA = 0.5;
    CalculatorState s = stateWith(m);
    s.projectionDistance = 100;
    s.screenHeight = 60;
    EXPECT_EQ(offsetDisplayTexts(s)[0], "-30");
    s.wideOffsetCoefficients[0] = -0.5;
    EXPECT_EQ(offsetDisplayTexts(s)[0], "30.0");
    s.wideOffsetCoefficients[0] = 0.0;
    s.wideOffsetCoefficients[1] = 0.0;
    EXPECT_EQ(offsetDisplayTexts(s)[0], "0.0");
}

TEST(OffsetDisplay, NegatedZeroShowsZeroWithoutSign) {
    ModelRecord m = unitModel(0);
    m.ratios.wide.at(AspectGroup::Ratio43, OffsetKind::A) = {-0.0001, true};
    CalculatorState s = stateWith(m);
    s.projectionDistance = 100;
    s.screenHeight = 60;
    EXPECT_EQ(offsetDisplayTexts(s)[0], "0");
}

TEST(OffsetDisplay, UsesTheRoundedHeightNotTheStoredOne) {
    ModelRecord m = unitModel(0);
    m.wideOffsetCoefficientA = 0.5;
    CalculatorState s = stateWith(m);
    s.projectionDistance = 100;
    s.screenHeight = 60.6;  // shown as 61: offset 30.5, not 30.3
    EXPECT_EQ(offsetDisplayTexts(s)[0], "30.5");
}

}  // namespace
}  // namespace projcalc
