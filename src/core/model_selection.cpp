// Model selection: the model list and applying a model's values and capabilities.
#include "calc/size_line.h"
#include "calc/units.h"
#include "core/calculator.h"
#include "util/numbers.h"

namespace projcalc {
namespace {

bool hasSizeLine(double slope, double intercept) {
    return slope != 0.0 || intercept != 0.0;
}

// A drawing reference distance. A size line that cannot be inverted (slope 0) gives 0: such a
// zoom end cannot be drawn to scale, and every solve there reports the fault in plain words.
double referenceDistance(const ModelRecord& model, int panel, double diagonal, int zoomEnd,
                         double heightPart, double widthPart) {
    try {
        return distanceFromDiagonal(model, panel, diagonal, zoomEnd, heightPart, widthPart);
    } catch (const ArithmeticFault&) {
        return 0.0;
    }
}

}  // namespace

void Calculator::fillModelList() {
    for (std::size_t i = listRows_.size(); i < state_.modelTable.size(); ++i) {
        view_.addModelRow(state_.modelTable[i].modelName, static_cast<int>(i));
        listRows_.push_back(static_cast<int>(i));
    }
}

void Calculator::onModelPicked(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= listRows_.size() || row == selectedRow_) {
        return;
    }
    selectListRow(row);
}

void Calculator::selectListRow(int row) {
    selectedRow_ = row;
    view_.selectModelRow(row);
    applyModel(listRows_[static_cast<std::size_t>(row)]);
}

void Calculator::applyModel(int modelIndex) {
    if (modelIndex < 0 || static_cast<std::size_t>(modelIndex) >= state_.modelTable.size()) return;
    // The option clicks below must not recalculate against the previous model's limits: the
    // chain runs once, at the end.
    const bool wasReady = calculatorReady_;
    calculatorReady_ = false;

    CalculatorState& s = state_;
    s.currentModel = modelIndex;
    const ModelRecord& r = s.modelTable[static_cast<std::size_t>(modelIndex)];
    s.offsetCount = {r.wideOffsetCoefficientB != 0.0 ? 2 : 1,
                     r.teleOffsetCoefficientB != 0.0 ? 2 : 1};

    showCapabilities(r);
    int firstAspect = -1;
    for (int k = 3; k >= 0; --k) {
        if ((r.aspectMask & (1 << k)) != 0) firstAspect = k;
    }
    if (firstAspect >= 0) {
        view_.setOptionChecked(OptionGroup::Aspect, firstAspect);
        aspectChanged(firstAspect);
    }

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
    const double max43Wide = r.limits.maxDiagonal43Wide;
    const double max43Tele = r.limits.maxDiagonal43Tele;
    if (wide) {
        w43 = distance(max43Wide, kZoomWide, 3, 4);
        w54 = distance(max43Wide, kZoomWide, 4, 5);
    }
    if (tele) {
        t43 = distance(max43Tele, kZoomTele, 3, 4);
        t54 = distance(max43Tele, kZoomTele, 4, 5);
    }
    const int zoom = tele && !wide ? kZoomTele : kZoomWide;
    view_.setOptionChecked(OptionGroup::Zoom, zoom);
    zoomChanged(zoom);
    s.diagramReference43 = maxOf(maxOf(maxOf(w43, t43), w54), t54);

    // The 16:9 and 16:10 references use the WIDE line, or the TELE line of a model without one.
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

    selectDiagonalLimits();
    s.screenDiagonal = s.currentMaxDiagonal;

    calculatorReady_ = wasReady;
    if (!calculatorReady_) return;
    // A model whose results cannot be worked out must not be shown with the previous model's.
    if (!recalculate(kSolveStored, 0)) clearResults();
}

void Calculator::showCapabilities(const ModelRecord& r) {
    for (int k = 0; k < 4; ++k) {
        view_.setOptionEnabled(OptionGroup::Aspect, k, (r.aspectMask & (1 << k)) != 0);
    }
    const bool both = hasSizeLine(r.teleSizeSlope, r.teleSizeIntercept) &&
                      hasSizeLine(r.wideSizeSlope, r.wideSizeIntercept);
    view_.setOptionEnabled(OptionGroup::Zoom, 0, both);
    view_.setOptionEnabled(OptionGroup::Zoom, 1, both);
}

void Calculator::selectDiagonalLimits() {
    CalculatorState& s = state_;
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

}  // namespace projcalc
