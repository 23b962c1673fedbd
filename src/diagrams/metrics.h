#pragma once

#include <array>

#include "diagrams/scene.h"

namespace projcalc {

// The sizes the front view lays out: its picture box and the controls that lie on it, each
// array by value box (distance, diagonal, width, height).
struct FrontMetrics {
    Size picture;                     // picDraw1
    std::array<Size, 4> valueBox;     // txtValue_0 to txtValue_3
    std::array<Size, 4> enterButton;  // cmdEnter_0 to cmdEnter_3
    std::array<Size, 4> caption;      // lblValue_0 to lblValue_3
    std::array<Size, 4> unit;         // lblUnit_0 to lblUnit_3, the unit beside each box
    Size projector;                   // the projector picture at its natural size, imgProjector

    friend bool operator==(const FrontMetrics&, const FrontMetrics&) = default;
};

// The sizes the side view lays out.
struct SideMetrics {
    Size picture;                   // picDraw2
    std::array<Size, 2> offsetBox;  // txtOffset_0, txtOffset_1
    Size rangeSign;                 // the "~" between the offsets, imgKara
    Size caption;                   // lblOffset
    Size unit;                      // lblOffsetUnit, the unit after the offsets
    std::array<Size, 2> projector;  // by Mount: imgProjectorSide_1 (top), imgProjectorSide_0

    friend bool operator==(const SideMetrics&, const SideMetrics&) = default;
};

// The design sizes, in pixels at 96 dots per inch: the window's controls as designed and the
// natural sizes of our artwork (the SVG view boxes have the same sizes). Both drawings are built
// for these whatever the window's size (the window scales them to fit), so the front view's scale
// never depends on it; the window only gives its captions the room their texts need.
[[nodiscard]] FrontMetrics designFrontMetrics() noexcept;
[[nodiscard]] SideMetrics designSideMetrics() noexcept;

}  // namespace projcalc
