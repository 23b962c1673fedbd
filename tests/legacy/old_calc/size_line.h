#pragma once

#include <optional>

#include "models/model_record.h"

namespace projcalc::legacy {

// The fixed factors that turn a model's 4:3 reference diagonal into a 16:9 or 16:10 diagonal,
// by panel code (0 4:3, 1 16:9, 2 16:10). They are literal constants, used exactly as written.
// Any other panel code has no factor.
[[nodiscard]] std::optional<double> panelFactor169(int panelAspect) noexcept;
[[nodiscard]] std::optional<double> panelFactor1610(int panelAspect) noexcept;

// The model's size line at a zoom end (0 WIDE, other TELE): the 4:3 diagonal slope × distance +
// intercept.
[[nodiscard]] double referenceDiagonal(const ModelRecord& model, int zoomEnd,
                                       double distance) noexcept;

// The diagonal, in inches, of an image with the given aspect parts thrown from `distance` inches
// by the model at a zoom end. 0 for an aspect that is not 4:3, 5:4, 16:9 or 16:10, and for 16:9
// and 16:10 on a panel code without a factor.
[[nodiscard]] double diagonalFromDistance(const ModelRecord& model, int panelAspect,
                                          double distance, int zoomEnd, double heightPart,
                                          double widthPart) noexcept;

// The inverse: the distance, in inches, at which the model throws an image of the given aspect
// and diagonal. 0 where diagonalFromDistance gives 0. Throws ArithmeticFault when the zoom end's
// size line has a slope of 0 (the model cannot throw a sized image there) or the result overflows.
[[nodiscard]] double distanceFromDiagonal(const ModelRecord& model, int panelAspect,
                                          double diagonal, int zoomEnd, double heightPart,
                                          double widthPart);

// The name of a zoom end as the user sees it: "WIDE" or "TELE".
[[nodiscard]] const char* zoomEndName(int zoomEnd) noexcept;

}  // namespace projcalc::legacy
