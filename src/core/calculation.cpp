#include "core/calculation.h"

namespace projcalc {

CalculationFile calculationFileOf(const Calculation& c) {
    CalculationFile f;
    f.model = c.traits.record;
    f.zoom = c.options.zoom;
    f.mount = c.options.mount;
    f.aspect = c.options.aspect;
    f.unit = c.unit;
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
