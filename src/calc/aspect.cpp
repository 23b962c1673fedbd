#include "calc/aspect.h"

#include <cmath>

namespace projcalc {

double heightFromDiagonal(double diagonal, double aspectRatio) noexcept {
    return std::sin(std::atan(1.0 / aspectRatio)) * diagonal;
}

double heightFromDiagonal(double diagonal, Aspect aspect) noexcept {
    // sin(atan(1 / ratio)) for each shape, as the library works it out (a test holds them to it).
    switch (aspect) {
        case Aspect::R5x4:
            return 0x1.3fd8077e70577p-1 * diagonal;
        case Aspect::R16x9:
            return 0x1.f6070adadf7f9p-2 * diagonal;
        case Aspect::R16x10:
            return 0x1.0f5c056474e6fp-1 * diagonal;
        case Aspect::R4x3:
            break;
    }
    return 0x1.3333333333333p-1 * diagonal;
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

}  // namespace projcalc
