#include "diagrams/side_view.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "diagrams/free_place.h"
#include "diagrams/scene_parts.h"

namespace projcalc {
namespace {

// The lens point's x; the projector picture ends one pixel left of it.
constexpr int kLensX = 80;
// Length of the offset ticks, right of the screen line.
constexpr int kTickLength = 15;

// The vertical positions of one drawing, in pixels of the picture box.
struct SideFigure {
    int lensY = 0;
    int imageTop = 0;
    int imageBottom = 0;
    int offsetEnd = 0;
    int w = 0;  // mirror span at the top position
    int b = 0;  // mirror span at the bottom position
};

// The margin of the offset row from the picture's right edge, the gap before the unit, and what
// a moved row keeps between itself and the drawing.
constexpr int kMargin = 5;
constexpr int kUnitGap = 2;
constexpr int kClearance = 2;
// The lens point is kept clear this many pixels on each side.
constexpr int kLensClearance = 3;

// The offset row relative to the first offset box's top-left corner: the caption over it, the
// range sign overlapping both boxes by 5 pixels (its picture has room at its ends), the second
// box, and the unit after the last box shown.
struct OffsetBlock {
    Rect caption;
    Rect first;
    Rect rangeSign;
    Rect second;
    Rect unitAfterFirst;
    Rect unitAfterSecond;

    [[nodiscard]] std::vector<Rect> shownParts(bool twoOffsets, int margin) const {
        if (!twoOffsets)
            return {caption.grown(margin), first.grown(margin), unitAfterFirst.grown(margin)};
        return {caption.grown(margin), first.grown(margin), rangeSign.grown(margin),
                second.grown(margin), unitAfterSecond.grown(margin)};
    }
};

OffsetBlock offsetBlockOf(const SideMetrics& m) {
    const Size first = m.offsetBox[0];
    const Size second = m.offsetBox[1];
    OffsetBlock b;
    b.caption = {0, -m.caption.height, m.caption.width, m.caption.height};
    b.first = {0, 0, first.width, first.height};
    b.rangeSign = {first.width - 5, pixel((second.height - m.rangeSign.height) / 2.0),
                   m.rangeSign.width, m.rangeSign.height};
    b.second = {b.rangeSign.right() - 5, 0, second.width, second.height};
    b.unitAfterFirst = {b.first.right() + kUnitGap, pixel((first.height - m.unit.height) / 2.0),
                        m.unit.width, m.unit.height};
    b.unitAfterSecond = {b.second.right() + kUnitGap, pixel((second.height - m.unit.height) / 2.0),
                         m.unit.width, m.unit.height};
    return b;
}

// Which rays the drawing shows (kinds other than 2).
enum class RayCase {
    Mirrored,  // to the image ends moved by the mirror spans
    Plain,     // to the image ends
};

RayCase rayCaseOf(const ModelTraits& model, const Options& options, const Solution& solution) {
    const bool wideRatio = model.hasWideRatioFor(options.aspect);
    if ((!wideRatio && model.mirrorsWithoutRatioAt(options.zoom)) ||
        (solution.offsetA > 0.0 && wideRatio)) {
        return RayCase::Mirrored;
    }
    return RayCase::Plain;
}

}  // namespace

Scene sideScene(const ModelTraits& model, const Options& options, const Solution& solution,
                const SideMetrics& metrics) {
    const Size picture = metrics.picture;
    Scene scene;
    scene.width = picture.width;
    scene.height = picture.height;
    const int width = picture.width;
    const int height = picture.height;

    const bool twoOffsets = model.offsets(options.zoom) != 1;
    const OffsetBlock block = offsetBlockOf(metrics);

    // The screen line leaves room for both offset boxes, the range sign and the unit, shown or
    // not.
    const int x = width - (metrics.offsetBox[1].width + metrics.offsetBox[0].width +
                           metrics.rangeSign.width + kUnitGap + metrics.unit.width + 15);
    const int yEnd = height - 10;
    const bool centred = model.centresOnAxis();
    const int t = centred ? pixel(height / 2.0) : height - 20;
    const bool top = options.mount == Mount::Top;
    const bool anyOffset = solution.offsetA != 0.0 || solution.offsetB != 0.0;

    SideFigure f;
    if (top) {
        f.lensY = centred ? pixel(height / 2.0 + 20 - 26) : 27;
        f.imageTop = anyOffset ? 20 : f.lensY;
        f.imageBottom = t;
        f.offsetEnd = f.imageTop;
    } else {
        f.lensY = centred ? pixel(height / 2.0 + 20 - 26) : t - 7;
        f.imageTop = 20;
        f.imageBottom = anyOffset ? t : f.lensY;
        f.offsetEnd = f.imageBottom;
    }
    // The image end that carries the offset, mirrored across the lens axis.
    const auto mirrorOffsetEnd = [&f, top] {
        int& end = top ? f.imageTop : f.imageBottom;
        end = 2 * f.lensY - end;
        f.offsetEnd = end;
    };
    if (model.throwsAcrossAxis()) mirrorOffsetEnd();
    const int span = 2 * std::abs(f.lensY - f.offsetEnd);
    f.w = top ? span : 0;
    f.b = top ? 0 : span;

    // The offset row stands on the lower of the lens and the offset end, its right end at the
    // margin.
    const int row = centred ? f.lensY : std::max(f.lensY, f.offsetEnd);
    Point anchor{width - kMargin - block.unitAfterSecond.right(),
                 row - metrics.offsetBox[1].height + metrics.offsetBox[0].height - kMargin};
    // A negative offset A alone lies on the other side of the axis; the spans stay as they were.
    if (solution.offsetA < 0.0 && solution.offsetB == 0.0) mirrorOffsetEnd();

    // The projector, its right edge one pixel left of the lens point.
    const char* const projector = top ? "imgProjectorSide_1" : "imgProjectorSide_0";
    const Size projectorSize = metrics.projector[static_cast<std::size_t>(indexOf(options.mount))];
    const Point projectorAt{kLensX - projectorSize.width - 1, f.lensY - (top ? 15 : 10)};
    const Point lens{kLensX, f.lensY};
    std::vector<SceneItem> lines;
    lines.push_back(lineItem(PenId::ScreenSide, {x, 5}, {x, yEnd}));
    const auto ray = [&](PenId pen, int y) { lines.push_back(lineItem(pen, lens, {x, y})); };
    const auto tick = [&](int y) {
        lines.push_back(lineItem(PenId::Dimension, {x, y}, {x + kTickLength, y}));
    };
    if (centred) {
        // Both image ends and their mirror images across the lens axis.
        const int belowSpan = 2 * (f.imageBottom - f.lensY);
        const int aboveSpan = 2 * (f.lensY - f.imageTop);
        ray(PenId::Ray, f.imageBottom - belowSpan);
        ray(PenId::RayFaint, f.imageTop + aboveSpan);
        ray(PenId::Ray, f.imageTop);
        ray(PenId::RayFaint, f.imageBottom);
        tick(f.lensY);
    } else if (rayCaseOf(model, options, solution) == RayCase::Mirrored) {
        ray(PenId::Ray, f.imageTop + f.w);
        ray(PenId::Ray, f.imageBottom - f.b);
        tick(f.lensY);
        tick(f.offsetEnd - f.b + f.w);
    } else {
        ray(PenId::Ray, f.imageTop);
        ray(PenId::Ray, f.imageBottom);
        tick(f.lensY);
        tick(f.offsetEnd);
    }

    lines.push_back(lineItem(PenId::Axis, lens, {x, f.lensY}));

    // The offsets keep clear of the projector, the lens point, the screen line and the ticks,
    // and had better not cross the rays and the axis.
    Keepout keepout;
    keepout.bounds = {0, 0, width, height};
    keepout.rects.push_back(rectAt(projectorAt, projectorSize));
    keepout.rects.push_back(Rect{lens.x, lens.y, 1, 1}.grown(kLensClearance));
    for (const SceneItem& line : lines) {
        const Segment segment{line.points[0], line.points[1]};
        if (line.pen == PenId::ScreenSide) {
            keepout.rects.push_back({x - 1, 5, 2, yEnd - 5});
        } else if (line.pen == PenId::Dimension) {
            keepout.rects.push_back({x, segment.from.y, kTickLength + 1, 1});
        } else {
            keepout.lines.push_back(segment);
        }
    }
    const std::vector<Rect> parts = block.shownParts(twoOffsets, kClearance);
    anchor = nearestFreePlace(anchor, parts, keepout).value_or(anchor);

    const auto place = [&](const char* name, const Rect& part, bool visible) {
        scene.controls.push_back({name,
                                  {anchor.x + part.left, anchor.y + part.top},
                                  {part.width, part.height},
                                  visible});
    };
    place("txtOffset_1", block.second, twoOffsets);
    place("imgKara", block.rangeSign, twoOffsets);
    place("txtOffset_0", block.first, true);
    place("lblOffset", block.caption, true);
    place("lblOffsetUnit", twoOffsets ? block.unitAfterSecond : block.unitAfterFirst, true);

    scene.items.push_back(imageItem(projector, projectorAt, projectorSize));
    scene.items.insert(scene.items.end(), lines.begin(), lines.end());
    return scene;
}

}  // namespace projcalc
