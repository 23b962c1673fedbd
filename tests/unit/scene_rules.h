#pragma once

#include <optional>
#include <string>
#include <vector>

#include "diagrams/free_place.h"
#include "diagrams/scene.h"

namespace projcalc {

// What breaks the rules of a drawing, one line each: every picture and shown control inside the
// picture box; no shown control over the screen, the projector picture, the lens point or
// another control; the projector picture off the screen. The front view's screen is its polygon
// and its lens the start of its first ray; the side view's screen is its ScreenSide line with
// the Dimension ticks, its lens the start of its Axis line.
inline std::vector<std::string> sceneFaults(const Scene& scene) {
    std::vector<std::string> faults;
    const Rect picture{0, 0, scene.width, scene.height};
    std::vector<Point> screen;
    std::vector<Rect> lines;  // the side view's screen line and ticks
    std::optional<Point> lens;
    Rect projector;
    for (const SceneItem& item : scene.items) {
        if (item.kind == SceneItem::Kind::Polygon) screen = item.points;
        if (item.kind == SceneItem::Kind::Image) projector = rectAt(item.at, item.size);
        if (item.kind != SceneItem::Kind::Line || item.points.size() < 2) continue;
        const Point from = item.points[0];
        const Point to = item.points[1];
        if ((item.pen == PenId::Ray && !lens && !screen.empty()) || item.pen == PenId::Axis)
            lens = from;
        if (item.pen == PenId::ScreenSide) lines.push_back({from.x - 1, from.y, 2, to.y - from.y});
        if (item.pen == PenId::Dimension) lines.push_back({from.x, from.y, to.x - from.x, 1});
    }
    if (!contains(picture, projector)) faults.push_back("the projector picture leaves the picture");
    if (!screen.empty() && overlaps(projector, screen))
        faults.push_back("the projector picture covers the screen");
    std::vector<Rect> placed;
    for (const ControlPlacement& control : scene.controls) {
        if (!control.visible) continue;
        const Rect r = rectAt(control.at, control.size);
        const auto fault = [&](const std::string& what) {
            faults.push_back(control.name + " " + what);
        };
        if (!contains(picture, r)) fault("leaves the picture");
        if (!screen.empty() && overlaps(r, screen)) fault("covers the screen");
        for (const Rect& line : lines) {
            if (overlaps(r, line)) fault("covers the screen line or a tick");
        }
        if (overlaps(r, projector)) fault("covers the projector");
        if (lens && overlaps(r, Rect{lens->x - 1, lens->y - 1, 3, 3})) fault("covers the lens");
        // The range sign lies under the boxes it stands between.
        if (control.name != "imgKara") {
            for (const Rect& other : placed) {
                if (overlaps(r, other)) fault("covers another control");
            }
            placed.push_back(r);
        }
    }
    return faults;
}

}  // namespace projcalc
