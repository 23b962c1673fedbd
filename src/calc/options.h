#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "models/model_record.h"

namespace projcalc {

// The user's choices. Each enumerator's value is the index of its option button in the window, of
// its value box, and of its code in calculation files, so the casts below are part of the format.
enum class Aspect : int { R4x3 = 0, R5x4 = 1, R16x9 = 2, R16x10 = 3 };
enum class Zoom : int { Wide = 0, Tele = 1 };
enum class Mount : int { Top = 0, Bottom = 1 };
enum class Unit : int { Inches = 0, Feet = 1, Centimeters = 2 };
enum class Quantity : int { Distance = 0, Diagonal = 1, Width = 2, Height = 3 };

inline constexpr std::array<Aspect, 4> kAllAspects = {Aspect::R4x3, Aspect::R5x4, Aspect::R16x9,
                                                      Aspect::R16x10};
inline constexpr std::array<Zoom, 2> kAllZooms = {Zoom::Wide, Zoom::Tele};
inline constexpr std::array<Unit, 3> kAllUnits = {Unit::Inches, Unit::Feet, Unit::Centimeters};
inline constexpr std::array<Quantity, 4> kAllQuantities = {Quantity::Distance, Quantity::Diagonal,
                                                           Quantity::Width, Quantity::Height};

// What the solver needs of the user's choices. The unit only changes how results are shown.
struct Options {
    Aspect aspect = Aspect::R4x3;
    Zoom zoom = Zoom::Wide;
    Mount mount = Mount::Bottom;

    friend bool operator==(const Options&, const Options&) = default;
};

// The index of a choice (its option button, value box or file code).
template <typename Choice>
[[nodiscard]] constexpr int indexOf(Choice choice) noexcept {
    return static_cast<int>(choice);
}

// How many choices an option group has, and the choice at an index (nothing outside the group).
template <typename Choice>
inline constexpr int kChoiceCount = 0;
template <>
inline constexpr int kChoiceCount<Aspect> = 4;
template <>
inline constexpr int kChoiceCount<Zoom> = 2;
template <>
inline constexpr int kChoiceCount<Mount> = 2;
template <>
inline constexpr int kChoiceCount<Unit> = 3;
template <>
inline constexpr int kChoiceCount<Quantity> = 4;

template <typename Choice>
[[nodiscard]] constexpr std::optional<Choice> choiceAt(int index) noexcept {
    if (index < 0 || index >= kChoiceCount<Choice>) return std::nullopt;
    return static_cast<Choice>(index);
}

// The sides of an aspect ratio ("16 : 9" is 16 wide and 9 high) and its caption.
struct AspectShape {
    double width;
    double height;
    std::string_view caption;
};

[[nodiscard]] constexpr AspectShape shapeOf(Aspect aspect) noexcept {
    switch (aspect) {
        case Aspect::R5x4:
            return {5.0, 4.0, "5 : 4"};
        case Aspect::R16x9:
            return {16.0, 9.0, "16 : 9"};
        case Aspect::R16x10:
            return {16.0, 10.0, "16 : 10"};
        case Aspect::R4x3:
            break;
    }
    return {4.0, 3.0, "4 : 3"};
}

// Width divided by height.
[[nodiscard]] constexpr double ratioOf(Aspect aspect) noexcept {
    return shapeOf(aspect).width / shapeOf(aspect).height;
}

// The group whose limits and ratios an aspect uses: 4:3 and 5:4 share the 4:3 group.
[[nodiscard]] constexpr AspectGroup groupOf(Aspect aspect) noexcept {
    return aspect == Aspect::R16x9    ? AspectGroup::Ratio169
           : aspect == Aspect::R16x10 ? AspectGroup::Ratio1610
                                      : AspectGroup::Ratio43;
}

// The bit of an aspect in a model's aspect mask.
[[nodiscard]] constexpr int maskBitOf(Aspect aspect) noexcept {
    return 1 << indexOf(aspect);
}

// The name of a zoom end as the user sees it: "WIDE" or "TELE".
[[nodiscard]] constexpr const char* zoomName(Zoom zoom) noexcept {
    return zoom == Zoom::Wide ? "WIDE" : "TELE";
}

}  // namespace projcalc
