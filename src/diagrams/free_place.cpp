#include "diagrams/free_place.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace projcalc {
namespace {

// The interval a set of points covers along an axis.
struct Interval {
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();
    void add(double value) noexcept {
        low = std::min(low, value);
        high = std::max(high, value);
    }
};

Interval projected(std::span<const Point> points, double ax, double ay) noexcept {
    Interval interval;
    for (const Point& p : points)
        interval.add(p.x * ax + p.y * ay);
    return interval;
}

// Whether the intervals share more than a point.
bool shareLength(const Interval& a, const Interval& b) noexcept {
    return std::min(a.high, b.high) - std::max(a.low, b.low) > 0.0;
}

// The box around a convex shape's corners.
Rect boundingBox(std::span<const Point> convex) noexcept {
    const auto [left, right] = std::minmax_element(
        convex.begin(), convex.end(), [](const Point& a, const Point& b) { return a.x < b.x; });
    const auto [top, bottom] = std::minmax_element(
        convex.begin(), convex.end(), [](const Point& a, const Point& b) { return a.y < b.y; });
    return Rect{left->x, top->y, right->x - left->x, bottom->y - top->y};
}

// Calls `axis(nx, ny)` with the normal of each edge of a convex shape (a repeated corner makes
// none), while it returns true; false when a call did.
template <typename Axis>
bool everyEdgeNormal(std::span<const Point> convex, Axis axis) {
    for (std::size_t i = 0; i < convex.size(); ++i) {
        const Point& from = convex[i];
        const Point& to = convex[(i + 1) % convex.size()];
        const double nx = -(to.y - from.y);
        const double ny = to.x - from.x;
        if (nx == 0.0 && ny == 0.0) continue;
        if (!axis(nx, ny)) return false;
    }
    return true;
}

// The corners of a rectangle, for its projections.
std::array<Point, 4> cornersOf(const Rect& rect) noexcept {
    return {{{rect.left, rect.top},
             {rect.right(), rect.top},
             {rect.right(), rect.bottom()},
             {rect.left, rect.bottom()}}};
}

// A convex shape made ready to be tested against many rectangles: its bounding box and, for
// each edge's normal, the interval the shape covers along it. A shape of fewer than three
// corners covers nothing.
struct PreparedShape {
    struct Axis {
        double nx = 0.0;
        double ny = 0.0;
        Interval covered;
    };
    bool empty = true;
    Rect box;
    std::vector<Axis> axes;
};

PreparedShape prepareShape(std::span<const Point> convex) {
    PreparedShape shape;
    if (convex.size() < 3) return shape;
    shape.empty = false;
    shape.box = boundingBox(convex);
    shape.axes.reserve(convex.size());
    everyEdgeNormal(convex, [&](double nx, double ny) {
        shape.axes.push_back({nx, ny, projected(convex, nx, ny)});
        return true;
    });
    return shape;
}

// Separating axes: the rectangle's two (the shape's bounding box) and each edge's normal.
bool overlaps(const Rect& rect, const PreparedShape& shape) noexcept {
    if (shape.empty || rect.width <= 0 || rect.height <= 0) return false;
    if (!overlaps(rect, shape.box)) return false;
    const std::array<Point, 4> corners = cornersOf(rect);
    return std::all_of(shape.axes.begin(), shape.axes.end(), [&](const PreparedShape::Axis& axis) {
        return shareLength(projected(corners, axis.nx, axis.ny), axis.covered);
    });
}

// What a block of controls keeps clear of, with its shapes prepared once for the whole search.
struct PreparedKeepout {
    const Keepout& keepout;
    std::vector<PreparedShape> shapes;
};

// Whether a part covers something it must keep clear of.
bool blocked(const Rect& part, const PreparedKeepout& prepared) noexcept {
    const Keepout& keepout = prepared.keepout;
    if (!contains(keepout.bounds, part)) return true;
    for (const Rect& rect : keepout.rects) {
        if (overlaps(part, rect)) return true;
    }
    for (const PreparedShape& shape : prepared.shapes) {
        if (overlaps(part, shape)) return true;
    }
    return false;
}

// The cost of a free place: its distance from the wanted one plus its crossed lines; nothing
// when a part is blocked.
std::optional<double> costAt(Point at, Point wanted, std::span<const Rect> parts,
                             const PreparedKeepout& prepared) noexcept {
    const int dx = at.x - wanted.x;
    const int dy = at.y - wanted.y;
    for (const Rect& part : parts) {
        if (blocked(part.moved(at.x, at.y), prepared)) return std::nullopt;
    }
    const std::vector<Segment>& lines = prepared.keepout.lines;
    const bool crossing = std::any_of(lines.begin(), lines.end(), [&](const Segment& line) {
        return std::any_of(parts.begin(), parts.end(),
                           [&](const Rect& part) { return crosses(part.moved(at.x, at.y), line); });
    });
    return std::hypot(dx, dy) + (crossing ? kLineCrossingCost : 0);
}

}  // namespace

bool overlaps(const Rect& a, const Rect& b) noexcept {
    return std::min(a.right(), b.right()) > std::max(a.left, b.left) &&
           std::min(a.bottom(), b.bottom()) > std::max(a.top, b.top);
}

bool contains(const Rect& outer, const Rect& inner) noexcept {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

bool overlaps(const Rect& rect, std::span<const Point> convex) noexcept {
    // One rectangle: the shape's projections are worked out as they are needed, not kept.
    if (convex.size() < 3 || rect.width <= 0 || rect.height <= 0) return false;
    if (!overlaps(rect, boundingBox(convex))) return false;
    const std::array<Point, 4> corners = cornersOf(rect);
    return everyEdgeNormal(convex, [&](double nx, double ny) {
        return shareLength(projected(corners, nx, ny), projected(convex, nx, ny));
    });
}

bool crosses(const Rect& rect, const Segment& line) noexcept {
    // Liang-Barsky: clip the line's parameter range to each side of the rectangle.
    const double x0 = line.from.x;
    const double y0 = line.from.y;
    const double dx = line.to.x - x0;
    const double dy = line.to.y - y0;
    double enter = 0.0;
    double leave = 1.0;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {x0 - rect.left, rect.right() - x0, y0 - rect.top, rect.bottom() - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;  // parallel to this side and outside it
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
        if (enter > leave) return false;
    }
    return true;
}

std::optional<Point> nearestFreePlace(Point wanted, std::span<const Rect> parts,
                                      const Keepout& keepout, int step) {
    step = std::max(step, 1);
    PreparedKeepout prepared{keepout, {}};
    prepared.shapes.reserve(keepout.shapes.size());
    for (const std::vector<Point>& shape : keepout.shapes)
        prepared.shapes.push_back(prepareShape(shape));
    std::optional<Point> best;
    double bestCost = std::numeric_limits<double>::infinity();
    const auto consider = [&](int x, int y) {
        const Point at{x, y};
        if (const std::optional<double> cost = costAt(at, wanted, parts, prepared);
            cost && *cost < bestCost) {
            bestCost = *cost;
            best = at;
        }
    };
    // Rings of growing distance around the wanted place, `step` pixels apart; no place on a ring
    // lies nearer than its radius, so the search ends once the radius passes the best cost
    // found. No ring beyond the bounds' far corners can hold a place inside them.
    const Rect& b = keepout.bounds;
    const int reach = std::max({std::abs(wanted.x - b.left), std::abs(b.right() - wanted.x),
                                std::abs(wanted.y - b.top), std::abs(b.bottom() - wanted.y)}) +
                      step;
    consider(wanted.x, wanted.y);
    for (int d = step; d <= reach && d <= bestCost; d += step) {
        for (int x = -d; x <= d; x += step) {
            consider(wanted.x + x, wanted.y - d);
            consider(wanted.x + x, wanted.y + d);
        }
        for (int y = -d + step; y <= d - step; y += step) {
            consider(wanted.x - d, wanted.y + y);
            consider(wanted.x + d, wanted.y + y);
        }
    }
    // The grid's best place, moved to the nearest free pixel around it.
    if (best && step > 1 && *best != wanted) {
        const Point coarse = *best;
        for (int y = -step + 1; y < step; ++y) {
            for (int x = -step + 1; x < step; ++x)
                consider(coarse.x + x, coarse.y + y);
        }
    }
    return best;
}

}  // namespace projcalc
