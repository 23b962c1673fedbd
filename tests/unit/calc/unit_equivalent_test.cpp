// The other measuring system's length written beside a length in the report.
#include "calc/unit_equivalent.h"

#include <gtest/gtest.h>

namespace projcalc {
namespace {

struct EquivalentCase {
    double inches;
    Unit shown;
    Zoom zoom;
    LengthText expected;
};

TEST(EquivalentLength, GivesTheOtherSystemRoundedByTheZoomEndsRule) {
    const EquivalentCase cases[] = {
        {120.0, Unit::Inches, Zoom::Wide, {"305", LengthUnit::Centimeters}},  // 304.8
        {120.0, Unit::Inches, Zoom::Tele, {"304", LengthUnit::Centimeters}},  // cut down at TELE
        {100.0, Unit::Inches, Zoom::Tele, {"254", LengthUnit::Centimeters}},  // exactly 254
        {120.0, Unit::Centimeters, Zoom::Wide, {"120", LengthUnit::Inches}},
        {10.6, Unit::Centimeters, Zoom::Wide, {"11", LengthUnit::Inches}},
        {10.6, Unit::Centimeters, Zoom::Tele, {"10", LengthUnit::Inches}},
        // Feet give metres to the whole centimetre: 156.41 in is 397.28 cm.
        {156.4098530181207, Unit::Feet, Zoom::Wide, {"3.97", LengthUnit::Metres}},
        {240.0, Unit::Feet, Zoom::Wide, {"6.10", LengthUnit::Metres}},  // 609.6 cm
        {240.0, Unit::Feet, Zoom::Tele, {"6.09", LengthUnit::Metres}},
        {1000.0 / 2.54, Unit::Feet, Zoom::Tele, {"10.00", LengthUnit::Metres}},  // not 9.99
        {0.0, Unit::Inches, Zoom::Wide, {"0", LengthUnit::Centimeters}},
    };
    for (const EquivalentCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.inches << " in, unit " << indexOf(c.shown)
                                          << ", zoom " << indexOf(c.zoom));
        EXPECT_EQ(equivalentLength(c.inches, c.shown, c.zoom), c.expected);
    }
}

TEST(EquivalentLength, OffsetsAreGivenInCentimetresBesideImperialAndInInchesBesideMetric) {
    EXPECT_EQ(offsetEquivalentUnit(Unit::Inches), Unit::Centimeters);
    EXPECT_EQ(offsetEquivalentUnit(Unit::Feet), Unit::Centimeters);
    EXPECT_EQ(offsetEquivalentUnit(Unit::Centimeters), Unit::Inches);
    EXPECT_EQ(lengthUnitOf(Unit::Inches), LengthUnit::Inches);
    EXPECT_EQ(lengthUnitOf(Unit::Feet), LengthUnit::Feet);
    EXPECT_EQ(lengthUnitOf(Unit::Centimeters), LengthUnit::Centimeters);
}

}  // namespace
}  // namespace projcalc
