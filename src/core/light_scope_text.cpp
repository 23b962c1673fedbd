#include "core/light_scope_text.h"

#include "util/numbers.h"
#include "util/text.h"

namespace projcalc {

LightScopeCaptions lightScopeCaptions(const InterfaceTexts& texts) {
    LightScopeCaptions captions;
    captions.throwRatioRow = texts.text("lblPlanRatio");
    captions.throwRatioTip = texts.text("tipPlanRatio");
    captions.lightRow = texts.text("lblPlanLight");
    captions.lightTip = texts.text("tipPlanLight");
    captions.gain = texts.text("lblPlanGain");
    captions.gainTip = texts.text("tipPlanGain");
    captions.share = texts.text("lblPlanShare");
    captions.shareTip = texts.text("tipPlanShare");
    captions.scope = texts.text("lblPlanScope");
    captions.scopeTip = texts.text("tipPlanScope");
    for (std::size_t i = 0; i < captions.scopeChoices.size(); ++i)
        captions.scopeChoices[i] = texts.text("optScope_" + std::to_string(i));
    captions.scopeThrowRow = texts.text("lblScopeThrow");
    captions.noLumens = texts.text("txtPlanNoLumens");
    return captions;
}

namespace {

void scopeFigures(const PlanningScreen& planning, const InterfaceTexts& texts,
                  LightScopeTexts& shown) {
    if (planning.scopeNeeds16x9) {
        shown.scopeNote = texts.text("txtScopeNeeds169");
        return;
    }
    if (!planning.scope) return;
    const ScopePlan& scope = *planning.scope;
    const Unit unit = planning.unit;
    shown.scopeShown = true;
    std::string size =
        replaceAll(texts.text("txtScopeSize"), "%1", planningLengthText(scope.screen.width, unit));
    size = replaceAll(std::move(size), "%2", planningLengthText(scope.screen.height, unit));
    shown.scopeSize =
        replaceAll(std::move(size), "%3", planningLengthText(scope.screen.diagonal, unit));
    for (std::size_t i = 0; i < scope.ends.size(); ++i) {
        if (const auto& end = scope.ends[i])
            shown.scopeThrow[i] = {planningLengthText(end->distance, unit), !end->withinLimits};
    }
    if (scope.zoomMethod) {
        shown.scopeNote = stretchText(*scope.zoomMethod, unit, texts.text("txtScopeBoth"));
    } else {
        shown.scopeNote = texts.text(scope.noStretch == NoStretch::OneEnd ? "txtScopeOneEnd"
                                                                          : "txtScopeTooShort");
    }
}

}  // namespace

LightScopeTexts lightScopeTexts(const PlanningScreen& planning, const InterfaceTexts& texts) {
    LightScopeTexts shown;
    shown.gain = formatShortest(planning.lightSettings.gain);
    shown.share = formatShortest(planning.lightSettings.percent);
    shown.scopeChoice = static_cast<int>(planning.scopeRatio);
    for (std::size_t i = 0; i < planning.throwRatio.size(); ++i)
        shown.throwRatio[i] = throwRatioText(planning.throwRatio[i]);
    if (planning.planning && !planning.light) {
        shown.noLumens = texts.text("txtPlanNoLumens");
    } else if (planning.light) {
        std::array<std::string, 5> words;
        for (std::size_t i = 0; i < words.size(); ++i)
            words[i] = texts.text("txtLightRating_" + std::to_string(i));
        const std::string pattern = texts.text("txtPlanLight");
        for (std::size_t i = 0; i < planning.light->ends.size(); ++i)
            shown.light[i] = lightEndText(planning.light->ends[i], pattern, words);
    }
    scopeFigures(planning, texts, shown);
    return shown;
}

}  // namespace projcalc
