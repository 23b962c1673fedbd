#pragma once

#include <array>
#include <optional>
#include <string>

#include "calc/model_traits.h"
#include "calc/options.h"

namespace projcalc {

// The ratio table that applies at a zoom end: WIDE's; at TELE the TELE-top table when the
// projector is at the top and the model is of kind 5 or 6, otherwise TELE's.
[[nodiscard]] const RatioTable& offsetRatioTable(const ModelTraits& model, Mount mount,
                                                 Zoom zoom) noexcept;

// The vertical offset, in inches, between lens and image for an image of the given aspect and
// height thrown from `distance` at a zoom end: a present ratio entry times the image diagonal, or
// else the height times `coefficient` (the model's coefficient A or B there), corrected for 16:9
// and 16:10 images on panels of another shape.
[[nodiscard]] double offsetFor(const ModelTraits& model, Aspect aspect, Mount mount, Zoom zoom,
                               double height, double coefficient, double distance,
                               OffsetKind kind) noexcept;

// Both offsets (A, B) of an image at the options' zoom end, from its height and distance.
[[nodiscard]] std::array<double, 2> offsetsFor(const ModelTraits& model, const Options& options,
                                               double height, double distance) noexcept;

// The texts of the two offset boxes for an image: the absolute offsets worked out from the shown
// (rounded) height, in the given unit ("0.0" in inches and feet, "0" in centimeters), then
// negated where the ratio table's entry is negative, or for a kind-2 model without ratio entries
// whose offset A is positive. Nothing when an offset is not a finite number.
[[nodiscard]] std::optional<std::array<std::string, 2>> offsetTexts(const ModelTraits& model,
                                                                    const Options& options,
                                                                    Unit unit, double height,
                                                                    double distance);

}  // namespace projcalc
