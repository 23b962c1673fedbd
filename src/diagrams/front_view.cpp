#include "diagrams/front_view.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "diagrams/front_layout.h"
#include "diagrams/scene_parts.h"

namespace projcalc {
namespace {

// Where the lens lies in the projector picture, from its top-left corner.
constexpr Point kProjectorLens{46, 10};
// Each failed fit draws the figure at 1 / 0.8 times the distance per pixel; after this many
// tries the drawing gives up.
constexpr double kFitStep = 0.8;
constexpr int kMaxFitPasses = 200;
// Half the length of the cross mark at each zoom end's lens position, in pixels.
constexpr double kZoomMarkHalf = 4.0;

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
void addFigure(Scene& scene, const FrontFigure& f, const Rect& projector) {
    scene.items.push_back(
        polygonItem(PenId::ScreenOutline, BrushId::ScreenFill, {f.p1, f.p3, f.p4, f.p2, f.p1}));
    scene.items.push_back(imageItem("imgProjector", {projector.left, projector.top},
                                    {projector.width, projector.height}));
    for (const Point& corner : {f.p1, f.p3, f.p4, f.p2})
        scene.items.push_back(lineItem(PenId::Ray, f.q, corner));
}

// The lens positions of both zoom ends on the projection axis, which runs from the screen's
// centre through the lens: a line between them, then a mark across the axis at WIDE and at
// TELE. Nothing unless both ends exist and every point can be drawn.
std::vector<SceneItem> zoomRangeItems(const FrontFrame& frame, double scaleReference,
                                      const ZoomLengths& zoomRange) {
    if (!zoomRange[0] || !zoomRange[1]) return {};
    const double dx = frame.x1 - frame.x2;
    const double dy = frame.y1 - frame.y2;
    const double inchesPerPixel = scaleReference / std::sqrt(dy * dy + dx * dx);
    const double cosAngle = std::cos(kViewAngle);
    const double sinAngle = std::sin(kViewAngle);
    bool drawable = true;
    const auto point = [&drawable](double x, double y) {
        const std::optional<int> px = drawablePixel(x);
        const std::optional<int> py = drawablePixel(y);
        if (!px || !py) drawable = false;
        return Point{px.value_or(0), py.value_or(0)};
    };
    std::vector<SceneItem> marks;
    std::array<Point, 2> lens;
    for (std::size_t end = 0; end < lens.size(); ++end) {
        // The same placement as the projector's lens point q, for this end's distance.
        const double x = frame.x2 - cosAngle * *zoomRange[end] / inchesPerPixel;
        const double y = frame.y2 + sinAngle * *zoomRange[end] / inchesPerPixel;
        lens[end] = point(x, y);
        // Across the axis: (sin, cos) is perpendicular to its direction (-cos, sin).
        marks.push_back(lineItem(
            PenId::ZoomRange, point(x - sinAngle * kZoomMarkHalf, y - cosAngle * kZoomMarkHalf),
            point(x + sinAngle * kZoomMarkHalf, y + cosAngle * kZoomMarkHalf)));
    }
    if (!drawable) return {};
    std::vector<SceneItem> items = {lineItem(PenId::ZoomRange, lens[0], lens[1])};
    items.insert(items.end(), marks.begin(), marks.end());
    return items;
}

// Clips the segment from `a` to `b` to the rectangle [0, width] × [0, height] (Liang–Barsky);
// nothing when no part of it lies inside.
std::optional<std::pair<std::array<double, 2>, std::array<double, 2>>> clipped(
    std::array<double, 2> a, std::array<double, 2> b, double width, double height) {
    double t0 = 0.0;
    double t1 = 1.0;
    const double dx = b[0] - a[0];
    const double dy = b[1] - a[1];
    const std::array<std::pair<double, double>, 4> edges = {
        {{-dx, a[0]}, {dx, width - a[0]}, {-dy, a[1]}, {dy, height - a[1]}}};
    for (const auto& [p, q] : edges) {
        if (p == 0.0) {
            if (q < 0.0) return std::nullopt;
            continue;
        }
        const double t = q / p;
        if (p < 0.0) {
            if (t > t1) return std::nullopt;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return std::nullopt;
            t1 = std::min(t1, t);
        }
    }
    return std::pair{std::array{a[0] + t0 * dx, a[1] + t0 * dy},
                     std::array{a[0] + t1 * dx, a[1] + t1 * dy}};
}

// The scope screen's outline around the picture's screen: as high, `scopeWidth` wide, centred
// on it, its four sides clipped to the picture box.
std::vector<SceneItem> scopeOutlineItems(const FrontFrame& frame, const Solution& solution,
                                         double scaleReference, double scopeWidth, Size picture) {
    if (!(scopeWidth > 0.0) || !std::isfinite(scopeWidth)) return {};
    Solution scope = solution;
    scope.width = scopeWidth;
    const std::optional<RealFigure> r = figureAt(frame, scope, scaleReference);
    if (!r) return {};
    const std::array<std::array<double, 2>, 5> corners = {
        {{r->p1x, r->p1y}, {r->p3x, r->p3y}, {r->p3x, r->p4y}, {r->p1x, r->p2y}, {r->p1x, r->p1y}}};
    std::vector<SceneItem> items;
    for (std::size_t i = 0; i + 1 < corners.size(); ++i) {
        const auto side = clipped(corners[i], corners[i + 1], picture.width, picture.height);
        if (!side) continue;
        const std::optional<int> x0 = drawablePixel(side->first[0]);
        const std::optional<int> y0 = drawablePixel(side->first[1]);
        const std::optional<int> x1 = drawablePixel(side->second[0]);
        const std::optional<int> y1 = drawablePixel(side->second[1]);
        if (!x0 || !y0 || !x1 || !y1) continue;
        items.push_back(lineItem(PenId::ScopeOutline, {*x0, *y0}, {*x1, *y1}));
    }
    return items;
}

// What the value boxes keep clear of: the projector picture, the rays and the zoom marks.
FrontClearance clearanceOf(const FrontFigure& f, const Rect& projector,
                           const std::vector<SceneItem>& zoomItems) {
    FrontClearance clearance;
    clearance.projector = projector;
    for (const Point& corner : {f.p1, f.p3, f.p4, f.p2})
        clearance.lines.push_back({f.q, corner});
    for (const SceneItem& item : zoomItems)
        clearance.lines.push_back({item.points[0], item.points[1]});
    return clearance;
}

// The figure at the scale that fits it, from `startScale` on, and that scale; nothing when it
// cannot be drawn. The figure fits when its highest point, the screen's top-left corner, lies
// inside the picture (the fit test reads its rounded y) and so does the projector picture. A
// figure too large to be rounded to pixels is shrunk like one that only sticks out at the top.
// Where the projector never fits (a picture box smaller than it), the first scale at which the
// screen fits is kept.
std::optional<std::pair<FrontFigure, double>> fittedFigure(const FrontFrame& frame,
                                                           const Solution& solution,
                                                           double startScale,
                                                           const FrontMetrics& metrics) {
    const Size picture = metrics.picture;
    if (picture.width <= 0 || picture.height <= 0 || frame.y2 <= 0 || !std::isfinite(startScale) ||
        !(startScale > 0.0)) {
        return std::nullopt;
    }
    const Rect inside{0, 0, picture.width, picture.height};
    std::optional<std::pair<FrontFigure, double>> screenFits;
    double scale = startScale;
    for (int pass = 0; pass < kMaxFitPasses; ++pass) {
        const std::optional<RealFigure> real = figureAt(frame, solution, scale);
        if (!real || !std::isfinite(real->p1y)) break;
        if (roundHalfEven(real->p1y) > 0.0) {
            const std::optional<FrontFigure> figure = roundedFigure(*real);
            if (!figure) break;
            if (!screenFits) screenFits.emplace(*figure, scale);
            if (contains(inside, projectorPlace(*figure, metrics.projector, kProjectorLens))) {
                screenFits.emplace(*figure, scale);
                break;
            }
        }
        scale /= kFitStep;
    }
    return screenFits;
}

}  // namespace

double frontScale(const Solution& solution, double startScale, const FrontMetrics& metrics) {
    const auto fitted = fittedFigure(frontFrame(metrics.picture), solution, startScale, metrics);
    return fitted ? fitted->second : startScale;
}

FrontDrawing frontScene(const Solution& solution, const Options& /*options*/, double startScale,
                        const FrontMetrics& metrics, const ZoomLengths& zoomRange,
                        double scopeWidth) {
    const Size picture = metrics.picture;
    FrontDrawing drawing{Scene{}, startScale};
    Scene& scene = drawing.scene;
    scene.width = picture.width;
    scene.height = picture.height;

    const FrontFrame frame = frontFrame(picture);
    const auto screenFits = fittedFigure(frame, solution, startScale, metrics);
    if (!screenFits) return drawing;
    const auto& [figure, fitted] = *screenFits;
    const Rect projector = projectorPlace(figure, metrics.projector, kProjectorLens);
    const std::vector<SceneItem> zoomItems = zoomRangeItems(frame, fitted, zoomRange);
    scene.controls =
        layOutValueBoxes(frame, figure, metrics, clearanceOf(figure, projector, zoomItems));
    addFigure(scene, figure, projector);
    scene.items.insert(scene.items.end(), zoomItems.begin(), zoomItems.end());
    const std::vector<SceneItem> scopeItems =
        scopeOutlineItems(frame, solution, fitted, scopeWidth, picture);
    scene.items.insert(scene.items.end(), scopeItems.begin(), scopeItems.end());
    drawing.scale = fitted;
    return drawing;
}

}  // namespace projcalc
