#include "calc/units.h"

#include <algorithm>
#include <cmath>

namespace projcalc {

std::string_view unitSign(Unit unit) noexcept {
    switch (unit) {
        case Unit::Feet:
            return "ft";
        case Unit::Centimeters:
            return "cm";
        case Unit::Inches:
            break;
    }
    return "in";
}

double toInches(double value, Unit unit) noexcept {
    switch (unit) {
        case Unit::Feet:
            return value / kFeetPerInch;
        case Unit::Centimeters:
            return value / kCentimetersPerInch;
        case Unit::Inches:
            break;
    }
    return value;
}

double fromInches(double value, Unit unit) noexcept {
    switch (unit) {
        case Unit::Feet:
            return value * kFeetPerInch;
        case Unit::Centimeters:
            return value * kCentimetersPerInch;
        case Unit::Inches:
            break;
    }
    return value;
}

double roundUpEntry(double value) noexcept {
    return std::floor(value + 0.99999999999);
}

double roundForDisplay(double value, Step step, Zoom zoom) noexcept {
    const double scale = step == Step::Tenth ? 10.0 : 1.0;
    const double scaled = value * scale;
    if (zoom == Zoom::Wide) return std::floor(scaled + 0.5) / scale;
    // Only the next whole unit above may be reached this way, however large the value.
    const double tolerance = 1e-9 * std::max(1.0, std::fabs(scaled));
    double whole = std::floor(scaled);
    if (whole + 1.0 - scaled <= tolerance) whole += 1.0;
    return whole / scale;
}

}  // namespace projcalc
