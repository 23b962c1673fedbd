#pragma once

#include <optional>
#include <span>
#include <vector>

#include "diagrams/scene.h"

namespace projcalc {

// A rectangle of whole pixels: it covers the area from (left, top) to (right(), bottom()).
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    [[nodiscard]] constexpr int right() const noexcept { return left + width; }
    [[nodiscard]] constexpr int bottom() const noexcept { return top + height; }
    [[nodiscard]] constexpr Rect moved(int dx, int dy) const noexcept {
        return {left + dx, top + dy, width, height};
    }
    // Grown by `margin` on every side.
    [[nodiscard]] constexpr Rect grown(int margin) const noexcept {
        return {left - margin, top - margin, width + 2 * margin, height + 2 * margin};
    }

    friend bool operator==(const Rect&, const Rect&) = default;
};

[[nodiscard]] constexpr Rect rectAt(Point at, Size size) noexcept {
    return {at.x, at.y, size.width, size.height};
}

// A straight line of a drawing.
struct Segment {
    Point from;
    Point to;
};

// Whether two rectangles share some area; rectangles that only touch do not.
[[nodiscard]] bool overlaps(const Rect& a, const Rect& b) noexcept;
// Whether `inner` lies wholly inside `outer`.
[[nodiscard]] bool contains(const Rect& outer, const Rect& inner) noexcept;
// Whether a rectangle shares some area with a convex polygon, given by its corners in either
// turning direction (the first corner may be repeated at the end).
[[nodiscard]] bool overlaps(const Rect& rect, std::span<const Point> convex) noexcept;
// Whether a line passes through the rectangle or touches it.
[[nodiscard]] bool crosses(const Rect& rect, const Segment& line) noexcept;

// What a block of controls laid on a drawing keeps clear of.
struct Keepout {
    Rect bounds;                             // every part stays inside
    std::vector<Rect> rects;                 // never covered: pictures, points, other blocks
    std::vector<std::vector<Point>> shapes;  // never covered: convex shapes (the screen)
    std::vector<Segment> lines;              // better not crossed: rays and marks
};

// What crossing lines costs a place, in pixels of distance: a place that crosses nothing is
// taken over a nearer one that crosses lines, as long as it lies at most this much farther.
inline constexpr int kLineCrossingCost = 40;

// Where a block of controls goes: the anchor position nearest `wanted` (searched on a grid of
// `step` pixels around it, then to the pixel around the best grid point), at which every part
// (given relative to the anchor) lies inside the bounds and covers no rect and no shape, a place
// where a part crosses a line costing kLineCrossingCost more. `wanted` itself when it is free and
// crosses nothing; nothing when no place is free.
[[nodiscard]] std::optional<Point> nearestFreePlace(Point wanted, std::span<const Rect> parts,
                                                    const Keepout& keepout, int step = 4);

}  // namespace projcalc
