#pragma once

#include <array>
#include <optional>

#include "calc/options.h"
#include "models/model_record.h"

namespace projcalc {

// Everything the calculator derives from one catalogue model, worked out once when the model is
// picked: the record itself, its kind as a whole number, what it offers, its offsets per zoom end
// and the reference distances the front view is scaled by.
struct ModelTraits {
    ModelRecord record;

    // Column 15 rounded half to even; the predicates below say what each kind means.
    int kind = 0;

    std::array<bool, 4> offersAspect{};  // by Aspect
    std::array<bool, 2> hasZoom{};       // by Zoom: the model has a size line there
    std::array<int, 2> offsetCount{};    // by Zoom: 1 or 2 offsets

    // The projection distance the front view's reference segment stands for, by aspect group:
    // the farthest throw of the group's largest images.
    std::array<double, 3> frontReference{};  // by AspectGroup

    // Whether the WIDE ratio table has an entry for an aspect group.
    std::array<bool, 3> hasWideRatio{};  // by AspectGroup

    // The zoom end a newly picked model starts at, and its first offered aspect (none when the
    // mask offers none: the checked aspect then stays).
    Zoom startZoom = Zoom::Wide;
    std::optional<Aspect> firstAspect;

    // Kinds 1 and 6 throw the image to the other side of the lens axis.
    [[nodiscard]] bool throwsAcrossAxis() const noexcept { return kind == 1 || kind == 6; }
    // Kind 2 centres the image on the lens axis.
    [[nodiscard]] bool centresOnAxis() const noexcept { return kind == 2; }
    // Kinds 5 and 6 have TELE ratios of their own for a projector at the top.
    [[nodiscard]] bool hasTeleTopRatios() const noexcept { return kind == 5 || kind == 6; }
    // Kind 3 at TELE and kind 4 at WIDE draw their rays mirrored where no WIDE ratio applies.
    [[nodiscard]] bool mirrorsWithoutRatioAt(Zoom zoom) const noexcept {
        return (kind == 3 && zoom == Zoom::Tele) || (kind == 4 && zoom == Zoom::Wide);
    }

    // Both zoom options can be chosen only when both ends have a size line.
    [[nodiscard]] bool zoomSelectable() const noexcept { return hasZoom[0] && hasZoom[1]; }

    [[nodiscard]] bool offers(Aspect aspect) const noexcept {
        return offersAspect[static_cast<std::size_t>(indexOf(aspect))];
    }
    [[nodiscard]] bool has(Zoom zoom) const noexcept {
        return hasZoom[static_cast<std::size_t>(indexOf(zoom))];
    }
    [[nodiscard]] int offsets(Zoom zoom) const noexcept {
        return offsetCount[static_cast<std::size_t>(indexOf(zoom))];
    }
    [[nodiscard]] double frontReferenceFor(Aspect aspect) const noexcept {
        return frontReference[static_cast<std::size_t>(groupOf(aspect))];
    }
    [[nodiscard]] bool hasWideRatioFor(Aspect aspect) const noexcept {
        return hasWideRatio[static_cast<std::size_t>(groupOf(aspect))];
    }
    // The offset coefficient A or B of a zoom end.
    [[nodiscard]] double coefficient(Zoom zoom, OffsetKind kind) const noexcept;
    // The smallest and largest diagonal for an aspect at a zoom end.
    [[nodiscard]] DiagonalLimitPair limits(Aspect aspect, Zoom zoom) const noexcept {
        return record.limits.forGroup(groupOf(aspect), indexOf(zoom));
    }

    friend bool operator==(const ModelTraits&, const ModelTraits&) = default;
};

// The traits of a catalogue model.
[[nodiscard]] ModelTraits traitsOf(const ModelRecord& record);

}  // namespace projcalc
