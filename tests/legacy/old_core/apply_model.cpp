#include "old_core/apply_model.h"

#include "old_calc/aspect.h"
#include "old_calc/size_line.h"
#include "old_calc/units.h"
#include "util/errors.h"
#include "util/numbers.h"

namespace projcalc::legacy {
namespace {

bool hasSizeLine(double slope, double intercept) {
    return slope != 0.0 || intercept != 0.0;
}

double referenceDistance(const ModelRecord& model, int panel, double diagonal, int zoomEnd,
                         double heightPart, double widthPart) {
    try {
        return distanceFromDiagonal(model, panel, diagonal, zoomEnd, heightPart, widthPart);
    } catch (const ArithmeticFault&) {
        return 0.0;
    }
}

void selectDiagonalLimits(CalculatorState& s) {
    const AspectGroup group = s.aspectGroup();
    switch (group) {
        case AspectGroup::Ratio169:
            s.frontViewScale = s.diagramReference169;
            break;
        case AspectGroup::Ratio1610:
            s.frontViewScale = s.diagramReference1610;
            break;
        case AspectGroup::Ratio43:
            s.frontViewScale = s.diagramReference43;
            break;
    }
    const DiagonalLimitPair pair = s.limits.forGroup(group, s.zoomEnd);
    s.currentMaxDiagonal = pair.largest;
    s.currentMinDiagonal = pair.smallest;
}

}  // namespace

CalculatorState stateAfterPick(const ModelRecord& r, int aspectIndex, int zoomEnd, int unitIndex,
                               int position) {
    CalculatorState s;
    s.modelTable = {r};
    s.currentModel = 0;
    s.offsetCount = {r.wideOffsetCoefficientB != 0.0 ? 2 : 1,
                     r.teleOffsetCoefficientB != 0.0 ? 2 : 1};
    s.wideOffsetCoefficients = {r.wideOffsetCoefficientA, r.wideOffsetCoefficientB};
    s.teleOffsetCoefficients = {r.teleOffsetCoefficientA, r.teleOffsetCoefficientB};
    s.modelKind = static_cast<int>(roundHalfEven(r.modelKind));
    s.panelAspect = r.panelAspect;
    s.offsetScale169 = r.offsetScale169;

    const bool tele = hasSizeLine(r.teleSizeSlope, r.teleSizeIntercept);
    const bool wide = hasSizeLine(r.wideSizeSlope, r.wideSizeIntercept);
    const int panel = s.panelAspect;
    const auto distance = [&](double diagonal, int zoom, double h, double w) {
        return referenceDistance(r, panel, diagonal, zoom, h, w);
    };
    double w43 = 0, w54 = 0, t43 = 0, t54 = 0;
    if (wide) {
        w43 = distance(r.limits.maxDiagonal43Wide, kZoomWide, 3, 4);
        w54 = distance(r.limits.maxDiagonal43Wide, kZoomWide, 4, 5);
    }
    if (tele) {
        t43 = distance(r.limits.maxDiagonal43Tele, kZoomTele, 3, 4);
        t54 = distance(r.limits.maxDiagonal43Tele, kZoomTele, 4, 5);
    }
    s.diagramReference43 = maxOf(maxOf(maxOf(w43, t43), w54), t54);
    const int lineZoom = wide ? kZoomWide : kZoomTele;
    const bool anyLine = wide || tele;
    double a = w43;
    double b = t43;
    if ((r.aspectMask & 4) != 0) {
        a = anyLine ? distance(r.limits.maxDiagonal169Wide, lineZoom, 9, 16) : 0.0;
        b = anyLine ? distance(r.limits.maxDiagonal169Tele, lineZoom, 9, 16) : 0.0;
    }
    s.diagramReference169 = maxOf(a, b);
    if ((r.aspectMask & 8) != 0) {
        a = anyLine ? distance(r.limits.maxDiagonal1610Wide, lineZoom, 10, 16) : 0.0;
        b = anyLine ? distance(r.limits.maxDiagonal1610Tele, lineZoom, 10, 16) : 0.0;
    }
    s.diagramReference1610 = maxOf(a, b);
    s.limits = r.limits;
    s.ratios = r.ratios;
    const auto wideRatio = [&](AspectGroup group) {
        return s.ratios.wide.at(group, OffsetKind::A).present ||
               s.ratios.wide.at(group, OffsetKind::B).present;
    };
    s.hasWideRatio43 = wideRatio(AspectGroup::Ratio43);
    s.hasWideRatio169 = wideRatio(AspectGroup::Ratio169);
    s.hasWideRatio1610 = wideRatio(AspectGroup::Ratio1610);

    const AspectChoice& aspect = kAspects[static_cast<std::size_t>(aspectIndex)];
    s.aspectIndex = aspectIndex;
    s.aspectWidth = aspect.width;
    s.aspectHeight = aspect.height;
    s.aspectRatio = aspect.width / aspect.height;
    s.zoomEnd = zoomEnd;
    s.unitIndex = unitIndex;
    s.projectorPosition = position;
    selectDiagonalLimits(s);
    s.screenDiagonal = s.currentMaxDiagonal;
    return s;
}

}  // namespace projcalc::legacy
