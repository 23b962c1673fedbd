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

constexpr Zoom kWide = Zoom::Wide;
constexpr Zoom kTele = Zoom::Tele;

double offsetOf(const Choices& s, double height, double coefficient, Aspect aspect, Zoom zoom,
                OffsetKind kind = OffsetKind::A, double distance = 100) {
    return offsetFor(s.model, aspect, s.options.mount, zoom, height, coefficient, distance, kind);
}

// The offset box texts for an image of the given height and distance.
std::array<std::string, 2> textsOf(const Choices& s, double height, double distance) {
    const auto texts = offsetTexts(s.model, s.options, s.unit, height, distance);
    EXPECT_TRUE(texts.has_value());
    return texts.value_or(std::array<std::string, 2>{});
}

TEST(OffsetFor, WithoutRatiosOffsetIsHeightTimesCoefficient) {
    const Choices s = choicesWith(unitModel(0));
    EXPECT_DOUBLE_EQ(offsetOf(s, 60, 0.5, Aspect::R4x3, kWide), 30);
    EXPECT_DOUBLE_EQ(offsetOf(s, 64, 0.25, Aspect::R5x4, kTele), 16);  // 5:4
    EXPECT_EQ(offsetOf(s, 60, 0.0, Aspect::R16x9, kWide), 0);  // no coefficient, panel not 2
}

TEST(OffsetFor, APresentRatioTimesTheDiagonalWins) {
    ModelRecord m = unitModel(0);
    m.ratios.wide.at(AspectGroup::Ratio169, OffsetKind::A) = {-0.1, true};
    m.ratios.wide.at(AspectGroup::Ratio43, OffsetKind::B) = {0.2, true};
    const Choices s = choicesWith(m, Aspect::R16x9);
    const double distance = 100 / kFactor169[0];  // a 16:9 diagonal of 100 inches
    EXPECT_NEAR(offsetOf(s, 49, 0.5, Aspect::R16x9, kWide, OffsetKind::A, distance), -10, 1e-12);
    EXPECT_DOUBLE_EQ(offsetOf(s, 60, 0.5, Aspect::R4x3, kWide, OffsetKind::B), 0.2 * 100);
    // A 5:4 image never takes a ratio, even though it shares the 4:3 entries.
    EXPECT_DOUBLE_EQ(offsetOf(s, 64, 0.5, Aspect::R5x4, kWide, OffsetKind::B), 32);
}

TEST(OffsetFor, TeleTopTableOnlyForKindsFiveAndSixAtTheTop) {
    ModelRecord m = unitModel(0);
    m.ratios.tele.at(AspectGroup::Ratio43, OffsetKind::A) = {0.1, true};
    m.ratios.teleTop.at(AspectGroup::Ratio43, OffsetKind::A) = {0.3, true};
    for (int kind : {0, 1, 2, 3, 4, 5, 6}) {
        for (int position : {0, 1}) {
            m.modelKind = kind;
            const Choices s =
                choicesWith(m, Aspect::R4x3, kTele, Unit::Inches, *choiceAt<Mount>(position));
            const bool top = position == 0 && (kind == 5 || kind == 6);
            EXPECT_DOUBLE_EQ(offsetOf(s, 60, 0.5, Aspect::R4x3, kTele), (top ? 0.3 : 0.1) * 100)
                << "kind " << kind << " position " << position;
        }
    }
}

TEST(OffsetFor, SixteenNineWithoutScaleIsCorrectedByPanel) {
    const double c = 0.4;
    const double h43 = kSin43 * 100;
    const double base = 50 * c;
    const double expected[] = {h43 * c - h43 * 0.125, base, h43 * c - h43 * 0.05};
    for (int panel = 0; panel <= 2; ++panel) {
        const Choices s = choicesWith(unitModel(panel), Aspect::R16x9);
        EXPECT_NEAR(offsetOf(s, 50, c, Aspect::R16x9, kWide), expected[panel], 1e-12) << panel;
    }
}

TEST(OffsetFor, SixteenTenWithoutScaleIsCorrectedOnFourThreePanelsOnly) {
    const double c = 0.4;
    const double h43 = kSin43 * 100;
    const Choices s0 = choicesWith(unitModel(0), Aspect::R16x10);
    EXPECT_NEAR(offsetOf(s0, 50, c, Aspect::R16x10, kWide), h43 * c - h43 / 12, 1e-12);
    const Choices s1 = choicesWith(unitModel(1), Aspect::R16x10);
    EXPECT_DOUBLE_EQ(offsetOf(s1, 50, c, Aspect::R16x10, kWide), 50 * c);
}

TEST(OffsetFor, PanelTwoCorrectsEvenWithoutCoefficient) {
    const Choices s = choicesWith(unitModel(2), Aspect::R16x9);
    const double h1610 = kSin1610 * 100 * 1.132077736;
    // Without a scale, 16:9 on a 16:10 panel: h43 × 0 − h43 × 0.05.
    EXPECT_NEAR(offsetOf(s, 50, 0.0, Aspect::R16x9, kWide), -kSin43 * 100 * 0.05, 1e-12);
    const Choices scaled = choicesWith(unitModel(2, 1.1), Aspect::R16x9);
    EXPECT_NEAR(offsetOf(scaled, 50, 0.0, Aspect::R16x9, kWide), (h1610 - 0.9 * h1610) / 2, 1e-12);
}

TEST(OffsetFor, SixteenNineWithScaleFollowsThePanelAndZoomEnd) {
    const double c = 0.4;
    const double h43 = kSin43 * 100;
    const double h169 = kSin169 * 100 * kFactor169[0];
    const Choices wide = choicesWith(unitModel(0, 1.2), Aspect::R16x9);
    EXPECT_NEAR(offsetOf(wide, 50, c, Aspect::R16x9, kWide), h43 * c - h43 / 2 + h169 / 2, 1e-12);
    const Choices panel1 = choicesWith(unitModel(1, 1.2), Aspect::R16x9);
    EXPECT_DOUBLE_EQ(offsetOf(panel1, 50, c, Aspect::R16x9, kWide), 50 * c);
    const Choices tenths = choicesWith(unitModel(0, 1.2), Aspect::R16x10);
    EXPECT_DOUBLE_EQ(offsetOf(tenths, 50, c, Aspect::R16x10, kWide), 50 * c);
}

TEST(OffsetFor, SixteenNineAtTeleOnFourThreePanelScalesTheWideOffset) {
    ModelRecord m = unitModel(0, 1.2);
    m.wideOffsetCoefficientA = 0.3;
    m.wideOffsetCoefficientB = -0.9;
    m.teleSizeSlope = 0.5;  // the TELE image is half the WIDE one at the same distance
    const Choices s = choicesWith(m, Aspect::R16x9, kTele);
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
    EXPECT_NEAR(offsetOf(s, 50, 0.7, Aspect::R16x9, kTele, OffsetKind::A), qA + e, 1e-12);
    EXPECT_NEAR(offsetOf(s, 50, 0.7, Aspect::R16x9, kTele, OffsetKind::B), qB - e, 1e-12);
}

// The texts shown in the offset boxes.
struct DisplayCase {
    Unit unit;
    Zoom zoom;
    double coefficient;  // offset A = coefficient × displayed height of 60 inches
    const char* text;
};

void PrintTo(const DisplayCase& c, std::ostream* os) {
    *os << "unit " << indexOf(c.unit) << " zoom " << indexOf(c.zoom) << " -> " << c.text;
}

class OffsetDisplayTest : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(OffsetDisplayTest, ShowsAbsoluteValuesRoundedByUnit) {
    const DisplayCase& c = GetParam();
    ModelRecord m = unitModel(0);
    m.wideOffsetCoefficientA = m.teleOffsetCoefficientA = c.coefficient;
    const Choices s = choicesWith(m, Aspect::R4x3, c.zoom, c.unit);
    EXPECT_EQ(textsOf(s, 60, 100)[0], c.text);
}

INSTANTIATE_TEST_SUITE_P(Units, OffsetDisplayTest,
                         ::testing::Values(DisplayCase{Unit::Inches, kWide, 0.5, "30.0"},
                                           DisplayCase{Unit::Inches, kWide, -0.5, "30.0"},
                                           DisplayCase{Unit::Inches, kWide, 0.2491, "14.9"},
                                           DisplayCase{Unit::Inches, kTele, 0.2491, "14.9"},
                                           DisplayCase{Unit::Inches, kWide, 0.2493, "15.0"},
                                           DisplayCase{Unit::Inches, kTele, 0.2493, "14.9"},
                                           DisplayCase{Unit::Feet, kWide, 0.5, "2.5"},
                                           DisplayCase{Unit::Centimeters, kWide, 0.5, "76"},
                                           DisplayCase{Unit::Centimeters, kTele, 0.5, "76"}));

TEST(OffsetTexts, NegativeRatioEntryNegatesTheText) {
    ModelRecord m = unitModel(0);
    m.ratios.wide.at(AspectGroup::Ratio169, OffsetKind::A) = {-0.1, true};
    const Choices s = choicesWith(m, Aspect::R16x9);
    EXPECT_EQ(textsOf(s, 49, 100 / kFactor169[0])[0], "-10");
}

TEST(OffsetTexts, FiveFourTakesItsSignFromTheFourThreeEntry) {
    ModelRecord m = unitModel(0);
    m.ratios.wide.at(AspectGroup::Ratio43, OffsetKind::B) = {-0.2, true};
    const Choices s = choicesWith(m, Aspect::R5x4);
    const auto texts = textsOf(s, 60, 100);
    EXPECT_EQ(texts[1], "-6");  // 60 × 0.1, no ratio, but the 4:3 entry's sign
}

TEST(OffsetTexts, KindTwoWithoutRatiosShowsAPositiveOffsetAWithAMinus) {
    ModelRecord m = unitModel(0);
    m.modelKind = 2;
    m.wideOffsetCoefficientA = 0.5;
    EXPECT_EQ(textsOf(choicesWith(m), 60, 100)[0], "-30");
    m.wideOffsetCoefficientA = -0.5;
    EXPECT_EQ(textsOf(choicesWith(m), 60, 100)[0], "30.0");
    m.wideOffsetCoefficientA = 0.0;
    m.wideOffsetCoefficientB = 0.0;
    EXPECT_EQ(textsOf(choicesWith(m), 60, 100)[0], "0.0");
}

TEST(OffsetTexts, NegatedZeroShowsZeroWithoutSign) {
    ModelRecord m = unitModel(0);
    m.ratios.wide.at(AspectGroup::Ratio43, OffsetKind::A) = {-0.0001, true};
    EXPECT_EQ(textsOf(choicesWith(m), 60, 100)[0], "0");
}

TEST(OffsetTexts, UsesTheRoundedHeightNotTheStoredOne) {
    ModelRecord m = unitModel(0);
    m.wideOffsetCoefficientA = 0.5;
    // Shown as 61 high: offset 30.5, not 30.3.
    EXPECT_EQ(textsOf(choicesWith(m), 60.6, 100)[0], "30.5");
}

}  // namespace
}  // namespace projcalc
