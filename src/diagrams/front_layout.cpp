#include "diagrams/front_layout.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "diagrams/scene_parts.h"

namespace projcalc {
namespace {

enum Box { kDistance = 0, kDiagonal = 1, kWidth = 2, kHeight = 3 };

// Gaps between a box, its unit and its Enter button, and the margin the designed places keep
// from the picture's edges.
constexpr int kUnitGap = 2;
constexpr int kButtonGap = 2;
constexpr int kMargin = 5;
// What a moved block keeps between itself and the picture's edges, the figure and other blocks.
constexpr int kClearance = 2;
// The lens point is kept clear this many pixels on each side.
constexpr int kLensClearance = 3;

// The controls of one value box, relative to the box's top-left corner.
struct Block {
    Rect caption;
    Rect box;
    Rect unit;
    Rect enter;

    [[nodiscard]] std::array<Rect, 4> parts(int margin) const {
        return {caption.grown(margin), box.grown(margin), unit.grown(margin), enter.grown(margin)};
    }
};

Block blockOf(const FrontMetrics& m, std::size_t i) {
    const Size box = m.valueBox[i];
    const Size unit = m.unit[i];
    const Size button = m.enterButton[i];
    const Size caption = m.caption[i];
    Block b;
    b.caption = {0, -caption.height, caption.width, caption.height};
    b.box = {0, 0, box.width, box.height};
    b.unit = {box.width + kUnitGap, pixel((box.height - unit.height) / 2.0), unit.width,
              unit.height};
    b.enter = {b.unit.right() + kButtonGap, pixel((box.height - button.height) / 2.0), button.width,
               button.height};
    return b;
}

// Where each box goes as designed, before anything is moved out of the way.
std::array<Point, 4> designedPlaces(const FrontFrame& frame, const FrontFigure& f,
                                    const FrontMetrics& sizes) {
    std::array<Point, 4> at{};
    const int pictureWidth = sizes.picture.width;
    const int pictureHeight = sizes.picture.height;

    // Height: centred on the screen's right edge, its block right-aligned at the margin; pulled
    // up when it would fall below the picture.
    {
        Point& p = at[kHeight];
        const Block block = blockOf(sizes, kHeight);
        const Size s = sizes.valueBox[kHeight];
        p.y = pixel((f.p4.y - f.p3.y) / 2.0 + f.p3.y - s.height / 2.0);
        p.x = pictureWidth - kMargin - block.enter.right();
        if (p.y > pictureHeight) p.y = pictureHeight - s.height - kMargin;
    }
    // Width: centred over the screen's top edge, but never left of the picture's middle.
    {
        Point& p = at[kWidth];
        const Size s = sizes.valueBox[kWidth];
        p.y = s.height + kMargin;
        p.x = pixel((f.p3.x - f.p1.x) / 2.0 + f.p1.x - s.width / 2.0);
        const double middle = (pictureWidth - s.width) / 2.0;
        if (middle > p.x) p.x = pixel(middle);
    }
    // Distance: along the bottom, past the projector or the reference segment's start.
    {
        Point& p = at[kDistance];
        const Size s = sizes.valueBox[kDistance];
        p.y = pictureHeight - s.height - kMargin;
        p.x = std::max(frame.x1, f.q.x) + 30;
    }
    // Diagonal: level with the screen's top-left corner, its caption's width to the left of it;
    // kept below the caption's height and inside the left margin.
    {
        Point& p = at[kDiagonal];
        const Size caption = sizes.caption[kDiagonal];
        p.y = std::min(frame.y2, f.p1.y);
        p.x = f.p1.x - caption.width - 30;
        if (caption.height + kMargin > p.y) p.y = caption.height + kMargin;
        if (p.x < kMargin) p.x = kMargin;
    }
    return at;
}

}  // namespace

FrontFrame frontFrame(Size picture) noexcept {
    const double w = picture.width;
    const double h = picture.height;
    return {pixel(0.25 * w), pixel(0.8 * h), pixel(0.76 * w), pixel(0.37 * h)};
}

Rect projectorPlace(const FrontFigure& f, Size natural, Point lens) {
    const std::array<Point, 4> screen = {f.p1, f.p3, f.p4, f.p2};
    const int smallest = std::min(natural.width, kSmallestProjectorWidth);
    Rect place;
    for (int width = natural.width; width >= smallest; --width) {
        const double k = natural.width > 0 ? static_cast<double>(width) / natural.width : 1.0;
        place = {f.q.x - pixel(lens.x * k), f.q.y - pixel(lens.y * k), width,
                 pixel(natural.height * k)};
        if (!overlaps(place, screen)) return place;
    }
    // Even the smallest picture covers a screen this small and this near: it steps back along
    // the projection axis, away from the screen's centre, until it is clear of the screen.
    const double cx = (f.p1.x + f.p4.x) / 2.0;
    const double cy = (f.p1.y + f.p4.y) / 2.0;
    double dx = f.q.x - cx;
    double dy = f.q.y - cy;
    const double length = std::hypot(dx, dy);
    if (length > 0.0) {
        dx /= length;
        dy /= length;
    } else {
        dx = -std::cos(kViewAngle);
        dy = std::sin(kViewAngle);
    }
    const Rect nearest = place;
    for (int step = 1; step <= natural.width + natural.height; ++step) {
        place = nearest.moved(pixel(dx * step), pixel(dy * step));
        if (!overlaps(place, screen)) break;
    }
    return place;
}

std::vector<ControlPlacement> layOutValueBoxes(const FrontFrame& frame, const FrontFigure& f,
                                               const FrontMetrics& sizes,
                                               const FrontClearance& clearance) {
    std::array<Point, 4> at = designedPlaces(frame, f, sizes);

    Keepout keepout;
    keepout.bounds = {0, 0, sizes.picture.width, sizes.picture.height};
    keepout.shapes.push_back({f.p1, f.p3, f.p4, f.p2});
    keepout.rects.push_back(clearance.projector);
    keepout.rects.push_back(Rect{f.q.x, f.q.y, 1, 1}.grown(kLensClearance));
    keepout.lines = clearance.lines;
    for (const int i : {kHeight, kWidth, kDistance, kDiagonal}) {
        const auto k = static_cast<std::size_t>(i);
        const Block block = blockOf(sizes, k);
        const std::array<Rect, 4> parts = block.parts(kClearance);
        at[k] = nearestFreePlace(at[k], parts, keepout).value_or(at[k]);
        for (const Rect& part : block.parts(0))
            keepout.rects.push_back(part.moved(at[k].x, at[k].y));
    }

    std::vector<ControlPlacement> placements;
    placements.reserve(16);
    const auto place = [&placements](std::string name, Point anchor, const Rect& part) {
        placements.push_back({std::move(name),
                              {anchor.x + part.left, anchor.y + part.top},
                              {part.width, part.height},
                              true});
    };
    // Whether an Enter button shows is decided by the editing, not by the drawing: the scene
    // only says where it stands.
    for (const int i : {kHeight, kWidth, kDistance, kDiagonal}) {
        const auto k = static_cast<std::size_t>(i);
        const Block block = blockOf(sizes, k);
        place(indexedName("txtValue", i), at[k], block.box);
        place(indexedName("cmdEnter", i), at[k], block.enter);
    }
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        place(indexedName("lblValue", i), at[k], blockOf(sizes, k).caption);
    }
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        place(indexedName("lblUnit", i), at[k], blockOf(sizes, k).unit);
    }
    return placements;
}

}  // namespace projcalc
