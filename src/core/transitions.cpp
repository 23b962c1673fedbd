#include "core/transitions.h"

#include "calc/light.h"
#include "calc/limit_message.h"
#include "calc/planning.h"
#include "calc/readout.h"
#include "calc/typed_value.h"
#include "diagrams/front_view.h"
#include "util/text.h"

namespace projcalc {
namespace {

// What a solve did with the known value.
enum class Solved { Kept, NotKept, Fault };

// Solves from a known value and keeps the solution it gives, saying which limit the value
// crossed; keeps nothing when the value lies beyond a limit it may not cross.
Solved solveInto(Calculation& c, Known known, OnLimit onLimit, const StepContext& context,
                 std::vector<Notice>& notices) {
    const SolveResult result = solve(c.traits, c.options, known, onLimit);
    if (result.crossed) {
        notices.push_back(
            Notice::message(limitMessage(context.texts.limitMessages, c.unit, *result.crossed)));
    }
    if (const Solution* solution = result.solution()) {
        c.results = *solution;
        c.resultsValid = true;
        c.resultsCleared = false;
        return result.crossed ? Solved::NotKept : Solved::Kept;
    }
    if (const auto* hit = std::get_if<LimitHit>(&result.outcome)) {
        notices.push_back(Notice::message(limitMessage(context.texts.limitMessages, c.unit, *hit)));
        return Solved::NotKept;
    }
    notices.push_back(Notice::failure(std::get<AppError>(result.outcome)));
    return Solved::Fault;
}

// Checks that the results kept can be shown and, with `refitFront`, refits the front view's
// scale to them. False (with the error said) when the read-out cannot be worked out.
bool settle(Calculation& c, bool refitFront, const StepContext& context,
            std::vector<Notice>& notices) {
    if (!c.resultsValid) return true;
    const auto shown = readout(c.traits, c.options, c.unit, c.results);
    if (const auto* error = std::get_if<AppError>(&shown)) {
        notices.push_back(Notice::failure(*error));
        return false;
    }
    if (refitFront) {
        c.frontScale = frontScale(c.results, c.frontScale, context.metrics.front);
    }
    return true;
}

// Solves and settles; false when either failed.
bool recalculate(Calculation& c, Known known, OnLimit onLimit, bool refitFront,
                 const StepContext& context, std::vector<Notice>& notices) {
    if (solveInto(c, known, onLimit, context, notices) == Solved::Fault) return false;
    return settle(c, refitFront, context, notices);
}

Known storedDiagonal(const Calculation& c) noexcept {
    return {Quantity::Diagonal, c.results.diagonal};
}

// The step of a recalculation: the changed calculation, or a refusal.
Transition stepOf(Calculation c, bool worked, std::vector<Notice> notices) {
    if (!worked) return {std::nullopt, std::move(notices)};
    return {std::move(c), std::move(notices)};
}

// A refused light input: the message names the input and quotes the text.
Transition refuseLightInput(std::string_view typed, const std::string& caption,
                            const std::string& pattern) {
    std::string text = replaceAll(pattern, "%1", caption);
    text = replaceAll(std::move(text), "%2", shortenForMessage(typed, 40));
    return {std::nullopt, {Notice::message(std::move(text))}};
}

}  // namespace

std::string boxText(const Calculation& c, Quantity box) {
    const auto index = static_cast<std::size_t>(indexOf(box));
    if (!c.resultsValid) return c.resultsCleared ? std::string() : kDesignBoxTexts[index];
    const auto shown = readout(c.traits, c.options, c.unit, c.results);
    if (const auto* boxes = std::get_if<Readout>(&shown)) return boxes->boxes[index];
    return {};
}

Transition commitTyped(const Calculation& before, Quantity box, std::string_view typed,
                       const StepContext& context) {
    Calculation c = before;
    std::vector<Notice> notices;
    if (typed == boxText(before, box)) {
        // Nothing new was typed: the results are shown again as they are.
        const bool shown = settle(c, true, context, notices);
        return stepOf(std::move(c), shown, std::move(notices));
    }
    const auto read = readTypedValue(box, c.unit, typed, context.texts.decimalComma);
    if (const auto* refusal = std::get_if<InputRefusal>(&read)) {
        notices.push_back(Notice::message(
            refusalMessage(context.texts.editing.input, boxCaption(context.texts, box), *refusal)));
        return {std::nullopt, std::move(notices)};
    }
    if (const auto* error = std::get_if<AppError>(&read)) {
        notices.push_back(Notice::failure(*error));
        return {std::nullopt, std::move(notices)};
    }
    const TypedValue& value = std::get<TypedValue>(read);
    if (solveInto(c, {box, value.inches}, OnLimit::Reject, context, notices) != Solved::Kept) {
        return {std::nullopt, std::move(notices)};
    }
    const bool shown = settle(c, true, context, notices);
    return stepOf(std::move(c), shown, std::move(notices));
}

Transition chooseAspect(const Calculation& before, Aspect aspect, const StepContext& context) {
    Calculation c = before;
    std::vector<Notice> notices;
    c.options.aspect = aspect;
    c.frontScale = c.traits.frontReferenceFor(aspect);
    // The distance stays and the screen size follows it, up to the nearest limit.
    const bool worked = recalculate(c, {Quantity::Distance, c.results.distance}, OnLimit::Clamp,
                                    true, context, notices);
    return stepOf(std::move(c), worked, std::move(notices));
}

Transition chooseZoom(const Calculation& before, Zoom zoom, const StepContext& context) {
    Calculation c = before;
    std::vector<Notice> notices;
    c.options.zoom = zoom;
    c.frontScale = c.traits.frontReferenceFor(c.options.aspect);
    const bool worked = recalculate(c, storedDiagonal(c), OnLimit::Clamp, true, context, notices);
    return stepOf(std::move(c), worked, std::move(notices));
}

Transition chooseUnit(const Calculation& before, Unit unit, const StepContext& context) {
    Calculation c = before;
    std::vector<Notice> notices;
    c.unit = unit;
    const bool worked = settle(c, false, context, notices);
    return stepOf(std::move(c), worked, std::move(notices));
}

Transition chooseMount(const Calculation& before, Mount mount, const StepContext& context) {
    Calculation c = before;
    std::vector<Notice> notices;
    c.options.mount = mount;
    // The front view does not depend on the mounting: its scale stays.
    const bool worked = recalculate(c, storedDiagonal(c), OnLimit::Reject, false, context, notices);
    return stepOf(std::move(c), worked, std::move(notices));
}

Transition setScreenGain(const Calculation& before, std::string_view typed,
                         const StepContext& context) {
    const std::optional<double> gain = readScreenGain(typed, context.texts.decimalComma);
    if (!gain) {
        return refuseLightInput(typed, context.texts.text("lblPlanGain"),
                                context.texts.text("msgBadGain"));
    }
    Calculation c = before;
    c.light.gain = *gain;
    return {std::move(c), {}};
}

Transition setLightShare(const Calculation& before, std::string_view typed,
                         const StepContext& context) {
    const std::optional<double> percent = readLightShare(typed, context.texts.decimalComma);
    if (!percent) {
        return refuseLightInput(typed, context.texts.text("lblPlanShare"),
                                context.texts.text("msgBadShare"));
    }
    Calculation c = before;
    c.light.percent = *percent;
    return {std::move(c), {}};
}

Transition chooseScope(const Calculation& before, ScopeRatio ratio) {
    Calculation c = before;
    c.scope = ratio;
    return {std::move(c), {}};
}

Calculation withModel(Calculation c, int row, const ModelTraits& model) {
    c.model = row;
    c.traits = model;
    // A model that offers no aspect keeps the one that is checked.
    if (c.traits.firstAspect) c.options.aspect = *c.traits.firstAspect;
    c.options.zoom = c.traits.startZoom;
    c.frontScale = c.traits.frontReferenceFor(c.options.aspect);
    c.results.diagonal = c.currentLimits().largest;
    return c;
}

Transition pickModel(const Calculation& before, int row, const ModelTraits& model,
                     const StepContext& context) {
    Calculation c = withModel(before, row, model);
    std::vector<Notice> notices;
    if (!recalculate(c, storedDiagonal(c), OnLimit::Reject, true, context, notices)) {
        // A model whose results cannot be worked out must not be shown with the previous
        // model's.
        c.resultsValid = false;
        c.resultsCleared = true;
    }
    return {std::move(c), std::move(notices)};
}

Transition pickModelKeepingScreen(const Calculation& before, int row, const ModelTraits& model,
                                  Aspect aspect, std::string_view diagonalText,
                                  const StepContext& context) {
    Calculation c = withModel(before, row, model);
    c.options.aspect = aspect;
    c.frontScale = c.traits.frontReferenceFor(aspect);
    c.results.diagonal = c.currentLimits().largest;
    std::vector<Notice> notices;
    if (!recalculate(c, storedDiagonal(c), OnLimit::Reject, true, context, notices)) {
        c.resultsValid = false;
        c.resultsCleared = true;
        return {std::move(c), std::move(notices)};
    }
    Transition entered = commitTyped(c, Quantity::Diagonal, diagonalText, context);
    for (Notice& notice : entered.notices)
        notices.push_back(std::move(notice));
    return {entered.next ? std::move(*entered.next) : std::move(c), std::move(notices)};
}

Transition solveStoredDiagonal(const Calculation& before, OnLimit onLimit,
                               const StepContext& context) {
    Calculation c = before;
    std::vector<Notice> notices;
    const bool worked = recalculate(c, storedDiagonal(c), onLimit, true, context, notices);
    return stepOf(std::move(c), worked, std::move(notices));
}

Transition showAgain(const Calculation& before, const StepContext& context) {
    Calculation c = before;
    std::vector<Notice> notices;
    (void)settle(c, true, context, notices);
    return {std::move(c), std::move(notices)};
}

}  // namespace projcalc
