#include "old_calc/solver.h"

#include <cmath>

#include "old_calc/aspect.h"
#include "old_calc/offsets.h"
#include "old_calc/size_line.h"
#include "old_calc/units.h"
#include "old_core/view.h"
#include "util/errors.h"
#include "util/numbers.h"
#include "util/text.h"

namespace projcalc::legacy {
namespace {

struct Quantities {
    double distance = 0.0;
    double diagonal = 0.0;
    double width = 0.0;
    double height = 0.0;
};

void requireFinite(double value, const char* what, const ModelRecord& model) {
    if (!std::isfinite(value)) {
        throw ArithmeticFault(
            makeError(ErrorCode::Overflow, std::string("the ") + what + " for the model \"" +
                                               model.modelName + "\" is too large to work out"));
    }
}

Quantities deriveQuantities(const CalculatorState& s, int mode, double value) {
    const ModelRecord& model = s.selectedModel();
    const double ratio = s.aspectRatio;
    const auto distanceOf = [&](double diagonal) {
        return distanceFromDiagonal(model, s.panelAspect, diagonal, s.zoomEnd, s.aspectHeight,
                                    s.aspectWidth);
    };
    Quantities q;
    switch (mode) {
        case kSolveDistance:
            q.distance = value;
            q.diagonal = diagonalFromDistance(model, s.panelAspect, q.distance, s.zoomEnd,
                                              s.aspectHeight, s.aspectWidth);
            q.height = heightFromDiagonal(q.diagonal, ratio);
            q.width = widthFromHeight(q.height, ratio);
            break;
        case kSolveWidth:
            q.width = value;
            q.height = heightFromWidth(q.width, ratio);
            q.diagonal = diagonalFromSides(q.width, q.height);
            q.distance = distanceOf(q.diagonal);
            break;
        case kSolveHeight:
            q.height = value;
            q.width = widthFromHeight(q.height, ratio);
            q.diagonal = diagonalFromSides(q.width, q.height);
            q.distance = distanceOf(q.diagonal);
            break;
        default:  // kSolveDiagonal, and kSolveStored from the stored diagonal
            q.diagonal = mode == kSolveStored ? s.screenDiagonal : value;
            q.height = heightFromDiagonal(q.diagonal, ratio);
            q.width = widthFromHeight(q.height, ratio);
            q.distance = distanceOf(q.diagonal);
            break;
    }
    requireFinite(q.diagonal, "screen diagonal", model);
    requireFinite(q.height, "image height", model);
    requireFinite(q.width, "image width", model);
    requireFinite(q.distance, "projection distance", model);
    return q;
}

bool solvePass(SolverContext& context, int mode, double value) {
    CalculatorState& s = context.state;
    const Quantities q = deriveQuantities(s, mode, value);

    const DiagonalLimitPair limits = s.limits.forGroup(s.aspectGroup(), s.zoomEnd);
    const int unit = (s.unitIndex >= 0 && s.unitIndex <= 2) ? s.unitIndex : 0;
    double limit = 0.0;
    if (q.diagonal > limits.largest) {
        limit = limits.largest;
        context.view.showMessage(limitMessageText(context.messages.tooLarge[unit], limit, unit));
    } else if (!(q.diagonal >= limits.smallest)) {
        limit = limits.smallest;
        context.view.showMessage(limitMessageText(context.messages.tooSmall[unit], limit, unit));
    } else {
        // Within the limits: work out the offsets from the unrounded height, then store all.
        const auto& coefficients = s.offsetCoefficients();
        const double offsetA = computeOffset(s, q.height, coefficients[0], s.aspectHeight,
                                             s.aspectWidth, q.distance, OffsetKind::A, s.zoomEnd);
        const double offsetB = computeOffset(s, q.height, coefficients[1], s.aspectHeight,
                                             s.aspectWidth, q.distance, OffsetKind::B, s.zoomEnd);
        requireFinite(offsetA, "image offset", s.selectedModel());
        requireFinite(offsetB, "image offset", s.selectedModel());
        s.screenWidth = q.width;
        s.screenHeight = q.height;
        s.screenDiagonal = q.diagonal;
        s.projectionDistance = q.distance;
        s.offsetA = offsetA;
        s.offsetB = offsetB;
        context.clampToLimit = false;
        context.stored = true;
        return true;
    }

    if (!context.clampToLimit) return false;
    // Solve the limit itself. The nested pass must not clamp again: with limits that contradict
    // each other (smallest above largest) it is out of limits too, and then it stores nothing.
    context.clampToLimit = false;
    (void)solvePass(context, kSolveDiagonal, limit);
    return false;
}

}  // namespace

std::string limitMessageText(const std::string& message, double limitInInches, int unitIndex) {
    std::string text =
        replaceAll(message, "%1", formatGeneral(fromInches(limitInInches, unitIndex)));
    if (unitIndex != kUnitInches) text = replaceAll(text, "%2", formatGeneral(limitInInches));
    return text;
}

bool CalcScreenSize(SolverContext& context, int mode, double value) {
    try {
        return solvePass(context, mode, value);
    } catch (const ArithmeticFault&) {
        context.clampToLimit = false;
        throw;
    }
}

void showResults(const CalculatorState& s, View& view) {
    const auto shown = [&](double inches) {
        return formatFixed(roundForDisplay(fromInches(inches, s.unitIndex), 1, s.zoomEnd), 0);
    };
    const std::array<std::string, 2> offsets = offsetDisplayTexts(s);
    view.setValueText(kSolveWidth, shown(s.screenWidth));
    view.setValueText(kSolveHeight, shown(s.screenHeight));
    view.setValueText(kSolveDiagonal, shown(s.screenDiagonal));
    view.setValueText(kSolveDistance, shown(s.projectionDistance));
    view.setOffsetText(0, offsets[0]);
    view.setOffsetText(1, offsets[1]);
}

}  // namespace projcalc::legacy
