#pragma once

#include <optional>
#include <variant>

#include "calc/model_traits.h"
#include "calc/options.h"
#include "util/errors.h"

namespace projcalc {

// The one value the user gave: which quantity, in inches.
struct Known {
    Quantity quantity = Quantity::Diagonal;
    double inches = 0.0;
};

// The four lengths of an installation and the two offsets between lens and image, in inches.
struct Solution {
    double distance = 0.0;
    double diagonal = 0.0;
    double width = 0.0;
    double height = 0.0;
    double offsetA = 0.0;
    double offsetB = 0.0;

    friend bool operator==(const Solution&, const Solution&) = default;
};

// A diagonal outside the model's limits: which limit it crossed, in inches.
struct LimitHit {
    enum class Side { TooLarge, TooSmall };
    Side side = Side::TooLarge;
    double limit = 0.0;

    friend bool operator==(const LimitHit&, const LimitHit&) = default;
};

// What to do with a value whose diagonal lies outside the limits: refuse it, or solve the limit
// it crossed instead.
enum class OnLimit { Reject, Clamp };

// What solve found. `outcome` is the solution, the limit the diagonal crossed, or the reason the
// value could not be worked out. With OnLimit::Clamp and a value outside the limits, `crossed`
// holds the limit the value crossed and `outcome` is what solving that limit itself gave (a
// further LimitHit when the model's limits contradict each other).
struct SolveResult {
    std::optional<LimitHit> crossed;
    std::variant<Solution, LimitHit, AppError> outcome;

    [[nodiscard]] const Solution* solution() const noexcept {
        return std::get_if<Solution>(&outcome);
    }
};

// The four lengths for one known quantity, without the offsets and without checking the limits;
// an error when one of them cannot be worked out (a size line of slope 0, an overflow).
[[nodiscard]] std::variant<Solution, AppError> imageFor(const ModelTraits& model,
                                                        const Options& options, Known known);

// Whether a diagonal lies within the model's limits for the options' aspect and zoom end; the
// limit it crosses otherwise.
[[nodiscard]] std::optional<LimitHit> limitCrossed(const ModelTraits& model, const Options& options,
                                                   double diagonal) noexcept;

// Derives distance, diagonal, width and height from one known quantity, checks the diagonal
// against the model's limits and works out both offsets (from the unrounded height). Pure: the
// caller decides what to keep and what to show.
[[nodiscard]] SolveResult solve(const ModelTraits& model, const Options& options, Known known,
                                OnLimit onLimit);

}  // namespace projcalc
