#include "calc/throw_table.h"

#include <algorithm>
#include <cmath>

#include "calc/aspect.h"

namespace projcalc {

namespace {

// A diagonal within a billionth of `to`, relative to its size, still counts.
double lastDiagonal(double to) noexcept {
    return to + 1e-9 * std::max(1.0, std::fabs(to));
}

}  // namespace

double steppedDiagonalCount(double from, double to, double step) noexcept {
    if (!std::isfinite(from) || !std::isfinite(to) || !std::isfinite(step) || !(step > 0) ||
        from > to) {
        return 0.0;
    }
    const double count = std::floor((lastDiagonal(to) - from) / step) + 1.0;
    // The quotient may land a hair beside a whole number: the last diagonal decides.
    if (from + (count - 1.0) * step > lastDiagonal(to)) return count - 1.0;
    if (from + count * step <= lastDiagonal(to)) return count + 1.0;
    return count;
}

std::vector<double> steppedDiagonals(double from, double to, double step, std::size_t maxRows) {
    std::vector<double> diagonals;
    if (!std::isfinite(from) || !std::isfinite(to) || !std::isfinite(step) || !(step > 0) ||
        from > to) {
        return diagonals;
    }
    const double last = lastDiagonal(to);
    for (std::size_t k = 0; diagonals.size() < maxRows; ++k) {
        const double diagonal = from + static_cast<double>(k) * step;
        if (diagonal > last) break;
        diagonals.push_back(diagonal);
    }
    return diagonals;
}

std::vector<double> limitDiagonals(const ModelTraits& model, Aspect aspect, double step,
                                   std::size_t maxRows) {
    std::optional<double> smallest;
    std::optional<double> largest;
    for (const Zoom zoom : kAllZooms) {
        if (!model.has(zoom)) continue;
        const DiagonalLimitPair limits = model.limits(aspect, zoom);
        smallest = smallest ? std::min(*smallest, limits.smallest) : limits.smallest;
        largest = largest ? std::max(*largest, limits.largest) : limits.largest;
    }
    std::vector<double> diagonals;
    if (!smallest || !std::isfinite(*smallest) || !std::isfinite(*largest) ||
        *smallest > *largest || !std::isfinite(step) || !(step > 0)) {
        return diagonals;
    }
    diagonals.push_back(*smallest);
    // Every multiple of the step strictly between the two limits.
    for (double k = std::floor(*smallest / step) + 1; diagonals.size() + 1 < maxRows; ++k) {
        const double diagonal = k * step;
        if (!(diagonal < *largest)) break;
        diagonals.push_back(diagonal);
    }
    if (*largest > *smallest) diagonals.push_back(*largest);
    return diagonals;
}

std::vector<ThrowRow> throwTable(const ModelTraits& model, Aspect aspect, Mount mount,
                                 const std::vector<double>& diagonals, const LightSettings& light) {
    const double ratio = ratioOf(aspect);
    std::vector<ThrowRow> rows;
    rows.reserve(diagonals.size());
    for (const double diagonal : diagonals) {
        ThrowRow row;
        row.diagonal = diagonal;
        row.height = heightFromDiagonal(diagonal, aspect);
        row.width = widthFromHeight(row.height, ratio);
        row.ends = solveBothEnds(model, aspect, mount, {Quantity::Diagonal, diagonal});
        const EndFootLamberts lit = footLambertsOfEnds(model, light, row.width, row.height);
        for (std::size_t i = 0; i < row.ends.size(); ++i) {
            if (row.ends[i]) row.footLamberts[i] = lit[i];
        }
        rows.push_back(row);
    }
    return rows;
}

}  // namespace projcalc
