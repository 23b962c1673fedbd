#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "diagrams/scene.h"
#include "util/numbers.h"

namespace projcalc {

// The farthest a drawn coordinate may lie from the picture's origin. A result further away than
// this cannot be shown in any picture box; it comes from values no drawing can hold.
inline constexpr double kPixelLimit = 1.0e6;

// A value rounded to a whole pixel, halves to the even neighbour; nothing when it is not finite
// or lies beyond kPixelLimit.
[[nodiscard]] inline std::optional<int> drawablePixel(double value) noexcept {
    if (!std::isfinite(value) || std::abs(value) > kPixelLimit) return std::nullopt;
    return static_cast<int>(roundHalfEven(value));
}

// A value rounded to a whole pixel, halves to even, for positions built from drawable points and
// control sizes. Never undefined: a value beyond kPixelLimit is held at the limit, NaN gives 0.
[[nodiscard]] inline int pixel(double value) noexcept {
    if (std::isnan(value)) return 0;
    if (value > kPixelLimit) return static_cast<int>(kPixelLimit);
    if (value < -kPixelLimit) return -static_cast<int>(kPixelLimit);
    return static_cast<int>(roundHalfEven(value));
}

// Builders for the steps of a scene.
[[nodiscard]] inline SceneItem lineItem(PenId pen, Point from, Point to) {
    SceneItem item;
    item.kind = SceneItem::Kind::Line;
    item.pen = pen;
    item.points = {from, to};
    return item;
}

[[nodiscard]] inline SceneItem polygonItem(PenId pen, BrushId brush, std::vector<Point> points) {
    SceneItem item;
    item.kind = SceneItem::Kind::Polygon;
    item.pen = pen;
    item.brush = brush;
    item.points = std::move(points);
    return item;
}

[[nodiscard]] inline SceneItem imageItem(std::string name, Point at, Size size) {
    SceneItem item;
    item.kind = SceneItem::Kind::Image;
    item.imageName = std::move(name);
    item.at = at;
    item.size = size;
    return item;
}

// The object name of a control of an indexed group: indexedName("txtValue", 3) is "txtValue_3".
[[nodiscard]] inline std::string indexedName(const char* group, int index) {
    return std::string(group) + "_" + std::to_string(index);
}

}  // namespace projcalc
