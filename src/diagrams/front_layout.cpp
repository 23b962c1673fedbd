#include "diagrams/front_layout.h"

#include <algorithm>
#include <array>

#include "diagrams/scene_parts.h"

namespace projcalc {
namespace {

enum Box { kDistance = 0, kDiagonal = 1, kWidth = 2, kHeight = 3 };

// Gap between a box and its Enter button, and the margin kept from the picture's edges.
constexpr int kButtonGap = 2;
constexpr int kMargin = 5;

}  // namespace

FrontFrame frontFrame(Size picture) noexcept {
    const double w = picture.width;
    const double h = picture.height;
    return {pixel(0.25 * w), pixel(0.8 * h), pixel(0.76 * w), pixel(0.37 * h)};
}

std::vector<ControlPlacement> layOutValueBoxes(const FrontFrame& frame, const FrontFigure& f,
                                               const FrontMetrics& sizes) {
    const Size picture = sizes.picture;
    std::array<Point, 4> at{};
    const int pictureWidth = picture.width;
    const int pictureHeight = picture.height;

    // Height: centred on the screen's right edge, right-aligned before its Enter button; pulled
    // up when it would fall below the picture.
    {
        Point& p = at[kHeight];
        const Size s = sizes.valueBox[kHeight];
        p.y = pixel((f.p4.y - f.p3.y) / 2.0 + f.p3.y - s.height / 2.0);
        p.x = pictureWidth - s.width - kMargin - (sizes.enterButton[kHeight].width + kButtonGap);
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

    std::vector<ControlPlacement> placements;
    placements.reserve(12);
    // Whether an Enter button shows is decided by the editing, not by the drawing: the scene
    // only says where it stands.
    for (const int i : {kHeight, kWidth, kDistance, kDiagonal}) {
        const auto k = static_cast<std::size_t>(i);
        const Size s = sizes.valueBox[k];
        const Size button = sizes.enterButton[k];
        const Point buttonAt{at[k].x + s.width + kButtonGap,
                             pixel((s.height - button.height) / 2.0 + at[k].y)};
        placements.push_back({indexedName("txtValue", i), at[k], s, true});
        placements.push_back({indexedName("cmdEnter", i), buttonAt, button, true});
    }
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const Size caption = sizes.caption[k];
        placements.push_back(
            {indexedName("lblValue", i), {at[k].x, at[k].y - caption.height}, caption, true});
    }
    return placements;
}

}  // namespace projcalc
