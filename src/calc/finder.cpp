#include "calc/finder.h"

#include <algorithm>

namespace projcalc {

bool endCounts(const std::optional<EndResult>& end) noexcept {
    return end && end->withinLimits;
}

namespace {

// Whether some end that counts gives at least `minimum` foot-lamberts.
bool reachesMinimum(const FittingModel& fit, double minimum) noexcept {
    for (std::size_t i = 0; i < fit.ends.size(); ++i) {
        if (endCounts(fit.ends[i]) && fit.footLamberts[i] && *fit.footLamberts[i] >= minimum)
            return true;
    }
    return false;
}

}  // namespace

std::optional<FittingModel> fitOf(const ModelTraits& model, int index, Aspect aspect, Mount mount,
                                  double diagonal, Room room, const FinderLight& light) {
    if (!model.offers(aspect)) return std::nullopt;
    FittingModel fit;
    fit.model = index;
    fit.ends = solveBothEnds(model, aspect, mount, {Quantity::Diagonal, diagonal});
    std::optional<double> from;
    std::optional<double> to;
    for (const std::optional<EndResult>& end : fit.ends) {
        if (!endCounts(end)) continue;
        const double distance = end->solution.distance;
        from = from ? std::min(*from, distance) : distance;
        to = to ? std::max(*to, distance) : distance;
    }
    if (!from) return std::nullopt;
    fit.standFrom = std::max(*from, room.nearest);
    fit.standTo = std::min(*to, room.farthest);
    if (fit.standFrom > fit.standTo) return std::nullopt;
    for (std::size_t i = 0; i < fit.ends.size(); ++i) {
        const std::optional<EndResult>& end = fit.ends[i];
        if (!end) continue;
        if (const std::optional<double> lumens = ratedLumens(model, kAllZooms[i])) {
            fit.footLamberts[i] =
                footLamberts(*lumens, light.settings, end->solution.width, end->solution.height);
        }
    }
    if (light.minimumFootLamberts > 0.0 && !reachesMinimum(fit, light.minimumFootLamberts))
        return std::nullopt;
    return fit;
}

std::vector<FittingModel> modelsThatFit(std::span<const ModelTraits> models, Aspect aspect,
                                        Mount mount, double diagonal, Room room,
                                        const FinderLight& light) {
    std::vector<FittingModel> fits;
    for (std::size_t i = 0; i < models.size(); ++i) {
        if (auto fit = fitOf(models[i], static_cast<int>(i), aspect, mount, diagonal, room, light))
            fits.push_back(*fit);
    }
    return fits;
}

}  // namespace projcalc
