#include "old_diagrams/front_view.h"

#include <cmath>
#include <optional>

#include "old_core/view.h"
#include "old_diagrams/front_layout.h"
#include "old_diagrams/scene_parts.h"

namespace projcalc::legacy {
namespace {

// The angle at which the screen is seen, in radians: 30 degrees.
constexpr double kViewAngle = 94.2477796076937 / 180.0;
// Where the lens lies in the projector picture, from its top-left corner.
constexpr Point kProjectorLens{46, 10};
// Each failed fit draws the figure at 1 / 0.8 times the distance per pixel; after this many
// tries the drawing gives up.
constexpr double kFitStep = 0.8;
constexpr int kMaxFitPasses = 200;

// The figure at one scale reference (the inches the reference segment stands for), before
// rounding.
struct RealFigure {
    double p1x, p1y, p2y, p3x, p3y, p4y, qx, qy;
};

// Nothing when the scale reference gives no finite, positive scale.
std::optional<RealFigure> figureAt(const FrontFrame& frame, const CalculatorState& state,
                                   double scaleReference) {
    const double dx = frame.x1 - frame.x2;
    const double dy = frame.y1 - frame.y2;
    const double inchesPerPixel = scaleReference / std::sqrt(dy * dy + dx * dx);
    if (!std::isfinite(inchesPerPixel) || !(inchesPerPixel > 0.0)) return std::nullopt;

    const double cosAngle = std::cos(kViewAngle);
    const double sinAngle = std::sin(kViewAngle);
    const double a = std::abs(cosAngle * state.screenWidth / 2.0) / inchesPerPixel;
    const double b = std::abs(sinAngle * state.screenWidth / 2.0) / inchesPerPixel;
    const double h = state.screenHeight / 2.0 / inchesPerPixel;
    const double x2 = frame.x2;
    const double y2 = frame.y2;
    return RealFigure{x2 - a,
                      y2 - b - h,
                      y2 - b + h,
                      x2 + a,
                      y2 + b - h,
                      y2 + b + h,
                      x2 - cosAngle * state.projectionDistance / inchesPerPixel,
                      y2 + sinAngle * state.projectionDistance / inchesPerPixel};
}

// The figure in whole pixels, each point rounded half to even once; nothing when a point cannot
// be drawn.
std::optional<FrontFigure> roundedFigure(const RealFigure& r) {
    bool drawable = true;
    const auto point = [&drawable](double x, double y) {
        const std::optional<int> px = drawablePixel(x);
        const std::optional<int> py = drawablePixel(y);
        if (!px || !py) {
            drawable = false;
            return Point{};
        }
        return Point{*px, *py};
    };
    FrontFigure figure;
    figure.p1 = point(r.p1x, r.p1y);
    figure.p2 = point(r.p1x, r.p2y);
    figure.p3 = point(r.p3x, r.p3y);
    figure.p4 = point(r.p3x, r.p4y);
    figure.q = point(r.qx, r.qy);
    if (!drawable) return std::nullopt;
    return figure;
}

// The screen, then the projector, then the four rays over it.
void addFigure(Scene& scene, const FrontFigure& f) {
    scene.items.push_back(
        polygonItem(PenId::ScreenOutline, BrushId::ScreenFill, {f.p1, f.p3, f.p4, f.p2, f.p1}));
    scene.items.push_back(
        imageItem("imgProjector", {f.q.x - kProjectorLens.x, f.q.y - kProjectorLens.y}));
    for (const Point& corner : {f.p1, f.p3, f.p4, f.p2})
        scene.items.push_back(lineItem(PenId::Ray, f.q, corner));
}

}  // namespace

// When the figure cannot be drawn (no scale yet, a scale that is not a positive number, a
// picture box without size or too low to hold the centre row, a result that gives no finite
// coordinate, or a screen that still does not fit after kMaxFitPasses tries) the scene holds no
// figure and no placements: the picture is left white, the boxes stay where they stand, and
// `frontViewScale` keeps the value it came with.
Scene DrawScreen1(CalculatorState& state, const View& view) {
    const Size picture = view.controlSize("picDraw1");
    Scene scene;
    scene.width = picture.width;
    scene.height = picture.height;

    const FrontFrame frame = frontFrame(picture);
    const double initialScale = state.frontViewScale;
    if (picture.width <= 0 || picture.height <= 0 || frame.y2 <= 0 ||
        !std::isfinite(initialScale) || !(initialScale > 0.0)) {
        return scene;
    }

    for (int pass = 0; pass < kMaxFitPasses; ++pass) {
        const std::optional<RealFigure> real = figureAt(frame, state, state.frontViewScale);
        if (!real || !std::isfinite(real->p1y)) break;
        // The fit test reads the top-left corner's rounded y: it is the highest point of the
        // figure. A figure too large to be rounded to pixels is shrunk like one that only sticks
        // out at the top.
        if (roundHalfEven(real->p1y) > 0.0) {
            const std::optional<FrontFigure> figure = roundedFigure(*real);
            if (!figure) break;
            scene.controls = layOutValueBoxes(frame, *figure, picture, view);
            addFigure(scene, *figure);
            return scene;
        }
        state.frontViewScale /= kFitStep;
    }
    state.frontViewScale = initialScale;
    return scene;
}

}  // namespace projcalc::legacy
