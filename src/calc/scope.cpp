#include "calc/scope.h"

#include <cmath>

#include "calc/planning.h"
#include "calc/planning_text.h"
#include "calc/survey.h"
#include "util/text.h"

namespace projcalc {

double ratioOf(ScopeRatio ratio) noexcept {
    switch (ratio) {
        case ScopeRatio::R235:
            return 2.35;
        case ScopeRatio::R239:
            return 2.39;
        case ScopeRatio::R240:
            return 2.4;
        case ScopeRatio::None:
            break;
    }
    return 0.0;
}

std::string_view scopeRatioText(ScopeRatio ratio) noexcept {
    switch (ratio) {
        case ScopeRatio::R235:
            return "2.35";
        case ScopeRatio::R239:
            return "2.39";
        case ScopeRatio::R240:
            return "2.40";
        case ScopeRatio::None:
            break;
    }
    return "none";
}

std::optional<ScopeRatio> readScopeRatio(std::string_view text) noexcept {
    text = trimBlanks(text);
    if (text == "2.4") return ScopeRatio::R240;
    for (const ScopeRatio ratio :
         {ScopeRatio::None, ScopeRatio::R235, ScopeRatio::R239, ScopeRatio::R240}) {
        if (text == scopeRatioText(ratio)) return ratio;
    }
    return std::nullopt;
}

ScreenSides scopeScreenOf(double ratio, double height) noexcept {
    return {ratio * height, height, height * std::sqrt(1.0 + ratio * ratio)};
}

double scopePictureDiagonal(double diagonal, double ratio) noexcept {
    return diagonal * ratio / (16.0 / 9.0);
}

std::string stretchText(const ZoomMethodStretch& stretch, Unit unit, std::string_view pattern) {
    return replaceAll(
        replaceAll(std::string(pattern), "%1", planningLengthText(stretch.standFrom, unit)), "%2",
        planningLengthText(stretch.standTo, unit));
}

double scopeFootLamberts(double footLamberts, double diagonal, double imageDiagonal) noexcept {
    const double share = diagonal / imageDiagonal;
    return footLamberts * share * share;
}

std::optional<ScopePlan> scopePlan(const ModelTraits& model, const Options& options,
                                   ScopeRatio ratio, const Solution& results) {
    if (ratio == ScopeRatio::None || options.aspect != Aspect::R16x9 ||
        !std::isfinite(results.diagonal) || !std::isfinite(results.height) ||
        !(results.diagonal > 0.0)) {
        return std::nullopt;
    }
    ScopePlan plan;
    plan.ratio = ratio;
    plan.screen = scopeScreenOf(ratioOf(ratio), results.height);
    plan.imageDiagonal = scopePictureDiagonal(results.diagonal, ratioOf(ratio));
    const BothEnds scope = solveBothEnds(model, Aspect::R16x9, options.mount,
                                         {Quantity::Diagonal, plan.imageDiagonal});
    for (std::size_t i = 0; i < scope.size(); ++i) {
        if (scope[i]) plan.ends[i] = ScopeEnd{scope[i]->solution.distance, scope[i]->withinLimits};
    }
    const BothEnds picture = throwRangeFor(model, options, results);
    const auto& wideScope = plan.at(Zoom::Wide);
    const auto& telePicture = picture[static_cast<std::size_t>(indexOf(Zoom::Tele))];
    if (!wideScope || !telePicture) {
        plan.noStretch = NoStretch::OneEnd;
    } else if (wideScope->distance > telePicture->solution.distance) {
        plan.noStretch = NoStretch::RangeTooShort;
    } else {
        plan.zoomMethod = ZoomMethodStretch{wideScope->distance, telePicture->solution.distance};
    }
    return plan;
}

}  // namespace projcalc
