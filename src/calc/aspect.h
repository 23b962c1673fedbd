#pragma once

namespace projcalc {

// Image sides of an aspect ratio (ratio = width / height). The forms are the ones the results
// have always been worked out with; keep them, or stored files stop matching their drawings.
[[nodiscard]] double heightFromDiagonal(double diagonal, double aspectRatio) noexcept;
[[nodiscard]] double widthFromHeight(double height, double aspectRatio) noexcept;
[[nodiscard]] double heightFromWidth(double width, double aspectRatio) noexcept;
[[nodiscard]] double diagonalFromSides(double width, double height) noexcept;

}  // namespace projcalc
