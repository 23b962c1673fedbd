#include "cli/cli_light_actions.h"

#include <cmath>

#include "calc/scope.h"
#include "util/numbers.h"

namespace projcalc::cli {
namespace {

ScopeRatio scopeRatioOf(std::string_view argument) {
    if (const std::optional<ScopeRatio> ratio = readScopeRatio(argument)) return *ratio;
    throw UsageError("the scope screen \"" + std::string(argument) +
                     "\" is not one of 2.35, 2.39, 2.40, none");
}

}  // namespace

void typeScreenGain(ActionContext& context, const std::string& text) {
    (void)context.calculator.setScreenGain(text);
}

void typeLightShare(ActionContext& context, const std::string& text) {
    (void)context.calculator.setLightShare(text);
}

double minimumFootLambertsOf(std::string_view argument) {
    const std::optional<double> value = readPlainNumber(argument);
    if (!value || *value < 0.0 || !std::isfinite(*value)) {
        throw UsageError("the finder's minimum light \"" + std::string(argument) +
                         "\" is not a plain number of foot-lamberts, 0 or more");
    }
    return *value;
}

void checkMinimumFootLamberts(std::string_view argument) {
    (void)minimumFootLambertsOf(argument);
}

void setMinimumFootLamberts(ActionContext& context, const std::string& argument) {
    context.answers.minimumFootLamberts = minimumFootLambertsOf(argument);
}

void checkScopeRatio(std::string_view argument) {
    (void)scopeRatioOf(argument);
}

void chooseScopeRatio(ActionContext& context, const std::string& argument) {
    context.calculator.choose(scopeRatioOf(argument));
}

}  // namespace projcalc::cli
