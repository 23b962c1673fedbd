#include "calc/planning.h"

#include <cmath>
#include <numbers>

namespace projcalc {
namespace {

// The end the results belong to is the results themselves: worked out again from one of their
// lengths it could differ in the last bit, and a diagonal on a limit could then read as outside.
BothEnds withResultsAtTheirEnd(BothEnds ends, const ModelTraits& model, const Options& options,
                               const Solution& solution) {
    std::optional<EndResult>& current = ends[static_cast<std::size_t>(indexOf(options.zoom))];
    if (current) current = EndResult{solution, !limitCrossed(model, options, solution.diagonal)};
    return ends;
}

}  // namespace

double seatingDistance(double width, SeatingAngle angle) noexcept {
    const double halfAngle = degreesOf(angle) * std::numbers::pi / 360.0;
    return width / (2.0 * std::tan(halfAngle));
}

BothEnds throwRangeFor(const ModelTraits& model, const Options& options, const Solution& solution) {
    return withResultsAtTheirEnd(solveBothEnds(model, options.aspect, options.mount,
                                               {Quantity::Diagonal, solution.diagonal}),
                                 model, options, solution);
}

ZoomLengths distancesOf(const BothEnds& ends) noexcept {
    ZoomLengths distances;
    for (std::size_t i = 0; i < ends.size(); ++i) {
        if (ends[i]) distances[i] = ends[i]->solution.distance;
    }
    return distances;
}

std::optional<double> throwRatio(double distance, double width) noexcept {
    if (!(distance > 0.0) || !(width > 0.0) || !std::isfinite(distance) || !std::isfinite(width))
        return std::nullopt;
    const double ratio = distance / width;
    if (!std::isfinite(ratio)) return std::nullopt;
    return ratio;
}

ZoomLengths throwRatiosOf(const BothEnds& throwRange, double width) noexcept {
    ZoomLengths ratios;
    for (std::size_t i = 0; i < throwRange.size(); ++i) {
        if (throwRange[i]) ratios[i] = throwRatio(throwRange[i]->solution.distance, width);
    }
    return ratios;
}

std::optional<Planning> planningFor(const ModelTraits& model, const Options& options,
                                    const Solution& solution) {
    if (!std::isfinite(solution.diagonal) || !std::isfinite(solution.distance) ||
        !std::isfinite(solution.width)) {
        return std::nullopt;
    }
    Planning planning;
    planning.throwRange = throwRangeFor(model, options, solution);
    planning.imageRange =
        withResultsAtTheirEnd(solveBothEnds(model, options.aspect, options.mount,
                                            {Quantity::Distance, solution.distance}),
                              model, options, solution);
    for (const SeatingAngle angle : kAllSeatingAngles) {
        const double seat = seatingDistance(solution.width, angle);
        if (!std::isfinite(seat)) return std::nullopt;
        planning.seating[static_cast<std::size_t>(angle)] = seat;
    }
    return planning;
}

}  // namespace projcalc
