#pragma once

#include "calc/options.h"

namespace projcalc {

// Image sides of an aspect ratio (ratio = width / height). The forms are the ones the results
// have always been worked out with; keep them, or stored files stop matching their drawings.
[[nodiscard]] double heightFromDiagonal(double diagonal, double aspectRatio) noexcept;
[[nodiscard]] double widthFromHeight(double height, double aspectRatio) noexcept;
[[nodiscard]] double heightFromWidth(double width, double aspectRatio) noexcept;
[[nodiscard]] double diagonalFromSides(double width, double height) noexcept;

// heightFromDiagonal(diagonal, ratioOf(aspect)), bit for bit, with each aspect's
// sin(atan(1 / ratio)) written out: a start need not load the maths library's sine and arc
// tangent (a third of a megabyte of code and tables) for four numbers that never change.
[[nodiscard]] double heightFromDiagonal(double diagonal, Aspect aspect) noexcept;

}  // namespace projcalc
