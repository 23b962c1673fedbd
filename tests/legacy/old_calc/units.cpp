#include "old_calc/units.h"

#include <algorithm>
#include <cmath>

namespace projcalc::legacy {

double toInches(double value, int unitIndex) noexcept {
    switch (unitIndex) {
        case kUnitInches:
            return value;
        case kUnitFeet:
            return value / kFeetPerInch;
        case kUnitCentimeters:
            return value / kCentimetersPerInch;
        default:
            return 0.0;
    }
}

double fromInches(double value, int unitIndex) noexcept {
    switch (unitIndex) {
        case kUnitInches:
            return value;
        case kUnitFeet:
            return value * kFeetPerInch;
        case kUnitCentimeters:
            return value * kCentimetersPerInch;
        default:
            return 0.0;
    }
}

double roundUpEntry(double value) noexcept {
    return std::floor(value + 0.99999999999);
}

double roundForDisplay(double value, int precision, int zoomEnd) noexcept {
    const double scale = precision == 2 ? 10.0 : 1.0;
    const double scaled = value * scale;
    if (zoomEnd == 0) return std::floor(scaled + 0.5) / scale;
    // Only the next whole unit above may be reached this way, however large the value.
    const double tolerance = 1e-9 * std::max(1.0, std::fabs(scaled));
    double whole = std::floor(scaled);
    if (whole + 1.0 - scaled <= tolerance) whole += 1.0;
    return whole / scale;
}

}  // namespace projcalc::legacy
