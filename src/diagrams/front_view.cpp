#include "diagrams/front_view.h"

#include <cmath>
#include <optional>

#include "diagrams/front_layout.h"
#include "diagrams/scene_parts.h"

namespace projcalc {
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
std::optional<RealFigure> figureAt(const FrontFrame& frame, const Solution& solution,
                                   double scaleReference) {
    const double dx = frame.x1 - frame.x2;
    const double dy = frame.y1 - frame.y2;
    const double inchesPerPixel = scaleReference / std::sqrt(dy * dy + dx * dx);
    if (!std::isfinite(inchesPerPixel) || !(inchesPerPixel > 0.0)) return std::nullopt;

    const double cosAngle = std::cos(kViewAngle);
    const double sinAngle = std::sin(kViewAngle);
    const double a = std::abs(cosAngle * solution.width / 2.0) / inchesPerPixel;
    const double b = std::abs(sinAngle * solution.width / 2.0) / inchesPerPixel;
    const double h = solution.height / 2.0 / inchesPerPixel;
    const double x2 = frame.x2;
    const double y2 = frame.y2;
    return RealFigure{x2 - a,
                      y2 - b - h,
                      y2 - b + h,
                      x2 + a,
                      y2 + b - h,
                      y2 + b + h,
                      x2 - cosAngle * solution.distance / inchesPerPixel,
                      y2 + sinAngle * solution.distance / inchesPerPixel};
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

FrontDrawing frontScene(const Solution& solution, const Options& /*options*/, double startScale,
                        const FrontMetrics& metrics) {
    const Size picture = metrics.picture;
    FrontDrawing drawing{Scene{}, startScale};
    Scene& scene = drawing.scene;
    scene.width = picture.width;
    scene.height = picture.height;

    const FrontFrame frame = frontFrame(picture);
    if (picture.width <= 0 || picture.height <= 0 || frame.y2 <= 0 || !std::isfinite(startScale) ||
        !(startScale > 0.0)) {
        return drawing;
    }

    double scale = startScale;
    for (int pass = 0; pass < kMaxFitPasses; ++pass) {
        const std::optional<RealFigure> real = figureAt(frame, solution, scale);
        if (!real || !std::isfinite(real->p1y)) break;
        // The fit test reads the top-left corner's rounded y: it is the highest point of the
        // figure. A figure too large to be rounded to pixels is shrunk like one that only sticks
        // out at the top.
        if (roundHalfEven(real->p1y) > 0.0) {
            const std::optional<FrontFigure> figure = roundedFigure(*real);
            if (!figure) break;
            scene.controls = layOutValueBoxes(frame, *figure, metrics);
            addFigure(scene, *figure);
            drawing.scale = scale;
            return drawing;
        }
        scale /= kFitStep;
    }
    return drawing;
}

}  // namespace projcalc
