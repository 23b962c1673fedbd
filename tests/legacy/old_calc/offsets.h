#pragma once

#include <array>
#include <string>

#include "old_core/calculator_state.h"

namespace projcalc::legacy {

// The ratio table that applies at a zoom end: WIDE's; at TELE the TELE-top table when the
// projector is at the top and the model is of kind 5 or 6, otherwise TELE's.
[[nodiscard]] const RatioTable& offsetRatioTable(const CalculatorState& state,
                                                 int zoomEnd) noexcept;

// The vertical offset, in inches, between lens and image for an image of the given aspect parts
// and height thrown from `distance`: a present ratio entry times the image diagonal, or else the
// height times `coefficient` (the model's coefficient A or B for `zoomEnd`), corrected for 16:9
// and 16:10 images on panels of another shape. Reads the selected model and changes nothing.
[[nodiscard]] double computeOffset(const CalculatorState& state, double height, double coefficient,
                                   double aspectHeight, double aspectWidth, double distance,
                                   OffsetKind kind, int zoomEnd) noexcept;

// The texts of the two offset boxes for the stored results: the absolute offsets computed from
// the displayed (rounded) height, in the selected unit ("0.0" in inches and feet, "0" in
// centimeters), then negated where the ratio table's entry is negative, or for a kind-2 model
// without ratio entries whose offset A is positive. Throws ArithmeticFault when an offset is not
// a finite number.
[[nodiscard]] std::array<std::string, 2> offsetDisplayTexts(const CalculatorState& state);

}  // namespace projcalc::legacy
