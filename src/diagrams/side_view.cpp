#include "diagrams/side_view.h"

#include <algorithm>
#include <cstdlib>

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

    const Size offset0 = metrics.offsetBox[0];
    const Size offset1 = metrics.offsetBox[1];
    const Size rangeSign = metrics.rangeSign;
    const Size caption = metrics.caption;
    const bool twoOffsets = model.offsets(options.zoom) != 1;

    // The screen line leaves room for both offset boxes and the range sign, shown or not.
    const int x = width - (offset1.width + offset0.width + rangeSign.width + 15);
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

    // The offset row stands on the lower of the lens and the offset end.
    const int row = centred ? f.lensY : std::max(f.lensY, f.offsetEnd);
    const Point offset1At{width - offset0.width - 5, row - offset1.height + offset0.height - 5};
    // A negative offset A alone lies on the other side of the axis; the spans stay as they were.
    if (solution.offsetA < 0.0 && solution.offsetB == 0.0) mirrorOffsetEnd();

    const Point signAt{offset1At.x - rangeSign.width + 5,
                       pixel(offset1At.y + (offset1.height - rangeSign.height) / 2.0)};
    const Point offset0At{signAt.x - offset0.width + 5, offset1At.y};
    const Point captionAt{offset0At.x, offset0At.y - caption.height};
    scene.controls = {
        {"txtOffset_1", offset1At, offset1, twoOffsets},
        {"imgKara", signAt, rangeSign, twoOffsets},
        {"txtOffset_0", offset0At, offset0, true},
        {"lblOffset", captionAt, caption, true},
    };

    // The projector, its right edge one pixel left of the lens point.
    const char* const projector = top ? "imgProjectorSide_1" : "imgProjectorSide_0";
    const Size projectorSize = metrics.projector[static_cast<std::size_t>(indexOf(options.mount))];
    scene.items.push_back(
        imageItem(projector, {kLensX - projectorSize.width - 1, f.lensY - (top ? 15 : 10)}));

    scene.items.push_back(lineItem(PenId::ScreenSide, {x, 5}, {x, yEnd}));

    const Point lens{kLensX, f.lensY};
    const auto ray = [&](PenId pen, int y) { scene.items.push_back(lineItem(pen, lens, {x, y})); };
    const auto tick = [&](int y) {
        scene.items.push_back(lineItem(PenId::Dimension, {x, y}, {x + kTickLength, y}));
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

    scene.items.push_back(lineItem(PenId::Axis, lens, {x, f.lensY}));
    return scene;
}

}  // namespace projcalc
