#include "core/calculation.h"

namespace projcalc {

CalculationFile calculationFileOf(const Calculation& c) {
    CalculationFile f;
    f.model = c.traits.record;
    f.zoomEnd = indexOf(c.options.zoom);
    f.projectorPosition = indexOf(c.options.mount);
    const AspectShape shape = shapeOf(c.options.aspect);
    f.aspectRatio = shape.width / shape.height;
    f.aspectHeight = shape.height;
    f.aspectWidth = shape.width;
    f.unitIndex = indexOf(c.unit);
    f.screenWidth = c.results.width;
    f.screenHeight = c.results.height;
    f.screenDiagonal = c.results.diagonal;
    f.projectionDistance = c.results.distance;
    f.offsetA = c.results.offsetA;
    f.offsetB = c.results.offsetB;
    f.offsetCountWide = c.traits.offsets(Zoom::Wide);
    f.offsetCountTele = c.traits.offsets(Zoom::Tele);
    f.frontViewScale = c.frontScale;
    f.tail.gain = c.light.gain;
    f.tail.lightPercent = c.light.percent;
    f.tail.scope = c.scope;
    return f;
}

}  // namespace projcalc
