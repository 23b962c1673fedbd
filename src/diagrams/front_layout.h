#pragma once

#include <vector>

#include "diagrams/metrics.h"
#include "diagrams/scene.h"

namespace projcalc {

// The fixed frame of the front view in a picture box: the reference segment runs from
// (x1, y1), low on the left, to the screen's centre (x2, y2).
struct FrontFrame {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

// The frame of a picture box of the given size, each coordinate rounded half to even.
[[nodiscard]] FrontFrame frontFrame(Size picture) noexcept;

// One drawing of the front view: the screen's corners (the left edge stands higher than the
// right one) and the projector's lens point.
struct FrontFigure {
    Point p1;  // top left
    Point p2;  // bottom left
    Point p3;  // top right
    Point p4;  // bottom right
    Point q;   // the projector's lens
};

// Places the value boxes beside what they measure: the height box at the screen's right edge,
// the width box over its top edge (never left of the picture's middle), the distance box along
// the bottom past the projector, the diagonal box left of the top-left corner. Each Enter button
// follows its box and each caption sits on top of its box. Placements come in the order the
// boxes are laid out (3, 2, 0, 1, each with its Enter button), then the captions 0 to 3.
[[nodiscard]] std::vector<ControlPlacement> layOutValueBoxes(const FrontFrame& frame,
                                                             const FrontFigure& figure,
                                                             const FrontMetrics& metrics);

}  // namespace projcalc
