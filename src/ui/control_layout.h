#pragma once

#include <QRect>
#include <span>
#include <string_view>

namespace projcalc::ui {

// One control of the main window as designed: its object name, the object name of its container
// ("window" for the area below the menu bar) and its rectangle in twips inside that container.
struct ControlDesign {
    std::string_view name;
    std::string_view container;
    int left, top, width, height;  // twips
};

// The window's inner area below the menu bar, in pixels at 96 dots per inch.
inline constexpr int kWindowInnerWidth = 594;
inline constexpr int kWindowInnerHeight = 396;

// Every control placed by design, in the window's control order.
[[nodiscard]] std::span<const ControlDesign> controlDesigns() noexcept;

// The design of one control, or nullptr.
[[nodiscard]] const ControlDesign* controlDesign(std::string_view name) noexcept;

// The control's rectangle in pixels (15 twips to a pixel, edges rounded to the nearest pixel).
[[nodiscard]] QRect designPixels(const ControlDesign& design) noexcept;

}  // namespace projcalc::ui
