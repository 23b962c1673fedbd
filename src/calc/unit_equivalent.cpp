#include "calc/unit_equivalent.h"

#include "calc/units.h"
#include "util/numbers.h"

namespace projcalc {

LengthUnit lengthUnitOf(Unit unit) noexcept {
    switch (unit) {
        case Unit::Feet:
            return LengthUnit::Feet;
        case Unit::Centimeters:
            return LengthUnit::Centimeters;
        case Unit::Inches:
            break;
    }
    return LengthUnit::Inches;
}

LengthText equivalentLength(double inches, Unit shown, Zoom zoom) {
    switch (shown) {
        case Unit::Centimeters:
            return {formatFixed(roundForDisplay(inches, Step::Whole, zoom), 0), LengthUnit::Inches};
        case Unit::Feet: {
            // Whole centimetres first, so that the metres carry exactly two decimals.
            const double centimetres =
                roundForDisplay(fromInches(inches, Unit::Centimeters), Step::Whole, zoom);
            return {formatFixed(centimetres / 100.0, 2), LengthUnit::Metres};
        }
        case Unit::Inches:
            break;
    }
    return {
        formatFixed(roundForDisplay(fromInches(inches, Unit::Centimeters), Step::Whole, zoom), 0),
        LengthUnit::Centimeters};
}

Unit offsetEquivalentUnit(Unit shown) noexcept {
    return shown == Unit::Centimeters ? Unit::Inches : Unit::Centimeters;
}

}  // namespace projcalc
