#pragma once

#include <optional>
#include <variant>

#include "calc/options.h"
#include "models/model_record.h"
#include "util/errors.h"

namespace projcalc {

// Panel codes of catalogue column 13: the shape of the projector's imaging panel.
inline constexpr int kPanel4x3 = 0;
inline constexpr int kPanel16x9 = 1;
inline constexpr int kPanel16x10 = 2;

// The fixed factors that turn a model's 4:3 reference diagonal into a 16:9 or 16:10 diagonal,
// by panel code (0 4:3, 1 16:9, 2 16:10). They are literal constants, used exactly as written.
// Any other panel code has no factor.
[[nodiscard]] std::optional<double> panelFactor169(int panelAspect) noexcept;
[[nodiscard]] std::optional<double> panelFactor1610(int panelAspect) noexcept;

// Whether a model has a size line at a zoom end: a line whose slope and intercept are both 0
// stands for a zoom end the lens does not have.
[[nodiscard]] bool hasSizeLine(const ModelRecord& model, Zoom zoom) noexcept;

// The model's size line at a zoom end: the 4:3 diagonal slope × distance + intercept.
[[nodiscard]] double referenceDiagonal(const ModelRecord& model, Zoom zoom,
                                       double distance) noexcept;

// The diagonal, in inches, of an image of the given aspect thrown from `distance` inches by the
// model at a zoom end. 0 for 16:9 and 16:10 on a panel code without a factor.
[[nodiscard]] double diagonalFromDistance(const ModelRecord& model, double distance, Zoom zoom,
                                          Aspect aspect) noexcept;

// The inverse: the distance, in inches, at which the model throws an image of the given aspect
// and diagonal. 0 where diagonalFromDistance gives 0. An error when the zoom end's size line has
// a slope of 0 (the model cannot throw a sized image there) or the result overflows.
[[nodiscard]] std::variant<double, AppError> distanceFromDiagonal(const ModelRecord& model,
                                                                  double diagonal, Zoom zoom,
                                                                  Aspect aspect);

}  // namespace projcalc
