#pragma once

namespace projcalc::legacy {

// Unit codes of the calculator (the index of the unit option).
inline constexpr int kUnitInches = 0;
inline constexpr int kUnitFeet = 1;
inline constexpr int kUnitCentimeters = 2;

// Zoom ends (the index of the zoom option).
inline constexpr int kZoomWide = 0;
inline constexpr int kZoomTele = 1;

// Feet per inch: the double nearest to 1/12. Lengths are turned into inches by dividing by it,
// not by multiplying by 12, so that typed feet come out exactly as they always have.
inline constexpr double kFeetPerInch = 0.08333333333333333;
inline constexpr double kCentimetersPerInch = 2.54;

// A length in the given unit, in inches; 0 for an unknown unit.
[[nodiscard]] double toInches(double value, int unitIndex) noexcept;

// A length in inches, in the given unit; 0 for an unknown unit.
[[nodiscard]] double fromInches(double value, int unitIndex) noexcept;

// The whole number a typed value is rounded up to: floor(value + 0.99999999999). Any fraction
// goes up to the next whole number (2.01 gives 3) while 2.000000000001 stays 2.
[[nodiscard]] double roundUpEntry(double value) noexcept;

// The rounding of every shown length: `precision` 1 gives whole units, 2 tenths. At WIDE halves
// round up; at TELE the value is cut down, except that a value within a billionth (relative to
// its size) below a whole unit or tenth counts as that unit, so that 86 cm stored in inches and
// converted back shows 86, not 85.
[[nodiscard]] double roundForDisplay(double value, int precision, int zoomEnd) noexcept;

}  // namespace projcalc::legacy
