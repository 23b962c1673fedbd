#include "old_calc/offsets.h"

#include <cmath>

#include "old_calc/aspect.h"
#include "old_calc/size_line.h"
#include "old_calc/units.h"
#include "util/errors.h"
#include "util/numbers.h"

namespace projcalc::legacy {
namespace {

std::string negatedText(const std::string& text) {
    return formatGeneral(-readLeadingNumber(text).value);
}

std::string offsetText(double offset, int unitIndex, int zoomEnd) {
    const double magnitude = std::fabs(offset);
    switch (unitIndex) {
        case kUnitFeet:
            return formatFixed(roundForDisplay(magnitude * kFeetPerInch, 2, zoomEnd), 1);
        case kUnitCentimeters:
            return formatFixed(roundForDisplay(magnitude * kCentimetersPerInch, 1, zoomEnd), 0);
        default:
            return formatFixed(roundForDisplay(magnitude, 2, zoomEnd), 1);
    }
}

}  // namespace

const RatioTable& offsetRatioTable(const CalculatorState& state, int zoomEnd) noexcept {
    if (zoomEnd == 0) return state.ratios.wide;
    if (state.projectorPosition == 0 && (state.modelKind == 5 || state.modelKind == 6)) {
        return state.ratios.teleTop;
    }
    return state.ratios.tele;
}

double computeOffset(const CalculatorState& state, double height, double coefficient,
                     double aspectHeight, double aspectWidth, double distance, OffsetKind kind,
                     int zoomEnd) noexcept {
    const ModelRecord& model = state.selectedModel();
    const int panel = state.panelAspect;

    // Reference images of each aspect at this distance and zoom end.
    const double d43 = diagonalFromDistance(model, panel, distance, zoomEnd, 3, 4);
    const double h43 = std::sin(std::atan(1.0 / (4.0 / 3.0))) * d43;
    const double d169 = diagonalFromDistance(model, panel, distance, zoomEnd, 9, 16);
    const double h169 = std::sin(std::atan(1.0 / (16.0 / 9.0))) * d169;
    const double d1610 = diagonalFromDistance(model, panel, distance, zoomEnd, 10, 16);
    const double h1610 = std::sin(std::atan(1.0 / (16.0 / 10.0))) * d1610;

    const bool is43 = isAspect(aspectHeight, aspectWidth, 3, 4);
    const bool is169 = isAspect(aspectHeight, aspectWidth, 9, 16);
    const bool is1610 = isAspect(aspectHeight, aspectWidth, 10, 16);

    // A ratio entry for exactly this aspect wins; a 5:4 image never takes one.
    const RatioTable& table = offsetRatioTable(state, zoomEnd);
    if (is43 && table.at(AspectGroup::Ratio43, kind).present) {
        return table.at(AspectGroup::Ratio43, kind).value * d43;
    }
    if (is169 && table.at(AspectGroup::Ratio169, kind).present) {
        return table.at(AspectGroup::Ratio169, kind).value * d169;
    }
    if (is1610 && table.at(AspectGroup::Ratio1610, kind).present) {
        return table.at(AspectGroup::Ratio1610, kind).value * d1610;
    }

    const double base = height * coefficient;
    if (coefficient == 0.0 && panel != 2) return base;
    if (!is169 && !is1610) return base;

    if (state.offsetScale169 != 0.0) {
        if (is1610) return base;
        switch (panel) {
            case 2:
                return (h1610 - (9.0 / 10.0) * h1610) / 2 + h1610 * coefficient;
            case 0:
                if (zoomEnd == 0) return h43 * coefficient - h43 / 2 + h169 / 2;
                {
                    // At TELE the offset is that of a WIDE image scaled by offsetScale169,
                    // moved away from the axis by half the height the scaling added.
                    const double s =
                        state.offsetScale169 * d169 * std::sin(std::atan(1.0 / (16.0 / 9.0)));
                    const double wideCoefficient = kind == OffsetKind::A
                                                       ? state.wideOffsetCoefficients[0]
                                                       : state.wideOffsetCoefficients[1];
                    const double q = computeOffset(state, s, wideCoefficient, aspectHeight,
                                                   aspectWidth, distance, kind, 0);
                    const double e = (s - s / state.offsetScale169) / 2;
                    return q >= 0 ? q + e : q - e;
                }
            default:
                return base;
        }
    }

    if (is169) {
        switch (panel) {
            case 0:
                return h43 * coefficient - h43 * (3.0 / 2.0 / 12.0);
            case 2:
                return h43 * coefficient - h43 * (1.0 / 2.0 / 10.0);
            default:
                return base;
        }
    }
    if (panel == 0) return h43 * coefficient - h43 * (2.0 / 2.0 / 12.0);
    return base;
}

std::array<std::string, 2> offsetDisplayTexts(const CalculatorState& state) {
    const int zoom = state.zoomEnd;
    const double h = roundForDisplay(state.screenHeight, 1, zoom);
    const auto& coefficients = state.offsetCoefficients();
    const double a = computeOffset(state, h, coefficients[0], state.aspectHeight, state.aspectWidth,
                                   state.projectionDistance, OffsetKind::A, zoom);
    const double b = computeOffset(state, h, coefficients[1], state.aspectHeight, state.aspectWidth,
                                   state.projectionDistance, OffsetKind::B, zoom);
    if (!std::isfinite(a) || !std::isfinite(b)) {
        throw ArithmeticFault(makeError(ErrorCode::Overflow, "the image offsets for the model \"" +
                                                                 state.selectedModel().modelName +
                                                                 "\" are too large to work out"));
    }

    std::array<std::string, 2> texts = {offsetText(a, state.unitIndex, zoom),
                                        offsetText(b, state.unitIndex, zoom)};

    // Signs follow the ratio table of the checked aspect option (5:4 uses the 4:3 entries).
    const RatioTable& table = offsetRatioTable(state, zoom);
    const AspectGroup group = state.aspectGroup();
    bool tableApplied = false;
    const OffsetKind kinds[2] = {OffsetKind::A, OffsetKind::B};
    for (std::size_t i = 0; i < 2; ++i) {
        const OffsetRatio& entry = table.at(group, kinds[i]);
        if (!entry.present) continue;
        tableApplied = true;
        if (entry.value < 0) texts[i] = negatedText(texts[i]);
    }
    if (!tableApplied && state.modelKind == 2 && a > 0) texts[0] = negatedText(texts[0]);
    return texts;
}

}  // namespace projcalc::legacy
