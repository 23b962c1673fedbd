#pragma once

#include <array>
#include <string_view>

#include "models/model_record.h"

namespace projcalc::legacy {

// The four aspect ratios, by the index of the aspect option.
struct AspectChoice {
    double width;
    double height;
    std::string_view caption;
};

inline constexpr std::array<AspectChoice, 4> kAspects = {{
    {4.0, 3.0, "4 : 3"},
    {5.0, 4.0, "5 : 4"},
    {16.0, 9.0, "16 : 9"},
    {16.0, 10.0, "16 : 10"},
}};

// The group whose limits and ratios an aspect option uses: 4:3 and 5:4 share the 4:3 group.
[[nodiscard]] constexpr AspectGroup aspectGroupOf(int aspectIndex) noexcept {
    return aspectIndex == 2   ? AspectGroup::Ratio169
           : aspectIndex == 3 ? AspectGroup::Ratio1610
                              : AspectGroup::Ratio43;
}

// True when the aspect parts are exactly these numbers.
[[nodiscard]] constexpr bool isAspect(double heightPart, double widthPart, double height,
                                      double width) noexcept {
    return heightPart == height && widthPart == width;
}

// Image sides of the selected aspect (ratio = width / height).
[[nodiscard]] double heightFromDiagonal(double diagonal, double aspectRatio) noexcept;
[[nodiscard]] double widthFromHeight(double height, double aspectRatio) noexcept;
[[nodiscard]] double heightFromWidth(double width, double aspectRatio) noexcept;
[[nodiscard]] double diagonalFromSides(double width, double height) noexcept;

}  // namespace projcalc::legacy
