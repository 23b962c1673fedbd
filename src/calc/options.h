#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <type_traits>

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

// How a choice is named: the caption its option button shows unless a language file says
// otherwise (reports, the window's title and the JSON name it so too), and the word the command
// line takes for it and the settings file keeps it by.
struct ChoiceName {
    std::string_view caption;
    std::string_view word;
};

inline constexpr std::array<ChoiceName, 4> kAspectNames = {
    {{"4 : 3", "4:3"}, {"5 : 4", "5:4"}, {"16 : 9", "16:9"}, {"16 : 10", "16:10"}}};
inline constexpr std::array<ChoiceName, 2> kZoomNames = {{{"WIDE", "wide"}, {"TELE", "tele"}}};
inline constexpr std::array<ChoiceName, 2> kMountNames = {
    {{"Top of Screen", "top"}, {"Bottom of Screen", "bottom"}}};
inline constexpr std::array<ChoiceName, 3> kUnitNames = {
    {{"inches", "inches"}, {"Feet", "feet"}, {"centimeters", "centimeters"}}};

// Every name of one kind of choice, by index.
template <typename Choice>
[[nodiscard]] constexpr std::span<const ChoiceName> namesOf() noexcept {
    if constexpr (std::is_same_v<Choice, Aspect>) return kAspectNames;
    if constexpr (std::is_same_v<Choice, Zoom>) return kZoomNames;
    if constexpr (std::is_same_v<Choice, Mount>) return kMountNames;
    if constexpr (std::is_same_v<Choice, Unit>) return kUnitNames;
}

template <typename Choice>
[[nodiscard]] constexpr ChoiceName nameOf(Choice choice) noexcept {
    return namesOf<Choice>()[static_cast<std::size_t>(indexOf(choice))];
}

// The sides of an aspect ratio ("16 : 9" is 16 wide and 9 high).
struct AspectShape {
    double width;
    double height;
};

[[nodiscard]] constexpr AspectShape shapeOf(Aspect aspect) noexcept {
    switch (aspect) {
        case Aspect::R5x4:
            return {5.0, 4.0};
        case Aspect::R16x9:
            return {16.0, 9.0};
        case Aspect::R16x10:
            return {16.0, 10.0};
        case Aspect::R4x3:
            break;
    }
    return {4.0, 3.0};
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
[[nodiscard]] constexpr std::string_view zoomName(Zoom zoom) noexcept {
    return nameOf(zoom).caption;
}

}  // namespace projcalc
