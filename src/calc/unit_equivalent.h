#pragma once

#include <string>

#include "calc/options.h"

namespace projcalc {

// The units a report writes lengths in: the three the user can select, and metres for the
// equivalent of feet.
enum class LengthUnit { Inches, Feet, Centimeters, Metres };

// The report's unit of a selected unit.
[[nodiscard]] LengthUnit lengthUnitOf(Unit unit) noexcept;

// A length written as a number and the unit it is in.
struct LengthText {
    std::string number;
    LengthUnit unit = LengthUnit::Inches;

    friend bool operator==(const LengthText&, const LengthText&) = default;
};

// A length (in inches) in the other measuring system than the selected unit's, so that a reader
// used to that system need not convert: inches give whole centimetres, centimetres whole inches,
// feet metres to the whole centimetre ("3.97"). Rounded by the zoom end's rule, as the boxes are.
[[nodiscard]] LengthText equivalentLength(double inches, Unit shown, Zoom zoom);

// The unit the offsets' equivalents are written in: centimetres beside inches and feet (offsets
// are short, and metres would hide them behind zeros), inches beside centimetres.
[[nodiscard]] Unit offsetEquivalentUnit(Unit shown) noexcept;

}  // namespace projcalc
