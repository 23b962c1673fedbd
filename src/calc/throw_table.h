#pragma once

#include <optional>
#include <variant>
#include <vector>

#include "calc/light.h"
#include "calc/model_traits.h"
#include "calc/options.h"
#include "calc/survey.h"

namespace projcalc {

// One row of a model's throw table: a screen diagonal with its sides, and each zoom end solved
// for it (empty where the model has no such end or its distance cannot be worked out).
struct ThrowRow {
    double diagonal = 0.0;  // inches
    double width = 0.0;
    double height = 0.0;
    BothEnds ends;
    // The light of each end on this screen (by Zoom): empty without lumens or without that end.
    EndFootLamberts footLamberts{};

    friend bool operator==(const ThrowRow&, const ThrowRow&) = default;
};

// The most rows a throw table asked for by diagonals (the command line's table=) may have.
inline constexpr std::size_t kMaxThrowTableRows = 10000;

// How many diagonals steppedDiagonals(from, to, step) gives without a row limit, worked out
// without making them (0 where it gives none); so a table far too long is refused at once.
[[nodiscard]] double steppedDiagonalCount(double from, double to, double step) noexcept;

// The diagonals from, from + step, from + 2·step, … while they do not pass `to` (a diagonal
// within a billionth of `to`, relative to its size, still counts). Empty unless from ≤ to and
// step > 0, all finite; at most `maxRows` diagonals.
[[nodiscard]] std::vector<double> steppedDiagonals(double from, double to, double step,
                                                   std::size_t maxRows = 100000);

// The diagonals a model's throw table covers for an aspect: the smallest limit over the zoom
// ends the model has, every multiple of `step` above it, and the largest limit. Empty when the
// model has no size line or its limits leave no diagonal.
[[nodiscard]] std::vector<double> limitDiagonals(const ModelTraits& model, Aspect aspect,
                                                 double step, std::size_t maxRows = 100000);

// The throw table of a model for the given diagonals, in order, with the light of each end for
// the given gain and share.
[[nodiscard]] std::vector<ThrowRow> throwTable(const ModelTraits& model, Aspect aspect, Mount mount,
                                               const std::vector<double>& diagonals,
                                               const LightSettings& light = {});

}  // namespace projcalc
