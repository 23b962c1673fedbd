#include "calc/solve.h"

#include <cmath>
#include <string>

#include "calc/aspect.h"
#include "calc/offsets.h"
#include "calc/size_line.h"

namespace projcalc {
namespace {

AppError tooLarge(const char* what, const ModelRecord& model) {
    return makeError(ErrorCode::Overflow, std::string("the ") + what + " for the model \"" +
                                              model.modelName + "\" is too large to work out");
}

// The first of the lengths that is not a finite number, in the order they are reported.
std::optional<AppError> firstNonFinite(const Solution& s, const ModelRecord& model) {
    if (!std::isfinite(s.diagonal)) return tooLarge("screen diagonal", model);
    if (!std::isfinite(s.height)) return tooLarge("image height", model);
    if (!std::isfinite(s.width)) return tooLarge("image width", model);
    if (!std::isfinite(s.distance)) return tooLarge("projection distance", model);
    return std::nullopt;
}

SolveResult solveOnce(const ModelTraits& model, const Options& options, Known known) {
    auto image = imageFor(model, options, known);
    if (auto* error = std::get_if<AppError>(&image)) return {std::nullopt, std::move(*error)};
    Solution s = std::get<Solution>(image);
    if (auto hit = limitCrossed(model, options, s.diagonal)) return {std::nullopt, *hit};
    // Within the limits: the offsets come from the unrounded height.
    const auto [a, b] = offsetsFor(model, options, s.height, s.distance);
    if (!std::isfinite(a) || !std::isfinite(b)) {
        return {std::nullopt, tooLarge("image offset", model.record)};
    }
    s.offsetA = a;
    s.offsetB = b;
    return {std::nullopt, s};
}

}  // namespace

std::variant<Solution, AppError> imageFor(const ModelTraits& model, const Options& options,
                                          Known known) {
    const ModelRecord& record = model.record;
    const double ratio = ratioOf(options.aspect);
    Solution s;
    std::optional<AppError> error;
    const auto distanceOf = [&](double diagonal) {
        auto distance = distanceFromDiagonal(record, diagonal, options.zoom, options.aspect);
        if (auto* failure = std::get_if<AppError>(&distance)) {
            error = std::move(*failure);
            return 0.0;
        }
        return std::get<double>(distance);
    };
    switch (known.quantity) {
        case Quantity::Distance:
            s.distance = known.inches;
            s.diagonal = diagonalFromDistance(record, s.distance, options.zoom, options.aspect);
            s.height = heightFromDiagonal(s.diagonal, options.aspect);
            s.width = widthFromHeight(s.height, ratio);
            break;
        case Quantity::Width:
            s.width = known.inches;
            s.height = heightFromWidth(s.width, ratio);
            s.diagonal = diagonalFromSides(s.width, s.height);
            s.distance = distanceOf(s.diagonal);
            break;
        case Quantity::Height:
            s.height = known.inches;
            s.width = widthFromHeight(s.height, ratio);
            s.diagonal = diagonalFromSides(s.width, s.height);
            s.distance = distanceOf(s.diagonal);
            break;
        case Quantity::Diagonal:
            s.diagonal = known.inches;
            s.height = heightFromDiagonal(s.diagonal, options.aspect);
            s.width = widthFromHeight(s.height, ratio);
            s.distance = distanceOf(s.diagonal);
            break;
    }
    if (error) return std::move(*error);
    if (auto nonFinite = firstNonFinite(s, record)) return std::move(*nonFinite);
    return s;
}

std::optional<LimitHit> limitCrossed(const ModelTraits& model, const Options& options,
                                     double diagonal) noexcept {
    const DiagonalLimitPair limits = model.limits(options.aspect, options.zoom);
    if (diagonal > limits.largest) return LimitHit{LimitHit::Side::TooLarge, limits.largest};
    if (!(diagonal >= limits.smallest)) return LimitHit{LimitHit::Side::TooSmall, limits.smallest};
    return std::nullopt;
}

SolveResult solve(const ModelTraits& model, const Options& options, Known known, OnLimit onLimit) {
    SolveResult first = solveOnce(model, options, known);
    const auto* hit = std::get_if<LimitHit>(&first.outcome);
    if (hit == nullptr || onLimit == OnLimit::Reject) return first;
    // Solve the limit itself, once: with limits that contradict each other (smallest above
    // largest) it lies outside them too, and then nothing is kept.
    const LimitHit crossed = *hit;
    SolveResult atLimit = solveOnce(model, options, {Quantity::Diagonal, crossed.limit});
    atLimit.crossed = crossed;
    return atLimit;
}

}  // namespace projcalc
