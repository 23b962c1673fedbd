#pragma once

#include <vector>

#include "diagrams/free_place.h"
#include "diagrams/metrics.h"
#include "diagrams/scene.h"

namespace projcalc {

// The angle at which the screen is seen, in radians: 30 degrees.
inline constexpr double kViewAngle = 94.2477796076937 / 180.0;

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

// What the value boxes keep clear of besides the screen and the lens point: the projector
// picture as drawn, and the lines they had better not cross (the rays, the zoom range marks).
struct FrontClearance {
    Rect projector;
    std::vector<Segment> lines;
};

// The projector picture's place for a figure: its natural size with its lens (`lens`, from the
// picture's top-left corner at natural size) at q, or smaller (down to kSmallestProjectorWidth
// wide, the lens still at q) where the natural size would cover the screen; where even that
// covers the screen, it steps back from the screen along the projection axis.
inline constexpr int kSmallestProjectorWidth = 16;
[[nodiscard]] Rect projectorPlace(const FrontFigure& figure, Size natural, Point lens);

// Places the value boxes beside what they measure: the height box at the screen's right edge,
// the width box over its top edge (never left of the picture's middle), the distance box along
// the bottom past the projector, the diagonal box left of the top-left corner. Each box carries
// its caption on top and, to its right, its unit and then its Enter button; where that block
// would leave the picture, cover the screen, the projector, the lens point or a block placed
// before it, or cross a line, it goes to the nearest place that does not (in the order height,
// width, distance, diagonal). Placements come in the order the boxes are laid out (3, 2, 0, 1,
// each with its Enter button), then the captions 0 to 3, then the units 0 to 3.
[[nodiscard]] std::vector<ControlPlacement> layOutValueBoxes(const FrontFrame& frame,
                                                             const FrontFigure& figure,
                                                             const FrontMetrics& metrics,
                                                             const FrontClearance& clearance);

}  // namespace projcalc
