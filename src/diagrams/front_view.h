#pragma once

#include "calc/options.h"
#include "calc/planning.h"
#include "calc/solve.h"
#include "diagrams/metrics.h"
#include "diagrams/scene.h"

namespace projcalc {

// A front view and the scale it was drawn at: the projection distance, in inches, that the
// frame's reference segment stands for. The caller keeps the scale for the next drawing.
struct FrontDrawing {
    Scene scene;
    double scale = 0.0;
};

// The front view: the screen as a filled parallelogram seen obliquely, the projector at the
// throw distance to scale and four rays to the screen's corners, with the value boxes, their
// units, Enter buttons and captions laid out beside what they measure. Starts at `startScale`
// and enlarges it until the screen and the projector picture fit. The projector picture is drawn
// smaller where the distance to scale is too short for it to stay off the screen. When the figure
// cannot be drawn (no scale yet, a picture box without size, a result with no finite coordinate, a
// screen that never fits) the scene holds no figure and no placements, and the scale stays
// `startScale`.
//
// `zoomRange` holds the projection distance of each zoom end for this screen. When both exist,
// the lens positions they stand for are marked on the projection axis after the figure, to the
// same scale: a line between them and a short cross mark at each (pen ZoomRange). The figure,
// its scale and the placements do not depend on them.
//
// With `scopeWidth` above 0 (inches), the outline of a scope screen that wide, as high as the
// picture and centred on it, is drawn last, to the same scale: its four sides (pen ScopeOutline),
// each clipped to the picture box. It takes no part in the fit either.
// The scale frontScene() draws at, without laying out the drawing: what refitting the front view
// needs.
[[nodiscard]] double frontScale(const Solution& solution, double startScale,
                                const FrontMetrics& metrics);

[[nodiscard]] FrontDrawing frontScene(const Solution& solution, const Options& options,
                                      double startScale, const FrontMetrics& metrics,
                                      const ZoomLengths& zoomRange = {}, double scopeWidth = 0.0);

}  // namespace projcalc
