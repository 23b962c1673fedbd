#pragma once

#include <array>
#include <string>

#include "calc/planning_text.h"
#include "core/screen.h"
#include "i18n/language.h"

namespace projcalc {

// The captions and tooltips of the planning panel's throw ratio, light and scope rows, from
// optional Language.ini keys with English defaults.
struct LightScopeCaptions {
    std::string throwRatioRow;                // lblPlanRatio
    std::string throwRatioTip;                // tipPlanRatio
    std::string lightRow;                     // lblPlanLight
    std::string lightTip;                     // tipPlanLight
    std::string gain;                         // lblPlanGain
    std::string gainTip;                      // tipPlanGain
    std::string share;                        // lblPlanShare
    std::string shareTip;                     // tipPlanShare
    std::string scope;                        // lblPlanScope
    std::string scopeTip;                     // tipPlanScope
    std::array<std::string, 4> scopeChoices;  // optScope_0 to optScope_3, by ScopeRatio
    std::string scopeThrowRow;                // lblScopeThrow
    std::string noLumens;                     // txtPlanNoLumens

    friend bool operator==(const LightScopeCaptions&, const LightScopeCaptions&) = default;
};

[[nodiscard]] LightScopeCaptions lightScopeCaptions(const InterfaceTexts& texts);

// What the planning panel shows in those rows for a Screen's planning figures.
struct LightScopeTexts {
    std::array<std::string, 2> throwRatio = {kNoPlanningValue, kNoPlanningValue};  // by Zoom
    // Each end's light ("12.9 fL, 44 nits, dark room"), kNoPlanningValue without a figure.
    std::array<std::string, 2> light = {kNoPlanningValue, kNoPlanningValue};
    // The one line that replaces both ends for a model without lumens; empty otherwise.
    std::string noLumens;
    std::string gain = "1";  // the inputs' texts: the values in force, shortest
    std::string share = "100";
    int scopeChoice = 0;                        // the index of the chosen ScopeRatio
    bool scopeShown = false;                    // the scope figures below are shown
    std::string scopeSize;                      // "322.7″ × 135.0″, diagonal 349.8″"
    std::array<PlanningEndText, 2> scopeThrow;  // where each end throws the scope picture
    // Where one place serves both pictures, why none does, or that 16 : 9 is needed.
    std::string scopeNote;

    friend bool operator==(const LightScopeTexts&, const LightScopeTexts&) = default;
};

[[nodiscard]] LightScopeTexts lightScopeTexts(const PlanningScreen& planning,
                                              const InterfaceTexts& texts);

}  // namespace projcalc
