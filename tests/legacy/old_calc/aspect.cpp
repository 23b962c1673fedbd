#include "old_calc/aspect.h"

#include <cmath>

namespace projcalc::legacy {

double heightFromDiagonal(double diagonal, double aspectRatio) noexcept {
    return std::sin(std::atan(1.0 / aspectRatio)) * diagonal;
}

double widthFromHeight(double height, double aspectRatio) noexcept {
    return aspectRatio * height;
}

double heightFromWidth(double width, double aspectRatio) noexcept {
    return width / aspectRatio;
}

double diagonalFromSides(double width, double height) noexcept {
    return std::sqrt(std::pow(width, 2.0) + std::pow(height, 2.0));
}

}  // namespace projcalc::legacy
